#include "solution_note.h"

#include "extra_functions.h"
#include "game_scene.h"
#include "spriteman.h"

#include <algorithm>
#include <string>

namespace
{

// Letters as large as `size`, but the line no wider than `room`.
int fitting_size(const std::string& text, int size, int room)
{
    const int n = std::max(1, extra_functions::glyph_count(text));
    return std::max(8, std::min(size, room / n));
}

} // namespace

solution_note::solution_note(game_scene* scene) : world(scene)
{
    this->scene = scene;
    // Over the world, the HUD and the drawers; under an in-game menu.
    depth = 0.03;
    resizeGL();
    scene->addItem(this);
    scene->add_gl_item(this);
}

solution_note::~solution_note()
{
    world->remove_gl_item(this);
}

QRectF solution_note::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

void solution_note::resizeGL()
{
    width = viewport_width();
    height = viewport_height();
    set_quad(vertices, 0, height - strip_height, width, height);
}

void solution_note::updateGL()
{
    const float strip[4] = {0, 0, 0, 0.6f};
    set_tint(strip);
    draw_strip(spriteman::tex_blank, vertices);
    set_tint(spriteman::color_blank);
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    const std::string top = cf_tr("hud", heading), bottom = cf_tr("hud", hint);
    extra_functions::print_gl_label(top, w / 2, h - strip_height + 26,
                                    fitting_size(top, 30, w - 20));
    extra_functions::print_gl_label(bottom, w / 2, h - 22, fitting_size(bottom, 22, w - 20), true);
}

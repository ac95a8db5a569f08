#include "map_signs.h"

#include "extra_functions.h"
#include "game_scene.h"
#include "hud.h"
#include "spriteman.h"

#include <algorithm>

namespace
{

// Under the HUD band, where the eye falls first.
constexpr int banner_top_gap = 24;
constexpr int largest_count_glyph = 24;
constexpr int largest_banner_glyph = 26;

} // namespace

passed_count_sign::passed_count_sign(game_scene* scene, hud* bar) : bar(bar)
{
    this->scene = scene;
    depth = 0.05;
    scene->add_gl_item(this);
}

passed_count_sign::~passed_count_sign()
{
    scene->remove_gl_item(this);
}

QRectF passed_count_sign::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

int passed_count_sign::glyph_size() const
{
    const int free_width = bar->end_cursor - bar->start_cursor - 8;
    const int n = std::max(1, static_cast<int>(text.size()));
    return std::clamp(free_width / n, 0, largest_count_glyph);
}

int passed_count_sign::centre_x() const
{
    return (bar->start_cursor + bar->end_cursor) / 2;
}

void passed_count_sign::updateGL()
{
    const int size = glyph_size();
    if (size < 6)
        return; // no room worth reading
    extra_functions::print_gl_label(text, centre_x(), bar->bar_y + bar->height / 2, size);
}

page_banner::page_banner(game_scene* scene, std::string text) : text(std::move(text)), world(scene)
{
    this->scene = scene;
    // Above the world, below the HUD and the menus.
    depth = 0.2;
    scene->add_gl_item(this);
}

page_banner::~page_banner()
{
    scene->remove_gl_item(this);
}

QRectF page_banner::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

bool page_banner::tick()
{
    ++age;
    return age < ticks_shown;
}

double page_banner::opacity() const
{
    const int left = ticks_shown - age;
    return std::clamp(static_cast<double>(left) / fade_ticks, 0.0, 1.0);
}

void page_banner::updateGL()
{
    const float alpha = static_cast<float>(opacity());
    if (alpha <= 0 || text.empty())
        return;
    const int vw = viewport_width();
    const int n = static_cast<int>(text.size());
    const int size = std::clamp((vw - 40) / n, 6, largest_banner_glyph);
    const int band = world->top_hud ? world->top_hud->height : 0;
    const int centre_y = band + banner_top_gap + size;
    const float ribbon[4] = {0.15f, 0.15f, 0.2f, 0.6f * alpha};
    const float half = static_cast<float>(n * size) / 2 + size;
    draw_flat_rect(vw / 2.0f - half, centre_y - size, vw / 2.0f + half, centre_y + size, ribbon);
    // The tint adds to the glyphs' texels: taking from alpha fades them.
    const float fade[4] = {0, 0, 0, alpha - 1};
    set_tint(fade);
    extra_functions::print_gl_label(text, vw / 2, centre_y, size);
    set_tint(spriteman::color_blank);
}

#include "apply_button.h"

#include "drawing_drawer.h"
#include "game_scene.h"
#include "hud.h"
#include "spriteman.h"

apply_button::apply_button(game_scene* scene, hud* column, drawing_drawer* surface)
    : world(scene), column(column), surface(surface)
{
    this->scene = scene;
    width = column->button_size;
    height = column->button_size;
    resizeGL();
    depth = 0.05;
    scene->addItem(this);
    scene->add_gl_item(this);
    column->add_hud_item(this);
}

apply_button::~apply_button()
{
    world->remove_gl_item(this);
}

QRectF apply_button::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

void apply_button::resizeGL()
{
    const int w = viewport_width();
    // Centred in the column, packed from its bottom end.
    const int left = w - drawing_drawer::column_width + (drawing_drawer::column_width - width) / 2;
    const int top = column->end_cursor - height - column->slot_margin;
    column->end_cursor -= height + 2 * column->slot_margin;
    set_quad(vertices, left, top, left + width, top + height);
}

// An invalid placement is shown by the red tint; the button just does nothing.
void apply_button::clicked(int, int)
{
    surface->apply(true);
}

void apply_button::updateGL()
{
    draw_strip(spriteman::tex_apply, vertices);
}

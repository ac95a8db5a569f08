#include "drawing_drawer.h"

#include "apply_button.h"
#include "cfg.h"
#include "drawer_block_switch.h"
#include "game_scene.h"
#include "hud.h"
#include "placement.h"
#include "spriteman.h"
#include "stockchar.h"

#include <QGraphicsView>

drawing_drawer::drawing_drawer(game_scene* scene) : world(scene), direction(cfg::p)
{
    this->scene = scene;
    tool_bar = new hud(scene, viewport_width() - column_width, 0, column_width, 0, 100);
    new drawer_block_switch(scene, tool_bar, this, 0);
    new drawer_block_switch(scene, tool_bar, this, 1);
    new drawer_block_switch(scene, tool_bar, this, 2);
    new apply_button(scene, tool_bar, this);
    lay_out();
    // Stopped world: no tick moves anything and keys no longer reach the
    // character while the player draws.
    scene->running = false;
    depth = 0.05;
    scene->adopt_drawer(this, cfg::drawer_drawer_type);
}

drawing_drawer::~drawing_drawer()
{
    delete tool_bar; // and its four buttons
    tool_bar = nullptr;
    world->running = true;
    world->drop_drawer(this);
}

QRectF drawing_drawer::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

void drawing_drawer::lay_out()
{
    width = viewport_width();
    height = viewport_height();
    set_quad(row_quad, 0, row_quad[1], width, row_quad[5]);
    set_quad(column_quad, column_quad[0], 0, column_quad[2], height);
    tool_bar->bar_x = width - column_width;
    tool_bar->resizeGL();
}

void drawing_drawer::resizeGL()
{
    lay_out();
}

void drawing_drawer::clicked(int x, int y)
{
    if (x > viewport_width() - column_width) {
        grab = tool_bar;
        tool_bar->clicked(x, y);
        return;
    }
    grab = nullptr;
    select_cell(x, y);
}

// A press that began on the tool column never moves the cell.
void drawing_drawer::moved(int x, int y)
{
    if (!grab)
        select_cell(x, y);
}

void drawing_drawer::released(int x, int y)
{
    if (!grab)
        select_cell(x, y);
}

void drawing_drawer::select_cell(int x, int y)
{
    const double block = world->block_size;
    const int c = static_cast<int>((x + world->view_left) / block);
    const int r = static_cast<int>((y + world->view_top) / block);
    if (c > cell_x)
        direction = cfg::p;
    if (c < cell_x)
        direction = cfg::l;
    // A diagonal step records the vertical way.
    if (r > cell_y)
        direction = cfg::d;
    if (r < cell_y)
        direction = cfg::g;
    cell_x = c;
    cell_y = r;
}

void drawing_drawer::set_triangle(float ax, float ay, float bx, float by, float cx, float cy)
{
    const float corners[6] = {ax, ay, bx, by, cx, cy};
    for (int i = 0; i < 6; ++i)
        arrow_vertices[i] = corners[i];
}

bool drawing_drawer::apply(bool commit)
{
    return place_from_stock(world, selected_slot, cell_x, cell_y, direction, commit);
}

void drawing_drawer::advance(int)
{
    stockchar* focused = world->focused_char();
    const QList<QGraphicsView*> shown = world->views();
    if (focused && !shown.isEmpty())
        shown.first()->centerOn(focused);
}

void drawing_drawer::updateGL()
{
    stockchar* focused = world->focused_char();
    if (!focused)
        return;
    const double f = world->px_per_unit;
    const double block = world->block_size;

    set_tint(range_color);
    const double left = focused->x * f - 2 * block - world->view_left;
    const double right = focused->x * f + 2 * block + focused->size * f - world->view_left;
    const double top = focused->y * f - 2 * block - world->view_top;
    const double bottom = focused->y * f + 2 * block + focused->size * f - world->view_top;
    set_quad(range_quad, left, top, right, bottom);
    draw_strip(spriteman::tex_blank, range_quad);

    set_tint(apply(false) ? valid_color : invalid_color);
    const float x0 = block * cell_x - world->view_left;
    const float x1 = x0 + block;
    column_quad[0] = column_quad[4] = x0;
    column_quad[2] = column_quad[6] = x1;
    draw_strip(spriteman::tex_blank, column_quad);
    const float y0 = block * cell_y - world->view_top;
    const float y1 = y0 + block;
    row_quad[1] = row_quad[3] = y0;
    row_quad[5] = row_quad[7] = y1;
    draw_strip(spriteman::tex_blank, row_quad);
    set_quad(cell_quad, x0, y0, x1, y1);
    draw_strip(spriteman::tex_blank, cell_quad);

    const stock_slot* slot = selected_slot < 3 ? focused->stock_slots[selected_slot] : nullptr;
    if (slot && slot->type == cfg::cloud) {
        // The way the new cloud will set off.
        const float b = static_cast<float>(block);
        const float mid_x = (x0 + x1) / 2;
        const float mid_y = (y0 + y1) / 2;
        if (direction == cfg::g)
            set_triangle(x0, y0, x1, y0, mid_x, y0 - b);
        else if (direction == cfg::d)
            set_triangle(x0, y1, x1, y1, mid_x, y1 + b);
        else if (direction == cfg::l)
            set_triangle(x0, y0, x0, y1, x0 - b, mid_y);
        else
            set_triangle(x1, y0, x1, y1, x1 + b, mid_y);
        draw_strip(spriteman::tex_blank, arrow_vertices, 3);
    }
    set_tint(spriteman::color_blank);
}

#include "drawing_drawer.h"

#include "apply_button.h"
#include "cfg.h"
#include "drawer_block_switch.h"
#include "game_scene.h"
#include "hud.h"
#include "myscene.h"
#include "placement.h"
#include "sound_sink.h"
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
    // A touch starts at the grid's corner; keys start beside the character.
    if (myscene::keys_in_use)
        place_cursor();
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
    // The row and column lie on the world: they cross the whole screen.
    set_quad(row_quad, 0, row_quad[1], screen_width(), row_quad[5]);
    set_quad(column_quad, column_quad[0], 0, column_quad[2], screen_height());
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
    dragging = true;
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
    dragging = false;
}

void drawing_drawer::select_cell(int x, int y)
{
    const double block = world->block_size;
    // The press came in interface pixels; cells are counted in the world's.
    const double s = ui_scale();
    const int c = static_cast<int>((x * s + world->view_left) / block);
    const int r = static_cast<int>((y * s + world->view_top) / block);
    if (c > cell_x)
        direction = cfg::p;
    if (c < cell_x)
        direction = cfg::l;
    // A diagonal step records the vertical way.
    if (r > cell_y)
        direction = cfg::d;
    if (r < cell_y)
        direction = cfg::g;
    choose_cell(c, r);
}

void drawing_drawer::choose_cell(int c, int r)
{
    cell_x = c;
    cell_y = r;
    cell_chosen = true;
    chosen_for = world->focused;
    chosen_in = world->flushes;
}

bool drawing_drawer::cursor_fits(long long c, long long r)
{
    const stockchar* focused = world->focused_char();
    return focused && world->in_grid(c, r) && in_reach(*focused, c, r);
}

bool drawing_drawer::cursor_ready()
{
    return cell_chosen && chosen_for == world->focused && chosen_in == world->flushes &&
           cursor_fits(cell_x, cell_y);
}

// The cell right of the character's middle, or left of it at the grid's
// right edge; the way a new cloud goes is left as it was.
void drawing_drawer::place_cursor()
{
    const stockchar* focused = world->focused_char();
    if (!focused)
        return;
    const long long c = (focused->x + focused->size / 2) / cfg::multiplier;
    const long long r = (focused->y + focused->size / 2) / cfg::multiplier;
    for (const long long beside : {c + 1, c - 1, c}) {
        if (cursor_fits(beside, r)) {
            choose_cell(static_cast<int>(beside), static_cast<int>(r));
            return;
        }
    }
}

// The cursor stays where the character can draw; an arrow that cannot move
// it still turns the way a new cloud will go, as it is all a player sees.
void drawing_drawer::step(int dx, int dy, unsigned char way)
{
    direction = way;
    if (cursor_fits(cell_x + dx, cell_y + dy))
        choose_cell(cell_x + dx, cell_y + dy);
}

// Only slots that hold something: an empty one is not shown in the column.
void drawing_drawer::choose_slot(unsigned int slot)
{
    const stockchar* focused = world->focused_char();
    if (focused && slot < 3 && focused->stock_slots[slot] && focused->stock_slots[slot]->type)
        selected_slot = slot;
}

void drawing_drawer::cycle_slot(int by)
{
    for (int i = 1; i <= 3; ++i) {
        const unsigned int slot =
            static_cast<unsigned int>((static_cast<int>(selected_slot) + by * i + 9) % 3);
        const unsigned int before = selected_slot;
        choose_slot(slot);
        if (selected_slot != before)
            return;
    }
}

bool drawing_drawer::navigate(input::intent what, bool repeat)
{
    using input::intent;
    if (!world->focused_char())
        return false;
    const bool moves =
        what == intent::up || what == intent::down || what == intent::left || what == intent::right;
    // The first key after a switch, a rewind or a touch far away brings the
    // cursor back beside the character before it acts.
    if ((moves || what == intent::confirm) && !cursor_ready()) {
        place_cursor();
        return true;
    }
    switch (what) {
    case intent::up:
        step(0, -1, cfg::g);
        return true;
    case intent::down:
        step(0, 1, cfg::d);
        return true;
    case intent::left:
        step(-1, 0, cfg::l);
        return true;
    case intent::right:
        step(1, 0, cfg::p);
        return true;
    default:
        break;
    }
    // Held, these would spend the stock or spin through the slots.
    if (repeat)
        return false;
    switch (what) {
    case intent::confirm:
        // As the tick button: heard whether or not the block fits.
        sound_sink::cue(sounds::button);
        apply(true);
        return true;
    case intent::next:
    case intent::previous:
        sound_sink::cue(sounds::button);
        cycle_slot(what == intent::next ? 1 : -1);
        return true;
    case intent::slot_1:
    case intent::slot_2:
    case intent::slot_3:
        sound_sink::cue(sounds::button);
        choose_slot(static_cast<unsigned int>(what) - static_cast<unsigned int>(intent::slot_1));
        return true;
    default:
        return false;
    }
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
    if (myscene::keys_in_use && !cursor_ready())
        place_cursor();
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
    // Everything drawn here marks cells of the world, at the world's zoom.
    screen_pixels unscaled;
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
    const bool clouds = slot && slot->type == cfg::cloud;
    // Frames of touch play stay as they were: the cursor is the keys' own.
    if (myscene::keys_in_use && cursor_ready()) {
        set_tint(spriteman::color_blank);
        draw_cursor(x0, y0, x1, y1, clouds);
        return;
    }
    if (clouds) {
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
        // While the finger drags, the way it gives shows plainly, as the
        // keys' cursor shows it.
        if (dragging) {
            set_tint(spriteman::color_blank);
            draw_cursor(x0, y0, x1, y1, true);
        }
    }
    set_tint(spriteman::color_blank);
}

void drawing_drawer::draw_cursor(float x0, float y0, float x1, float y1, bool with_arrow)
{
    draw_strip(spriteman::tex_cursor, cell_quad);
    if (!with_arrow)
        return;
    // The arrow stands over the cell moved half a block the way it points.
    const float half = (x1 - x0) / 2;
    const float dx = direction == cfg::p ? half : direction == cfg::l ? -half : 0;
    const float dy = direction == cfg::d ? half : direction == cfg::g ? -half : 0;
    float q[8];
    set_quad(q, x0 + dx, y0 + dy, x1 + dx, y1 + dy);
    draw_turned(spriteman::tex_cursor_arrow, q, direction);
}

#include "in_game_menu.h"

#include "game_scene.h"
#include "menu_rows.h"
#include "sound_sink.h"
#include "spriteman.h"

#include <algorithm>
#include <vector>

in_game_menu::in_game_menu(game_scene* scene, int letter_size)
    : world(scene), dim_color(new float[4]{0, 0, 0, 0.5f}), letter_size(letter_size),
      saved_world_running(scene->running), natural_letter_size(letter_size)
{
    this->scene = scene;
    cover_viewport();
    depth = 0.01;
    scene->addItem(this);
    scene->add_gl_item(this);
    scene->menu = this;
    scene->running = false;
}

in_game_menu::~in_game_menu()
{
    delete[] dim_color;
    // Last added first: each row takes itself off the scene's drawing list.
    while (!items.empty()) {
        myglitem* row = items.back();
        items.pop_back();
        delete row;
    }
    world->remove_gl_item(this);
    // A menu opened over the drawing surface leaves the world stopped.
    world->running = saved_world_running;
    if (world->menu == this)
        world->menu = nullptr;
}

void in_game_menu::add_menu_item(myglitem* item)
{
    items.push_back(item);
    // A row that runs off the viewport shrinks the whole column; a column
    // that fits keeps its rows where they were placed.
    const float* q = item->vertices;
    if (row_cursor > height || q[0] < 0 || q[6] > width)
        lay_out_rows();
}

void in_game_menu::remove_menu_item(myglitem* item)
{
    if (item == highlight)
        highlight = nullptr;
    items.remove(item);
}

QRectF in_game_menu::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

void in_game_menu::cover_viewport()
{
    width = viewport_width();
    height = viewport_height();
    set_quad(vertices, 0, 0, width, height);
}

void in_game_menu::resizeGL()
{
    cover_viewport();
    lay_out_rows();
}

void in_game_menu::lay_out_rows()
{
    constexpr int natural_spacing = 15;
    auto lay_out = [&](int letters, int spacing) {
        letter_size = letters;
        row_spacing = spacing;
        row_cursor = 0;
        for (myglitem* row : items)
            row->resizeGL();
    };
    lay_out(natural_letter_size, natural_spacing);
    int widest = 0;
    for (myglitem* row : items)
        widest = std::max(widest, row->width);
    // Letters and gaps shrink together, so the column keeps its look.
    double scale = 1.0;
    if (row_cursor > height)
        scale = std::min(scale, static_cast<double>(height) / row_cursor);
    if (widest > width)
        scale = std::min(scale, static_cast<double>(width) / widest);
    if (scale < 1.0)
        lay_out(static_cast<int>(natural_letter_size * scale),
                static_cast<int>(natural_spacing * scale));
}

void in_game_menu::keep_in_sight(long long x, long long y)
{
    has_spot = true;
    spot_x = x;
    spot_y = y;
}

QRectF in_game_menu::spot_window() const
{
    if (!has_spot)
        return {};
    // Three blocks across, wherever the view and the zoom put the spot now,
    // in the menu's interface pixels.
    const double s = ui_scale();
    const double block = world->block_size / s;
    const double cx = (spot_x * world->px_per_unit - world->view_left) / s;
    const double cy = (spot_y * world->px_per_unit - world->view_top) / s;
    return QRectF(cx - 1.5 * block, cy - 1.5 * block, 3 * block, 3 * block)
        .intersected(QRectF(0, 0, width, height));
}

bool in_game_menu::over_spot(const float* quad) const
{
    const QRectF window = spot_window();
    return !window.isEmpty() &&
           window.intersects(QRectF(QPointF(quad[0], quad[1]), QPointF(quad[6], quad[7])));
}

void in_game_menu::updateGL()
{
    set_tint(dim_color);
    const QRectF window = spot_window();
    if (window.isEmpty()) {
        draw_strip(spriteman::tex_blank, vertices);
    } else {
        // The dimming in four bands round the clear window.
        const double w = width, h = height;
        const double l = window.left(), t = window.top(), r = window.right(), b = window.bottom();
        const double bands[4][4] = {{0, 0, w, t}, {0, b, w, h}, {0, t, l, b}, {r, t, w, b}};
        for (const auto& band : bands) {
            if (band[2] <= band[0] || band[3] <= band[1])
                continue;
            float quad[8];
            set_quad(quad, static_cast<float>(band[0]), static_cast<float>(band[1]),
                     static_cast<float>(band[2]), static_cast<float>(band[3]));
            draw_strip(spriteman::tex_blank, quad);
        }
    }
    set_tint(spriteman::color_blank);
    if (!myscene::keys_in_use)
        return;
    if (igm_row* row = highlighted()) {
        // Around the row, inside the 15-pixel gaps that part it from the next.
        const float* q = row->vertices;
        draw_focus_frame(q[0] - 12, q[1] - 10, q[6] + 12, q[7] + 10);
    }
}

void in_game_menu::clicked(int x, int y)
{
    for (myglitem* row : items) {
        const float* q = row->vertices;
        // Strict on every side: the 30-pixel gaps between rows reach nothing.
        if (q[1] < y && y < q[7] && q[0] < x && x < q[6]) {
            // The title and plain text rows are no buttons: no click either.
            if (auto* r = dynamic_cast<igm_row*>(row); !r || r->choosable)
                choose(row);
            return;
        }
    }
}

void in_game_menu::choose(myglitem* row)
{
    sound_sink::cue(sounds::button);
    const float* q = row->vertices;
    row->clicked(static_cast<int>((q[0] + q[6]) / 2), static_cast<int>((q[1] + q[7]) / 2));
}

igm_row* in_game_menu::highlighted()
{
    if (highlight)
        return highlight;
    igm_row* first = nullptr;
    igm_row* rewind = nullptr;
    for (myglitem* item : items)
        if (auto* row = dynamic_cast<igm_row*>(item); row && row->choosable && row->preferred)
            return highlight = row;
    for (myglitem* item : items) {
        auto* row = dynamic_cast<igm_row*>(item);
        if (!row || !row->choosable)
            continue;
        // Resuming is what a paused player wants most; after a fall, to try
        // again from just before it.
        if (dynamic_cast<igm_resume*>(row))
            return highlight = row;
        if (!rewind && dynamic_cast<igm_rewind*>(row))
            rewind = row;
        if (!first)
            first = row;
    }
    highlight = rewind ? rewind : first;
    return highlight;
}

bool in_game_menu::navigate(input::intent in, bool repeat)
{
    using input::intent;
    std::vector<igm_row*> rows;
    for (myglitem* item : items)
        if (auto* row = dynamic_cast<igm_row*>(item); row && row->choosable)
            rows.push_back(row);
    if (rows.empty())
        return false;
    const auto at = std::find(rows.begin(), rows.end(), highlighted()) - rows.begin();
    const auto last = static_cast<long>(rows.size()) - 1;
    switch (in) {
    case intent::up:
    case intent::previous:
        highlight = rows[std::max(0L, at - 1)];
        return true;
    case intent::down:
    case intent::next:
        highlight = rows[std::min(last, at + 1)];
        return true;
    case intent::confirm:
        // A held key chooses once.
        if (!repeat)
            choose(highlight);
        return true;
    case intent::back:
        if (repeat)
            return true;
        for (igm_row* row : rows) {
            if (dynamic_cast<igm_resume*>(row)) {
                choose(row);
                return true;
            }
        }
        // A menu that cannot be closed only points at the way out, so that
        // Escape never leaves a passed or failed level by itself.
        for (igm_row* row : rows)
            if (dynamic_cast<igm_tom_mm*>(row))
                highlight = row;
        return true;
    default:
        return false;
    }
}

std::vector<layout_box> in_game_menu::layout_boxes() const
{
    std::vector<layout_box> out;
    for (const myglitem* row : items) {
        const auto* text = dynamic_cast<const igm_just_text*>(row);
        const float* q = row->vertices;
        out.push_back({text ? QString::fromStdString(text->text) : QStringLiteral("menu title"),
                       QRectF(QPointF(q[0], q[1]), QPointF(q[6], q[7]))});
    }
    return out;
}

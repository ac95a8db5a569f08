#include "editor_canvas.h"

#include "cfg.h"
#include "editor_scene.h"
#include "extra_functions.h"
#include "myglitem.h"
#include "myscene.h"
#include "spriteman.h"

#include <algorithm>

namespace
{

const long long m = cfg::multiplier;
constexpr int bar = editor_scene::bar;

const float badge_tint[4] = {0.05f, 0.05f, 0.08f, 0.6f};
const float map_tint[4] = {0.1f, 0.1f, 0.12f, 0.15f};
const float line_tint[4] = {0.15f, 0.15f, 0.15f, 0.25f};
const float cursor_tint[4] = {0.8f, 0.7f, 0.1f, 0.9f};
const float selected_tint[4] = {0.1f, 0.5f, 0.8f, 0.9f};
const float prompt_tint[4] = {0.02f, 0.02f, 0.05f, 0.85f};
const float swatch_tint[4][4] = {{0.93f, 0.93f, 0.9f, 1},
                                 {0.88f, 0.27f, 0.24f, 1},
                                 {0.3f, 0.7f, 0.3f, 1},
                                 {0.25f, 0.45f, 0.85f, 1}};

void picture(const float* tex, float left, float top, float right, float bottom)
{
    if (!tex)
        return;
    float quad[8];
    myglitem::set_quad(quad, left, top, right, bottom);
    myglitem::draw_strip(tex, quad);
}

void outline(float left, float top, float right, float bottom, const float* tint)
{
    const float t = 3;
    myglitem::draw_flat_rect(left, top, right, top + t, tint);
    myglitem::draw_flat_rect(left, bottom - t, right, bottom, tint);
    myglitem::draw_flat_rect(left, top, left + t, bottom, tint);
    myglitem::draw_flat_rect(right - t, top, right, bottom, tint);
}

// A text button of the top strip.
void button(int left, int width, const std::string& label, const float* tex = nullptr)
{
    myglitem::draw_flat_rect(left + 2, 2, left + width - 2, bar - 2, badge_tint);
    if (tex)
        picture(tex, left + 6, 6, left + width - 6, bar - 6);
    else
        extra_functions::print_gl_text(label, left + width / 2, bar / 2, 13);
}

} // namespace

void editor_canvas::draw(const editor_scene& e)
{
    draw_map(e);
    draw_stock_panel(e);
    draw_bars(e);
    draw_prompt(e);
    e.menu.draw(e);
}

void editor_canvas::focus_frame(float left, float top, float right, float bottom)
{
    const float* tex = spriteman::tex_focus_frame;
    if (!tex)
        return;
    // A third of the cell is corner: the ring's bend stays round at any size.
    const float corner = std::min({20.0f, (right - left) / 2, (bottom - top) / 2});
    const float xs[4] = {left, left + corner, right - corner, right};
    const float ys[4] = {top, top + corner, bottom - corner, bottom};
    const float u0 = tex[0], u1 = tex[2], v0 = tex[1], v1 = tex[5];
    const float us[4] = {u0, u0 + (u1 - u0) / 3, u1 - (u1 - u0) / 3, u1};
    const float vs[4] = {v0, v0 + (v1 - v0) / 3, v1 - (v1 - v0) / 3, v1};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            if (row == 1 && column == 1)
                continue; // the middle stays clear
            float cell[8];
            cell[0] = cell[4] = us[column];
            cell[2] = cell[6] = us[column + 1];
            cell[1] = cell[3] = vs[row];
            cell[5] = cell[7] = vs[row + 1];
            float quad[8];
            myglitem::set_quad(quad, xs[column], ys[row], xs[column + 1], ys[row + 1]);
            myglitem::draw_strip(cell, quad);
        }
}

void editor_canvas::draw_map(const editor_scene& e)
{
    const float bs = static_cast<float>(e.block_px);
    const float left = static_cast<float>(e.origin_x);
    const float top = static_cast<float>(e.origin_y);
    const float right = left + e.doc.width * bs;
    const float bottom = top + e.doc.height * bs;
    myglitem::draw_flat_rect(left, top, right, bottom, map_tint);
    for (int c = 1; c < e.doc.width; ++c)
        myglitem::draw_flat_rect(left + c * bs, top, left + c * bs + 1, bottom, line_tint);
    for (int r = 1; r < e.doc.height; ++r)
        myglitem::draw_flat_rect(left, top + r * bs, right, top + r * bs + 1, line_tint);

    const double scale = bs / static_cast<double>(m);
    for (size_t i = 0; i < e.doc.records.size(); ++i) {
        const level_record& r = e.doc.records[i];
        const float x0 = left + static_cast<float>(r.x * scale);
        const float y0 = top + static_cast<float>(r.y * scale);
        const float size = static_cast<float>(r.extent() * scale);
        picture(editor_palette::sprite(r.kind, r.colour), x0, y0, x0 + size, y0 + size);
        if (r.kind == level_record::cloud)
            extra_functions::print_gl_text(editor_palette::direction_letter(r.direction),
                                           static_cast<int>(x0 + size / 2),
                                           static_cast<int>(y0 + size / 2), e.block_px / 3);
        if (static_cast<int>(i) == e.selected_char)
            outline(x0, y0, x0 + size, y0 + size, selected_tint);
    }
    const float cx = left + e.cursor_column * bs;
    const float cy = top + e.cursor_row * bs;
    outline(cx, cy, cx + bs, cy + bs, cursor_tint);
}

void editor_canvas::draw_bars(const editor_scene& e)
{
    const int w = myglitem::viewport_width();
    const int h = myglitem::viewport_height();
    button(0, bar, "", spriteman::tex_back);
    button(bar, bar, "UNDO");
    button(2 * bar, bar, "REDO");
    button(3 * bar, bar, "TRY");
    button(4 * bar, bar, "SAVE");
    button(5 * bar, bar, "OPEN");
    button(6 * bar, bar, "", spriteman::tex_zoomin);
    button(7 * bar, bar, "", spriteman::tex_zoomout);
    const int size_left = w - 240;
    button(size_left, 30, "", spriteman::tex_back);
    button(size_left + 30, 60, "W" + std::to_string(e.doc.width));
    button(size_left + 90, 30, "", spriteman::tex_back_reverse);
    button(size_left + 120, 30, "", spriteman::tex_back);
    button(size_left + 150, 60, "H" + std::to_string(e.doc.height));
    button(size_left + 210, 30, "", spriteman::tex_back_reverse);

    std::string line = e.name.empty() ? "NEW LEVEL" : e.name;
    if (e.has_unsaved_changes())
        line += " CHANGED";
    if (!e.message.empty())
        line = e.message;
    const int size = 16;
    myglitem::draw_flat_rect(0, bar, static_cast<float>(line.size() * size + 16), bar + size + 8,
                             badge_tint);
    extra_functions::print_gl_text(line, static_cast<int>(line.size() * size) / 2 + 8,
                                   bar + size / 2 + 4, size);
    e.palette.draw(h);
}

void editor_canvas::draw_stock_panel(const editor_scene& e)
{
    if (e.selected_char < 0 || e.selected_char >= static_cast<int>(e.doc.records.size()))
        return;
    const level_record& r = e.doc.records[e.selected_char];
    const float left = static_cast<float>(myglitem::viewport_width() - 3 * bar);
    const float top = bar + 40;
    myglitem::draw_flat_rect(left, top - 24, left + 3 * bar, top, badge_tint);
    extra_functions::print_gl_text("STOCK", static_cast<int>(left) + 3 * bar / 2,
                                   static_cast<int>(top) - 12, 16);
    for (int k = 0; k < 3; ++k) {
        const level_record::slot& s = r.stock_slots[k];
        const float y = top + k * bar;
        myglitem::draw_flat_rect(left, y, left + 3 * bar, y + bar, badge_tint);
        if (k == e.chosen_slot)
            outline(left, y, left + 3 * bar, y + bar, cursor_tint);
        const float* tex = editor_palette::stock_sprite(s.type, s.colour);
        if (tex)
            picture(tex, left + 6, y + 6, left + bar - 6, y + bar - 6);
        else
            extra_functions::print_gl_text("NONE", static_cast<int>(left) + bar / 2,
                                           static_cast<int>(y) + bar / 2, 12);
        myglitem::draw_flat_rect(left + bar + 12, y + 12, left + 2 * bar - 12, y + bar - 12,
                                 swatch_tint[s.colour & 3]);
        extra_functions::print_gl_text(std::to_string(s.count),
                                       static_cast<int>(left) + 5 * bar / 2,
                                       static_cast<int>(y) + bar / 2, 30);
    }
}

void editor_canvas::draw_prompt(const editor_scene& e)
{
    if (e.mode == editor_scene::mode_t::editing)
        return;
    const int cx = myglitem::viewport_width() / 2;
    const int cy = myglitem::viewport_height() / 2;
    myglitem::draw_flat_rect(cx - 220, cy - 90, cx + 220, cy + 80, prompt_tint);
    const bool naming = e.mode == editor_scene::mode_t::naming;
    const std::string title = naming ? "NAME " + e.typed_name : "UNSAVED CHANGES";
    extra_functions::print_gl_text(title, cx, cy - 50, 20);
    if (naming && !e.message.empty())
        extra_functions::print_gl_text(e.message, cx, cy - 20, 14);
    myglitem::draw_flat_rect(cx - 180, cy + 10, cx - 20, cy + 70, badge_tint);
    myglitem::draw_flat_rect(cx + 20, cy + 10, cx + 180, cy + 70, badge_tint);
    if (myscene::keys_in_use) {
        const float left = e.prompt_choice == 0 ? cx - 180 : cx + 20;
        focus_frame(left - 6, cy + 4, left + 166, cy + 76);
    }
    extra_functions::print_gl_text(naming ? "SAVE" : "LEAVE", cx - 100, cy + 40, 22);
    extra_functions::print_gl_text(naming ? "CANCEL" : "STAY", cx + 100, cy + 40, 22);
}

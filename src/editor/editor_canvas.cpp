#include "editor_canvas.h"

#include "catalogue.h"
#include "cfg.h"
#include "editor_layout.h"
#include "editor_scene.h"
#include "extra_functions.h"
#include "myglitem.h"
#include "myscene.h"
#include "name_picker.h"
#include "spriteman.h"
#include "try_warnings.h"

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
// The name's keys stand over the stock panel: nothing should show through.
const float picker_tint[4] = {0.02f, 0.02f, 0.05f, 0.96f};
const float key_tint[4] = {0.22f, 0.24f, 0.3f, 1};
const float in_the_way_tint[4] = {0.9f, 0.15f, 0.1f, 0.95f};
const float caret_tint[4] = {1.0f, 0.9f, 0.6f, 0.9f};
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

void fill(const screen_rect& r, int inset, const float* tint)
{
    myglitem::draw_flat_rect(static_cast<float>(r.left + inset), static_cast<float>(r.top + inset),
                             static_cast<float>(r.right - inset),
                             static_cast<float>(r.bottom - inset), tint);
}

void picture(const float* tex, const screen_rect& r, int inset)
{
    picture(tex, static_cast<float>(r.left + inset), static_cast<float>(r.top + inset),
            static_cast<float>(r.right - inset), static_cast<float>(r.bottom - inset));
}

void text(const std::string& line, const screen_rect& r, int size)
{
    extra_functions::print_gl_text(line, (r.left + r.right) / 2, (r.top + r.bottom) / 2, size);
}

// Text that may hold a name or a checker's words: lowercase shows as such.
void cased_text(const std::string& line, const screen_rect& r, int size)
{
    extra_functions::print_gl_label(line, (r.left + r.right) / 2, (r.top + r.bottom) / 2, size,
                                    true);
}

void frame_if_keys(const screen_rect& r)
{
    if (myscene::keys_in_use)
        editor_canvas::focus_frame(static_cast<float>(r.left - 6), static_cast<float>(r.top - 6),
                                   static_cast<float>(r.right + 6),
                                   static_cast<float>(r.bottom + 6));
}

// A button of the top strip: a picture or a label.
void button(const screen_rect& r, const std::string& label, const float* tex)
{
    fill(r, 2, badge_tint);
    if (tex)
        picture(tex, r, 6);
    else // a longer word of another language shrinks to stay on its button
        text(label, r,
             std::min(13,
                      (r.right - r.left - 6) / std::max(1, extra_functions::glyph_count(label))));
}

// What the top strip's button shows.
void button_face(const editor_scene& e, editor_layout::top_button b, std::string& label,
                 const float*& tex)
{
    using tb = editor_layout::top_button;
    label.clear();
    tex = nullptr;
    switch (b) {
    case tb::leave:
    case tb::narrower:
    case tb::lower:
        tex = spriteman::tex_back;
        break;
    case tb::wider:
    case tb::taller:
        tex = spriteman::tex_back_reverse;
        break;
    case tb::zoom_in:
        tex = spriteman::tex_zoomin;
        break;
    case tb::zoom_out:
        tex = spriteman::tex_zoomout;
        break;
    case tb::undo:
        label = cf_tr("editor", "UNDO");
        break;
    case tb::redo:
        label = cf_tr("editor", "REDO");
        break;
    case tb::try_level:
        label = cf_tr("editor", "TRY");
        break;
    case tb::save:
        label = cf_tr("editor", "SAVE");
        break;
    case tb::open_list:
        label = cf_tr("editor", "OPEN");
        break;
    case tb::width:
        label = lang::fill(cf_tr("editor", "W%1"), {std::to_string(e.doc.width)});
        break;
    case tb::height:
        label = lang::fill(cf_tr("editor", "H%1"), {std::to_string(e.doc.height)});
        break;
    case tb::count:
        break;
    }
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
    for (const level_record& r : e.in_the_way) {
        const float x0 = left + static_cast<float>(r.x * scale);
        const float y0 = top + static_cast<float>(r.y * scale);
        const float size = static_cast<float>(r.extent() * scale);
        outline(x0, y0, x0 + size, y0 + size, in_the_way_tint);
    }
    const float cx = left + e.cursor_column * bs;
    const float cy = top + e.cursor_row * bs;
    outline(cx, cy, cx + bs, cy + bs, cursor_tint);
}

void editor_canvas::draw_bars(const editor_scene& e)
{
    const int w = myglitem::viewport_width();
    const int h = myglitem::viewport_height();
    for (int k = 0; k < editor_layout::top_button_count; ++k) {
        const auto b = static_cast<editor_layout::top_button>(k);
        std::string label;
        const float* tex = nullptr;
        button_face(e, b, label, tex);
        button(editor_layout::top_button_rect(b, w), label, tex);
    }

    std::string line = e.name.empty() ? cf_tr("editor", "NEW LEVEL") : e.name;
    if (e.has_unsaved_changes())
        line = lang::fill(cf_tr("editor", "%1 CHANGED"), {line});
    if (!e.message.empty())
        line = e.message;
    const int size = 16;
    const int width = extra_functions::glyph_count(line) * size;
    myglitem::draw_flat_rect(0, bar, static_cast<float>(width + 16), bar + size + 8, badge_tint);
    extra_functions::print_gl_label(line, width / 2 + 8, bar + size / 2 + 4, size, true);
    e.palette.draw(h);
}

void editor_canvas::draw_stock_panel(const editor_scene& e)
{
    if (e.selected_char < 0 || e.selected_char >= static_cast<int>(e.doc.records.size()))
        return;
    const level_record& r = e.doc.records[e.selected_char];
    const int w = myglitem::viewport_width();
    const screen_rect title = editor_layout::stock_title(w);
    fill(title, 0, badge_tint);
    text(cf_tr("editor", "STOCK"), title, 16);
    for (int k = 0; k < 3; ++k) {
        const level_record::slot& s = r.stock_slots[k];
        const screen_rect row = editor_layout::stock_slot(k, w);
        fill(row, 0, badge_tint);
        if (k == e.chosen_slot)
            outline(static_cast<float>(row.left), static_cast<float>(row.top),
                    static_cast<float>(row.right), static_cast<float>(row.bottom), cursor_tint);
        const screen_rect type = editor_layout::stock_part(k, 0, w);
        const float* tex = editor_palette::stock_sprite(s.type, s.colour);
        if (tex)
            picture(tex, type, 6);
        else
            text(cf_tr("editor", "NONE"), type, 12);
        fill(editor_layout::stock_part(k, 1, w), 12, swatch_tint[s.colour & 3]);
        text(std::to_string(s.count), editor_layout::stock_part(k, 2, w), 30);
    }
}

void editor_canvas::draw_prompt(const editor_scene& e)
{
    switch (e.mode) {
    case editor_scene::mode_t::editing:
        return;
    case editor_scene::mode_t::naming:
        draw_name_picker(e);
        return;
    case editor_scene::mode_t::confirm_try:
        draw_try_warning(e);
        return;
    case editor_scene::mode_t::confirm_leave:
        break;
    }
    const int w = myglitem::viewport_width();
    const int h = myglitem::viewport_height();
    const screen_rect panel = editor_layout::prompt_panel(w, h);
    const int cx = (panel.left + panel.right) / 2;
    fill(panel, 0, prompt_tint);
    extra_functions::print_gl_text(cf_tr("editor", "UNSAVED CHANGES"), cx, panel.top + 40, 20);
    const screen_rect answers[2] = {editor_layout::prompt_button(0, w, h),
                                    editor_layout::prompt_button(1, w, h)};
    fill(answers[0], 0, badge_tint);
    fill(answers[1], 0, badge_tint);
    frame_if_keys(answers[e.prompt_choice == 0 ? 0 : 1]);
    text(cf_tr("editor", "LEAVE"), answers[0], 22);
    text(cf_tr("editor", "STAY"), answers[1], 22);
}

void editor_canvas::draw_name_picker(const editor_scene& e)
{
    const int w = myglitem::viewport_width();
    const int h = myglitem::viewport_height();
    const screen_rect panel = name_picker::panel(w, h);
    const int cx = (panel.left + panel.right) / 2;
    fill(panel, 0, picker_tint);
    const std::string title = lang::fill(cf_tr("editor", "NAME %1"), {e.typed_name});
    const int size = 20;
    extra_functions::print_gl_label(title, cx, panel.top + 28, size, true);
    // Where the next character goes.
    const int end = cx + extra_functions::glyph_count(title) * size / 2;
    myglitem::draw_flat_rect(static_cast<float>(end + 2), static_cast<float>(panel.top + 18),
                             static_cast<float>(end + 5), static_cast<float>(panel.top + 38),
                             caret_tint);
    if (!e.message.empty())
        extra_functions::print_gl_label(e.message, cx, panel.top + 60, 14, true);
    for (int k = 0; k < static_cast<int>(name_picker::keys().size()); ++k) {
        const screen_rect r = name_picker::key_rect(k, w, h);
        fill(r, 0, key_tint);
        const std::string label = e.picker.label(k);
        // A word fits its key; a single character fills half of it.
        const int room =
            (r.right - r.left) * 4 / 5 / std::max(1, extra_functions::glyph_count(label));
        cased_text(label, r, std::min({room, (r.bottom - r.top) / 2, 28}));
    }
    frame_if_keys(name_picker::key_rect(e.picker.focus, w, h));
}

void editor_canvas::draw_try_warning(const editor_scene& e)
{
    const int w = myglitem::viewport_width();
    const int h = myglitem::viewport_height();
    const screen_rect panel = editor_layout::warning_panel(w, h);
    const int cx = (panel.left + panel.right) / 2;
    fill(panel, 0, prompt_tint);
    extra_functions::print_gl_text(cf_tr("editor", "BEFORE YOU TRY"), cx, panel.top + 30, 20);
    const int size = 18, line_height = 26;
    const size_t per_line = static_cast<size_t>((panel.right - panel.left - 40) / size);
    const screen_rect answers[2] = {editor_layout::warning_button(0, w, h),
                                    editor_layout::warning_button(1, w, h)};
    fill(answers[0], 0, badge_tint);
    fill(answers[1], 0, badge_tint);
    frame_if_keys(answers[e.prompt_choice == 0 ? 0 : 1]);
    text(cf_tr("editor", "TRY ANYWAY"), answers[0], 20);
    text(cf_tr("editor", "BACK"), answers[1], 22);
    // As many lines as fit above the answers; a finding cut short ends the list.
    const int last_top = answers[0].top - 10 - line_height;
    int top = panel.top + 60;
    for (const std::string& finding : e.try_findings) {
        for (const std::string& line : try_warnings::wrap(finding, per_line)) {
            if (top > last_top)
                return;
            extra_functions::print_gl_label(line, cx, top + line_height / 2, size, true);
            top += line_height;
        }
        top += line_height / 3; // findings apart
    }
}

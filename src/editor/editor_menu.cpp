#include "editor_menu.h"

#include "catalogue.h"
#include "cfg.h"
#include "editor_canvas.h"
#include "editor_layout.h"
#include "editor_scene.h"
#include "extra_functions.h"
#include "myglitem.h"
#include "myscene.h"
#include "spriteman.h"

#include <algorithm>

namespace
{

using i = input::intent;

constexpr int text_size = 16;

const float panel_tint[4] = {0.02f, 0.02f, 0.05f, 0.85f};
const float chosen_tint[4] = {0.5f, 0.45f, 0.1f, 0.6f};

const char* const colour_names[4] = {CF_TR_NOOP("editor", "WHITE"), CF_TR_NOOP("editor", "RED"),
                                     CF_TR_NOOP("editor", "GREEN"), CF_TR_NOOP("editor", "BLUE")};

const char* stock_type_name(unsigned int type)
{
    switch (type) {
    case cfg::static0:
        return CF_TR_NOOP("editor", "BLOCK");
    case cfg::spike:
        return CF_TR_NOOP("editor", "SPIKES");
    case cfg::cloud:
        return CF_TR_NOOP("editor", "CLOUD");
    case cfg::falling:
        return CF_TR_NOOP("editor", "FALLING");
    case cfg::destroyer:
        return CF_TR_NOOP("editor", "BOMB");
    default:
        return CF_TR_NOOP("editor", "NONE");
    }
}

bool is_value_row(editor_menu::row r)
{
    using row = editor_menu::row;
    return r == row::colour || r == row::direction || r == row::slot || r == row::width ||
           r == row::height || r == row::zoom;
}

} // namespace

bool editor_menu::navigate(editor_scene& e, input::intent in)
{
    switch (in) {
    case i::up:
        chosen = (chosen + row_count - 1) % row_count;
        return true;
    case i::down:
        chosen = (chosen + 1) % row_count;
        return true;
    case i::left:
    case i::right:
        if (is_value_row(static_cast<row>(chosen)))
            run(e, static_cast<row>(chosen), in == i::left ? -1 : 1);
        return true;
    case i::confirm:
        run(e, static_cast<row>(chosen), 1);
        return true;
    // A pad's B erases in the editor; in its menu it closes, like Start.
    case i::back:
    case i::erase:
    case i::menu:
        open = false;
        return true;
    default:
        return false;
    }
}

void editor_menu::run(editor_scene& e, row r, int step)
{
    // The commands that change screens or ask a question close the menu
    // first; the others keep it open for the next step.
    switch (r) {
    case row::try_level:
        open = false;
        e.try_level();
        return;
    case row::save:
        open = false;
        e.save();
        return;
    case row::rename:
        open = false;
        e.rename();
        return;
    case row::open_list:
        open = false;
        e.open_list();
        return;
    case row::leave:
        open = false;
        e.leave();
        return;
    case row::undo:
        e.undo();
        return;
    case row::redo:
        e.redo();
        return;
    case row::colour:
        e.palette.step_colour(step);
        return;
    case row::direction:
        e.palette.step_direction(step);
        return;
    case row::slot:
        e.chosen_slot = (e.chosen_slot + 3 + step) % 3;
        return;
    case row::slot_type:
        e.change_slot(e.chosen_slot, editor_scene::slot_part::type);
        return;
    case row::slot_colour:
        e.change_slot(e.chosen_slot, editor_scene::slot_part::colour);
        return;
    case row::slot_count:
        e.change_slot(e.chosen_slot, editor_scene::slot_part::count);
        return;
    case row::width:
        e.resize_map(e.doc.width + step, e.doc.height);
        return;
    case row::height:
        e.resize_map(e.doc.width, e.doc.height + step);
        return;
    case row::zoom:
        e.zoom(step);
        return;
    case row::count:
        return;
    }
}

std::string editor_menu::label(const editor_scene& e, row r) const
{
    const level_record* ch =
        e.selected_char >= 0 && e.selected_char < static_cast<int>(e.doc.records.size())
            ? &e.doc.records[e.selected_char]
            : nullptr;
    const level_record::slot* s =
        ch && ch->kind == level_record::character ? &ch->stock_slots[e.chosen_slot] : nullptr;
    switch (r) {
    case row::try_level:
        return cf_tr("editor", "TRY");
    case row::save:
        return cf_tr("editor", "SAVE");
    case row::rename:
        return cf_tr("editor", "NAME");
    case row::open_list:
        return cf_tr("editor", "OPEN");
    case row::undo:
        return cf_tr("editor", "UNDO");
    case row::redo:
        return cf_tr("editor", "REDO");
    case row::colour:
        return lang::fill(cf_tr("editor", "COLOUR %1"),
                          {cf_tr("editor", colour_names[e.palette.colour & 3])});
    case row::direction:
        return lang::fill(cf_tr("editor", "CLOUD GOES %1"),
                          {editor_palette::direction_letter(e.palette.direction)});
    case row::slot:
        return lang::fill(cf_tr("editor", "STOCK SLOT %1"), {std::to_string(e.chosen_slot + 1)});
    case row::slot_type:
        return lang::fill(cf_tr("editor", "SLOT TYPE %1"),
                          {s ? cf_tr("editor", stock_type_name(s->type)) : ""});
    case row::slot_colour:
        return lang::fill(cf_tr("editor", "SLOT COLOUR %1"),
                          {s ? cf_tr("editor", colour_names[s->colour & 3]) : ""});
    case row::slot_count:
        return lang::fill(cf_tr("editor", "SLOT COUNT %1"), {s ? std::to_string(s->count) : ""});
    case row::width:
        return lang::fill(cf_tr("editor", "WIDTH %1"), {std::to_string(e.doc.width)});
    case row::height:
        return lang::fill(cf_tr("editor", "HEIGHT %1"), {std::to_string(e.doc.height)});
    case row::zoom:
        return cf_tr("editor", "ZOOM");
    case row::leave:
        return cf_tr("editor", "LEAVE");
    case row::count:
        break;
    }
    return "";
}

void editor_menu::press(editor_scene& e, int x, int y)
{
    const int index = editor_layout::menu_row_at(x, y, row_count, myglitem::viewport_width(),
                                                 myglitem::viewport_height());
    if (index < 0) {
        open = false;
        return;
    }
    chosen = index;
    run(e, static_cast<row>(index), 1);
}

void editor_menu::draw(const editor_scene& e) const
{
    if (!open)
        return;
    const int w = myglitem::viewport_width();
    const int h = myglitem::viewport_height();
    const screen_rect first = editor_layout::menu_row(0, row_count, w, h);
    const screen_rect last = editor_layout::menu_row(row_count - 1, row_count, w, h);
    const int rh = first.bottom - first.top;
    const float left = static_cast<float>(first.left);
    const float right = static_cast<float>(first.right);
    myglitem::draw_flat_rect(left, static_cast<float>(first.top - 6), right,
                             static_cast<float>(last.bottom + 6), panel_tint);
    const int size = std::min(text_size, rh - 4);
    for (int k = 0; k < row_count; ++k) {
        const screen_rect r = editor_layout::menu_row(k, row_count, w, h);
        const float y = static_cast<float>(r.top);
        if (k == chosen) {
            myglitem::draw_flat_rect(left + 4, y, right - 4, y + rh, chosen_tint);
            if (is_value_row(static_cast<row>(k))) {
                // The arrows say left and right change this row.
                float quad[8];
                myglitem::set_quad(quad, left + 6, y + 2, left + 6 + rh - 4, y + rh - 2);
                myglitem::draw_strip(spriteman::tex_back, quad);
                myglitem::set_quad(quad, right - 6 - (rh - 4), y + 2, right - 6, y + rh - 2);
                myglitem::draw_strip(spriteman::tex_back_reverse, quad);
            }
            if (myscene::keys_in_use)
                editor_canvas::focus_frame(left, y - 3, right, y + rh + 3);
        }
        extra_functions::print_gl_text(label(e, static_cast<row>(k)), w / 2, r.top + rh / 2, size);
    }
}

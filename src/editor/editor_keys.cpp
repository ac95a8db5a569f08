#include "editor_keys.h"

#include "editor_scene.h"
#include "level_store.h"

#include <QKeyEvent>
#include <string>

void editor_keys::key_press(editor_scene& e, QKeyEvent* event)
{
    using mode_t = editor_scene::mode_t;
    using slot_part = editor_scene::slot_part;
    const int key = event->key();
    const input::meaning m = input::key_meaning(key);
    const bool repeat = event->isAutoRepeat();
    if (e.mode == mode_t::naming) {
        // What types a character belongs to the name, Space included; the
        // keys that type nothing (Enter, Escape, Tab, arrows) answer.
        const std::string text = event->text().toStdString();
        const bool printable = text.size() == 1 && text[0] >= ' ' && text[0] != 0x7f;
        if (key == Qt::Key_Backspace) {
            if (!e.typed_name.empty())
                e.typed_name.pop_back();
        } else if (printable) {
            if (e.typed_name.size() < level_store::max_name_length &&
                level_store::name_is_safe("a" + text))
                e.typed_name += text;
        } else {
            intent(e, m.edit, repeat);
        }
        return;
    }
    if (e.mode == mode_t::confirm_leave || e.mode == mode_t::confirm_try) {
        if (key == Qt::Key_Y)
            answer(e, 0);
        else if (key == Qt::Key_N)
            answer(e, 1);
        else
            intent(e, m.edit, repeat);
        return;
    }
    if (e.menu.open) {
        intent(e, m.edit, repeat);
        return;
    }

    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (ctrl && key == Qt::Key_Z) {
        if (shift)
            e.redo();
        else
            e.undo();
        return;
    }
    if (ctrl && key == Qt::Key_Y) {
        e.redo();
        return;
    }
    // Shift with an arrow moves the map's right or bottom edge that way.
    if (shift && (m.edit == input::intent::left || m.edit == input::intent::right ||
                  m.edit == input::intent::up || m.edit == input::intent::down)) {
        e.resize_map(e.doc.width + (m.edit == input::intent::left    ? -1
                                    : m.edit == input::intent::right ? 1
                                                                     : 0),
                     e.doc.height + (m.edit == input::intent::up     ? -1
                                     : m.edit == input::intent::down ? 1
                                                                     : 0));
        return;
    }
    switch (key) {
    case Qt::Key_T:
        e.try_level();
        return;
    // Tab picks a stock slot here; the table's next and previous, a pad's
    // X and Y, step through the palette.
    case Qt::Key_Tab:
        e.chosen_slot = (e.chosen_slot + 1) % 3;
        return;
    case Qt::Key_Backtab:
        e.chosen_slot = (e.chosen_slot + 2) % 3;
        return;
    case Qt::Key_X:
        e.change_slot(e.chosen_slot, slot_part::type);
        return;
    case Qt::Key_C:
        e.change_slot(e.chosen_slot, slot_part::colour);
        return;
    case Qt::Key_V:
        e.change_slot(e.chosen_slot, slot_part::count);
        return;
    case Qt::Key_S:
        e.save();
        return;
    case Qt::Key_N:
        e.rename();
        return;
    case Qt::Key_O:
        e.open_list();
        return;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        e.zoom(1);
        return;
    case Qt::Key_Minus:
        e.zoom(-1);
        return;
    default:
        if (key >= Qt::Key_1 && key <= Qt::Key_9)
            e.palette.number_key(key - Qt::Key_0);
        else
            intent(e, m.edit, repeat);
        return;
    }
}

bool editor_keys::intent(editor_scene& e, input::intent in, bool repeat)
{
    using i = input::intent;
    using mode_t = editor_scene::mode_t;
    if (in == i::none)
        return false;
    // A held key repeats moves only: a held Enter must not answer twice.
    const bool move = in == i::up || in == i::down || in == i::left || in == i::right;
    if (repeat && !move)
        return true;
    if (e.menu.open)
        return e.menu.navigate(e, in);
    if (e.mode != mode_t::editing)
        return prompt_intent(e, in);
    switch (in) {
    case i::up:
        e.move_cursor(0, -1);
        return true;
    case i::down:
        e.move_cursor(0, 1);
        return true;
    case i::left:
        e.move_cursor(-1, 0);
        return true;
    case i::right:
        e.move_cursor(1, 0);
        return true;
    case i::confirm:
        e.place_at(e.cursor_column, e.cursor_row);
        return true;
    case i::erase:
        e.erase_at(e.cursor_column, e.cursor_row);
        return true;
    case i::next:
        e.palette.step_kind(1);
        return true;
    case i::previous:
        e.palette.step_kind(-1);
        return true;
    case i::back:
        e.leave();
        return true;
    case i::menu:
        e.menu.open = true;
        return true;
    default:
        return false;
    }
}

void editor_keys::answer(editor_scene& e, int choice)
{
    using mode_t = editor_scene::mode_t;
    if (choice == 1)
        e.mode = mode_t::editing;
    else if (e.mode == mode_t::confirm_leave)
        e.leave();
    else if (e.mode == mode_t::confirm_try)
        e.try_level(true);
}

bool editor_keys::prompt_intent(editor_scene& e, input::intent in)
{
    using mode_t = editor_scene::mode_t;
    using i = input::intent;
    if (e.mode == mode_t::naming)
        return name_intent(e, in);
    switch (in) {
    case i::next:
    case i::previous:
        e.prompt_choice = 1 - e.prompt_choice;
        return true;
    case i::left:
    case i::right:
        e.prompt_choice = in == i::left ? 0 : 1;
        return true;
    case i::confirm:
        answer(e, e.prompt_choice);
        return true;
    case i::up:
    case i::down:
        return true;
    case i::erase:
    case i::back:
    case i::menu:
        e.mode = mode_t::editing;
        return true;
    default:
        return false;
    }
}

bool editor_keys::name_intent(editor_scene& e, input::intent in)
{
    using i = input::intent;
    switch (in) {
    case i::up:
    case i::down:
        e.picker.move(0, in == i::up ? -1 : 1);
        return true;
    case i::left:
    case i::right:
        e.picker.move(in == i::left ? -1 : 1, 0);
        return true;
    case i::next:
    case i::previous:
        e.picker.jump_to_answers();
        return true;
    case i::confirm:
        e.press_name_key(e.picker.focus);
        return true;
    case i::erase:
        // A pad's B takes the last character back.
        if (!e.typed_name.empty())
            e.typed_name.pop_back();
        return true;
    case i::back:
    case i::menu:
        e.mode = editor_scene::mode_t::editing;
        return true;
    default:
        return false;
    }
}

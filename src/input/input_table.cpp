#include "input_table.h"

#include "bindings.h"

namespace input
{

namespace
{

using i = intent;

struct key_row {
    int key;
    meaning m;
};

// The first row of a playing intent names the key that scripts write for it.
const key_row key_rows[] = {
    {Qt::Key_Left, {i::walk_left, i::left, i::left}},
    {Qt::Key_D, {i::walk_left, i::none, i::none}},
    {Qt::Key_Right, {i::walk_right, i::right, i::right}},
    {Qt::Key_L, {i::walk_right, i::none, i::none}},
    {Qt::Key_Up, {i::jump, i::up, i::up}},
    {Qt::Key_O, {i::jump, i::none, i::none}},
    {Qt::Key_E, {i::jump, i::none, i::none}},
    {Qt::Key_Down, {i::hold_down, i::down, i::down}},
    {Qt::Key_Space, {i::door, i::confirm, i::confirm}},
    {Qt::Key_Return, {i::none, i::confirm, i::confirm}},
    {Qt::Key_Enter, {i::none, i::confirm, i::confirm}},
    // Backspace pauses a level and leaves the editor; in a menu it does
    // nothing, so a player who keeps pressing it never closes one by chance.
    {Qt::Key_Backspace, {i::pause, i::none, i::back}},
    {Qt::Key_Escape, {i::pause, i::back, i::back}},
    {Qt::Key_C, {i::switch_character, i::none, i::none}},
    {Qt::Key_P, {i::drawing_mode, i::none, i::none}},
    {Qt::Key_R, {i::steer, i::none, i::none}},
    {Qt::Key_V, {i::scroll, i::none, i::none}},
    {Qt::Key_Q, {i::zoom_in, i::none, i::none}},
    {Qt::Key_A, {i::zoom_out, i::none, i::none}},
    {Qt::Key_Z, {i::rewind, i::none, i::none}},
    {Qt::Key_M, {i::mute, i::mute, i::mute}},
    {Qt::Key_F11, {i::full_screen, i::full_screen, i::full_screen}},
    {Qt::Key_Tab, {i::none, i::next, i::next}},
    {Qt::Key_Backtab, {i::none, i::previous, i::previous}},
    {Qt::Key_PageUp, {i::none, i::page_up, i::page_up}},
    {Qt::Key_PageDown, {i::none, i::page_down, i::page_down}},
    {Qt::Key_1, {i::none, i::slot_1, i::none}},
    {Qt::Key_2, {i::none, i::slot_2, i::none}},
    {Qt::Key_3, {i::none, i::slot_3, i::none}},
    {Qt::Key_Delete, {i::none, i::erase, i::erase}},
    // The editor's menu, which a pad opens with Start.
    {Qt::Key_F10, {i::none, i::none, i::menu}},
};

// Indexed by pad_button. In the editor B erases and X and Y step through
// the palette; elsewhere B goes back. In menus Start presses what has the
// focus, as players expect of it on a title screen.
const meaning pad_rows[] = {
    /* south */ {i::jump, i::confirm, i::confirm},
    /* east */ {i::none, i::back, i::erase},
    /* west */ {i::door, i::previous, i::previous},
    /* north */ {i::switch_character, i::next, i::next},
    /* back */ {i::drawing_mode, i::none, i::none},
    /* start */ {i::pause, i::confirm, i::menu},
    /* left_shoulder */ {i::rewind, i::previous, i::previous},
    /* right_shoulder */ {i::none, i::next, i::next},
    /* left_trigger */ {i::zoom_out, i::page_up, i::none},
    /* right_trigger */ {i::zoom_in, i::page_down, i::none},
    /* dpad_up */ {i::none, i::up, i::up},
    /* dpad_down */ {i::hold_down, i::down, i::down},
    /* dpad_left */ {i::walk_left, i::left, i::left},
    /* dpad_right */ {i::walk_right, i::right, i::right},
    /* scroll_up */ {i::look_up, i::page_up, i::none},
    /* scroll_down */ {i::look_down, i::page_down, i::none},
    /* scroll_left */ {i::look_left, i::none, i::none},
    /* scroll_right */ {i::look_right, i::none, i::none},
};
static_assert(sizeof pad_rows / sizeof pad_rows[0] == static_cast<int>(pad_button::count),
              "one pad row per button");

} // namespace

meaning table_key_meaning(int key)
{
    for (const key_row& row : key_rows)
        if (row.key == key)
            return row.m;
    return {};
}

std::vector<int> table_keys()
{
    std::vector<int> keys;
    for (const key_row& row : key_rows)
        keys.push_back(row.key);
    return keys;
}

meaning key_meaning(int key)
{
    meaning m = table_key_meaning(key);
    const intent bound = bindings_in_force().key_intent(key);
    // Mute and full screen act in menus too: their key moves with them.
    if (acts_everywhere(m.play) && bound != m.play)
        m.menu = m.edit = intent::none;
    if (acts_everywhere(bound))
        m.menu = m.edit = bound;
    m.play = bound;
    return m;
}

std::vector<int> table_keys_for(intent play)
{
    std::vector<int> keys;
    for (const key_row& row : key_rows)
        if (play != intent::none && row.m.play == play)
            keys.push_back(row.key);
    return keys;
}

std::vector<int> keys_for(intent play)
{
    if (play == intent::none)
        return {};
    return bindings_in_force().keys(play);
}

int script_key(intent play)
{
    const std::vector<int> keys = table_keys_for(play);
    return keys.empty() ? 0 : keys.front();
}

meaning table_pad_meaning(pad_button button)
{
    const auto index = static_cast<unsigned>(button);
    if (index >= static_cast<unsigned>(pad_button::count))
        return {};
    return pad_rows[index];
}

meaning pad_meaning(pad_button button)
{
    meaning m = table_pad_meaning(button);
    if (button < pad_button::scroll_up)
        m.play = bindings_in_force().pad_intent(button);
    return m;
}

} // namespace input

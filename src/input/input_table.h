#ifndef CRUMBLEFORD_INPUT_INPUT_TABLE_H
#define CRUMBLEFORD_INPUT_INPUT_TABLE_H

// The one table that turns keys and pad buttons into what the player means.
// A key or button has one meaning while playing (walking a character, the
// HUD's actions) and one in menus, lists, pages and cursors; the screen that
// receives it picks the half that fits its state. Every screen, the
// characters, the level's history and the simulator read keys through here.

#include <Qt>
#include <vector>

namespace input
{

enum class intent : unsigned char {
    none,
    // Playing: a level or the map.
    walk_left,
    walk_right,
    jump,
    hold_down,
    door,
    switch_character,
    drawing_mode,
    pause,
    rewind,
    zoom_in,
    zoom_out,
    steer,
    scroll,
    // The right stick: the view pans while it is held.
    look_left,
    look_right,
    look_up,
    look_down,
    // Everywhere.
    mute,
    full_screen,
    // Menus, lists, pages and cursors.
    up,
    down,
    left,
    right,
    confirm,
    back,
    next,     // the next button, slot or palette entry
    previous, // the one before
    page_up,
    page_down,
    slot_1,
    slot_2,
    slot_3,
    erase,
    menu, // opens a screen's own menu (the editor's)
};

// What one key or button means while playing, in a menu (lists, pages, the
// drawing cursor too) and in the level editor, whose pad buttons differ.
struct meaning {
    intent play = intent::none;
    intent menu = intent::none;
    intent edit = intent::none;
    bool operator==(const meaning& o) const
    {
        return play == o.play && menu == o.menu && edit == o.edit;
    }
};

// Shift+Tab arrives as its own key, Qt::Key_Backtab. The playing half is
// the player's bindings' (bindings.h); menus keep the table's keys.
meaning key_meaning(int key);
// What the table alone says a key means: the level's history and the
// simulator's scripts are read this way, whatever the player bound.
meaning table_key_meaning(int key);
// Every key the table names.
std::vector<int> table_keys();

// Every key bound to a playing intent now, the player's first.
std::vector<int> keys_for(intent play);
// Every key the table binds to a playing intent, the first one the key that
// the level's history and the simulator's scripts write for it.
std::vector<int> table_keys_for(intent play);
// The key written for a playing intent, 0 when none is bound.
int script_key(intent play);

// Pad buttons by position, the common layout: south is A on most pads.
enum class pad_button : unsigned char {
    south,
    east,
    west,
    north,
    back,
    start,
    left_shoulder,
    right_shoulder,
    left_trigger,
    right_trigger,
    dpad_up,
    dpad_down,
    dpad_left,
    dpad_right,
    // The right stick pushed past its dead zone, as four buttons.
    scroll_up,
    scroll_down,
    scroll_left,
    scroll_right,
    count
};

// The button's playing half is the player's bindings'; the right stick's
// four look intents are always its own.
meaning pad_meaning(pad_button button);
meaning table_pad_meaning(pad_button button);

} // namespace input

#endif

// The one key-and-button table: the keys every recorded solution and the
// simulator's scripts use keep their meaning, each playing intent has the
// key its history writes, and keys and pad buttons agree on menus.

#include "input_table.h"

#include <gtest/gtest.h>
#include <set>

using input::intent;
using input::meaning;
using input::pad_button;

TEST(input_table, KeysKeepTheirMeaningWhilePlayingAndInMenus)
{
    const struct {
        int key;
        intent play, menu;
    } rows[] = {
        {Qt::Key_Left, intent::walk_left, intent::left},
        {Qt::Key_D, intent::walk_left, intent::none},
        {Qt::Key_Right, intent::walk_right, intent::right},
        {Qt::Key_L, intent::walk_right, intent::none},
        {Qt::Key_Up, intent::jump, intent::up},
        {Qt::Key_O, intent::jump, intent::none},
        {Qt::Key_E, intent::jump, intent::none},
        {Qt::Key_Down, intent::hold_down, intent::down},
        {Qt::Key_Space, intent::door, intent::confirm},
        {Qt::Key_Return, intent::none, intent::confirm},
        {Qt::Key_Enter, intent::none, intent::confirm},
        // Backspace never closes a menu; Escape does what back does.
        {Qt::Key_Backspace, intent::pause, intent::none},
        {Qt::Key_Escape, intent::pause, intent::back},
        {Qt::Key_C, intent::switch_character, intent::none},
        {Qt::Key_P, intent::drawing_mode, intent::none},
        {Qt::Key_R, intent::steer, intent::none},
        {Qt::Key_V, intent::scroll, intent::none},
        {Qt::Key_Q, intent::zoom_in, intent::none},
        {Qt::Key_A, intent::zoom_out, intent::none},
        {Qt::Key_Z, intent::rewind, intent::none},
        {Qt::Key_M, intent::mute, intent::mute},
        {Qt::Key_F11, intent::full_screen, intent::full_screen},
        {Qt::Key_Tab, intent::none, intent::next},
        {Qt::Key_Backtab, intent::none, intent::previous},
        {Qt::Key_1, intent::none, intent::slot_1},
        {Qt::Key_3, intent::none, intent::slot_3},
        // Letters a script may press that mean nothing to the world.
        {Qt::Key_F, intent::none, intent::none},
        {Qt::Key_Y, intent::none, intent::none},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.key);
        EXPECT_EQ(input::key_meaning(r.key).play, r.play);
        EXPECT_EQ(input::key_meaning(r.key).menu, r.menu);
    }
}

TEST(input_table, EveryBoundPlayingIntentIsWrittenAsAKeyThatMeansIt)
{
    // The history of a level and pad play are written in script keys: each
    // must read back as the intent it was written for.
    std::set<int> written;
    for (int i = static_cast<int>(intent::walk_left); i <= static_cast<int>(intent::full_screen);
         ++i) {
        const auto play = static_cast<intent>(i);
        const int key = input::script_key(play);
        if (key == 0)
            continue;
        EXPECT_EQ(input::key_meaning(key).play, play) << i;
        EXPECT_TRUE(written.insert(key).second) << "two intents share key " << key;
    }
    for (intent play : {intent::walk_left, intent::walk_right, intent::jump, intent::door,
                        intent::switch_character, intent::pause, intent::rewind})
        EXPECT_NE(input::script_key(play), 0) << static_cast<int>(play);
    // The keys the simulator's scripts name for walking and the door.
    EXPECT_EQ(input::script_key(intent::walk_left), Qt::Key_Left);
    EXPECT_EQ(input::script_key(intent::jump), Qt::Key_Up);
    EXPECT_EQ(input::script_key(intent::door), Qt::Key_Space);
    EXPECT_EQ(input::keys_for(intent::none), std::vector<int>{});
}

TEST(input_table, PadButtonsMeanWhatTheirPositionsPromise)
{
    const struct {
        pad_button button;
        meaning m;
    } rows[] = {
        {pad_button::south, {intent::jump, intent::confirm, intent::confirm}},
        {pad_button::east, {intent::none, intent::back, intent::erase}},
        {pad_button::west, {intent::door, intent::previous, intent::previous}},
        {pad_button::north, {intent::switch_character, intent::next, intent::next}},
        {pad_button::start, {intent::pause, intent::confirm, intent::menu}},
        {pad_button::back, {intent::drawing_mode, intent::none, intent::none}},
        {pad_button::left_shoulder, {intent::rewind, intent::previous, intent::previous}},
        {pad_button::right_shoulder, {intent::none, intent::next, intent::next}},
        {pad_button::left_trigger, {intent::zoom_out, intent::page_up, intent::none}},
        {pad_button::right_trigger, {intent::zoom_in, intent::page_down, intent::none}},
        {pad_button::dpad_left, {intent::walk_left, intent::left, intent::left}},
        {pad_button::dpad_right, {intent::walk_right, intent::right, intent::right}},
        {pad_button::dpad_up, {intent::none, intent::up, intent::up}},
        {pad_button::scroll_right, {intent::look_right, intent::none, intent::none}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(input::pad_meaning(r.button), r.m) << static_cast<int>(r.button);
    EXPECT_EQ(input::pad_meaning(pad_button::count), meaning{});
    // A pad and the keyboard walk the same way.
    EXPECT_EQ(input::pad_meaning(pad_button::dpad_left).play,
              input::key_meaning(Qt::Key_Left).play);
}

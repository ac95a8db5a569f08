// The player's own keys and pad buttons: what may be bound and what is
// refused, that menus keep their keys, the settings file round trip and its
// bad values, that a level's history records the table's script keys
// whatever the player pressed, and where the bound keys are shown.

#include "bindings.h"
#include "game_controls.h"
#include "headless_screen.h"
#include "level_scene.h"
#include "play_marks.h"
#include "settings_store.h"
#include "stockchar.h"
#include "tex_scrolling_view.h"
#include "world_listener.h"

#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using input::intent;
using input::pad_button;

namespace
{

// Every test leaves the table's bindings in force, as it found them.
struct bindings_test : testing::Test {
    void TearDown() override
    {
        input::use_bindings(input::bindings());
        myscene::pad_in_use = false;
    }
};

std::string read_file(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST_F(bindings_test, BindingsAreRefusedWhereTheyWouldTakeAKeyFromAnotherIntentOrFromMenus)
{
    input::bindings b;
    const struct {
        intent in;
        int key;
        const char* refusal;
    } steps[] = {
        {intent::jump, Qt::Key_W, ""},
        {intent::door, Qt::Key_W, "ALREADY USED BY JUMP"},
        {intent::door, Qt::Key_Up, ""}, // Up was jump's until W took its place
        {intent::mute, Qt::Key_Escape, "ALREADY USED BY PAUSE"},
        {intent::pause, Qt::Key_X, ""},
        // Escape is the only key that goes back in menus.
        {intent::mute, Qt::Key_Escape, "NEEDED IN MENUS"},
        {intent::walk_left, Qt::Key_J, ""},
        {intent::full_screen, Qt::Key_Left, "NEEDED IN MENUS"},
        // Space and the keypad's Enter still choose.
        {intent::full_screen, Qt::Key_Return, ""},
        {intent::mute, Qt::Key_Space, ""},
        {intent::mute, Qt::Key_Enter, ""}, // giving Space back
        {intent::jump, Qt::Key_unknown, "THIS KEY CANNOT BE USED"},
        {intent::look_left, Qt::Key_K, "THIS CANNOT BE BOUND"},
    };
    for (const auto& s : steps)
        EXPECT_EQ(b.bind_key(s.in, s.key), s.refusal) << input::intent_title(s.in) << " " << s.key;
    EXPECT_EQ(b.bind_pad(intent::jump, pad_button::east), "");
    EXPECT_EQ(b.bind_pad(intent::door, pad_button::east), "ALREADY USED BY JUMP");
    EXPECT_EQ(b.bind_pad(intent::mute, pad_button::north), "THIS CANNOT BE BOUND");
    EXPECT_EQ(b.bind_pad(intent::steer, pad_button::scroll_up), "THIS CANNOT BE BOUND");

    input::use_bindings(b);
    using m = input::meaning;
    // Playing keys follow the bindings; menus keep the table's keys, but a
    // key that mutes or turns the window does so on every screen.
    EXPECT_EQ(input::key_meaning(Qt::Key_W), (m{intent::jump, intent::none, intent::none}));
    EXPECT_EQ(input::key_meaning(Qt::Key_Up), (m{intent::door, intent::up, intent::up}));
    EXPECT_EQ(input::key_meaning(Qt::Key_Escape), (m{intent::none, intent::back, intent::back}));
    EXPECT_EQ(input::key_meaning(Qt::Key_Return),
              (m{intent::full_screen, intent::full_screen, intent::full_screen}));
    EXPECT_EQ(input::key_meaning(Qt::Key_F11), m{});
    EXPECT_EQ(input::key_meaning(Qt::Key_M), m{});
    EXPECT_EQ(input::keys_for(intent::pause), std::vector<int>{Qt::Key_X});
    EXPECT_EQ(input::pad_meaning(pad_button::east), (m{intent::jump, intent::back, intent::erase}));
    EXPECT_EQ(input::pad_meaning(pad_button::south).play, intent::none);
    EXPECT_EQ(input::pad_meaning(pad_button::scroll_up).play, intent::look_up);
    // Scripts and histories keep the table's words.
    EXPECT_EQ(input::script_key(intent::jump), Qt::Key_Up);
    EXPECT_EQ(input::table_key_meaning(Qt::Key_Up).play, intent::jump);
    EXPECT_EQ(input::changed_bindings(b).front(), "WALK LEFT: J");

    // Reset to defaults: the table again.
    input::use_bindings(input::bindings());
    EXPECT_TRUE(input::bindings_in_force().all_default());
    for (int key : input::table_keys())
        EXPECT_EQ(input::key_meaning(key), input::table_key_meaning(key)) << key;
}

TEST_F(bindings_test, KeyNamesAreReadableAndReadBackAsTheSameKey)
{
    const struct {
        int key;
        const char* name;
        const char* label;
    } keys[] = {
        {Qt::Key_Up, "Up", "UP"},
        {Qt::Key_Space, "Space", "SPACE"},
        {Qt::Key_W, "W", "W"},
        {Qt::Key_F5, "F5", "F5"},
        {Qt::Key_Comma, "Comma", "COMMA"},
        {Qt::Key_Period, ".", "PERIOD"},
        {Qt::Key_Backspace, "Backspace", "BACKSPACE"},
    };
    for (const auto& k : keys) {
        EXPECT_EQ(input::key_name(k.key), k.name);
        EXPECT_EQ(input::key_named(k.name), k.key) << k.name;
        EXPECT_EQ(input::key_label(k.key), k.label);
    }
    for (const char* no_key : {"", "Nonsense", "Ctrl+W", "A,B", "W W"})
        EXPECT_EQ(input::key_named(no_key), 0) << no_key;
}

TEST_F(bindings_test, TheSettingsFileKeepsOnlyChangesAndABadValueGivesItsDefault)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("settings").toStdString();
    {
        std::ofstream(path) << "sound on\n";
    }
    input::bindings b;
    ASSERT_EQ(b.bind_key(intent::jump, Qt::Key_Comma), "");
    ASSERT_EQ(b.bind_key(intent::door, Qt::Key_Up), "");
    ASSERT_EQ(b.bind_pad(intent::steer, pad_button::right_shoulder), "");
    settings_store store(path);
    ASSERT_TRUE(save_bindings(store, b));
    const std::string text = read_file(path);
    EXPECT_NE(text.find("key.jump Comma\n"), std::string::npos) << text;
    EXPECT_NE(text.find("pad.steer right_shoulder\n"), std::string::npos) << text;
    EXPECT_NE(text.find("sound on\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("key.walk_left"), std::string::npos) << text;

    input::bindings back;
    back.read(settings_store(path));
    for (intent in : input::bindable_intents()) {
        EXPECT_EQ(back.keys(in), b.keys(in)) << input::intent_word(in);
        EXPECT_EQ(back.pad(in), b.pad(in)) << input::intent_word(in);
    }
    // A reset writes the defaults back over the changed lines only.
    ASSERT_TRUE(save_bindings(store, input::bindings()));
    back.read(settings_store(path));
    EXPECT_TRUE(back.all_default());

    const struct {
        const char* line;
        intent in;
        std::vector<int> keys;
        pad_button pad;
    } bad[] = {
        {"key.jump Nonsense", intent::jump, {Qt::Key_Up, Qt::Key_O, Qt::Key_E}, pad_button::south},
        {"key.door Up", intent::door, {Qt::Key_Space}, pad_button::west},
        {"key.jump W,Ctrl+X", intent::jump, {Qt::Key_Up, Qt::Key_O, Qt::Key_E}, pad_button::south},
        {"key.mute Escape", intent::mute, {Qt::Key_M}, pad_button::count},
        {"pad.door dpad_middle", intent::door, {Qt::Key_Space}, pad_button::west},
        {"pad.door south", intent::door, {Qt::Key_Space}, pad_button::west},
    };
    for (const auto& c : bad) {
        std::ofstream(path) << c.line << "\n";
        input::bindings read;
        testing::internal::CaptureStderr();
        read.read(settings_store(path));
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(read.keys(c.in), c.keys) << c.line;
        EXPECT_EQ(read.pad(c.in), c.pad) << c.line;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << c.line << ": " << said;
        EXPECT_NE(said.find(input::intent_word(c.in)), std::string::npos) << said;
    }
}

namespace
{

struct input_record : world_listener {
    void input_applied(const replay_event& e) override { events.push_back(e); }
    std::vector<replay_event> events;
};

} // namespace

// Right jumps and W walks right: the history writes the table's keys, so
// rebuilding the moment from it, or a simulator replaying it, walks the same.
TEST_F(bindings_test, AReboundKeyWalksAndTheHistoryReplaysTheSame)
{
    headless_screen screen;
    game_controls::install();
    QTemporaryDir dir;
    const std::string path = dir.filePath("l.level").toStdString();
    std::ofstream(path) << "mapsize 14 5\nmkframe\nexit 11 2 white\n"
                           "char 1 3.3 white white stockblock 3 null null 0 null null 0\n";
    input::bindings b;
    ASSERT_EQ(b.bind_key(intent::walk_right, Qt::Key_W), "");
    ASSERT_EQ(b.bind_key(intent::jump, Qt::Key_Right), "");
    input::use_bindings(b);

    testing::internal::CaptureStdout();
    level_scene s("t", path, nullptr);
    level_scene replayed("t", path, nullptr);
    testing::internal::GetCapturedStdout();
    s.end_title_card();
    input_record record;
    s.add_listener(&record);
    const long long start_x = s.characters[0]->x;
    auto key = [&](QEvent::Type type, int k) {
        QKeyEvent e(type, k, Qt::NoModifier);
        type == QEvent::KeyPress ? s.keyPressEvent(&e) : s.keyReleaseEvent(&e);
    };
    // The played tick each recorded input came before.
    std::vector<int> tick_of_event;
    auto tick_n = [&](int n) {
        for (int t = 0; t < n; ++t) {
            tick_of_event.resize(record.events.size(), static_cast<int>(s.history.played_ticks()));
            s.tick();
        }
    };
    key(QEvent::KeyPress, Qt::Key_W);
    tick_n(20);
    key(QEvent::KeyPress, Qt::Key_Right);
    tick_n(3);
    key(QEvent::KeyRelease, Qt::Key_Right);
    key(QEvent::KeyRelease, Qt::Key_W);
    tick_n(30);
    tick_of_event.resize(record.events.size(), static_cast<int>(s.history.played_ticks()));

    ASSERT_GT(s.characters[0]->x, start_x) << "W walks right";
    std::vector<int> keys;
    for (const replay_event& e : record.events)
        keys.push_back(e.key);
    EXPECT_EQ(keys, (std::vector<int>{Qt::Key_Right, Qt::Key_Up, Qt::Key_Up, Qt::Key_Right}));

    const long long x = s.characters[0]->x, y = s.characters[0]->y;
    s.history.restore(s, path, s.history.world_ticks());
    EXPECT_EQ(s.characters[0]->x, x);
    EXPECT_EQ(s.characters[0]->y, y);

    // The simulator's way: each recorded input before the tick it preceded.
    replayed.end_title_card();
    std::ostringstream trace;
    std::size_t next = 0;
    for (int t = 0; t < static_cast<int>(s.history.played_ticks()); ++t) {
        while (next < record.events.size() && tick_of_event[next] == t)
            apply_replay_event(replayed, record.events[next++], trace);
        replayed.tick();
    }
    EXPECT_EQ(replayed.characters[0]->x, x);
    EXPECT_EQ(replayed.characters[0]->y, y);
}

TEST_F(bindings_test, PromptsAndHelpPagesShowTheBindingsInForce)
{
    headless_screen screen;
    EXPECT_EQ(play_marks::prompt_label(), "");
    EXPECT_EQ(play_marks::prompt_texture(), spriteman::tex_prompt_key);
    tex_scrolling_view page(spriteman::tex_help_first, spriteman::tex_help_second);
    auto own_keys_shown = [&] {
        std::string shown;
        for (const layout_box& box : page.layout_boxes())
            if (box.label.startsWith(QStringLiteral("YOUR KEYS")))
                shown = box.label.toStdString();
        return shown;
    };
    EXPECT_EQ(own_keys_shown(), "");

    input::bindings b;
    ASSERT_EQ(b.bind_key(intent::door, Qt::Key_F), "");
    ASSERT_EQ(b.bind_pad(intent::door, pad_button::right_shoulder), "");
    input::use_bindings(b);
    EXPECT_EQ(play_marks::prompt_label(), "F");
    EXPECT_EQ(play_marks::prompt_texture(), spriteman::tex_prompt_key_blank);
    myscene::pad_in_use = true;
    EXPECT_EQ(play_marks::prompt_label(), "RB");
    EXPECT_EQ(own_keys_shown(), "YOUR KEYS:  DOOR: F  DOOR: PAD RB");
    tex_scrolling_view credits(spriteman::tex_credits, nullptr);
    for (const layout_box& box : credits.layout_boxes())
        EXPECT_FALSE(box.label.startsWith(QStringLiteral("YOUR KEYS")));
}

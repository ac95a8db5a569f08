// Rewind. The simulator's rewind event against its defining property, over
// the reference cases and random scripts, and across two rewinds; the history
// of a level attempt, which must rebuild any earlier world exactly and stay
// in step with the world through any mix of play, drawing, switches and
// rewinds; and the ways a player rewinds: the Z key, the HUD button and the
// REWIND rows of the pause and failed menus.

#include "bomb.h"
#include "cloud.h"
#include "drawing_drawer.h"
#include "headless_screen.h"
#include "hud.h"
#include "hud_buttons.h"
#include "in_game_menu.h"
#include "level_scene.h"
#include "menu_rows.h"
#include "replay.h"
#include "world_fixture.h"

#include <QDir>
#include <climits>
#include <fstream>
#include <random>
#include <sstream>

namespace
{

std::string trace_of(const std::string& level, const replay_script& script, long long ticks)
{
    std::ostringstream trace;
    testing::internal::CaptureStdout();
    run_replay(level, script, ticks, trace);
    testing::internal::GetCapturedStdout();
    return trace.str();
}

std::vector<std::string> lines_of(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The tick a trace line belongs to; the grid lines belong to the end.
long long tick_of(const std::string& line)
{
    if (line.rfind("grid ", 0) == 0)
        return LLONG_MAX;
    return std::stoll(line.rfind("end ", 0) == 0 ? line.substr(4) : line);
}

std::string shifted(const std::string& line, long long n)
{
    if (line.rfind("grid ", 0) == 0)
        return line;
    const bool end = line.rfind("end ", 0) == 0;
    std::istringstream words(end ? line.substr(4) : line);
    long long t = 0;
    words >> t;
    std::string rest;
    std::getline(words, rest);
    return (end ? "end " : "") + std::to_string(t + n) + rest;
}

replay_event rewind_event(long long k, long long n)
{
    replay_event e;
    e.kind = replay_event::rewind;
    e.tick = k;
    e.back = n;
    return e;
}

// For 0 < n < k - 1 with k before S ends: S's events before k, then
// "k rewind n", then S's events from k - n on played n ticks later, print
// after the rewind what S prints from tick k - n on, n ticks later.
void expect_rewind_property(const std::string& level, const replay_script& s, long long k,
                            long long n, long long ticks, const std::string& label)
{
    const std::vector<std::string> plain = lines_of(trace_of(level, s, ticks));
    replay_script rewound;
    for (const replay_event& e : s.events)
        if (e.tick < k)
            rewound.events.push_back(e);
    rewound.events.push_back(rewind_event(k, n));
    for (replay_event e : s.events) {
        if (e.tick >= k - n) {
            e.tick += n;
            rewound.events.push_back(e);
        }
    }
    const std::vector<std::string> got = lines_of(trace_of(level, rewound, ticks + n));

    const std::string marker = std::to_string(k) + " rewind " + std::to_string(n);
    auto after = std::find(got.begin(), got.end(), marker);
    ASSERT_NE(after, got.end()) << label << ": no line \"" << marker << "\"";
    ++after;
    auto from = std::find_if(plain.begin(), plain.end(),
                             [&](const std::string& l) { return tick_of(l) >= k - n; });
    std::vector<std::string> expected;
    for (; from != plain.end(); ++from)
        expected.push_back(shifted(*from, n));
    const std::vector<std::string> rest(after, got.end());
    if (rest == expected)
        return;
    size_t i = 0;
    while (i < rest.size() && i < expected.size() && rest[i] == expected[i])
        ++i;
    ADD_FAILURE() << label << ", k " << k << ", n " << n << ": line " << i + 1
                  << " after the rewind is \"" << (i < rest.size() ? rest[i] : "(none)")
                  << "\", expected \"" << (i < expected.size() ? expected[i] : "(none)") << "\"";
}

long long end_tick(const std::string& level, const replay_script& s, long long ticks)
{
    const std::vector<std::string> lines = lines_of(trace_of(level, s, ticks));
    return tick_of(lines.back());
}

// Three (k, n) pairs a script of `length` ticks allows, drawn from `rng`.
std::vector<std::pair<long long, long long>> rewind_points(std::mt19937& rng, long long length)
{
    std::vector<std::pair<long long, long long>> points;
    if (length < 3)
        return points;
    for (int i = 0; i < 3; ++i) {
        const long long k = std::uniform_int_distribution<long long>(3, length)(rng);
        const long long n = std::uniform_int_distribution<long long>(1, k - 2)(rng);
        points.emplace_back(k, n);
    }
    return points;
}

replay_script random_script(std::mt19937& rng, long long ticks, int width, int height)
{
    // Mostly walking and jumping; drawing, switching, doors and the rest now
    // and then, the pause menu rarely (it stops the world for good).
    static const char* const keys[] = {"Left", "Right", "Up", "Down", "Left", "Right",
                                       "Up",   "Space", "C",  "P",    "R",    "V",
                                       "D",    "L",     "E",  "Q",    "A",    "Z"};
    static const char* const ways[] = {"left", "right", "up", "down"};
    std::ostringstream text;
    const int count = std::uniform_int_distribution<int>(5, 60)(rng);
    for (int i = 0; i < count; ++i) {
        const long long t = std::uniform_int_distribution<long long>(1, ticks)(rng);
        const int what = std::uniform_int_distribution<int>(0, 99)(rng);
        if (what < 20) {
            text << t << " place " << std::uniform_int_distribution<int>(0, 3)(rng) << ' '
                 << std::uniform_int_distribution<int>(0, width - 1)(rng) << ' '
                 << std::uniform_int_distribution<int>(0, height - 1)(rng) << ' '
                 << ways[std::uniform_int_distribution<int>(0, 3)(rng)] << '\n';
        } else if (what == 20) {
            text << t << " press Backspace\n";
        } else {
            text << t << (what % 2 ? " press " : " release ")
                 << keys[std::uniform_int_distribution<size_t>(0, std::size(keys) - 1)(rng)]
                 << '\n';
        }
    }
    std::istringstream in(text.str());
    return parse_replay_script(in);
}

replay_script script_from(const std::string& text)
{
    std::istringstream in(text);
    return parse_replay_script(in);
}

} // namespace

TEST(rewind_event, HoldsTheDefiningPropertyOverTheReferenceCases)
{
    QDir cases(CF_SIM_CASES_DIR);
    const QStringList levels = cases.entryList({"*.level"}, QDir::Files, QDir::Name);
    ASSERT_GE(levels.size(), 30);
    std::mt19937 rng(12);
    for (const QString& name : levels) {
        const std::string level = cases.filePath(name).toStdString();
        std::ifstream in(cases.filePath(name.chopped(6) + ".script").toStdString());
        const replay_script s = parse_replay_script(in);
        ASSERT_TRUE(s.ok()) << s.error;
        const long long length = end_tick(level, s, 600);
        for (const auto& [k, n] : rewind_points(rng, length))
            expect_rewind_property(level, s, k, n, 600, name.toStdString());
    }
}

TEST(rewind_event, HoldsTheDefiningPropertyForRandomScripts)
{
    QDir cases(CF_SIM_CASES_DIR);
    const QStringList levels = cases.entryList({"*.level"}, QDir::Files, QDir::Name);
    ASSERT_FALSE(levels.isEmpty());
    std::mt19937 rng(2026);
    for (int round = 0; round < 40; ++round) {
        const QString name = levels[round % levels.size()];
        const std::string level = cases.filePath(name).toStdString();
        const replay_script s = random_script(rng, 240, 16, 10);
        ASSERT_TRUE(s.ok()) << s.error;
        const long long length = end_tick(level, s, 300);
        for (const auto& [k, n] : rewind_points(rng, length))
            expect_rewind_property(level, s, k, n, 300,
                                   name.toStdString() + " round " + std::to_string(round));
    }
}

class rewind_world : public world_test
{
};

TEST_F(rewind_world, RewindsCountTimePlayedAndMayReturnToAWorldRewoundOver)
{
    const std::string level = write_file("mapsize 40 5\nmkframe\n"
                                         "char 2 3.3 red null null 0 null null 0 null null 0\n");
    const std::vector<std::string> walk =
        lines_of(trace_of(level, script_from("1 press Right\n"), 60));
    // Tick 30 starts from the world after tick 19; tick 40 from the world
    // after tick 24, which was played before the first rewind went back
    // over it.
    const std::vector<std::string> twice =
        lines_of(trace_of(level, script_from("1 press Right\n30 rewind 10\n40 rewind 15\n"), 45));
    auto char_line = [](const std::vector<std::string>& trace, long long t) {
        const std::string head = std::to_string(t) + " char 0 ";
        for (const std::string& l : trace)
            if (l.rfind(head, 0) == 0)
                return l.substr(head.size());
        return std::string("(none)");
    };
    EXPECT_EQ(char_line(twice, 29), char_line(walk, 29));
    EXPECT_EQ(char_line(twice, 30), char_line(walk, 20));
    EXPECT_EQ(char_line(twice, 39), char_line(walk, 29));
    EXPECT_EQ(char_line(twice, 40), char_line(walk, 25));
    EXPECT_EQ(char_line(twice, 45), char_line(walk, 30));
    EXPECT_NE(char_line(walk, 20), char_line(walk, 29)) << "the character must be walking";
    EXPECT_NE(std::find(twice.begin(), twice.end(), "40 rewind 15"), twice.end());

    // Back past the start is the level as loaded; the held key goes too.
    const std::vector<std::string> idle = lines_of(trace_of(level, replay_script(), 5));
    const std::vector<std::string> to_start =
        lines_of(trace_of(level, script_from("1 press Right\n20 rewind 50\n"), 25));
    EXPECT_EQ(char_line(to_start, 19), char_line(walk, 19));
    EXPECT_EQ(char_line(to_start, 20), char_line(idle, 1));
    EXPECT_EQ(char_line(to_start, 24), char_line(idle, 5));
}

namespace
{

// Everything a tick reads or writes, so that two worlds that print the same
// are the same world. with_focused_keys leaves out the focused character's
// held keys, which a rewind in the game hands back to the player.
std::string world_dump(game_scene& s, bool with_focused_keys = true)
{
    std::ostringstream o;
    auto block = [&](const stockblock* b) {
        o << b->x << ' ' << b->y << ' ' << b->vx << ' ' << b->vy << ' ' << int(b->tick_mark) << ' '
          << int(b->contacts) << ' ' << b->type << ' ' << int(b->color_index);
    };
    o << "tick " << int(s.tick_counter) << " focus " << s.focused << " requests "
      << s.failed_request << s.passed_request << " queues " << s.removal_queue.size() << ' '
      << s.deletion_queue.size() << '\n';
    for (size_t i = 0; i < s.characters.size(); ++i) {
        const stockchar* c = s.characters[i];
        o << "char ";
        block(c);
        if (with_focused_keys || i != s.focused)
            o << " keys " << c->left_held << c->right_held << c->jump_held << c->down_held;
        for (const stock_slot* slot : c->stock_slots)
            o << " slot " << int(slot->colornum) << ' ' << slot->type << ' ' << int(slot->count);
        o << '\n';
    }
    for (int c = 0; c < 4; ++c) {
        for (const stockblock* b : s.clouds[c]) {
            o << "cloud ";
            block(b);
            o << ' ' << int(static_cast<const cloud*>(b)->dir) << '\n';
        }
        for (const stockblock* b : s.fallings[c]) {
            o << "falling ";
            block(b);
            o << '\n';
        }
        o << "exits " << s.exits[c].size() << '\n';
    }
    for (const stockblock* b : s.bombs) {
        o << "bomb ";
        block(b);
        o << ' ' << static_cast<const bomb*>(b)->fuse << '\n';
    }
    for (size_t c = 0; c < s.grid.size(); ++c)
        for (size_t r = 0; r < s.grid[c].size(); ++r)
            if (const stockblock* b = s.grid[c][r]) {
                o << "grid " << c << ' ' << r << ' ';
                block(b);
                o << '\n';
            }
    return o.str();
}

// A function: the directory is a constant of another file, not yet made
// while this file's constants are.
std::string level_12()
{
    return cfg::levels_directory + "12" + cfg::level_suffix;
}

// A level scene headless, with its atlas tables for the menus and a record
// of the world after every world tick.
class rewind_level : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        testing::internal::CaptureStdout();
        level = std::make_unique<level_scene>("12");
        testing::internal::GetCapturedStdout();
        worlds.push_back(world_dump(*level));
    }
    void TearDown() override { level.reset(); }

    void key(QEvent::Type type, int k)
    {
        QKeyEvent e(type, k, Qt::NoModifier);
        if (type == QEvent::KeyPress)
            level->keyPressEvent(&e);
        else
            level->keyReleaseEvent(&e);
    }
    void tap(int x, int y)
    {
        level->press_at(x, y);
        level->release_at(x, y);
    }
    // Ticks, recording the world after each tick in which it ran.
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i) {
            const bool moves = level->running;
            level->advance();
            if (moves)
                worlds.push_back(world_dump(*level));
        }
    }
    // The world recorded after world tick t; later records are dropped, as
    // the history forgets them.
    std::string back_to(long long t)
    {
        worlds.resize(static_cast<size_t>(t) + 1);
        return worlds.back();
    }
    std::string without_keys(const std::string& dump)
    {
        // Recorded dumps hold the keys; compare the rest.
        std::istringstream in(dump);
        std::string out;
        for (std::string line; std::getline(in, line);) {
            const size_t at = line.find(" keys ");
            out +=
                (at == std::string::npos ? line : line.substr(0, at) + line.substr(at + 10)) + "\n";
        }
        return out;
    }
    std::string live_without_keys() { return without_keys(world_dump(*level)); }

    headless_screen screen;
    std::unique_ptr<level_scene> level;
    std::vector<std::string> worlds; // worlds[t]: after world tick t
};

} // namespace

TEST_F(rewind_level, HistoryRestoresAnyEarlierWorldAndStaysInStepWithPlay)
{
    std::mt19937 rng(7);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const int movement[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                            Qt::Key_D,    Qt::Key_L,     Qt::Key_E};
    int restores = 0, placements = 0, drawing_sessions = 0;
    for (int round = 0; round < 300; ++round) {
        if (level->menu) {
            // Lost: the failed menu's last row goes back before the fall.
            ASSERT_EQ(level->menu->items.size(), 5u);
            const long long target = std::max(0LL, level->history.world_ticks() - 60);
            tap(400, 360);
            EXPECT_EQ(live_without_keys(), without_keys(back_to(target)));
            ticks(1); // the menu closes
            ASSERT_EQ(level->menu, nullptr);
            ++restores;
            continue;
        }
        const int what = pick(20);
        if (what < 8) {
            key(pick(2) ? QEvent::KeyPress : QEvent::KeyRelease, movement[pick(7)]);
        } else if (what == 8) {
            key(QEvent::KeyPress, Qt::Key_C);
        } else if (what == 9) {
            key(QEvent::KeyPress, Qt::Key_Space);
        } else if (what == 10) {
            // A touch on the steering surface, dragged and let go.
            level->press_at(100 + pick(600), 100 + pick(300));
            level->move_to(100 + pick(600), 100 + pick(300));
            if (pick(2))
                level->release_at(400, 300);
        } else if (what == 11) {
            // Draw a few blocks next to the focused character, then steer again.
            key(QEvent::KeyPress, Qt::Key_P);
            ++drawing_sessions;
            auto* surface = static_cast<drawing_drawer*>(level->drawer);
            const stockchar* ch = level->focused_char();
            ASSERT_NE(ch, nullptr);
            for (int i = 0; i < 3; ++i) {
                surface->selected_slot = static_cast<unsigned int>(pick(3));
                surface->cell_x = static_cast<int>(ch->x / M) - 2 + pick(5);
                surface->cell_y = static_cast<int>(ch->y / M) - 2 + pick(5);
                placements += surface->apply(true);
                if (pick(2))
                    ticks(1 + pick(5)); // stopped ticks
            }
            key(QEvent::KeyPress, Qt::Key_P);
        } else if (what == 12) {
            key(QEvent::KeyPress, Qt::Key_V);
        } else if (what == 13) {
            key(QEvent::KeyPress, Qt::Key_R);
        } else if (what == 14 && level->history.world_ticks() > 0) {
            // Back to any moment of this attempt.
            const long long t =
                std::uniform_int_distribution<long long>(0, level->history.world_ticks())(rng);
            level->history.restore(*level, level_12(), t);
            ASSERT_EQ(world_dump(*level), back_to(t)) << "restored to world tick " << t;
            ++restores;
        } else if (what == 15) {
            const long long t = std::max(0LL, level->history.world_ticks() - 60);
            key(QEvent::KeyPress, Qt::Key_Z);
            ASSERT_EQ(live_without_keys(), without_keys(back_to(t)));
            ++restores;
        }
        ticks(pick(12));
    }
    EXPECT_GT(restores, 10);
    EXPECT_GT(placements, 3);
    EXPECT_GT(drawing_sessions, 5);

    // Replaying what is left of the history from the level file gives the
    // live world.
    key(QEvent::KeyPress, Qt::Key_R);
    ticks(1);
    ASSERT_TRUE(level->running);
    rewind_log copy = level->history;
    testing::internal::CaptureStdout();
    game_scene fresh;
    testing::internal::GetCapturedStdout();
    copy.restore(fresh, level_12(), copy.world_ticks());
    EXPECT_EQ(world_dump(fresh), world_dump(*level));
}

TEST_F(rewind_level, ZStepsBackSixtyWorldTicksAndLeavesHeldKeysToTheHands)
{
    // Less than sixty ticks played: back to the level as loaded.
    key(QEvent::KeyPress, Qt::Key_Left);
    ticks(20);
    key(QEvent::KeyPress, Qt::Key_Z);
    EXPECT_EQ(live_without_keys(), without_keys(back_to(0)));
    // Left is still held down, so it still steers.
    EXPECT_TRUE(level->focused_char()->left_held);

    ticks(100);
    key(QEvent::KeyRelease, Qt::Key_Left);
    key(QEvent::KeyPress, Qt::Key_Up);
    ticks(10);
    const bool was_jumping = level->focused_char()->jump_held;
    EXPECT_TRUE(was_jumping);
    key(QEvent::KeyRelease, Qt::Key_Up);
    EXPECT_EQ(level->history.world_ticks(), 110);
    key(QEvent::KeyPress, Qt::Key_Z);
    EXPECT_EQ(level->history.world_ticks(), 50);
    EXPECT_EQ(live_without_keys(), without_keys(back_to(50)));
    // At tick 50 Left was held; now no key is: nobody walks on.
    const stockchar* ch = level->focused_char();
    EXPECT_FALSE(ch->left_held || ch->right_held || ch->jump_held || ch->down_held);

    // Rewinding again steps further back; a repeat of a held Z does not.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, QString(), true);
    level->keyPressEvent(&repeat);
    EXPECT_EQ(level->history.world_ticks(), 50);
    key(QEvent::KeyPress, Qt::Key_Z);
    EXPECT_EQ(level->history.world_ticks(), 0);
    EXPECT_EQ(live_without_keys(), without_keys(back_to(0)));
}

TEST_F(rewind_level, DrawingModeAndZoomStayAsTheyAre)
{
    key(QEvent::KeyPress, Qt::Key_Left);
    ticks(90);
    key(QEvent::KeyPress, Qt::Key_Q);
    key(QEvent::KeyPress, Qt::Key_P);
    auto* surface = static_cast<drawing_drawer*>(level->drawer);
    const stockchar* red = level->focused_char();
    surface->cell_x = static_cast<int>(red->x / M) + 1;
    surface->cell_y = static_cast<int>(red->y / M) - 1;
    ASSERT_TRUE(surface->apply(true)) << "a falling block beside the red character";
    ticks(30); // stopped: no world tick
    key(QEvent::KeyPress, Qt::Key_Z);
    EXPECT_EQ(live_without_keys(), without_keys(back_to(30)));
    EXPECT_EQ(level->drawer, surface);
    EXPECT_EQ(level->drawer_kind, cfg::drawer_drawer_type);
    EXPECT_FALSE(level->running);
    EXPECT_EQ(level->block_size, 70u);
    for (int c = 0; c < 4; ++c)
        EXPECT_TRUE(level->fallings[c].empty()) << "the drawn block is taken back";
}

TEST_F(rewind_level, HudButtonInTheSeventhSlotRewinds)
{
    const hud_button* button = nullptr;
    for (myglitem* item : level->top_hud->items)
        if (auto* b = dynamic_cast<rewind_button*>(item))
            button = b;
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->vertices[0], 6 * 88 + 19) << "after the six buttons of the left group";
    EXPECT_FALSE(button->right_packed);

    key(QEvent::KeyPress, Qt::Key_Left);
    ticks(75);
    tap(570, 30);
    EXPECT_EQ(level->history.world_ticks(), 15);
    EXPECT_EQ(live_without_keys(), without_keys(back_to(15)));
    EXPECT_TRUE(level->focused_char()->left_held) << "Left is still held";
}

TEST_F(rewind_level, PauseMenuRewindRowStepsBackAndKeepsTheMenuOpen)
{
    key(QEvent::KeyPress, Qt::Key_Left);
    ticks(130);
    key(QEvent::KeyPress, Qt::Key_Backspace);
    ASSERT_NE(level->menu, nullptr);
    ASSERT_EQ(level->menu->items.size(), 6u);
    const auto* row = dynamic_cast<igm_just_text*>(level->menu->items.back());
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text, "REWIND");
    EXPECT_EQ(row->vertices[1], 415.0f) << "below the five rows the pause menu always has";

    tap(400, 440);
    EXPECT_EQ(level->history.world_ticks(), 70);
    EXPECT_EQ(live_without_keys(), without_keys(back_to(70)));
    ticks(3);
    ASSERT_NE(level->menu, nullptr) << "still paused";
    tap(400, 440);
    EXPECT_EQ(level->history.world_ticks(), 10);

    tap(400, 120); // RESUME
    ticks(1);
    EXPECT_EQ(level->menu, nullptr);
    EXPECT_TRUE(level->running);
}

TEST_F(rewind_level, FailedMenuRewindRowBringsTheLostCharacterBack)
{
    // Blue walks a little, then bombs itself.
    key(QEvent::KeyPress, Qt::Key_C);
    key(QEvent::KeyPress, Qt::Key_Left);
    ticks(40);
    key(QEvent::KeyRelease, Qt::Key_Left);
    ticks(60);
    key(QEvent::KeyPress, Qt::Key_P);
    auto* surface = static_cast<drawing_drawer*>(level->drawer);
    const stockchar* blue = level->focused_char();
    ASSERT_EQ(blue->color_index, 3);
    surface->cell_x = static_cast<int>((blue->x + blue->size / 2) / M);
    surface->cell_y = static_cast<int>((blue->y + blue->size / 2) / M);
    ASSERT_TRUE(surface->apply(true));
    key(QEvent::KeyPress, Qt::Key_P);
    for (int t = 0; t < 40 && !level->handled_failed; ++t)
        ticks(1);
    ASSERT_TRUE(level->handled_failed);
    ASSERT_EQ(level->characters.size(), 1u) << "the blast took blue";
    const long long failed_at = level->history.world_ticks();

    ASSERT_NE(level->menu, nullptr);
    ASSERT_EQ(level->menu->items.size(), 5u);
    const auto* row = dynamic_cast<igm_just_text*>(level->menu->items.back());
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text, "REWIND");
    EXPECT_EQ(row->vertices[1], 335.0f);

    tap(400, 360);
    EXPECT_EQ(level->history.world_ticks(), failed_at - 60);
    EXPECT_EQ(level->characters.size(), 2u);
    EXPECT_EQ(live_without_keys(), without_keys(back_to(failed_at - 60)));
    EXPECT_TRUE(level->bombs.empty());
    ticks(1);
    EXPECT_EQ(level->menu, nullptr);
    EXPECT_TRUE(level->running);
    ticks(60);
    EXPECT_FALSE(level->failed_request);
    EXPECT_EQ(level->characters.size(), 2u) << "the bomb is gone for good";
}

TEST_F(rewind_level, RestartForgetsTheHistory)
{
    key(QEvent::KeyPress, Qt::Key_Left);
    ticks(80);
    key(QEvent::KeyRelease, Qt::Key_Left);
    level->restart();
    EXPECT_EQ(level->history.world_ticks(), 0);
    const std::string loaded = world_dump(*level);
    ticks(40);
    key(QEvent::KeyPress, Qt::Key_Z);
    // The tick counter ran on through the first attempt: a history kept
    // from before the restart would bring back its starting count.
    EXPECT_EQ(world_dump(*level), loaded);
}

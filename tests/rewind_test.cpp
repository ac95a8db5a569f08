// Rewind: the simulator's rewind event against its defining property over
// the reference cases and random scripts, and across two rewinds; a level's
// history, which must rebuild any earlier world exactly and stay in step with
// play; the player's ways to rewind: Z, the HUD button, both menus; and what
// counts as a move to take back, held Z and the gauge.

#include "bomb.h"
#include "cloud.h"
#include "drawing_drawer.h"
#include "gl_recorder.h"
#include "headless_screen.h"
#include "hud.h"
#include "hud_buttons.h"
#include "in_game_menu.h"
#include "level_scene.h"
#include "menu_rows.h"
#include "placement.h"
#include "world_fixture.h"

#include <QDir>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sstream>

namespace
{

std::vector<std::string> trace_of(const std::string& level, const replay_script& s, long long ticks)
{
    std::ostringstream trace;
    testing::internal::CaptureStdout();
    run_replay(level, s, ticks, trace);
    testing::internal::GetCapturedStdout();
    std::istringstream in(trace.str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A trace line with its tick moved n later, or "" if it belongs to a tick
// before `from` (grid lines belong to the end).
std::string from_tick(const std::string& line, long long from, long long n)
{
    if (line.rfind("grid ", 0) == 0)
        return line;
    const bool end = line.rfind("end ", 0) == 0;
    std::istringstream words(end ? line.substr(4) : line);
    long long t = 0;
    words >> t;
    std::string rest;
    std::getline(words, rest);
    return t < from ? "" : (end ? "end " : "") + std::to_string(t + n) + rest;
}

// For 0 < n < k - 1 with k before S ends: S's events before k, "k rewind n",
// then S's events from k - n on n ticks later print after the rewind what S
// prints from tick k - n on, n ticks later.
void expect_rewind_property(const std::string& level, const replay_script& s, long long ticks,
                            std::mt19937& rng, const std::string& label)
{
    const std::vector<std::string> plain = trace_of(level, s, ticks);
    const long long length = std::stoll(plain.back().substr(4));
    for (int i = 0; i < 3 && length >= 3; ++i) {
        const long long k = std::uniform_int_distribution<long long>(3, length)(rng);
        const long long n = std::uniform_int_distribution<long long>(1, k - 2)(rng);
        replay_script rewound;
        replay_event back;
        back.kind = replay_event::rewind;
        back.tick = k;
        back.back = n;
        for (const replay_event& e : s.events)
            if (e.tick < k)
                rewound.events.push_back(e);
        rewound.events.push_back(back);
        for (replay_event e : s.events) {
            if (e.tick < k - n)
                continue;
            e.tick += n;
            rewound.events.push_back(e);
        }
        const std::vector<std::string> got = trace_of(level, rewound, ticks + n);
        auto at =
            std::find(got.begin(), got.end(), std::to_string(k) + " rewind " + std::to_string(n));
        ASSERT_NE(at, got.end()) << label;
        std::vector<std::string> expected;
        for (const std::string& line : plain)
            if (!from_tick(line, k - n, n).empty())
                expected.push_back(from_tick(line, k - n, n));
        EXPECT_TRUE(std::equal(at + 1, got.end(), expected.begin(), expected.end()))
            << label << ", k " << k << ", n " << n;
    }
}

replay_script random_script(std::mt19937& rng)
{
    // Backspace is rare: its pause menu stops the world for good.
    static const char* const events[] = {
        "press Left", "release Left", "press Right", "release Right", "press Up",
        "release Up", "press Down",   "press Space", "press C",       "press P",
        "press R",    "press V",      "press E",     "release E",     "press Z",
        "place 0",    "place 1",      "place 2",     "place 3",       "place 0"};
    std::ostringstream text;
    for (int i = std::uniform_int_distribution<int>(5, 60)(rng); i > 0; --i) {
        const std::string e = events[std::uniform_int_distribution<size_t>(0, 19)(rng)];
        text << std::uniform_int_distribution<int>(1, 240)(rng) << ' ' << e;
        if (e.rfind("place", 0) == 0)
            text << ' ' << rng() % 16 << ' ' << rng() % 10 << (rng() % 2 ? " up\n" : " left\n");
        else
            text << '\n';
        if (rng() % 50 == 0)
            text << "100 press Backspace\n";
    }
    std::istringstream in(text.str());
    return parse_replay_script(in);
}

} // namespace

TEST(rewind_event, DefiningPropertyHoldsOverTheReferenceCasesAndRandomScripts)
{
    QDir cases(CF_SIM_CASES_DIR);
    const QStringList levels = cases.entryList({"*.level"}, QDir::Files, QDir::Name);
    ASSERT_GE(levels.size(), 30);
    std::mt19937 rng(12);
    for (const QString& name : levels) {
        const std::string level = cases.filePath(name).toStdString();
        std::ifstream in(cases.filePath(name.chopped(6) + ".script").toStdString());
        expect_rewind_property(level, parse_replay_script(in), 600, rng, name.toStdString());
        for (int round = 0; round < 2; ++round)
            expect_rewind_property(level, random_script(rng), 300, rng,
                                   name.toStdString() + " random " + std::to_string(round));
    }
}

TEST_F(world_test, RewindEventCountsTimePlayedAndReachesWorldsRewoundOver)
{
    const std::string level = write_file("mapsize 40 5\nmkframe\n"
                                         "char 2 3.3 red null null 0 null null 0 null null 0\n");
    std::istringstream walk_text("1 press Right\n"),
        twice_text("1 press Right\n30 rewind 10\n40 rewind 15\n"
                   "50 rewind 60\n");
    const std::vector<std::string> walk = trace_of(level, parse_replay_script(walk_text), 60);
    const std::vector<std::string> twice = trace_of(level, parse_replay_script(twice_text), 55);
    const std::vector<std::string> idle = trace_of(level, replay_script(), 5);
    auto at = [](const std::vector<std::string>& trace, long long t) {
        const std::string head = std::to_string(t) + " char 0 ";
        for (const std::string& l : trace)
            if (l.rfind(head, 0) == 0)
                return l.substr(head.size());
        return std::string("none");
    };
    // Tick 30 starts from the world after tick 19; tick 40 from the world
    // after tick 24, played before the first rewind went back over it; tick
    // 50 from the level as loaded, the held key gone with the rest.
    const std::pair<long long, long long> same[] = {
        {29, 29}, {30, 20}, {39, 29}, {40, 25}, {49, 34}};
    for (const auto& [played, walked] : same)
        EXPECT_EQ(at(twice, played), at(walk, walked)) << "tick " << played;
    EXPECT_EQ(at(twice, 50), at(idle, 1));
    EXPECT_EQ(at(twice, 54), at(idle, 5));
    EXPECT_NE(at(walk, 20), at(walk, 25)) << "the character must be walking";
}

namespace
{

// Everything a tick reads or writes, the focused character's held keys last
// (a rewind in the game hands those back to the player).
std::string world_dump(game_scene& s)
{
    std::ostringstream o;
    auto block = [&](const char* kind, const stockblock* b) -> std::ostream& {
        return o << kind << ' ' << b->x << ' ' << b->y << ' ' << b->vx << ' ' << b->vy << ' '
                 << int(b->tick_mark) << ' ' << int(b->contacts) << ' ' << b->type << ' '
                 << int(b->color_index);
    };
    o << "tick " << int(s.tick_counter) << " focus " << s.focused << " requests "
      << s.failed_request << s.passed_request << s.removal_queue.size() << s.deletion_queue.size();
    for (const stockchar* c : s.characters) {
        block("\nchar", c);
        if (c != s.focused_char())
            o << " keys " << c->left_held << c->right_held << c->jump_held << c->down_held;
        for (const stock_slot* slot : c->stock_slots)
            o << " slot " << int(slot->colornum) << ' ' << slot->type << ' ' << int(slot->count);
    }
    for (int c = 0; c < 4; ++c) {
        for (const stockblock* b : s.clouds[c])
            block("\ncloud", b) << ' ' << int(static_cast<const cloud*>(b)->dir);
        for (const stockblock* b : s.fallings[c])
            block("\nfalling", b);
        o << "\nexits " << s.exits[c].size();
    }
    for (const stockblock* b : s.bombs)
        block("\nbomb", b) << ' ' << static_cast<const bomb*>(b)->fuse;
    for (const auto& column : s.grid)
        for (const stockblock* b : column)
            if (b)
                block("\ngrid", b);
    const stockchar* f = s.focused_char();
    o << "\nkeys " << (f && f->left_held) << (f && f->right_held) << (f && f->jump_held)
      << (f && f->down_held);
    return o.str();
}

std::string without_keys(const std::string& dump)
{
    return dump.substr(0, dump.rfind('\n'));
}

// Level 20 headless, recording the world after every world tick.
class rewind_level : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        testing::internal::CaptureStdout();
        level = std::make_unique<level_scene>("20", path, nullptr);
        testing::internal::GetCapturedStdout();
        worlds.push_back(world_dump(*level));
    }
    void key(int k, bool press = true)
    {
        QKeyEvent e(press ? QEvent::KeyPress : QEvent::KeyRelease, k, Qt::NoModifier);
        press ? level->keyPressEvent(&e) : level->keyReleaseEvent(&e);
    }
    void tap(int x, int y)
    {
        level->press_at(x, y);
        level->release_at(x, y);
    }
    void ticks(int n)
    {
        for (; n > 0; --n) {
            const bool moves = level->running;
            level->tick();
            if (moves)
                worlds.push_back(world_dump(*level));
        }
    }
    // The world after world tick t; the records after it are forgotten, as
    // the history forgets them.
    std::string back_to(long long t)
    {
        worlds.resize(static_cast<size_t>(std::max(0LL, t)) + 1);
        return worlds.back();
    }
    // After a rewind through the game's own paths: the world is the one the
    // history rebuilds for its present moment, no later than before, and
    // the recorded worlds are cut back to it.
    void expect_rewound_from(long long world_ticks_before)
    {
        const long long t = level->history.world_ticks();
        EXPECT_TRUE(t < world_ticks_before || t == 0) << t << " after " << world_ticks_before;
        rewind_log copy = level->history;
        testing::internal::CaptureStdout();
        game_scene fresh;
        copy.restore_played(fresh, path, copy.moment());
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(without_keys(world_dump(fresh)), without_keys(world_dump(*level)));
        back_to(t);
    }
    void expect_rewound_to(long long t)
    {
        EXPECT_EQ(level->history.world_ticks(), t);
        EXPECT_EQ(without_keys(world_dump(*level)), without_keys(back_to(t)));
    }

    headless_screen screen;
    std::string path = cfg::levels_directory + "20" + cfg::level_suffix;
    std::unique_ptr<level_scene> level;
    std::vector<std::string> worlds; // worlds[t]: after world tick t
};

} // namespace

TEST_F(rewind_level, HistoryRebuildsAnyEarlierWorldAndStaysInStepWithPlay)
{
    std::mt19937 rng(7);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const std::string path = cfg::levels_directory + "20" + cfg::level_suffix;
    const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,  Qt::Key_D,
                        Qt::Key_L,    Qt::Key_E,     Qt::Key_C,  Qt::Key_Space, Qt::Key_V};
    int restores = 0, placed = 0;
    for (int round = 0; round < 300; ++round) {
        const int what = pick(16);
        const long long before = level->history.world_ticks();
        if (level->menu) { // lost: the failed menu's REWIND
            tap(400, 360);
            expect_rewound_from(before);
            ++restores;
        } else if (what < 9) {
            key(keys[pick(10)], pick(3) > 0);
        } else if (what == 9) { // a steering touch, dragged, maybe let go
            level->press_at(100 + pick(600), 100 + pick(300));
            level->move_to(100 + pick(600), 100 + pick(300));
            if (pick(2))
                level->release_at(400, 300);
        } else if (what == 10) { // draw around the focused character
            key(Qt::Key_P);
            auto* surface = static_cast<drawing_drawer*>(level->drawer);
            const stockchar* ch = level->focused_char();
            for (int i = 0; i < 3; ++i) {
                surface->selected_slot = static_cast<unsigned int>(pick(3));
                surface->cell_x = static_cast<int>(ch->x / M) - 2 + pick(5);
                surface->cell_y = static_cast<int>(ch->y / M) - 2 + pick(5);
                placed += surface->apply(true);
                ticks(pick(3)); // the world stands still
            }
            if (pick(3) == 0) { // rewinding while drawing keeps drawing and zoom
                key(Qt::Key_Q);
                const long long drawn = level->history.world_ticks();
                key(Qt::Key_Z);
                key(Qt::Key_Z, false);
                expect_rewound_from(drawn + 1);
                EXPECT_EQ(level->drawer, surface);
                EXPECT_FALSE(level->running);
                key(Qt::Key_A);
            }
            key(Qt::Key_P);
        } else if (what == 11 && !worlds.empty()) { // straight back to any tick
            const long long t = pick(static_cast<int>(worlds.size()));
            level->history.restore(*level, path, t);
            ASSERT_EQ(world_dump(*level), back_to(t)) << "world tick " << t;
            ++restores;
        } else if (what == 12) {
            key(Qt::Key_Z);
            key(Qt::Key_Z, false);
            expect_rewound_from(before);
            ++restores;
        }
        ticks(pick(12));
    }
    EXPECT_GT(restores, 15);
    EXPECT_GT(placed, 5);

    // Replaying what is left of the history from the level file gives the
    // live world.
    key(Qt::Key_R);
    ticks(1);
    rewind_log copy = level->history;
    testing::internal::CaptureStdout();
    game_scene fresh;
    testing::internal::GetCapturedStdout();
    copy.restore(fresh, path, copy.world_ticks());
    EXPECT_EQ(world_dump(fresh), world_dump(*level));
}

TEST_F(rewind_level, ZTheButtonAndThePauseMenuTakeBackTheLastMove)
{
    key(Qt::Key_Left);
    ticks(20);
    key(Qt::Key_Z); // the walk is the only move: the level as loaded
    key(Qt::Key_Z, false);
    expect_rewound_to(0);
    EXPECT_TRUE(level->focused_char()->left_held) << "Left is still held down";
    ticks(200);
    key(Qt::Key_Left, false);
    key(Qt::Key_Right);
    ticks(30);
    key(Qt::Key_Right, false);
    ticks(100);
    key(Qt::Key_Z);
    key(Qt::Key_Z, false);
    expect_rewound_to(200); // right before Right; the held Left was no new move
    const stockchar* ch = level->focused_char();
    EXPECT_FALSE(ch->left_held || ch->right_held || ch->jump_held || ch->down_held)
        << "keys let go count as released";

    const auto* button = dynamic_cast<rewind_button*>(level->top_hud->items.back());
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->vertices[0], 6 * 88 + 19) << "the slot after the six of the left group";
    tap(570, 30);
    expect_rewound_to(0);

    key(Qt::Key_Right);
    ticks(30);
    key(Qt::Key_Right, false);
    key(Qt::Key_Left);
    ticks(30);
    key(Qt::Key_Left, false);
    key(Qt::Key_Backspace);
    ASSERT_EQ(level->menu->items.size(), 6u);
    EXPECT_EQ(static_cast<igm_just_text*>(level->menu->items.back())->text, "REWIND");
    tap(400, 440); // the sixth row, below the pause menu's five
    expect_rewound_to(30);
    ticks(2);
    ASSERT_NE(level->menu, nullptr) << "the pause menu stays for more steps back";
    tap(400, 440);
    EXPECT_EQ(level->history.world_ticks(), 0);

    // RESTART begins a new attempt: Z never reaches into the one before.
    tap(400, 280);
    const std::string loaded = world_dump(*level);
    ticks(30);
    key(Qt::Key_Z);
    EXPECT_EQ(world_dump(*level), loaded);
}

TEST_F(rewind_level, FailedMenuRewindBringsTheLostCharacterBack)
{
    key(Qt::Key_C); // blue walks to the wall, waits, then bombs itself
    key(Qt::Key_Left);
    ticks(40);
    key(Qt::Key_Left, false);
    ticks(60);
    key(Qt::Key_P);
    auto* surface = static_cast<drawing_drawer*>(level->drawer);
    const stockchar* blue = level->focused_char();
    surface->cell_x = static_cast<int>((blue->x + blue->size / 2) / M);
    surface->cell_y = static_cast<int>((blue->y + blue->size / 2) / M);
    ASSERT_TRUE(surface->apply(true));
    key(Qt::Key_P);
    for (int t = 0; t < 40 && !level->menu; ++t)
        ticks(1);
    ASSERT_TRUE(level->handled_failed);
    ASSERT_EQ(level->characters.size(), 1u);
    // The title, three rows, REWIND, and under them the cause of the loss.
    ASSERT_EQ(level->menu->items.size(), 6u);
    EXPECT_EQ(static_cast<igm_just_text*>(*std::prev(level->menu->items.end(), 2))->text, "REWIND");

    tap(400, 360); // the fifth row: back to before the bomb was drawn
    expect_rewound_to(100);
    EXPECT_EQ(level->characters.size(), 2u);
    ticks(1);
    EXPECT_EQ(level->menu, nullptr);
    ticks(60);
    EXPECT_TRUE(level->running);
    EXPECT_EQ(level->characters.size(), 2u) << "the bomb went back with the rest";
}

namespace
{

// A floor, a wall at each end and one red character with three blocks to
// draw: every move shows on the character or its stock.
class rewind_moves : public rewind_level
{
  protected:
    void SetUp() override
    {
        path = dir.filePath("moves.level").toStdString();
        std::ofstream(path) << "mapsize 20 8\nmkframe\n"
                               "char 3 6.3 red red stockblock 3 null null 0 null null 0\n";
        rewind_level::SetUp();
    }
    void place(long long column, long long row)
    {
        ASSERT_TRUE(place_from_stock(level.get(), 0, column, row, 0, true));
    }
    void hold(int k, int n)
    {
        key(k);
        ticks(n);
        key(k, false);
    }
    long long world_ticks() const { return level->history.world_ticks(); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(rewind_moves, OnePressTakesBackTheLastMoveWhateverTheIdleTimeAfterIt)
{
    const struct {
        const char* move;
        std::function<void()> make;
    } cases[] = {
        {"a placement", [this] { place(level->focused_char()->x / M + 2, 6); }},
        {"a jump", [this] { hold(Qt::Key_Up, 3); }},
        {"a jump to the right, Right pressed a moment after Up",
         [this] {
             key(Qt::Key_Up);
             ticks(static_cast<int>(rewind_log::chord_ticks) - 1);
             hold(Qt::Key_Right, 10);
             key(Qt::Key_Up, false);
         }},
        {"a walk", [this] { hold(Qt::Key_Right, 20); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.move);
        worlds.clear();
        SetUp();
        hold(Qt::Key_Left, 5); // a first move, so the start is not the answer
        ticks(30);
        const long long before = world_ticks();
        c.make();
        ticks(600); // twenty seconds of standing still
        key(Qt::Key_Z);
        key(Qt::Key_Z, false);
        expect_rewound_to(before);
        key(Qt::Key_Z);
        key(Qt::Key_Z, false);
        expect_rewound_to(0);
    }
}

TEST_F(rewind_moves, PressesThatChangeNothingAreNoMoves)
{
    hold(Qt::Key_Right, 400); // to the wall
    ticks(30);
    const std::pair<long long, long long> at_wall(level->focused_char()->x,
                                                  level->focused_char()->y);
    hold(Qt::Key_Right, 20); // into the wall
    key(Qt::Key_C);          // no one else to switch to
    key(Qt::Key_C, false);
    ticks(30);
    const stockchar* ch = level->focused_char();
    ASSERT_EQ(std::make_pair(ch->x, ch->y), at_wall);
    key(Qt::Key_Z);
    key(Qt::Key_Z, false);
    expect_rewound_to(0);
}

TEST_F(rewind_moves, HoldingZStepsBackAMoveEveryPeriodWhileTheWorldWaits)
{
    EXPECT_EQ(level->rewind_gauge().shown, 0) << "no gauge before a rewind";
    hold(Qt::Key_Right, 10);
    ticks(20);
    hold(Qt::Key_Up, 3);
    ticks(30);
    const long long third = world_ticks();
    place(level->focused_char()->x / M + 2, 6);
    ticks(20);
    const double furthest = static_cast<double>(world_ticks());

    key(Qt::Key_Z); // held from here
    expect_rewound_to(third);
    EXPECT_DOUBLE_EQ(level->rewind_gauge().moment, third / furthest);
    EXPECT_EQ(level->rewind_gauge().shown, 1);
    const std::string waiting = world_dump(*level);
    for (int t = 1; t < level_scene::rewind_delay; ++t) {
        // The keyboard's own repeat neither ends the hold nor sets its pace.
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Z, Qt::NoModifier, QString(), true);
        level->keyReleaseEvent(&up);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, QString(), true);
        level->keyPressEvent(&down);
        level->tick();
        ASSERT_EQ(world_dump(*level), waiting) << "tick " << t;
    }
    level->tick();
    expect_rewound_to(30);
    for (int t = 0; t < level_scene::rewind_period; ++t)
        level->tick();
    expect_rewound_to(0);
    EXPECT_EQ(level->rewind_gauge().moment, 0);
    key(Qt::Key_Z, false);

    // The gauge under the button: a track, and no fill at the start.
    gl_recorder gl;
    level->top_hud->items.back()->updateGL();
    ASSERT_EQ(gl.draws.size(), 2u);
    const auto* button = level->top_hud->items.back();
    EXPECT_EQ(gl.draws[1].left(), button->vertices[0]);
    EXPECT_EQ(gl.draws[1].right(), button->vertices[2]);
    EXPECT_GT(gl.draws[1].top(), button->vertices[5]);
    EXPECT_LT(gl.draws[1].bottom(), level->top_hud->height);

    // Let go, the world runs on and the gauge fades away.
    ticks(level_scene::gauge_ticks - level_scene::gauge_fade_ticks);
    EXPECT_EQ(world_ticks(), level_scene::gauge_ticks - level_scene::gauge_fade_ticks);
    EXPECT_EQ(level->rewind_gauge().shown, 1);
    ticks(level_scene::gauge_fade_ticks);
    EXPECT_EQ(level->rewind_gauge().shown, 0);
    gl.draws.clear();
    level->top_hud->items.back()->updateGL();
    EXPECT_EQ(gl.draws.size(), 1u);
}

TEST_F(rewind_moves, AWindowThatLosesTheKeyboardStopsAHeldRewind)
{
    // Three walks apart: a hold that went on would take all of them back.
    for (int walk = 0; walk < 3; ++walk) {
        hold(Qt::Key_Right, 6);
        ticks(30);
    }
    const long long before_last_walk = world_ticks() - 36;
    key(Qt::Key_Z);
    QFocusEvent lost(QEvent::FocusOut);
    QCoreApplication::sendEvent(level.get(), &lost);
    ticks(level_scene::rewind_delay + 3 * level_scene::rewind_period);
    EXPECT_GE(world_ticks(), before_last_walk) << "one walk back, no more";
}

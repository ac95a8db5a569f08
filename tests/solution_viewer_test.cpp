// Watching a shipped level's recorded solution: played in the level exactly
// as the simulator plays it, read-only, recording no pass, and offered to a
// player who keeps failing.

#include "bomb.h"
#include "campaign_files.h"
#include "cfg.h"
#include "cloud.h"
#include "game_controls.h"
#include "headless_screen.h"
#include "in_game_menu.h"
#include "level_scene.h"
#include "menu_rows.h"
#include "progress_manager.h"
#include "replay.h"
#include "stockchar.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace
{

// The shipped level, its title card gone.
std::unique_ptr<level_scene> shipped(const std::string& name, progress_manager* progress = nullptr)
{
    game_controls::install();
    testing::internal::CaptureStdout();
    auto level = std::make_unique<level_scene>(name, progress);
    testing::internal::GetCapturedStdout();
    level->end_title_card();
    return level;
}

igm_action* watch_row(const in_game_menu* menu)
{
    for (myglitem* item : menu->items)
        if (auto* row = dynamic_cast<igm_action*>(item); row && row->text == "WATCH[SOLUTION")
            return row;
    return nullptr;
}

void press_row(level_scene& level, const igm_row* row)
{
    const float* q = row->vertices;
    level.press_at(static_cast<int>((q[0] + q[6]) / 2), static_cast<int>((q[1] + q[7]) / 2));
}

// The world as the simulator's trace prints it after a tick.
std::string world_at(game_scene& s, long long t)
{
    std::ostringstream out;
    out << t << " focus " << s.focused << '\n';
    for (size_t i = 0; i < s.characters.size(); ++i) {
        const stockchar* c = s.characters[i];
        out << t << " char " << i << ' ' << c->x << ' ' << c->y << ' ' << c->vx << ' ' << c->vy
            << '\n';
    }
    for (int c = 0; c < 4; ++c) {
        size_t j = 0;
        for (const stockblock* b : s.clouds[c])
            out << t << " cloud " << c << ' ' << j++ << ' ' << b->x << ' ' << b->y << ' ' << b->vx
                << ' ' << b->vy << ' ' << static_cast<int>(static_cast<const cloud*>(b)->dir)
                << '\n';
    }
    for (int c = 0; c < 4; ++c) {
        size_t j = 0;
        for (const stockblock* b : s.fallings[c])
            out << t << " falling " << c << ' ' << j++ << ' ' << b->x << ' ' << b->y << ' ' << b->vx
                << ' ' << b->vy << '\n';
    }
    size_t j = 0;
    for (const stockblock* b : s.bombs)
        out << t << " bomb " << j++ << ' ' << b->x << ' ' << b->y << ' '
            << static_cast<const bomb*>(b)->fuse << '\n';
    return out.str();
}

// The simulator's world lines for its ticks 1 to `last`: no placements.
std::string trace_worlds(const std::string& trace, long long last)
{
    std::istringstream in(trace);
    std::string out;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        long long t = 0;
        std::string what;
        words >> t >> what;
        const bool world = what == "focus" || what == "char" || what == "cloud" ||
                           what == "falling" || what == "bomb";
        if (world && t >= 1 && t <= last)
            out += line + '\n';
    }
    return out;
}

// Where the characters stand.
std::string places(const game_scene& s)
{
    std::ostringstream out;
    for (const stockchar* c : s.characters)
        out << c->x << ' ' << c->y << '\n';
    return out.str();
}

} // namespace

TEST(SolutionViewer, WatchingPlaysTheSimulatorsWorldAndRecordsNoPass)
{
    headless_screen screen;
    QTemporaryDir dir;
    const std::string passed = dir.filePath("passed").toStdString();
    progress_manager progress(CF_STAGE_DIR "maps/menu/menus.list",
                              CF_STAGE_DIR "maps/levels/levels.list", passed,
                              CF_STAGE_DIR "maps/menu/");
    for (const std::string& name : campaign_files::level_names()) {
        SCOPED_TRACE("level " + name);
        std::ifstream file(cfg::solutions_directory + name + cfg::solution_suffix);
        const replay_script script = parse_replay_script(file);
        ASSERT_TRUE(script.ok()) << script.error;
        std::ostringstream sim;
        const replay_result expected =
            run_replay(cfg::levels_directory + name + cfg::level_suffix, script, 3000, sim);
        ASSERT_EQ(expected.outcome, replay_outcome::passed);

        auto level = shipped(name, &progress);
        const std::string at_start = places(*level);
        level->open_pause_menu();
        ASSERT_NE(level->menu, nullptr);
        const igm_action* row = watch_row(level->menu);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(level->menu->items.back(), row); // below the menu's own rows
        press_row(*level, row);
        ASSERT_TRUE(level->watching());
        EXPECT_TRUE(level->solution_watched);

        std::string watched;
        long long t = 0;
        for (int guard = 0; level->watching() && guard < 4000; ++guard) {
            const bool runs = level->running && !level->menu;
            level->tick();
            if (runs && level->watching())
                watched += world_at(*level, ++t);
        }
        // It ended on the tick the simulator passed the level, every tick
        // before it the simulator's own.
        EXPECT_FALSE(level->watching());
        EXPECT_EQ(t + 1, expected.ticks);
        EXPECT_EQ(watched, trace_worlds(sim.str(), t));
        // No pass, no passed menu: the level waits at its start for the player.
        EXPECT_EQ(level->menu, nullptr);
        EXPECT_EQ(progress.passed_count, 0u);
        EXPECT_EQ(places(*level), at_start);
        EXPECT_TRUE(level->solution_watched);
    }
    EXPECT_EQ(campaign_files::read_file(passed), "");
}

TEST(SolutionViewer, APressOfAnyKindStopsWatchingAndRestartsTheLevel)
{
    headless_screen screen;
    const struct {
        const char* what;
        std::function<void(level_scene&)> input;
        bool stops;
    } cases[] = {
        {"key",
         [](level_scene& s) { s.intent_event(input::key_meaning(Qt::Key_Left), true, false); },
         true},
        {"pad button",
         [](level_scene& s) {
             s.intent_event(input::pad_meaning(input::pad_button::south), true, false);
         },
         true},
        {"pause key",
         [](level_scene& s) { s.intent_event(input::key_meaning(Qt::Key_Escape), true, false); },
         true},
        {"press",
         [](level_scene& s) {
             send_mouse(&s, QEvent::GraphicsSceneMousePress,
                        QPointF(s.view_left + 400, s.view_top + 300));
         },
         true},
        // The key that chose the watch is let go, or repeats, while it plays.
        {"release",
         [](level_scene& s) { s.intent_event(input::key_meaning(Qt::Key_Return), false, false); },
         false},
        {"repeat",
         [](level_scene& s) { s.intent_event(input::key_meaning(Qt::Key_Return), true, true); },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto level = shipped("1");
        const std::string at_start = places(*level);
        level->watch_solution();
        for (int t = 0; t < 90; ++t)
            level->tick();
        ASSERT_TRUE(level->watching());
        ASSERT_NE(places(*level), at_start);
        c.input(*level);
        level->tick();
        EXPECT_EQ(level->watching(), !c.stops);
        EXPECT_EQ(level->menu, nullptr);
        if (!c.stops)
            continue;
        EXPECT_EQ(places(*level), at_start);
        EXPECT_TRUE(level->solution_watched);
        // The input was spent stopping: nobody walks by himself.
        for (int t = 0; t < 30; ++t)
            level->tick();
        EXPECT_EQ(places(*level), at_start);
    }
}

TEST(SolutionViewer, FailedMenuOffersTheSolutionFromTheThirdUnpassedAttempt)
{
    headless_screen screen;
    auto level = shipped("1");
    level_scene& s = *level;
    auto fail = [&] {
        s.failed_request = true;
        s.tick();
        EXPECT_NE(s.menu, nullptr);
    };
    auto pause = [&] {
        s.open_pause_menu();
        EXPECT_NE(s.menu, nullptr);
    };
    auto restart_from_menu = [&] {
        for (myglitem* item : s.menu->items)
            if (auto* row = dynamic_cast<igm_restart*>(item))
                press_row(s, row);
        s.tick();
        EXPECT_EQ(s.menu, nullptr);
    };
    // The pause menu has the row at once; the failed menu from the third.
    pause();
    EXPECT_NE(watch_row(s.menu), nullptr);
    restart_from_menu(); // 1: a restart
    fail();              // 2: a failure
    EXPECT_EQ(watch_row(s.menu), nullptr);
    restart_from_menu(); // the same attempt as the failure
    fail();              // 3
    ASSERT_NE(watch_row(s.menu), nullptr);
    EXPECT_EQ(s.unsuccessful_attempts, 3u);
    // Where keys and pads start, above the note on how the level was lost.
    EXPECT_EQ(s.menu->highlighted(), watch_row(s.menu));
    s.intent_event(input::key_meaning(Qt::Key_Return), true, false);
    EXPECT_TRUE(s.watching());
    s.tick();
    EXPECT_EQ(s.menu, nullptr);

    // A level of the player's own has no solution to show.
    QTemporaryDir dir;
    const std::string path = dir.filePath("1.level").toStdString();
    std::ofstream(path) << campaign_files::read_file(campaign_files::levels_dir + "1.level");
    testing::internal::CaptureStdout();
    level_scene own("1", path, nullptr);
    testing::internal::GetCapturedStdout();
    own.end_title_card();
    EXPECT_FALSE(own.has_solution());
    for (int attempt = 0; attempt < 4; ++attempt) {
        own.failed_request = true;
        own.tick();
        ASSERT_NE(own.menu, nullptr);
        EXPECT_EQ(watch_row(own.menu), nullptr);
        own.restart();
        own.tick();
    }
    own.open_pause_menu();
    EXPECT_EQ(watch_row(own.menu), nullptr);
    own.watch_solution();
    EXPECT_FALSE(own.watching());
}

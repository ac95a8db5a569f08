// Watching a shipped level's recorded solution: played in the level exactly
// as the simulator plays it, read-only, recording no pass, and offered to a
// player who keeps failing.

#include "campaign_files.h"
#include "cfg.h"
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

// The simulator's world lines for its ticks 1 to `last`: no placements.
std::string trace_worlds(const std::string& trace, long long last)
{
    std::istringstream in(trace);
    std::string out;
    for (std::string line; std::getline(in, line);) {
        long long t = 0;
        std::string what;
        std::istringstream(line) >> t >> what;
        if (t >= 1 && t <= last && what != "place")
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

        std::ostringstream watched;
        long long t = 0;
        for (int guard = 0; level->watching() && guard < 4000; ++guard) {
            const bool runs = level->running && !level->menu;
            level->tick();
            if (runs && level->watching())
                print_world(*level, ++t, watched);
        }
        // It ended on the tick the simulator passed the level, every tick
        // before it the simulator's own.
        EXPECT_FALSE(level->watching());
        EXPECT_EQ(t + 1, expected.ticks);
        EXPECT_EQ(watched.str(), trace_worlds(sim.str(), t));
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
        input::meaning in; // none: a press of the pointer
        bool pressed, repeat, stops;
    } cases[] = {
        {"key", input::key_meaning(Qt::Key_Left), true, false, true},
        {"pause key", input::key_meaning(Qt::Key_Escape), true, false, true},
        {"pad button", input::pad_meaning(input::pad_button::south), true, false, true},
        {"pointer", {}, true, false, true},
        // The key that chose the watch is let go, or repeats, while it plays.
        {"release", input::key_meaning(Qt::Key_Return), false, false, false},
        {"repeat", input::key_meaning(Qt::Key_Return), true, true, false},
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
        if (c.in == input::meaning{})
            send_mouse(level.get(), QEvent::GraphicsSceneMousePress,
                       QPointF(level->view_left + 400, level->view_top + 300));
        else
            level->intent_event(c.in, c.pressed, c.repeat);
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
    auto restart_from_menu = [&] {
        for (myglitem* item : s.menu->items)
            if (auto* row = dynamic_cast<igm_restart*>(item))
                press_row(s, row);
        s.tick();
        EXPECT_EQ(s.menu, nullptr);
    };
    // The pause menu has the row at once; the failed menu from the third.
    s.open_pause_menu();
    ASSERT_NE(watch_row(s.menu), nullptr);
    restart_from_menu(); // 1: a restart
    fail();              // 2: a failure
    EXPECT_EQ(watch_row(s.menu), nullptr);
    restart_from_menu(); // the same attempt as the failure
    fail();              // 3
    ASSERT_NE(watch_row(s.menu), nullptr);
    EXPECT_EQ(s.unsuccessful_attempts, 3u);
    // Where keys and pads start.
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

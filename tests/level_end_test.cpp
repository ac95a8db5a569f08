// After a level: the passed menu's way on to the next level and its account
// of the attempt, and the failed menu's cause and the spot it keeps in sight.

#include "cfg.h"
#include "game_controls.h"
#include "headless_screen.h"
#include "in_game_menu.h"
#include "level_format.h"
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

constexpr long long M = cfg::multiplier;

void write(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// A level scene read from text, quietly.
struct small_level {
    small_level(const std::string& name, const std::string& text,
                progress_manager* progress = nullptr)
    {
        game_controls::install();
        write(dir.filePath("l.level").toStdString(), text);
        testing::internal::CaptureStdout();
        level =
            std::make_unique<level_scene>(name, dir.filePath("l.level").toStdString(), progress);
        testing::internal::GetCapturedStdout();
        level->end_title_card();
    }
    QTemporaryDir dir;
    std::unique_ptr<level_scene> level;
};

template <class row_kind> std::vector<row_kind*> rows_of_kind(const in_game_menu* menu)
{
    std::vector<row_kind*> found;
    for (myglitem* item : menu->items)
        if (auto* row = dynamic_cast<row_kind*>(item))
            found.push_back(row);
    return found;
}

std::string last_note(const in_game_menu* menu)
{
    const auto notes = rows_of_kind<igm_note>(menu);
    return notes.empty() ? "" : notes.back()->text;
}

std::string first_note(const in_game_menu* menu)
{
    const auto notes = rows_of_kind<igm_note>(menu);
    return notes.empty() ? "" : notes.front()->text;
}

} // namespace

TEST(LevelEnd, NextLevelRowEntersTheNextUnpassedLevelOnAnUnlockedPage)
{
    headless_screen screen;
    // Doors a, b, c on page 0; d on page 2, open from two passes on.
    const struct {
        const char* passed_before;
        const char* playing;
        const char* next; // "" for no row
        const char* note; // under the entries: how the level went, or that all are done
    } cases[] = {
        {"", "a", "b", "TIME"},
        {"b\n", "a", "c", "TIME"},
        {"a\nc\n", "b", "d", "TIME"},
        {"", "c", "a", "TIME"}, // d's page is still shut: round to the start
        {"a\nb\nc\n", "d", "", "EVERY LEVEL PASSED"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("playing ") + c.playing + " after " + c.passed_before);
        QTemporaryDir files;
        const std::string d = files.path().toStdString() + "/";
        write(d + "menus.list", "0\n2\n");
        write(d + "levels.list", "a\nb\nc\nd\n");
        write(d + "passed", c.passed_before);
        write(d + "0.menu", "mapsize 9 3\nlevel_entrance 1 1 a\nlevel_entrance 3 1 b\n"
                            "level_entrance 5 1 c\n");
        write(d + "2.menu", "level_entrance 7 1 d\n");
        progress_manager progress(d + "menus.list", d + "levels.list", d + "passed", d);
        small_level shown(
            c.playing,
            "mapsize 3 3\nmkframe\nchar 1 1.3 white null null 0 null null 0 null null 0\n",
            &progress);
        std::string entered;
        shown.level->enter_next = [&](const std::string& name) { entered = name; };

        shown.level->passed_request = true;
        shown.level->tick();
        in_game_menu* menu = shown.level->menu;
        ASSERT_NE(menu, nullptr);
        const auto actions = rows_of_kind<igm_action>(menu);
        EXPECT_EQ(first_note(menu).rfind(c.note, 0), 0u) << first_note(menu);
        EXPECT_EQ(last_note(menu).rfind("TIME ", 0), 0u) << last_note(menu);
        if (!*c.next) {
            EXPECT_TRUE(actions.empty());
            continue;
        }
        ASSERT_EQ(actions.size(), 1u);
        EXPECT_EQ(actions[0]->text, "NEXT[LEVEL");
        // Below the rows the menu always had, and where keys start.
        EXPECT_EQ(menu->items.back(), rows_of_kind<igm_note>(menu).back());
        EXPECT_EQ(menu->highlighted(), actions[0]);
        const float* q = actions[0]->vertices;
        shown.level->press_at(static_cast<int>((q[0] + q[6]) / 2),
                              static_cast<int>((q[1] + q[7]) / 2));
        EXPECT_EQ(entered, c.next);
        EXPECT_TRUE(shown.level->leave_request);
    }
    // Entered from no map (the editor's try), there is no next level to go to.
    progress_manager none("/nonexistent/m", "/nonexistent/l", "/nonexistent/p", "/nonexistent/");
    small_level alone(
        "a", "mapsize 3 3\nmkframe\nchar 1 1.3 white null null 0 null null 0 null null 0\n", &none);
    alone.level->passed_request = true;
    alone.level->tick();
    ASSERT_NE(alone.level->menu, nullptr);
    EXPECT_TRUE(rows_of_kind<igm_action>(alone.level->menu).empty());
}

TEST(LevelEnd, PassedMenuTellsTheAttemptsTimeTicksAndBlocksDrawn)
{
    headless_screen screen;
    // Walk right into the exit; two blocks drawn on the way, one of them
    // rewound.
    small_level shown("t", "mapsize 12 5\nmkframe\nexit 9 2 white\n"
                           "char 1 3.3 white white stockblock 3 null null 0 null null 0\n");
    level_scene& s = *shown.level;
    std::ostringstream trace;
    apply_replay_event(s, replay_event::placement(0, 0, 2, 1, 0), trace);
    for (int t = 0; t < 70; ++t)
        s.tick();
    apply_replay_event(s, replay_event::placement(0, 0, 3, 1, 0), trace);
    for (int t = 0; t < 5; ++t)
        s.tick();
    ASSERT_EQ(s.history.placement_count(), 2u);
    s.rewind(); // takes the second block back
    long long ticks = s.history.world_ticks();
    ASSERT_EQ(ticks, 70); // back to the moment before the second block
    s.intent_event(input::key_meaning(Qt::Key_Right), true, false);
    while (s.characters[0]->x < 9 * M && ticks < 1000) {
        s.tick();
        ++ticks;
    }
    s.intent_event(input::key_meaning(Qt::Key_Space), true, false);
    s.tick();
    ++ticks;
    ASSERT_TRUE(s.handled_passed);
    ASSERT_NE(s.menu, nullptr);
    const long long seconds = ticks / 30;
    std::ostringstream expected;
    expected << "TIME " << seconds / 60 << ':' << (seconds % 60 < 10 ? "0" : "") << seconds % 60
             << "  TICKS " << ticks << "  BLOCKS 1";
    EXPECT_EQ(last_note(s.menu), expected.str());
}

TEST(LevelEnd, FailedMenuNamesTheCauseAndKeepsItsSpotInSight)
{
    headless_screen screen;
    const long long bomb = level_format::size_of_type(cfg::bomb);
    const struct {
        const char* what;
        const char* level;
        const char* words;
        long long spot_x, spot_y; // world units, the spot's middle
    } cases[] = {
        {"spikes",
         "mapsize 6 6\nstockblock 2 3 white\nspikes 2 2 red\nchar 2 1 red null null 0 null null 0 "
         "null null 0\n",
         "CAUGHT BY SPIKES", 2 * M + M / 2, 2 * M + M / 2},
        {"blast",
         "mapsize 8 6\nmkframe\nchar 3 3.3 white white destroyer 1 null null 0 null null 0\n",
         "CAUGHT IN A BLAST", 3 * M + bomb / 2, 4 * M + bomb / 2},
        {"fall",
         "mapsize 5 3\nstockblock 0 2 white\nchar 2 0 white null null 0 null null 0 null null 0\n",
         "FELL OUT OF THE WORLD", 2 * M + 7 * M / 20, 3 * M - M / 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        small_level shown("f", c.level);
        level_scene& s = *shown.level;
        if (std::string(c.what) == "blast") {
            std::ostringstream trace;
            apply_replay_event(s, replay_event::placement(0, 0, 3, 4, 0), trace);
        }
        for (int t = 0; t < 120 && !s.handled_failed; ++t)
            s.tick();
        ASSERT_TRUE(s.handled_failed);
        ASSERT_NE(s.menu, nullptr);
        EXPECT_EQ(last_note(s.menu), c.words);
        EXPECT_EQ(s.failures.spot_x, c.spot_x);
        EXPECT_EQ(s.failures.spot_y, c.spot_y);
        // The view sits at the world's origin here: the spot's window is
        // where the spot is, three blocks across, and the dimming spares it.
        const QRectF window = s.menu->spot_window();
        EXPECT_TRUE(window.contains(QPointF(c.spot_x * s.px_per_unit, c.spot_y * s.px_per_unit)));
        // A rewind goes back to before the loss, and forgets it.
        s.rewind();
        EXPECT_EQ(s.failures.what, failure_watch::cause::none);
    }
}

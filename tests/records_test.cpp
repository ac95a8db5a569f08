// The records of how each level went: written as attempts begin and levels
// are passed, the best kept, NEW BEST on the passed menu, a damaged or
// unwritable records file costing records and never progress, and the par
// medal on the map's doors.

#include "cfg.h"
#include "game_controls.h"
#include "gl_recorder.h"
#include "headless_screen.h"
#include "in_game_menu.h"
#include "level_entrance.h"
#include "level_scene.h"
#include "map_select_scene.h"
#include "menu_rows.h"
#include "progress_manager.h"
#include "replay.h"
#include "spriteman.h"
#include "stockchar.h"

#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace
{

void write(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A player's home and one listed level "t": walk right into the exit.
struct player {
    QTemporaryDir dir;
    std::string d = dir.path().toStdString() + "/", home = d + "home/.crumbleford/";
    std::unique_ptr<progress_manager> progress;
    player()
    {
        game_controls::install();
        QDir().mkpath(QString::fromStdString(home));
        write(d + "menus.list", "0\n");
        write(d + "levels.list", "t\n");
        write(d + "t.level", "mapsize 12 5\nmkframe\nexit 9 2 white\n"
                             "char 1 3.3 white white stockblock 3 null null 0 null null 0\n");
    }
    progress_manager& start()
    {
        progress = std::make_unique<progress_manager>(d + "menus.list", d + "levels.list",
                                                      home + "passed_levels", d);
        return *progress;
    }
    std::unique_ptr<level_scene> enter()
    {
        testing::internal::CaptureStdout();
        auto level = std::make_unique<level_scene>("t", d + "t.level", progress.get());
        testing::internal::GetCapturedStdout();
        level->end_title_card();
        return level;
    }
    std::string records_line() const
    {
        const std::string text = read(home + "records");
        const auto at = text.find("\nt ");
        return at == std::string::npos ? "" : text.substr(at + 1, text.find('\n', at + 1) - at - 1);
    }
};

// Waits, draws blocks out of the way (and one more taken back by a rewind),
// walks into the exit and returns the ticks the pass took.
long long play_to_exit(level_scene& s, int wait, int blocks, bool rewind_one)
{
    std::ostringstream trace;
    for (int t = 0; t < wait; ++t)
        s.tick();
    for (int b = 0; b < blocks + rewind_one; ++b) {
        apply_replay_event(s, replay_event::placement(0, 0, 2 + b, 1, 0), trace);
        s.tick();
    }
    if (rewind_one)
        s.rewind();
    s.intent_event(input::key_meaning(Qt::Key_Right), true, false);
    for (int t = 0; t < 1000 && s.characters[0]->x < 9 * cfg::multiplier; ++t)
        s.tick();
    s.intent_event(input::key_meaning(Qt::Key_Space), true, false);
    s.tick();
    EXPECT_TRUE(s.handled_passed);
    return s.history.world_ticks();
}

// The passed menu's last row: its note.
std::string last_note(const in_game_menu* menu)
{
    auto* note = dynamic_cast<igm_note*>(menu->items.back());
    return note ? note->text : "";
}

} // namespace

TEST(Records, PassesAreRecordedWithAttemptsTheBestAndHowTheyWereMade)
{
    headless_screen screen;
    player p;
    progress_manager& progress = p.start();

    // Entered, restarted, passed with two blocks and no rewind.
    auto first = p.enter();
    first->tick();
    EXPECT_EQ(p.records_line(), "t 1 0 - - 0 0 0") << "an attempt is saved as it begins";
    first->restart();
    const long long best = play_to_exit(*first, 0, 2, false);
    EXPECT_EQ(p.records_line(), "t 2 1 " + std::to_string(best) + " 2 1 1 0");
    ASSERT_NE(first->menu, nullptr);
    EXPECT_EQ(last_note(first->menu).rfind("TIME ", 0), 0u) << "a first pass beats nothing";
    first.reset();

    // Slower, with fewer blocks, one rewound, after watching the solution.
    auto second = p.enter();
    second->solution_watched = true;
    ASSERT_GT(play_to_exit(*second, 40, 1, true), best);
    EXPECT_EQ(p.records_line(), "t 3 1 " + std::to_string(best) + " 1 1 1 1");
    ASSERT_NE(second->menu, nullptr);
    EXPECT_EQ(last_note(second->menu), "NEW BEST BLOCKS");
    EXPECT_EQ(read(p.home + "passed_levels"), "t\n") << "progress is appended as it was";
    second.reset();
    const records_entry kept = progress.record_of("t");
    EXPECT_TRUE(p.start().record_of("t") == kept) << "read back at the next start";
}

TEST(Records, EachPassKeepsTheBestAndTellsWhichRecordFell)
{
    QTemporaryDir dir;
    records_store store(dir.filePath("records").toStdString());
    const struct {
        long long ticks, placements;
        bool time_fell, placements_fell;
        long long best_ticks, fewest;
    } passes[] = {
        {900, 3, false, false, 900, 3}, // the first pass beats nothing
        {950, 3, false, false, 900, 3}, // slower and as many: a tie is no best
        {900, 2, false, true, 900, 2},  {600, 4, true, false, 600, 2}, {500, 1, true, true, 500, 1},
    };
    for (const auto& c : passes) {
        SCOPED_TRACE(std::to_string(c.ticks) + " ticks, " + std::to_string(c.placements));
        const new_bests fell = store.record_pass("14", {c.ticks, c.placements, false, false});
        EXPECT_EQ(fell.time, c.time_fell);
        EXPECT_EQ(fell.placements, c.placements_fell);
        EXPECT_EQ(store.of("14").best_ticks, c.best_ticks);
        EXPECT_EQ(store.of("14").fewest_placements, c.fewest);
    }
    EXPECT_EQ(level_scene::new_best_words({true, true}), "NEW BEST TIME AND BLOCKS");
}

TEST(Records, DamagedLinesAreLeftOutAndALaterVersionsFileIsKept)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("records").toStdString();
    write(path, read(CF_TESTS_DIR "/fixtures/records/damaged"));
    testing::internal::CaptureStderr();
    records_store store(path);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Crumbleford: the records " + path + " have 9 damaged line(s): left out\n");
    EXPECT_EQ(store.of("1").attempts, 3u) << "the second line for 1 is the damaged one";
    EXPECT_EQ(store.of("2").attempts, 7u);
    EXPECT_EQ(store.of("14").fewest_placements, 3);
    for (const char* damaged : {"3", "4", "5", "6", "7", "8", "9"})
        EXPECT_TRUE(store.of(damaged) == records_entry{}) << damaged;
    store.count_attempt("2"); // the good lines are written back, only they
    const auto saved = records_store::read_text(read(path));
    EXPECT_EQ(saved.damaged_lines, 0);
    EXPECT_EQ(saved.levels.size(), 3u);

    const std::string later = "crumbleford records 2\n1 2 1 30 1 1 1 0 new\n";
    write(path, later);
    testing::internal::CaptureStderr();
    records_store newer(path);
    newer.record_pass("1", {10, 0, false, false});
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(read(path), later);
}

TEST(Records, AFailedWriteCostsRecordsButNotProgressOrPlay)
{
    headless_screen screen;
    player p;
    QDir().mkpath(QString::fromStdString(p.home + "records")); // in the file's way
    testing::internal::CaptureStderr();
    progress_manager& progress = p.start();
    auto level = p.enter();
    level->tick();
    level->restart();
    play_to_exit(*level, 0, 0, false);
    const std::string said = testing::internal::GetCapturedStderr();
    const auto saving = said.find("cannot save the records");
    EXPECT_NE(saving, std::string::npos) << said;
    EXPECT_EQ(said.find("cannot save", saving + 1), std::string::npos) << "said once";
    EXPECT_EQ(read(p.home + "passed_levels"), "t\n");
    EXPECT_EQ(progress.record_of("t").attempts, 2u) << "kept for this run";
    ASSERT_NE(level->menu, nullptr);
    level->tick(); // and the game goes on
}

TEST(Records, ParMedalOnlyOnDoorsPassedAtOrUnderPar)
{
    headless_screen screen;
    game_controls::install();
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString() + "/";
    const struct {
        const char* name;
        const char* header; // of the level file
        bool passed;        // in the progress file
        const char* record; // its records line
        bool medal;
    } doors[] = {
        {"a", "# par: 2", true, "a 1 1 300 2 1 1 0", true},    // at par
        {"b", "# par: 2", true, "b 1 1 300 1 1 1 0", true},    // under
        {"c", "# par: 2", true, "c 1 1 300 3 1 1 0", false},   // over
        {"e", "# title: E", true, "e 1 1 300 0 1 1 0", false}, // no par
        {"f", "# par: 2", false, "f 1 1 300 0 1 1 0", false},  // progress says not passed
        {"g", "# par: 2", true, "", false},                    // records lost
    };
    std::string list, passed, records = "crumbleford records 1\n", page = "mapsize 22 3\n";
    for (const auto& c : doors) {
        write(d + c.name + ".level", std::string(c.header) + "\nmapsize 3 3\nmkframe\n");
        list += std::string(c.name) + "\n";
        passed += c.passed ? std::string(c.name) + "\n" : "";
        records += std::string(c.record) + "\n";
        page += "level_entrance " + std::to_string(3 * (&c - doors) + 1) + " 1 " + c.name + "\n";
    }
    write(d + "menus.list", "0\n");
    write(d + "levels.list", list);
    write(d + "passed_levels", passed);
    write(d + "records", records);
    write(d + "0.menu", page);
    progress_manager progress(d + "menus.list", d + "levels.list", d + "passed_levels", d);
    progress.levels_directory = d;
    testing::internal::CaptureStdout();
    map_select_scene map(&progress);
    testing::internal::GetCapturedStdout();

    ASSERT_EQ(map.entrances.size(), std::size(doors));
    auto door = map.entrances.begin();
    for (const auto& c : doors) {
        auto* entrance = static_cast<level_entrance*>(*door++);
        ASSERT_EQ(entrance->level_name, c.name);
        gl_recorder gl;
        entrance->updateGL();
        ASSERT_FALSE(gl.draws.empty());
        EXPECT_TRUE(
            gl.draws[0].uses(c.passed ? spriteman::tex_door_in_p : spriteman::tex_door_in_np));
        EXPECT_EQ(gl.draws.back().uses(spriteman::tex_par_mark), c.medal) << c.name;
    }
}

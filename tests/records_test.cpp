// The records of how each level went: written when a level is entered,
// restarted and passed, the best kept, NEW BEST on the passed menu, a
// damaged or unwritable records file costing records and never progress,
// and the par medal on the map's doors.

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
#include "records_store.h"
#include "replay.h"
#include "spriteman.h"
#include "stockchar.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace
{

constexpr long long M = cfg::multiplier;

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

std::vector<std::string> notes(const in_game_menu* menu)
{
    std::vector<std::string> found;
    for (myglitem* item : menu->items)
        if (auto* row = dynamic_cast<igm_note*>(item))
            found.push_back(row->text);
    return found;
}

// One listed level "t": walk right into the exit. A player's home beside it.
struct player {
    QTemporaryDir dir;
    std::string d = dir.path().toStdString() + "/";
    std::string home = d + "home/.crumbleford/";
    std::string level_file = d + "t.level";
    player()
    {
        game_controls::install();
        QDir().mkpath(QString::fromStdString(home));
        write(d + "menus.list", "0\n");
        write(d + "levels.list", "t\n");
        write(d + "0.menu", "mapsize 4 3\nlevel_entrance 1 1 t\n");
        write(level_file, "mapsize 12 5\nmkframe\nexit 9 2 white\n"
                          "char 1 3.3 white white stockblock 3 null null 0 null null 0\n");
    }
    std::unique_ptr<level_scene> enter(progress_manager& progress)
    {
        testing::internal::CaptureStdout();
        auto level = std::make_unique<level_scene>("t", level_file, &progress);
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

// Waits, draws `blocks` blocks out of the way, and walks into the exit;
// returns the ticks the pass took.
long long play_to_exit(level_scene& s, int wait, int blocks, bool rewind_one)
{
    std::ostringstream trace;
    for (int t = 0; t < wait; ++t)
        s.tick();
    for (int b = 0; b < blocks + (rewind_one ? 1 : 0); ++b) {
        apply_replay_event(s, replay_event::placement(0, 0, 2 + b, 1, 0), trace);
        s.tick();
    }
    if (rewind_one)
        s.rewind();
    s.intent_event(input::key_meaning(Qt::Key_Right), true, false);
    for (int t = 0; t < 1000 && s.characters[0]->x < 9 * M; ++t)
        s.tick();
    s.intent_event(input::key_meaning(Qt::Key_Space), true, false);
    s.tick();
    EXPECT_TRUE(s.handled_passed);
    return s.history.world_ticks();
}

} // namespace

TEST(Records, PassesAreRecordedWithAttemptsTheBestAndHowTheyWereMade)
{
    headless_screen screen;
    player p;
    progress_manager progress(p.d + "menus.list", p.d + "levels.list", p.home + "passed_levels",
                              p.d);

    // Entered, restarted, passed with two blocks and no rewind.
    auto first = p.enter(progress);
    EXPECT_EQ(progress.record_of("t").attempts, 1u);
    EXPECT_EQ(p.records_line(), "t 1 0 - - 0 0 0") << "an attempt is saved as it starts";
    first->restart();
    const long long first_ticks = play_to_exit(*first, 0, 2, false);
    EXPECT_EQ(read(p.home + "passed_levels"), "t\n");
    EXPECT_EQ(p.records_line(), "t 2 1 " + std::to_string(first_ticks) + " 2 1 1 0");
    ASSERT_NE(first->menu, nullptr);
    EXPECT_EQ(notes(first->menu).back().rfind("TIME ", 0), 0u) << "a first pass beats nothing";
    first.reset();

    // Slower, with fewer blocks, one rewound, after watching the solution.
    auto second = p.enter(progress);
    second->solution_watched = true;
    const long long second_ticks = play_to_exit(*second, 40, 1, true);
    ASSERT_GT(second_ticks, first_ticks);
    EXPECT_EQ(p.records_line(), "t 3 1 " + std::to_string(first_ticks) + " 1 1 1 1");
    ASSERT_NE(second->menu, nullptr);
    EXPECT_EQ(notes(second->menu).back(), "NEW BEST BLOCKS");
    EXPECT_EQ(read(p.home + "passed_levels"), "t\n") << "progress is appended once";
    second.reset();

    // A new start of the game reads them back.
    progress_manager again(p.d + "menus.list", p.d + "levels.list", p.home + "passed_levels", p.d);
    const records_entry r = again.record_of("t");
    EXPECT_EQ(r.attempts, 3u);
    EXPECT_EQ(r.best_ticks, first_ticks);
    EXPECT_EQ(r.fewest_placements, 1);
    EXPECT_TRUE(r.without_rewind && r.unaided && r.after_watching);
}

TEST(Records, EachPassKeepsTheBestAndTellsWhichRecordFell)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("records").toStdString();
    records_store store(path);
    const struct {
        long long ticks, placements;
        bool time_fell, placements_fell;
        long long best_ticks, fewest;
    } passes[] = {
        {900, 3, false, false, 900, 3}, // the first pass beats nothing
        {950, 3, false, false, 900, 3}, // slower and as many: nothing
        {900, 2, false, true, 900, 2},  // as fast, fewer
        {600, 4, true, false, 600, 2},  // faster, more
        {500, 1, true, true, 500, 1},
    };
    for (const auto& c : passes) {
        SCOPED_TRACE(std::to_string(c.ticks) + " ticks, " + std::to_string(c.placements));
        level_pass pass;
        pass.ticks = c.ticks;
        pass.placements = c.placements;
        const new_bests fell = store.record_pass("14", pass);
        EXPECT_EQ(fell.time, c.time_fell);
        EXPECT_EQ(fell.placements, c.placements_fell);
        EXPECT_EQ(store.of("14").best_ticks, c.best_ticks);
        EXPECT_EQ(store.of("14").fewest_placements, c.fewest);
        EXPECT_TRUE(records_store(path).of("14") == store.of("14")) << "saved as it changed";
    }
    EXPECT_EQ(store.of("14").attempts, 1u) << "a pass with no attempt counted is one";
}

TEST(Records, DamagedLinesAreLeftOutAndTheRestStillCounts)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("records").toStdString();
    write(path, read(CF_TESTS_DIR "/fixtures/records/damaged"));
    testing::internal::CaptureStderr();
    records_store store(path);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "Crumbleford: the records " + path + " have 9 damaged line(s): left out\n");
    EXPECT_EQ(store.of("1").best_ticks, 412);
    EXPECT_EQ(store.of("1").attempts, 3u) << "the later line for 1 is the damaged one";
    EXPECT_EQ(store.of("2").attempts, 7u);
    EXPECT_FALSE(store.of("2").passed);
    EXPECT_EQ(store.of("14").fewest_placements, 3);
    EXPECT_TRUE(store.of("14").after_watching);
    for (const char* damaged : {"3", "4", "5", "6", "7", "8", "9"})
        EXPECT_TRUE(store.of(damaged) == records_entry{}) << damaged;

    // The next save writes the good lines back, and only those.
    store.count_attempt("2");
    const auto saved = records_store::read_text(read(path));
    EXPECT_EQ(saved.damaged_lines, 0);
    EXPECT_EQ(saved.levels.size(), 3u);
    EXPECT_EQ(saved.levels.at("2").attempts, 8u);

    // Junk without a header, a later version's file, and a directory: never a
    // crash; the later version's file is left as it is.
    const struct {
        const char* name;
        std::string text;
        std::size_t levels;
    } files[] = {
        {"no header", "junk\n1 2 1 30 1 1 1 0\n", 1},
        {"binary", std::string("\x00\xff\n\x7f", 4), 0},
        {"later", "crumbleford records 2\n1 2 1 30 1 1 1 0 new\n", 0},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        write(path, f.text);
        testing::internal::CaptureStderr();
        records_store other(path);
        other.count_attempt("5");
        EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
        EXPECT_EQ(records_store::read_text(f.text).levels.size(), f.levels);
        if (std::string(f.name) == "later") {
            EXPECT_EQ(read(path), f.text);
        }
    }
}

TEST(Records, AFailedWriteCostsRecordsButNotProgressOrPlay)
{
    headless_screen screen;
    player p;
    QDir().mkpath(QString::fromStdString(p.home + "records")); // in the way of the file
    testing::internal::CaptureStderr();
    progress_manager progress(p.d + "menus.list", p.d + "levels.list", p.home + "passed_levels",
                              p.d);
    auto level = p.enter(progress);
    level->restart();
    play_to_exit(*level, 0, 0, false);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("cannot read the records"), std::string::npos) << said;
    const auto saving = said.find("cannot save the records");
    EXPECT_NE(saving, std::string::npos) << said;
    EXPECT_EQ(said.find("cannot save the records", saving + 1), std::string::npos)
        << "said once, not at every save";
    EXPECT_EQ(read(p.home + "passed_levels"), "t\n");
    EXPECT_TRUE(progress.check_if_passed("t"));
    EXPECT_EQ(progress.record_of("t").attempts, 2u) << "kept for this run";
    ASSERT_NE(level->menu, nullptr);
    level->tick(); // and the game goes on
}

TEST(Records, PassedMenuSaysNewBestOnlyWhereARecordFell)
{
    headless_screen screen;
    player p;
    const struct {
        bool time, placements;
        const char* words; // "" for none
    } cases[] = {
        {false, false, ""},
        {true, false, "NEW BEST TIME"},
        {false, true, "NEW BEST BLOCKS"},
        {true, true, "NEW BEST TIME AND BLOCKS"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words);
        testing::internal::CaptureStdout();
        level_scene level("t", p.level_file, nullptr);
        testing::internal::GetCapturedStdout();
        level.beaten.time = c.time;
        level.beaten.placements = c.placements;
        level.passed_request = true;
        level.tick();
        ASSERT_NE(level.menu, nullptr);
        const auto said = notes(level.menu);
        ASSERT_FALSE(said.empty());
        if (*c.words) {
            EXPECT_EQ(said.back(), c.words);
            EXPECT_EQ(said[said.size() - 2].rfind("TIME ", 0), 0u) << "under the attempt's line";
        } else {
            EXPECT_EQ(said.back().rfind("TIME ", 0), 0u);
        }
    }
}

TEST(Records, ParMedalOnlyOnDoorsPassedAtOrUnderPar)
{
    headless_screen screen;
    game_controls::install();
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString() + "/";
    QDir().mkpath(dir.filePath("home"));
    const std::string level = "mapsize 3 3\nmkframe\n";
    const struct {
        const char* name;
        const char* header; // the level file's header
        bool passed;        // in the progress file
        const char* record; // its records line, "" for none
        bool medal;
    } doors[] = {
        {"a", "# par: 2\n", true, "a 1 1 300 2 1 1 0", true},    // at par
        {"b", "# par: 2\n", true, "b 1 1 300 1 1 1 0", true},    // under
        {"c", "# par: 2\n", true, "c 1 1 300 3 1 1 0", false},   // over
        {"e", "# title: E\n", true, "e 1 1 300 0 1 1 0", false}, // no par
        {"f", "# par: 2\n", false, "f 1 1 300 0 1 1 0", false},  // progress says not passed
        {"g", "# par: 2\n", true, "", false},                    // records lost
    };
    std::string list, passed, records = std::string(records_store::header) + "\n", page;
    double column = 0;
    for (const auto& c : doors) {
        write(d + c.name + ".level", std::string(c.header) + level);
        list += std::string(c.name) + "\n";
        if (c.passed)
            passed += std::string(c.name) + "\n";
        if (*c.record)
            records += std::string(c.record) + "\n";
        page += "level_entrance " + std::to_string(column += 3) + " 1 " + c.name + "\n";
    }
    write(d + "menus.list", "0\n");
    write(d + "levels.list", list);
    write(d + "home/passed_levels", passed);
    write(d + "home/records", records);
    write(d + "0.menu", "mapsize 22 3\n" + page);
    progress_manager progress(d + "menus.list", d + "levels.list", d + "home/passed_levels", d);
    progress.levels_directory = d;
    testing::internal::CaptureStdout();
    map_select_scene map(&progress);
    testing::internal::GetCapturedStdout();

    ASSERT_EQ(map.entrances.size(), std::size(doors));
    for (stockblock* b : map.entrances) {
        auto* door = static_cast<level_entrance*>(b);
        const auto& c = *std::find_if(std::begin(doors), std::end(doors),
                                      [&](const auto& x) { return x.name == door->level_name; });
        SCOPED_TRACE(door->level_name);
        EXPECT_EQ(door->par_mark, c.medal);
        gl_recorder gl;
        door->updateGL();
        ASSERT_FALSE(gl.draws.empty());
        EXPECT_TRUE(
            gl.draws[0].uses(c.passed ? spriteman::tex_door_in_p : spriteman::tex_door_in_np));
        EXPECT_EQ(gl.draws.back().uses(spriteman::tex_par_mark), c.medal)
            << "the medal is drawn last, over the door, and only for these";
    }
}

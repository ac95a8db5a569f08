// The shipped campaign: every listed level loads and its recorded solution
// passes it while idling or charging ahead does not, and the map pages open
// a door for each level in turn that the map character can walk to.

#include "cfg.h"
#include "game_scene.h"
#include "level_checker.h"
#include "level_entrance.h"
#include "replay.h"
#include "scene_manager.h"
#include "stockchar.h"
#include "world_fixture.h"

#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{

const std::string levels_dir = CF_STAGE_DIR "maps/levels/";
const std::string menu_dir = CF_STAGE_DIR "maps/menu/";
const std::string solutions_dir = CF_STAGE_DIR "solutions/";
constexpr long long max_ticks = 3600; // two minutes of play

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool file_exists(const std::string& path)
{
    return std::ifstream(path).good();
}

std::vector<std::string> words_of(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

std::vector<std::string> level_names()
{
    return words_of(read_file(levels_dir + "levels.list"));
}

std::vector<unsigned> page_numbers()
{
    std::vector<unsigned> numbers;
    for (const std::string& w : words_of(read_file(menu_dir + "menus.list")))
        numbers.push_back(static_cast<unsigned>(std::stoul(w)));
    return numbers;
}

std::string page_path(unsigned n)
{
    return menu_dir + std::to_string(n) + ".menu";
}

// The records of a file, comments and blank lines left out.
std::vector<std::vector<std::string>> records_of(const std::string& path)
{
    std::vector<std::vector<std::string>> records;
    std::istringstream in(read_file(path));
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> w = words_of(line);
        if (!w.empty() && w[0][0] != '#')
            records.push_back(w);
    }
    return records;
}

struct door {
    std::string level;
    double x = 0, y = 0; // blocks
    unsigned page = 0;
};

std::vector<door> doors_on_page(unsigned page)
{
    std::vector<door> doors;
    for (const auto& r : records_of(page_path(page)))
        if (r[0] == "level_entrance" && r.size() >= 4)
            doors.push_back({r[3], std::stod(r[1]), std::stod(r[2]), page});
    return doors;
}

replay_script script_from(const std::string& text)
{
    std::istringstream in(text);
    return parse_replay_script(in);
}

// Presses that need no thought: keep moving one way, keep jumping, and try
// every door on the way.
std::string charging_script(const char* direction)
{
    std::string text = std::string("1 press ") + direction + "\n1 press Up\n";
    for (long long t = 1; t <= max_ticks; ++t)
        text += std::to_string(t) + " press Space\n";
    return text;
}

struct replay_run {
    replay_outcome outcome = replay_outcome::running;
    std::string trace;
    std::string loading; // what the loader printed
};

replay_run replay(const std::string& level_path, const replay_script& script, long long ticks)
{
    replay_run run;
    std::ostringstream trace;
    testing::internal::CaptureStdout();
    run.outcome = run_replay(level_path, script, ticks, trace).outcome;
    run.loading = testing::internal::GetCapturedStdout();
    run.trace = trace.str();
    return run;
}

// Position of character 0 in the last state the trace printed, in world units.
bool last_position(const std::string& trace, long long& x, long long& y)
{
    std::istringstream in(trace);
    bool found = false;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string t, kind, index;
        if (words >> t >> kind >> index && kind == "char" && index == "0") {
            words >> x >> y;
            found = true;
        }
    }
    return found;
}

const char* outcome_name(replay_outcome o)
{
    return o == replay_outcome::passed   ? "passed"
           : o == replay_outcome::failed ? "failed"
                                         : "running";
}

// Map pages loaded together into one scene, as the map screen loads them.
class campaign_scene_test : public world_test
{
  protected:
    // Loads the files in order into one fresh scene; returns what the loader printed.
    std::string load(const std::vector<std::string>& paths)
    {
        scene = std::make_unique<game_scene>();
        testing::internal::CaptureStdout();
        for (const std::string& p : paths)
            scene->load_from_file(p);
        return testing::internal::GetCapturedStdout();
    }
    std::set<std::string> entrance_names() const
    {
        std::set<std::string> names;
        for (const stockblock* b : scene->entrances)
            names.insert(static_cast<const level_entrance*>(b)->level_name);
        return names;
    }
};

} // namespace

// ---------------------------------------------------------------- levels

TEST(campaign_levels, list_names_fifty_or_more_levels_the_door_font_can_draw)
{
    const std::vector<std::string> names = level_names();
    ASSERT_GE(names.size(), 50u);
    EXPECT_GE(page_numbers().size(), 10u);
    std::set<std::string> seen;
    for (const std::string& name : names) {
        EXPECT_TRUE(seen.insert(name).second) << name << " is listed twice";
        for (char ch : name)
            EXPECT_TRUE((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z'))
                << name << ": door labels have digits and capitals only";
    }
}

TEST(campaign_levels, every_level_starts_with_its_size_and_frame_and_loads)
{
    for (const std::string& name : level_names()) {
        SCOPED_TRACE(name);
        const std::string path = levels_dir + name + ".level";
        ASSERT_TRUE(file_exists(path));
        const auto records = records_of(path);
        ASSERT_GE(records.size(), 2u);
        EXPECT_EQ(records[0][0], "mapsize");
        // The frame may follow blocks that claim border cells of their own.
        EXPECT_TRUE(std::any_of(records.begin(), records.end(), [](const auto& r) {
            return r[0] == "mkframe";
        })) << "no frame";
        const replay_run run = replay(path, replay_script{}, 0);
        EXPECT_NE(run.loading.find(" SUCCES"), std::string::npos) << run.loading;
        EXPECT_EQ(run.loading.find("FAILED"), std::string::npos) << run.loading;
    }
}

TEST(campaign_levels, every_level_opens_with_its_title_lesson_and_difficulty)
{
    // The levels document is built from these comment lines. Puzzle levels
    // (the thirteenth on) add their par, and from the twenty-first on the
    // idea a player can name in one sentence.
    const std::vector<std::string> names = level_names();
    for (size_t position = 0; position < names.size(); ++position) {
        SCOPED_TRACE(names[position]);
        std::istringstream in(read_file(levels_dir + names[position] + ".level"));
        std::string lines[5];
        for (std::string& line : lines)
            std::getline(in, line);
        EXPECT_EQ(lines[0].rfind("# title: ", 0), 0u) << lines[0];
        EXPECT_GT(lines[0].size(), 9u);
        EXPECT_TRUE(lines[1].rfind("# teaches: ", 0) == 0 || lines[1].rfind("# combines: ", 0) == 0)
            << lines[1];
        const std::string prefix = "# difficulty: ";
        ASSERT_EQ(lines[2].rfind(prefix, 0), 0u) << lines[2];
        const std::string value = lines[2].substr(prefix.size());
        EXPECT_TRUE(value.size() == 1 && value[0] >= '1' && value[0] <= '5') << value;
        if (position >= 12) {
            EXPECT_EQ(lines[3].rfind("# par: ", 0), 0u) << lines[3];
        }
        if (position >= 20) {
            EXPECT_EQ(lines[4].rfind("# idea: ", 0), 0u) << lines[4];
            EXPECT_GT(lines[4].size(), 20u);
        }
    }
}

TEST(campaign_levels, the_checker_finds_nothing_in_the_shipped_files)
{
    // The lists bring in every page and every level, and are held against
    // each other.
    const std::vector<check_finding> findings =
        level_checker().check({menu_dir + "menus.list", levels_dir + "levels.list"});
    for (const check_finding& f : findings)
        ADD_FAILURE() << f.file << ":" << f.line << ": " << f.message;
}

TEST(campaign_levels, every_recorded_solution_passes_its_level)
{
    for (const std::string& name : level_names()) {
        SCOPED_TRACE(name);
        const std::string script_path = solutions_dir + name + ".script";
        // Every level is checked, whatever an earlier one lacks.
        if (!file_exists(script_path)) {
            ADD_FAILURE() << "no solution recorded";
            continue;
        }
        const replay_script script = script_from(read_file(script_path));
        if (!script.ok()) {
            ADD_FAILURE() << script.error;
            continue;
        }
        // A refused placement means the script no longer does what it says.
        const replay_run run = replay(levels_dir + name + ".level", script, max_ticks);
        EXPECT_EQ(run.trace.find(" refused"), std::string::npos);
        EXPECT_EQ(run.outcome, replay_outcome::passed) << outcome_name(run.outcome);
    }
}

TEST(campaign_levels, no_level_passes_by_idling_or_charging_ahead)
{
    const std::vector<std::pair<const char*, std::string>> cheap = {
        {"nothing pressed", ""},
        {"right, jump and Space held", charging_script("Right")},
        {"left, jump and Space held", charging_script("Left")},
    };
    for (const std::string& name : level_names()) {
        for (const auto& [what, text] : cheap) {
            SCOPED_TRACE(name + ": " + what);
            const replay_run run =
                replay(levels_dir + name + ".level", script_from(text), max_ticks);
            EXPECT_NE(run.outcome, replay_outcome::passed);
        }
    }
}

// ---------------------------------------------------------------- map

TEST(campaign_map, every_listed_page_exists_and_page_zero_comes_first)
{
    const std::vector<unsigned> pages = page_numbers();
    ASSERT_GE(pages.size(), 8u);
    EXPECT_EQ(pages.front(), 0u) << "nothing would be open before the first pass";
    EXPECT_TRUE(std::is_sorted(pages.begin(), pages.end()));
    for (unsigned n : pages)
        EXPECT_TRUE(file_exists(page_path(n))) << n;
}

TEST(campaign_map, each_level_has_exactly_one_door)
{
    std::map<std::string, int> count;
    for (unsigned n : page_numbers())
        for (const door& d : doors_on_page(n))
            ++count[d.level];
    const std::vector<std::string> names = level_names();
    for (const std::string& name : names)
        EXPECT_EQ(count[name], 1) << "level " << name;
    for (const auto& [level, n] : count)
        EXPECT_NE(std::find(names.begin(), names.end(), level), names.end())
            << "a door leads to the unlisted level " << level;
}

TEST(campaign_map, later_pages_build_only_beyond_the_map_so_far)
{
    // A block landing where the map already was could wall in the map
    // character, which stays where it stood when a page is added.
    int width = 0, height = 0;
    for (unsigned n : page_numbers()) {
        SCOPED_TRACE("page " + std::to_string(n));
        int new_width = width, new_height = height;
        for (const auto& r : records_of(page_path(n))) {
            if (r[0] == "mapsize") {
                new_width = std::max(width, std::stoi(r[1]));
                new_height = std::max(height, std::stoi(r[2]));
            } else if (n != 0 &&
                       (r[0] == "stockblock" || r[0] == "spikes" || r[0] == "stock_expendable" ||
                        r[0] == "falling" || r[0] == "cloud" || r[0] == "level_entrance")) {
                const int c = static_cast<int>(std::stod(r[1]));
                const int row = static_cast<int>(std::stod(r[2]));
                EXPECT_TRUE(c >= width || row >= height) << r[0] << ' ' << c << ' ' << row;
            } else if (n != 0) {
                EXPECT_TRUE(r[0] != "char" && r[0] != "menuchar") << "a second map character";
            }
        }
        ASSERT_GT(new_width, 0) << "no mapsize";
        width = new_width;
        height = new_height;
    }
}

TEST_F(campaign_scene_test, page_zero_alone_has_the_map_character_and_the_first_doors)
{
    const std::vector<unsigned> pages = page_numbers();
    ASSERT_FALSE(pages.empty());
    const std::string printed = load({page_path(0)});
    EXPECT_EQ(printed.find("FAILED"), std::string::npos) << printed;
    ASSERT_EQ(scene->characters.size(), 1u);
    const stockchar* c = scene->characters[0];
    EXPECT_EQ(c->walk_speed, 6 * M) << "not a map character";
    EXPECT_EQ(c->jump_speed, -10 * M);
    // Before the next page opens, the player must be able to pass that many levels.
    const unsigned next = pages.size() > 1 ? pages[1] : static_cast<unsigned>(level_names().size());
    const std::vector<std::string> names = level_names();
    const std::set<std::string> doors = entrance_names();
    for (unsigned i = 0; i < next && i < names.size(); ++i)
        EXPECT_TRUE(doors.count(names[i])) << "no door for level " << names[i];
}

TEST_F(campaign_scene_test, every_stage_of_progress_offers_the_next_level)
{
    // With k levels passed (the first k, in order) the map holds every page
    // numbered up to k; the door of level k + 1 must be among them.
    const std::vector<std::string> names = level_names();
    const std::vector<unsigned> pages = page_numbers();
    for (unsigned k = 0; k < names.size(); ++k) {
        SCOPED_TRACE(std::to_string(k) + " levels passed");
        std::vector<std::string> open;
        for (unsigned n : pages)
            if (n <= k)
                open.push_back(page_path(n));
        const std::string printed = load(open);
        EXPECT_EQ(printed.find("FAILED"), std::string::npos) << printed;
        EXPECT_EQ(scene->characters.size(), 1u);
        const std::set<std::string> doors = entrance_names();
        for (unsigned i = 0; i <= k; ++i)
            EXPECT_TRUE(doors.count(names[i])) << "no door for level " << names[i];
        // A player stuck on one level always has another to try.
        EXPECT_GE(doors.size() - k, std::min<size_t>(2, names.size() - k));
    }
}

TEST(campaign_map, the_map_character_walks_to_the_newest_door_of_each_stage)
{
    // Each stage is the union of the pages open at it, read in list order as
    // the map screen reads them; its walk ends standing in the door that
    // stage added last.
    const std::vector<std::string> names = level_names();
    const std::vector<unsigned> pages = page_numbers();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::string union_text;
    std::vector<door> doors;
    for (unsigned n : pages) {
        SCOPED_TRACE("stage " + std::to_string(n));
        union_text += read_file(page_path(n)) + "\n";
        for (const door& d : doors_on_page(n))
            doors.push_back(d);
        const std::string path = dir.filePath(QString("stage%1.level").arg(n)).toStdString();
        std::ofstream(path, std::ios::binary) << union_text;

        const door* newest = nullptr;
        for (const door& d : doors) {
            auto rank = [&](const door& e) {
                return std::find(names.begin(), names.end(), e.level) - names.begin();
            };
            if (!newest || rank(d) > rank(*newest))
                newest = &d;
        }
        ASSERT_NE(newest, nullptr);

        const std::string script_path = CF_TESTS_DIR "/map_walks/" + std::to_string(n) + ".script";
        ASSERT_TRUE(file_exists(script_path));
        const replay_script script = script_from(read_file(script_path));
        ASSERT_TRUE(script.ok()) << script.error;
        const replay_run run = replay(path, script, 900);
        EXPECT_EQ(run.outcome, replay_outcome::running);
        long long x = 0, y = 0;
        ASSERT_TRUE(last_position(run.trace, x, y));
        // The door's hit square is 2 x 2 blocks from its corner; the character 0.7.
        const long long dx = static_cast<long long>(newest->x * M);
        const long long dy = static_cast<long long>(newest->y * M);
        const long long s = 7 * M / 10;
        EXPECT_TRUE(x < dx + 2 * M && x + s > dx && y < dy + 2 * M && y + s > dy)
            << "ended at " << x / double(M) << ", " << y / double(M) << " not in the door of level "
            << newest->level;
    }
}

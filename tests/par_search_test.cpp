// The par search: it reads a level's par, it finds the cheaper way through
// an older level we know has one, and it finds none through the campaign's
// puzzle levels, whose ideas must be needed.

#include "campaign_files.h"
#include "game_scene.h"
#include "par_search.h"
#include "replay.h"
#include "stockchar.h"
#include "world_copy.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using campaign_files::first_puzzle;
using campaign_files::levels_dir;
using campaign_files::read_file;

int placements_in(const std::string& script)
{
    std::istringstream in(script);
    const replay_script parsed = parse_replay_script(in);
    return static_cast<int>(
        std::count_if(parsed.events.begin(), parsed.events.end(),
                      [](const replay_event& e) { return e.kind == replay_event::place; }));
}

// A level's difficulty, from what its player must do and find: the
// placements it needs, the length of its recorded solution, and how many
// distinct states the par search reaches in the test's budget (none for
// the first levels, which are not searched).
int difficulty_of(int par, long long solution_ticks, long long states)
{
    return std::min(5, 1 + (par >= 2) + (par >= 4) + (solution_ticks >= 600) + (states >= 3000));
}

int header_difficulty(const std::string& level_text)
{
    const std::string key = "# difficulty: ";
    const size_t at = level_text.find(key);
    return at == std::string::npos ? -1 : std::atoi(level_text.c_str() + at + key.size());
}

long long solution_ticks(const std::string& name)
{
    std::istringstream in(read_file(CF_STAGE_DIR "solutions/" + name + ".script"));
    return run_replay_quietly(levels_dir + name + ".level", parse_replay_script(in), 3600).ticks;
}

} // namespace

TEST(par_search, ReadsTheParLineAndNothingElse)
{
    QTemporaryDir dir;
    const struct {
        const char* text;
        int par;
    } cases[] = {
        {"# title: t\n# par: 3\nmapsize 5 5\n", 3},
        {"# par: 0\n", 0},
        {"# title: t\nmapsize 5 5\n", -1},
        {"# par: three\n", -1},
        {"# par: -2\n", -1},
        {"# par:\n", -1},
        {"# parity: 2\n", -1},
    };
    for (const auto& c : cases) {
        const std::string path = dir.filePath("l.level").toStdString();
        std::ofstream(path) << c.text;
        EXPECT_EQ(read_par(path), c.par) << c.text;
    }
    EXPECT_EQ(read_par(dir.filePath("missing.level").toStdString()), -1);
}

TEST(par_search, FindsTheOneStoneWayThroughTheOldSpikeShelf)
{
    const std::string level = CF_TESTS_DIR "/fixtures/par/old-spike-shelf.level";
    par_budget budget;
    budget.evaluations = 10000;
    const par_result found = search_cheaper_pass(level, read_par(level), budget);
    ASSERT_TRUE(found.found) << found.evaluations << " nodes played";
    EXPECT_LT(found.placements, 2);
    EXPECT_EQ(placements_in(found.script), found.placements);

    // What it prints is a script the simulator passes the level with.
    std::istringstream in(found.script);
    const replay_script script = parse_replay_script(in);
    ASSERT_TRUE(script.ok()) << script.error;
    EXPECT_EQ(run_replay_quietly(level, script, 3600).outcome, replay_outcome::passed)
        << found.script;

    // The same level and budget give the same pass.
    EXPECT_EQ(search_cheaper_pass(level, 2, budget).script, found.script);
}

class puzzle_level : public testing::TestWithParam<std::string>
{
};

TEST_P(puzzle_level, HasNoPassCheaperThanItsPar)
{
    const std::string level = levels_dir + GetParam() + ".level";
    const int par = read_par(level);
    ASSERT_GT(par, 0) << "a puzzle level needs a \"# par:\" line";
    par_budget budget;
    budget.evaluations = CF_PAR_BUDGET;
    const par_result found = search_cheaper_pass(level, par, budget);
    EXPECT_FALSE(found.found) << "passed with " << found.placements << " placement(s):\n"
                              << found.script;
    if (budget.evaluations == 30000) { // the budget the difficulty is measured with
        EXPECT_EQ(header_difficulty(read_file(level)),
                  difficulty_of(par, solution_ticks(GetParam()), found.distinct))
            << "par " << par << ", solution " << solution_ticks(GetParam()) << " ticks, "
            << found.distinct << " states";
    }
}

TEST(par_search, FirstLevelsAreRatedByTheirSolutions)
{
    const std::vector<std::string> names = campaign_files::level_names();
    for (size_t i = 0; i < std::min(first_puzzle, names.size()); ++i) {
        const std::string& name = names[i];
        SCOPED_TRACE(name);
        const int placements =
            placements_in(read_file(CF_STAGE_DIR "solutions/" + name + ".script"));
        EXPECT_EQ(header_difficulty(read_file(levels_dir + name + ".level")),
                  difficulty_of(placements, solution_ticks(name), 0));
    }
}

INSTANTIATE_TEST_SUITE_P(campaign, puzzle_level,
                         testing::ValuesIn(campaign_files::level_names(first_puzzle)),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return "level_" + info.param;
                         });

namespace
{

std::string world_state(game_scene& scene)
{
    std::ostringstream out;
    auto mover = [&out](const stockblock* b) {
        out << b->x << ' ' << b->y << ' ' << b->vx << ' ' << b->vy << ';';
    };
    out << scene.focused << ':';
    for (const stockchar* c : scene.characters)
        mover(c);
    for (int colour = 0; colour < 4; ++colour) {
        for (const stockblock* b : scene.clouds[colour])
            mover(b);
        for (const stockblock* b : scene.fallings[colour])
            mover(b);
    }
    for (const stockblock* b : scene.bombs)
        mover(b);
    for (const auto& column : scene.grid)
        for (const stockblock* b : column)
            out << (b ? b->type : 0) << ',';
    out << scene.handled_passed << scene.handled_failed;
    return out.str();
}

} // namespace

TEST(world_copy, ACopyPlaysOnExactlyAsTheOriginal)
{
    // Every recorded solution, copied at several moments (standing, in a
    // jump, with blocks falling and bombs ticking): original and copy go on
    // with the same inputs and must stay the same world tick by tick.
    std::ostream discard(nullptr);
    for (const std::string& name : campaign_files::level_names()) {
        if (!std::ifstream(levels_dir + name + ".level"))
            continue; // the campaign tests report a missing level
        std::istringstream in(read_file(CF_STAGE_DIR "solutions/" + name + ".script"));
        const replay_script script = parse_replay_script(in);
        const long long length = solution_ticks(name);
        for (long long at : {length / 5, length / 2, length * 4 / 5}) {
            SCOPED_TRACE(name + " copied at tick " + std::to_string(at));
            game_scene original;
            original.load_from_file(levels_dir + name + ".level");
            std::unique_ptr<game_scene> copy;
            for (long long t = 1; t <= length; ++t) {
                for (const replay_event& e : script.events) {
                    if (e.tick != t)
                        continue;
                    apply_replay_event(original, e, discard);
                    if (copy)
                        apply_replay_event(*copy, e, discard);
                }
                if (t == at) {
                    copy = copy_world(original);
                    ASSERT_TRUE(copy);
                }
                original.tick();
                if (copy) {
                    copy->tick();
                    ASSERT_EQ(world_state(*copy), world_state(original)) << "tick " << t;
                }
            }
        }
    }
}

// The physics numbers docs/level-design.md builds its rules on. Each fact is
// a small level and script under tests/fixtures/physics, replayed here: a
// change to the world that moves one of them breaks a design rule, and the
// failing case names the rule.

#include "cfg.h"
#include "replay.h"

#include <QKeyEvent>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace
{

constexpr long long M = cfg::multiplier;
const std::string fixtures = CF_TESTS_DIR "/fixtures/physics/";

replay_script script_of(const std::string& name)
{
    std::ifstream in(fixtures + name + ".script");
    replay_script s = parse_replay_script(in);
    EXPECT_TRUE(s.ok()) << name << ": " << s.error;
    return s;
}

// What a replay's trace says about the world.
struct replayed {
    replay_result result;
    std::map<long long, std::pair<long long, long long>> character; // tick -> x, y of char 0
    std::map<long long, std::vector<long long>> cloud_x;            // tick -> x of every cloud
    std::string places;                             // 'o' or 'r' for each placement, in order
    std::set<std::pair<long long, long long>> grid; // cells holding a grid block at the end
    bool has_falling_blocks = false;                // after the last tick

    // The cell of the character's middle at the end.
    std::pair<long long, long long> end_cell() const
    {
        const auto& [x, y] = character.rbegin()->second;
        const long long half = M * 7 / 20;
        return {(x + half) / M, (y + half) / M};
    }
};

replayed replay(const std::string& name, const replay_script& script, long long ticks)
{
    std::ostringstream trace;
    replayed r;
    testing::internal::CaptureStdout(); // the loader's line
    r.result = run_replay(fixtures + name + ".level", script, ticks, trace);
    testing::internal::GetCapturedStdout();
    std::istringstream in(trace.str());
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string first, kind;
        words >> first >> kind;
        if (first == "grid") {
            long long c = 0, row = 0;
            std::istringstream(kind) >> c;
            words >> row;
            r.grid.insert({c, row});
            continue;
        }
        const long long t = std::atoll(first.c_str());
        long long a = 0, b = 0, c = 0, d = 0;
        if (kind == "char" && words >> a >> b >> c && a == 0) {
            r.character[t] = {b, c};
        } else if (kind == "cloud" && words >> a >> b >> c) {
            r.cloud_x[t].push_back(c);
        } else if (kind == "falling") {
            r.has_falling_blocks = t == r.result.ticks;
        } else if (kind == "place" && words >> a >> b >> d) {
            std::string verdict;
            words >> verdict;
            r.places += verdict == "ok" ? 'o' : 'r';
        }
    }
    return r;
}

replayed replay(const std::string& name, long long ticks)
{
    return replay(name, script_of(name), ticks);
}

// The script with its one jump moved to the given tick.
replay_script jump_at(replay_script s, long long tick)
{
    for (replay_event& e : s.events)
        if (e.key == Qt::Key_Up)
            e.tick = e.kind == replay_event::press ? tick : tick + 1;
    return s;
}

} // namespace

TEST(physics_facts, FixturesEndWhereTheDesignRulesSay)
{
    using o = replay_outcome;
    struct fact {
        const char* fixture;
        long long ticks;
        o outcome;
        long long column, row; // where the character ends; unchecked when it died
        const char* places;    // each placement: o ok, r refused
    };
    const fact facts[] = {
        // Gaps (ledges on row 4; the far ledge runs to the wall, column 18).
        {"gap1_walk", 300, o::failed, 0, 0, ""},
        {"gap1_standing", 300, o::running, 18, 3, ""},
        {"gap2_standing_flush", 300, o::failed, 0, 0, ""},
        {"gap2_standing_lip", 300, o::running, 18, 3, ""},
        {"gap2_running", 300, o::running, 18, 3, ""},
        {"gap3_running", 300, o::failed, 0, 0, ""},
        // Height (floor row 8, walls from column 6 to 14).
        {"wall1_jump", 300, o::running, 14, 7, ""},
        {"wall2_jump", 300, o::running, 5, 8, ""},
        {"wall2_midair_block", 300, o::running, 14, 6, "o"},
        {"wall3_midair_block", 300, o::running, 5, 7, "o"},
        {"wall3_midair_blocks", 300, o::running, 14, 5, "oo"},
        // A falling block under a sinking character: a gap of four.
        {"gap4_midair_falling", 300, o::running, 22, 5, "o"},
        // Clouds (the character starts in column 3 or 4).
        {"cloud_sideways", 60, o::running, 3, 8, ""},
        {"cloud_up", 60, o::running, 3, 4, ""},
        {"cloud_down", 60, o::running, 3, 3, ""},
        {"cloud_push", 60, o::running, 5, 8, ""},
        {"cloud_hole_floor", 300, o::running, 12, 4, "o"},
        // Reach: standing two cells round its box, at the top of a jump one row higher.
        {"reach", 60, o::running, 6, 5, "orororororor"},
    };
    for (const fact& f : facts) {
        SCOPED_TRACE(f.fixture);
        const replayed r = replay(f.fixture, f.ticks);
        EXPECT_EQ(r.result.outcome, f.outcome);
        EXPECT_EQ(r.places, f.places);
        if (f.outcome != o::failed) {
            EXPECT_EQ(r.end_cell(), std::make_pair(f.column, f.row));
        }
    }
}

TEST(physics_facts, WalkingSpeedAndTheJumpArc)
{
    // Full walking speed from the second tick: 0.08 cells a tick.
    const replayed walk = replay("walk", 60);
    std::set<long long> steps;
    for (long long t = 3; t <= 60; ++t)
        steps.insert(walk.character.at(t).first - walk.character.at(t - 1).first);
    EXPECT_EQ(steps, std::set<long long>{M * 8 / 100});

    // A jump rises 1.17 cells and is 20 ticks in the air, running or not;
    // running it covers 1.68 cells.
    for (const char* name : {"jump_standing", "jump_running"}) {
        SCOPED_TRACE(name);
        const replayed r = replay(name, 60);
        const long long ground = r.character.at(0).second;
        long long top = ground, aloft = 0, first = 0, last = 0;
        for (const auto& [t, at] : r.character) {
            top = std::min(top, at.second);
            if (at.second < ground) {
                last = t;
                first = first ? first : t;
                ++aloft;
            }
        }
        EXPECT_GT(ground - top, M * 116 / 100);
        EXPECT_LT(ground - top, M * 117 / 100);
        EXPECT_EQ(aloft, 20);
        if (std::string(name) == "jump_running") {
            EXPECT_EQ(r.character.at(last + 1).first - r.character.at(first - 1).first,
                      M * 168 / 100);
        }
    }
}

TEST(physics_facts, RunningJumpTakeOffWindow)
{
    // The jump tick of each fixture's script is moved over every tick of the
    // run-up: five in a row clear two cells, none clears three.
    for (const auto& [name, window] :
         {std::make_pair("gap2_running", 5LL), std::make_pair("gap3_running", 0LL)}) {
        const replay_script script = script_of(name);
        std::vector<long long> clears;
        testing::internal::CaptureStdout(); // the loader's lines
        for (long long t = 1; t <= 60; ++t) {
            const replay_result r =
                run_replay_quietly(fixtures + name + ".level", jump_at(script, t), 200);
            if (r.outcome != replay_outcome::failed)
                clears.push_back(t);
        }
        testing::internal::GetCapturedStdout();
        ASSERT_EQ(static_cast<long long>(clears.size()), window) << name;
        if (window) {
            EXPECT_EQ(clears.back() - clears.front() + 1, window) << "not one window";
        }
    }
}

TEST(physics_facts, DrawnBlocksBoxCloudsIn)
{
    // A sideways cloud in a one-cell hole never moves.
    const replayed hole = replay("cloud_hole_floor", 60);
    std::set<std::vector<long long>> places;
    for (const auto& [t, xs] : hole.cloud_x)
        places.insert(xs);
    EXPECT_EQ(places, std::set<std::vector<long long>>{{6 * M}});

    // A cloud patrolling row 4 from wall to wall: a block drawn in column 9
    // turns it at column 8, a second one behind it in column 5 holds it to
    // columns 6 to 8.
    const replayed patrol = replay("cloud_shut_in", 400);
    EXPECT_EQ(patrol.places, "oo");
    // One cell a second.
    EXPECT_EQ(patrol.cloud_x.at(30).at(0) - patrol.cloud_x.at(0).at(0), M / 30 * 30);
    long long before_max = 0, after_min = 100 * M, after_max = 0;
    for (const auto& [t, xs] : patrol.cloud_x) {
        if (t >= 1 && t < 130)
            before_max = std::max(before_max, xs.at(0));
        if (t >= 130) {
            after_min = std::min(after_min, xs.at(0));
            after_max = std::max(after_max, xs.at(0));
        }
    }
    EXPECT_LE(before_max, 8 * M);
    EXPECT_EQ(after_min, 6 * M);
    EXPECT_EQ(after_max, 8 * M);
}

TEST(physics_facts, BlastBreaksItsOwnCellInItsColourAndWhite)
{
    const replayed r = replay("bombs", 40);
    EXPECT_EQ(r.places, "oooooooo");
    // Broken: a white block by a white bomb; a red falling block, red spikes
    // and a white cloud by red bombs; blue spikes by a white bomb.
    const std::pair<long long, long long> broken[] = {{4, 6}, {5, 4}, {6, 4}};
    for (const auto& cell : broken)
        EXPECT_EQ(r.grid.count(cell), 0u) << cell.first << ' ' << cell.second;
    EXPECT_FALSE(r.has_falling_blocks);
    EXPECT_EQ(r.cloud_x.count(40), 0u);
    // Standing: a green block and green spikes under red bombs, the
    // patterned frame under a white one, and the block beside a blast.
    const std::pair<long long, long long> standing[] = {{7, 6}, {7, 4}, {4, 7}, {9, 6}};
    for (const auto& cell : standing)
        EXPECT_EQ(r.grid.count(cell), 1u) << cell.first << ' ' << cell.second;
    EXPECT_EQ(r.result.outcome, replay_outcome::running)
        << "a blast beside it spares the character";

    // A bomb drawn onto the character goes off 30 ticks (a second) later.
    const replayed self = replay("bomb_self", 60);
    EXPECT_EQ(self.result.outcome, replay_outcome::failed);
    EXPECT_EQ(self.result.ticks, 30);
}

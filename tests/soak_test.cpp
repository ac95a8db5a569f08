// Soak: every shipped level under long seeded random play, with the world's
// bookkeeping checked after every tick. The test command runs a bounded
// share; CF_SOAK_SCRIPTS and CF_SOAK_TICKS ask for the long run, for example
// CF_SOAK_SCRIPTS=50 CF_SOAK_TICKS=20000. CF_SOAK_SHARD=I/N plays only every
// N-th level from the I-th (counting from 0), so that N processes share a
// long run; each level's end is then reported on standard error.

#include "replay.h"
#include "stockblock.h"
#include "world_fixture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <random>
#include <sstream>

namespace
{

long long setting(const char* name, long long fallback)
{
    const char* text = std::getenv(name);
    if (!text || !*text)
        return fallback;
    return std::atoll(text);
}

std::vector<std::string> shipped_levels()
{
    std::ifstream list(CF_STAGE_DIR "maps/levels/levels.list");
    std::vector<std::string> names;
    for (std::string name; list >> name;)
        names.push_back(name);
    return names;
}

// One random input for tick t: mostly keys, sometimes a placement from the
// stock near the focused character. Backspace is left out: the pause menu
// would freeze the world for the rest of the script.
replay_event random_event(std::mt19937& rng, long long t, const game_scene& scene)
{
    static const char* const keys[] = {"Left", "Right", "Up", "Down", "Space", "C",
                                       "P",    "R",     "V",  "Q",    "A",     "O"};
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    std::ostringstream line;
    if (pick(4) == 0) {
        const int column = pick(scene.grid_width + 4) - 2;
        const int row = pick(scene.grid_height + 4) - 2;
        static const char* const dirs[] = {"left", "right", "up", "down"};
        line << t << " place " << pick(3) << ' ' << column << ' ' << row << ' ' << dirs[pick(4)];
    } else {
        line << t << (pick(2) ? " press " : " release ") << keys[pick(12)];
    }
    std::istringstream in(line.str());
    return parse_replay_script(in).events.at(0);
}

// The world's containers agree with each other; an empty string when they do.
// Sorted pointer lists kept from tick to tick, not hash maps: the check runs
// after every tick of the long run, under the sanitizers, and allocates
// nothing once warm.
std::string broken_invariant(const game_scene& s)
{
    static std::vector<const stockblock*> listed, world, drawn;
    listed.clear();
    world.clear();
    drawn.clear();
    auto file = [&](const std::list<stockblock*>& list, unsigned int type, int colour) {
        for (const stockblock* b : list) {
            listed.push_back(b);
            if (b->type != type || (colour >= 0 && b->color_index != colour))
                return false;
        }
        return true;
    };
    for (int c = 0; c < 4; ++c)
        if (!file(s.clouds[c], cfg::cloud, c) || !file(s.fallings[c], cfg::falling, c) ||
            !file(s.exits[c], cfg::exit, c))
            return "a mover or exit is filed under another kind or colour";
    if (!file(s.bombs, cfg::bomb, -1) || !file(s.spikes_list, cfg::spike, -1) ||
        !file(s.entrances, cfg::entrance, -1))
        return "a bomb, spike or door is filed under another kind";
    for (const stockchar* ch : s.characters)
        listed.push_back(ch);
    std::sort(listed.begin(), listed.end());
    auto times = [](const std::vector<const stockblock*>& sorted, const stockblock* b) {
        const auto [first, last] = std::equal_range(sorted.begin(), sorted.end(), b);
        return static_cast<long>(last - first);
    };
    if (auto twice = std::adjacent_find(listed.begin(), listed.end()); twice != listed.end())
        return "an object is listed " + std::to_string(times(listed, *twice)) + " times";

    world = listed;
    for (size_t column = 0; column < s.grid.size(); ++column)
        for (size_t row = 0; row < s.grid[column].size(); ++row) {
            const stockblock* b = s.grid[column][row];
            if (!b)
                continue;
            if (b->x != static_cast<long long>(column) * M ||
                b->y != static_cast<long long>(row) * M)
                return "a grid object is not at its cell's corner";
            const bool spike = b->type == cfg::spike;
            if (spike != std::binary_search(listed.begin(), listed.end(), b))
                return "a grid object is also in a list, or a spike is not";
            if (!spike && b->type != cfg::static0 && b->type != cfg::stock_expendable)
                return "a moving kind occupies a grid cell";
            if (!spike)
                world.push_back(b);
        }
    std::sort(world.begin(), world.end());

    // Everything in a container is drawn exactly once, and nothing else
    // of the world's kinds is drawn.
    for (myglitem* item : s.gl_items)
        if (auto* b = dynamic_cast<const stockblock*>(item))
            drawn.push_back(b);
    std::sort(drawn.begin(), drawn.end());
    for (const stockblock* b : world)
        if (const long n = times(drawn, b); n != 1)
            return "a world object is in the drawing list " + std::to_string(n) + " times";
    for (const stockblock* b : drawn)
        if (!std::binary_search(world.begin(), world.end(), b))
            return "a drawn world object is in no container";

    if (!s.characters.empty() && s.focused >= s.characters.size())
        return "the focused index is past the characters";
    return {};
}

} // namespace

using soak = world_test;

TEST_F(soak, RandomPlayKeepsEveryLevelWhole)
{
    const long long scripts = setting("CF_SOAK_SCRIPTS", 50);
    const long long ticks_each = setting("CF_SOAK_TICKS", 400);
    const std::vector<std::string> levels = shipped_levels();
    ASSERT_FALSE(levels.empty());
    long long shard = 0, shards = 1;
    if (const char* text = std::getenv("CF_SOAK_SHARD")) {
        ASSERT_TRUE(std::sscanf(text, "%lld/%lld", &shard, &shards) == 2 && shards > 0 &&
                    shard >= 0 && shard < shards)
            << "CF_SOAK_SHARD is I/N with 0 <= I < N";
    }
    long long total_ticks = 0, restarts = 0;
    for (size_t index = static_cast<size_t>(shard); index < levels.size();
         index += static_cast<size_t>(shards)) {
        const std::string& name = levels[index];
        const std::string path = CF_STAGE_DIR "maps/levels/" + name + ".level";
        for (long long seed = 0; seed < scripts; ++seed) {
            std::mt19937 rng(static_cast<unsigned>(seed * 7919 + 1));
            scene = std::make_unique<game_scene>();
            testing::internal::CaptureStdout();
            scene->load_from_file(path);
            std::ostringstream trace;
            for (long long t = 1; t <= ticks_each; ++t) {
                if (rng() % 5 == 0)
                    apply_replay_event(*scene, random_event(rng, t, *scene), trace);
                scene->tick();
                ++total_ticks;
                const std::string broken = broken_invariant(*scene);
                if (!broken.empty()) {
                    testing::internal::GetCapturedStdout();
                    FAIL() << name << " seed " << seed << " tick " << t << ": " << broken;
                }
                // A finished attempt starts again, as RESTART would.
                if (scene->handled_failed || scene->handled_passed) {
                    scene = std::make_unique<game_scene>();
                    scene->load_from_file(path);
                    ++restarts;
                }
                trace.str({});
            }
            testing::internal::GetCapturedStdout();
        }
        if (shards > 1)
            std::cerr << "soak: level " << name << " done, " << total_ticks << " ticks so far\n";
    }
    RecordProperty("ticks", std::to_string(total_ticks));
    RecordProperty("restarts", std::to_string(restarts));
}

// The check itself: each kind of broken bookkeeping, made by hand in a
// shipped level and undone afterwards, is named.
TEST_F(soak, CheckNamesEachKindOfBrokenBookkeeping)
{
    struct breakage {
        const char* expected;
        std::function<std::function<void()>(game_scene&)> make; // returns the undo
    };
    const breakage cases[] = {
        {"an object is listed 2 times",
         [](game_scene& s) {
             s.characters.push_back(s.characters.front());
             return [&s] { s.characters.pop_back(); };
         }},
        {"a grid object is not at its cell's corner",
         [](game_scene& s) {
             stockblock* b = nullptr;
             for (auto& column : s.grid)
                 for (stockblock* cell : column)
                     b = b ? b : cell;
             b->x += 1;
             return [b] { b->x -= 1; };
         }},
        {"a world object is in the drawing list 0 times",
         [](game_scene& s) {
             myglitem* first = nullptr;
             for (myglitem* item : s.gl_items)
                 if (!first && dynamic_cast<stockchar*>(item))
                     first = item;
             s.gl_items.remove(first);
             return [&s, first] { s.gl_items.push_back(first); };
         }},
        {"the focused index is past the characters",
         [](game_scene& s) {
             const unsigned int was = s.focused;
             s.focused = static_cast<unsigned int>(s.characters.size());
             return [&s, was] { s.focused = was; };
         }},
    };
    testing::internal::CaptureStdout();
    scene = std::make_unique<game_scene>();
    scene->load_from_file(CF_STAGE_DIR "maps/levels/20.level");
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(broken_invariant(*scene), "");
    for (const breakage& b : cases) {
        const std::function<void()> undo = b.make(*scene);
        EXPECT_EQ(broken_invariant(*scene), b.expected);
        undo();
        EXPECT_EQ(broken_invariant(*scene), "") << "after undoing: " << b.expected;
    }
}

// Soak: every shipped level under long seeded random play, with the world's
// bookkeeping checked after every tick. The test command runs a bounded
// share; CF_SOAK_SCRIPTS and CF_SOAK_TICKS ask for the long run, for example
// CF_SOAK_SCRIPTS=50 CF_SOAK_TICKS=20000. CF_SOAK_SHARD=I/N plays only every
// N-th level from the I-th (counting from 0), so that N processes share a
// long run; each level's end is then reported on standard error.

#include "replay.h"
#include "stockblock.h"
#include "world_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>
#include <unordered_map>

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
std::string broken_invariant(const game_scene& s)
{
    std::unordered_map<const stockblock*, int> listed;
    auto file = [&](const std::list<stockblock*>& list, unsigned int type, int colour) {
        for (const stockblock* b : list) {
            ++listed[b];
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
        ++listed[ch];
    for (const auto& [block, count] : listed)
        if (count != 1)
            return "an object is listed " + std::to_string(count) + " times";

    for (size_t column = 0; column < s.grid.size(); ++column)
        for (size_t row = 0; row < s.grid[column].size(); ++row) {
            const stockblock* b = s.grid[column][row];
            if (!b)
                continue;
            if (b->x != static_cast<long long>(column) * M ||
                b->y != static_cast<long long>(row) * M)
                return "a grid object is not at its cell's corner";
            const bool spike = b->type == cfg::spike;
            if (spike != (listed.count(b) == 1))
                return "a grid object is also in a list, or a spike is not";
            if (!spike && b->type != cfg::static0 && b->type != cfg::stock_expendable)
                return "a moving kind occupies a grid cell";
            ++listed[b];
        }

    // Everything in a container is drawn exactly once, and nothing else
    // of the world's kinds is drawn.
    std::unordered_map<const stockblock*, int> drawn;
    for (myglitem* item : s.gl_items)
        if (auto* b = dynamic_cast<const stockblock*>(item))
            ++drawn[b];
    for (const auto& [block, count] : listed)
        if (drawn[block] != 1)
            return "a world object is in the drawing list " + std::to_string(drawn[block]) +
                   " times";
    for (const auto& [block, count] : drawn)
        if (!listed.count(block))
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
                scene->advance();
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

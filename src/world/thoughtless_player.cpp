#include "thoughtless_player.h"

#include "cfg.h"
#include "game_scene.h"
#include "replay.h"
#include "stockchar.h"

#include <algorithm>
#include <memory>
#include <ostream>
#include <sstream>

namespace
{

// splitmix64: the same numbers from the same seed on every platform and
// standard library, unlike the standard distributions.
class seeded_numbers
{
  public:
    explicit seeded_numbers(unsigned seed) : state(0x9E3779B97F4A7C15ULL * (seed + 1ULL)) {}
    unsigned long long next()
    {
        unsigned long long z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A whole number from lo to hi, both included.
    long long between(long long lo, long long hi)
    {
        return lo + static_cast<long long>(next() % static_cast<unsigned long long>(hi - lo + 1));
    }

  private:
    unsigned long long state;
};

void event(std::ostringstream& out, long long tick, const char* what, const char* key)
{
    out << tick << ' ' << what << ' ' << key << '\n';
}

} // namespace

std::string thoughtless_player::rhythmic_script(unsigned seed, long long ticks)
{
    seeded_numbers rng(seed);
    // The rhythm is the seed's: how often it jumps and for how long, how
    // often it tries a door, switches character or backs off for a moment.
    const long long jump_every = rng.between(6, 40);
    const long long jump_for = rng.between(1, jump_every - 1);
    const long long door_every = rng.between(5, 30);
    const long long switch_every = rng.between(60, 400);
    const long long back_every = rng.between(100, 600);
    const long long back_for = rng.between(10, 60);

    std::ostringstream out;
    out << "# rhythmic player, seed " << seed << '\n';
    event(out, 1, "press", "Right");
    for (long long t = 1; t <= ticks; ++t) {
        if (t % jump_every == 0)
            event(out, t, "press", "Up");
        if (t % jump_every == jump_for % jump_every)
            event(out, t, "release", "Up");
        if (t % door_every == 0)
            event(out, t, "press", "Space");
        if (t % switch_every == 0)
            event(out, t, "press", "C");
        if (t % back_every == 0) {
            event(out, t, "release", "Right");
            event(out, t, "press", "Left");
        }
        if (t % back_every == back_for) {
            event(out, t, "release", "Left");
            event(out, t, "press", "Right");
        }
    }
    return out.str();
}

std::string thoughtless_player::random_script(unsigned seed, long long ticks, int width, int height,
                                              const std::vector<std::pair<int, int>>& near)
{
    seeded_numbers rng(seed);
    static const char* held_keys[] = {"Left", "Right", "Up", "Down"};
    static const char* tapped_keys[] = {"Space", "C"};
    static const char* directions[] = {"left", "right", "up", "down"};
    bool held[4] = {false, false, false, false};

    std::ostringstream out;
    out << "# random player, seed " << seed << '\n';
    for (long long t = rng.between(1, 10); t <= ticks; t += rng.between(1, 15)) {
        const long long what = rng.between(0, 9);
        if (what < 5) {
            const long long k = rng.between(0, 3);
            event(out, t, held[k] ? "release" : "press", held_keys[k]);
            held[k] = !held[k];
        } else if (what < 7) {
            event(out, t, "press", tapped_keys[rng.between(0, 1)]);
        } else {
            // Cells out of the character's reach are refused, as a player's
            // random taps would be.
            long long column = rng.between(0, width - 1), row = rng.between(0, height - 1);
            if (!near.empty() && rng.between(0, 1) == 0) {
                const auto& [c, r] = near[static_cast<size_t>(
                    rng.between(0, static_cast<long long>(near.size()) - 1))];
                column = std::clamp<long long>(c + rng.between(-2, 2), 0, width - 1);
                row = std::clamp<long long>(r + rng.between(-2, 2), 0, height - 1);
            }
            out << t << " place " << rng.between(0, 2) << ' ' << column << ' ' << row << ' '
                << directions[rng.between(0, 3)] << '\n';
        }
    }
    return out.str();
}

namespace
{

// The grid a level file declares (1 x 1 when it has none) and the cells
// where its characters start.
struct level_outline {
    int width = 1, height = 1;
    std::vector<std::pair<int, int>> starts;
};

level_outline outline_of(const std::string& level_path)
{
    level_outline outline;
    {
        game_scene probe;
        // Thousands of plays would each print their loading line.
        std::ostream quiet(nullptr);
        probe.load_from_file(level_path, quiet);
        if (probe.has_grid()) {
            outline.width = probe.grid_width;
            outline.height = probe.grid_height;
        }
        for (const stockchar* c : probe.characters)
            outline.starts.emplace_back(static_cast<int>(c->x / cfg::multiplier),
                                        static_cast<int>(c->y / cfg::multiplier));
    }
    return outline;
}

} // namespace

std::string thoughtless_player::random_script_for(unsigned seed, long long ticks,
                                                  const std::string& level_path)
{
    const level_outline level = outline_of(level_path);
    return random_script(seed, ticks, level.width, level.height, level.starts);
}

thoughtless_tally thoughtless_player::play(const std::string& level_path, int scripts,
                                           long long ticks)
{
    const level_outline level = outline_of(level_path);

    thoughtless_tally tally;
    for (int seed = 1; seed <= scripts; ++seed) {
        const std::string texts[2] = {
            rhythmic_script(seed, ticks),
            random_script(seed, ticks, level.width, level.height, level.starts)};
        for (int kind = 0; kind < 2; ++kind) {
            std::istringstream in(texts[kind]);
            const replay_script script = parse_replay_script(in);
            if (run_replay_quietly(level_path, script, ticks).outcome == replay_outcome::passed)
                (kind == 0 ? tally.rhythmic_passes : tally.random_passes).push_back(seed);
        }
        ++tally.played;
    }
    return tally;
}

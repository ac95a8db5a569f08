#include "rewind_log.h"

#include "game_scene.h"
#include "placement.h"
#include "stockchar.h"

#include <algorithm>
#include <ostream>

namespace
{

// What the player's moves act on: the focus, and each character's place and
// stock. Clouds and falling blocks are left out, as they move whatever the
// player does.
std::uint64_t stance_of(const game_scene* scene)
{
    if (!scene)
        return 0;
    std::uint64_t h = 14695981039346656037ull;
    auto mix = [&h](long long v) {
        for (int i = 0; i < 8; ++i) {
            h ^= static_cast<std::uint64_t>(v >> (8 * i)) & 0xff;
            h *= 1099511628211ull;
        }
    };
    mix(scene->focused);
    mix(static_cast<long long>(scene->characters.size()));
    for (const stockchar* ch : scene->characters) {
        mix(ch->x);
        mix(ch->y);
        for (const stock_slot* slot : ch->stock_slots)
            mix(slot ? slot->count : -1);
    }
    return h;
}

} // namespace

void rewind_log::begin(unsigned char tick_counter, const game_scene* scene)
{
    inputs.clear();
    carried.clear();
    ticks.clear();
    now = 0;
    pending = 0;
    first_tick_counter = tick_counter;
    watched = scene;
    first_stance = stance_of(scene);
    furthest = 0;
}

void rewind_log::input_applied(const replay_event& e)
{
    inputs.push_back(e);
    carried.push_back(false);
}

void rewind_log::tick_ended(bool world_moved)
{
    ticks.push_back({now, pending, inputs.size(), world_moved,
                     world_ticks_at(now) + (world_moved ? 1 : 0), stance_of(watched)});
    now = static_cast<long long>(ticks.size());
    pending = inputs.size();
    furthest = std::max(furthest, world_ticks());
}

void rewind_log::mark_carried()
{
    std::fill(carried.begin() + static_cast<std::ptrdiff_t>(pending), carried.end(), true);
}

bool rewind_log::begins_move(const tick& k) const
{
    for (std::size_t i = k.inputs_begin; i < k.inputs_end; ++i)
        if (inputs[i].kind != replay_event::release && !carried[i])
            return true;
    return false;
}

bool rewind_log::only_presses(const tick& k) const
{
    for (std::size_t i = k.inputs_begin; i < k.inputs_end; ++i)
        if (inputs[i].kind == replay_event::place)
            return false;
    return true;
}

long long rewind_log::before_last_move() const
{
    // Walking back, `changed` gathers the ticks from the present moment (or
    // the next move) back to the tick being looked at.
    bool changed = false;
    long long found = -1;
    bool chord = false;   // the move found is key presses
    long long walked = 0; // ticks walked back since it began
    for (long long t = now; t > 0; t = ticks[static_cast<std::size_t>(t - 1)].after) {
        const tick& k = ticks[static_cast<std::size_t>(t - 1)];
        if (found >= 0 && (!chord || ++walked > chord_ticks))
            break;
        changed = changed || k.stance != stance_at(k.after);
        // A move after which nothing changed is passed over with its time.
        if (!begins_move(k) || (found < 0 && !changed))
            continue;
        // Keys pressed a moment apart, as Up and then Right for a jump to
        // the right, are one move.
        if (found >= 0 && !only_presses(k))
            break;
        found = k.after;
        chord = only_presses(k);
        walked = 0;
    }
    return std::max(found, 0LL);
}

long long rewind_log::world_ticks() const
{
    return world_ticks_at(now);
}

std::size_t rewind_log::input_count() const
{
    std::size_t count = 0;
    for (long long t = now; t > 0; t = ticks[static_cast<std::size_t>(t - 1)].after) {
        const tick& k = ticks[static_cast<std::size_t>(t - 1)];
        count += k.inputs_end - k.inputs_begin;
    }
    return count;
}

std::size_t rewind_log::placement_count() const
{
    std::size_t count = 0;
    for (long long t = now; t > 0; t = ticks[static_cast<std::size_t>(t - 1)].after) {
        const tick& k = ticks[static_cast<std::size_t>(t - 1)];
        for (std::size_t i = k.inputs_begin; i < k.inputs_end; ++i)
            if (inputs[i].kind == replay_event::place)
                ++count;
    }
    return count;
}

void replay_input(game_scene& scene, const replay_event& e)
{
    if (e.kind == replay_event::place) {
        if (e.slot >= 0 && e.slot <= 2)
            place_from_stock(&scene, static_cast<unsigned int>(e.slot), e.column, e.row,
                             e.direction, true);
        return;
    }
    const bool press = e.kind == replay_event::press;
    const input::intent play = input::table_key_meaning(e.key).play;
    if (press && play == input::intent::switch_character) {
        scene.switch_character();
        return;
    }
    stockchar* ch = scene.focused_char();
    if (!ch)
        return;
    if (press)
        ch->press(play);
    else
        ch->release(play);
}

void rewind_log::restore(game_scene& scene, const std::string& level_path, long long world_tick)
{
    world_tick = std::clamp(world_tick, 0LL, world_ticks());
    // The moment right after that world tick: stopped ticks after it and
    // their inputs are gone back over too.
    long long t = now;
    while (t > 0 &&
           (world_ticks_at(t) > world_tick || !ticks[static_cast<std::size_t>(t - 1)].world_moved))
        t = ticks[static_cast<std::size_t>(t - 1)].after;
    rebuild(scene, level_path, t);
}

void rewind_log::restore_played(game_scene& scene, const std::string& level_path,
                                long long played_tick)
{
    rebuild(scene, level_path, std::clamp(played_tick, 0LL, played_ticks()));
}

long long played_way::world_ticks() const
{
    return static_cast<long long>(std::count(world_moved.begin(), world_moved.end(), true));
}

played_way rewind_log::way() const
{
    std::vector<const tick*> steps;
    for (long long t = now; t > 0; t = ticks[static_cast<std::size_t>(t - 1)].after)
        steps.push_back(&ticks[static_cast<std::size_t>(t - 1)]);
    played_way w;
    w.first_tick_counter = first_tick_counter;
    long long played = 0;
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        ++played;
        w.world_moved.push_back((*it)->world_moved);
        for (std::size_t i = (*it)->inputs_begin; i < (*it)->inputs_end; ++i) {
            replay_event e = inputs[i];
            e.tick = played;
            w.inputs.push_back(e);
            w.carried.push_back(carried[i]);
        }
    }
    return w;
}

void rewind_log::resume(game_scene& scene, const std::string& level_path, const played_way& w)
{
    begin(w.first_tick_counter, &scene);
    std::vector<world_listener*> listening;
    listening.swap(scene.listeners);
    scene.flush_blocks();
    {
        std::ostream quiet(nullptr);
        scene.load_from_file(level_path, quiet);
    }
    scene.tick_counter = first_tick_counter;
    first_stance = stance_of(&scene);
    // The same steps as a rebuild, noting each tick as it is played.
    std::size_t next = 0;
    for (std::size_t t = 0; t < w.world_moved.size(); ++t) {
        const std::size_t begin_at = inputs.size();
        for (; next < w.inputs.size() && w.inputs[next].tick <= static_cast<long long>(t + 1);
             ++next) {
            inputs.push_back(w.inputs[next]);
            carried.push_back(next < w.carried.size() && w.carried[next]);
            replay_input(scene, w.inputs[next]);
        }
        if (w.world_moved[t])
            scene.move_world();
        scene.settle_queues();
        ticks.push_back({static_cast<long long>(t), begin_at, inputs.size(), w.world_moved[t],
                         world_ticks_at(static_cast<long long>(t)) + (w.world_moved[t] ? 1 : 0),
                         stance_of(&scene)});
    }
    now = static_cast<long long>(ticks.size());
    pending = inputs.size();
    furthest = world_ticks();
    // A way that ends in a lost world leaves the failed request for its
    // new run to handle.
    scene.passed_request = false;
    scene.listeners.swap(listening);
}

void rewind_log::rebuild(game_scene& scene, const std::string& level_path, long long played_tick)
{
    std::vector<const tick*> way;
    for (long long t = played_tick; t > 0; t = ticks[static_cast<std::size_t>(t - 1)].after)
        way.push_back(&ticks[static_cast<std::size_t>(t - 1)]);
    now = played_tick;
    pending = inputs.size(); // inputs since the last tick are gone back over

    // The replay is no new play: neither this history nor the sound may
    // hear it.
    std::vector<world_listener*> listening;
    listening.swap(scene.listeners);
    scene.flush_blocks();
    {
        // The level was announced when it was first loaded.
        std::ostream quiet(nullptr);
        scene.load_from_file(level_path, quiet);
    }
    scene.tick_counter = first_tick_counter;
    for (auto it = way.rbegin(); it != way.rend(); ++it) {
        for (std::size_t i = (*it)->inputs_begin; i < (*it)->inputs_end; ++i)
            replay_input(scene, inputs[i]);
        if ((*it)->world_moved)
            scene.move_world();
        scene.settle_queues();
    }
    // Every tick ended with its requests handled, so the restored moment
    // has none pending.
    scene.failed_request = false;
    scene.passed_request = false;
    scene.listeners.swap(listening);
}

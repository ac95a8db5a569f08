#include "rewind_log.h"

#include "game_scene.h"
#include "placement.h"
#include "stockchar.h"

#include <algorithm>
#include <iostream>
#include <sstream>

void rewind_log::begin(unsigned char tick_counter)
{
    inputs.clear();
    steps.clear();
    world_steps.clear();
    first_tick_counter = tick_counter;
}

void rewind_log::input_applied(const replay_event& e)
{
    inputs.push_back(e);
}

void rewind_log::tick_ended(bool world_moved)
{
    // A stopped tick with no input before it cannot change the world: the
    // queues it settles were emptied by the tick before.
    const std::size_t settled = steps.empty() ? 0 : steps.back().inputs_end;
    if (!world_moved && inputs.size() == settled)
        return;
    steps.push_back({inputs.size(), world_moved});
    if (world_moved)
        world_steps.push_back(steps.size() - 1);
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
    const input::intent play = input::key_meaning(e.key).play;
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
    // Whatever happened after that tick, stopped ticks and inputs included,
    // is forgotten.
    const std::size_t kept_steps =
        world_tick == 0 ? 0 : world_steps[static_cast<std::size_t>(world_tick - 1)] + 1;
    inputs.resize(kept_steps == 0 ? 0 : steps[kept_steps - 1].inputs_end);
    steps.resize(kept_steps);
    world_steps.resize(static_cast<std::size_t>(world_tick));

    // The replay is no new play: neither this history nor the sound may
    // hear it.
    std::vector<world_listener*> listening;
    listening.swap(scene.listeners);
    scene.flush_blocks();
    {
        // The level was announced when it was first loaded.
        std::ostringstream quiet;
        std::streambuf* const out = std::cout.rdbuf(quiet.rdbuf());
        scene.load_from_file(level_path);
        std::cout.rdbuf(out);
    }
    scene.tick_counter = first_tick_counter;
    std::size_t next = 0;
    for (const step& s : steps) {
        for (; next < s.inputs_end; ++next)
            replay_input(scene, inputs[next]);
        if (s.world_moved)
            scene.move_world();
        scene.settle_queues();
    }
    // Every tick ended with its requests handled, so the restored moment
    // has none pending.
    scene.failed_request = false;
    scene.passed_request = false;
    scene.listeners.swap(listening);
}

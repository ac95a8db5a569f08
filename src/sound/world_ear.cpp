#include "world_ear.h"

#include "cfg.h"
#include "game_scene.h"
#include "sound_sink.h"

#include <algorithm>

namespace
{

// Falling faster than this many ticks of gravity is a fall worth a landing
// thud; a step down a slope is not.
constexpr long long fall_ticks = 4;

bool sideways(unsigned char dir)
{
    return dir & (cfg::l | cfg::p);
}

} // namespace

world_ear::world_ear(game_scene& scene, sounds::id music) : scene(scene), music(music)
{
    scene.add_listener(this);
}

world_ear::~world_ear()
{
    scene.remove_listener(this);
}

void world_ear::happened(const world_event& e)
{
    // The scene that shows the level is pushed before this one ticks again.
    if (e.kind == world_event::door) {
        ask_for(sounds::door);
        return;
    }
    events.push_back(e);
}

void world_ear::tick_ended(bool)
{
    if (sound_sink* sink = sound_sink::current())
        sink->play_music(music);
    // What happened in a tick that emptied the world (a restart, a rewind)
    // belongs to a world taken back, and the jingle of a moment taken back
    // is dropped with it.
    const bool same_world = has_heard && scene.flushes == flushes;
    if (!same_world)
        pending.clear();

    for (auto& p : pending)
        --p.second;
    for (const auto& p : pending)
        if (p.second <= 0)
            ask_for(p.first);
    pending.erase(
        std::remove_if(pending.begin(), pending.end(), [](const auto& p) { return p.second <= 0; }),
        pending.end());
    if (step_wait > 0)
        --step_wait;
    if (scrape_wait > 0)
        --scrape_wait;

    if (same_world)
        hear(events);
    else
        jumped_before.clear();
    events.clear();
    flushes = scene.flushes;
    has_heard = true;
}

void world_ear::hear(const std::vector<world_event>& tick)
{
    using ev = world_event;
    auto any = [&](ev::kind_t k) {
        return std::any_of(tick.begin(), tick.end(), [k](const ev& e) { return e.kind == k; });
    };
    // A character that jumped is not heard landing in the same tick, nor one
    // shoved sideways by something else stepping.
    std::vector<const stockblock*> jumped, shoved;
    for (const ev& e : tick) {
        if (e.kind == ev::jump)
            jumped.push_back(e.who);
        else if (e.kind == ev::push && sideways(e.dir))
            shoved.push_back(e.who);
    }
    auto among = [](const std::vector<const stockblock*>& who, const stockblock* b) {
        return std::find(who.begin(), who.end(), b) != who.end();
    };
    const long long hard_fall = fall_ticks * scene.gravity_per_tick;

    for (const ev& e : tick)
        if (e.kind == ev::fuse)
            ask_for(sounds::fuse);
    const bool blast = any(ev::blast);
    if (blast) {
        ask_for(sounds::blast);
        // The rubble of what the blast took, beyond the bombs themselves.
        for (const ev& e : tick)
            if (e.kind == ev::blast && e.victims > 0) {
                pending.emplace_back(sounds::crumble, 3);
                break;
            }
    }

    for (const ev& e : tick) {
        if (e.kind == ev::jump && !among(jumped_before, e.who))
            ask_for(sounds::jump);
        else if (e.kind == ev::land && e.speed > hard_fall && !among(jumped, e.who))
            ask_for(sounds::land);
    }
    jumped_before = std::move(jumped);
    bool stepped = false;
    for (const ev& e : tick)
        stepped = stepped || (e.kind == ev::step && !among(shoved, e.who));
    if (stepped && step_wait == 0) {
        ask_for(sounds::footstep);
        step_wait = step_ticks;
    }
    if (any(ev::exit_taken))
        ask_for(sounds::exit_taken);
    if (any(ev::passed))
        pending.emplace_back(sounds::passed, jingle_delay_ticks);
    const bool spiked = any(ev::spikes);
    if (spiked || any(ev::death)) {
        if (spiked && !blast)
            ask_for(sounds::spikes);
        pending.emplace_back(sounds::failed, jingle_delay_ticks);
    }

    if (any(ev::draw))
        ask_for(sounds::draw);
    if (any(ev::char_switch))
        ask_for(sounds::char_switch);
    if (any(ev::cloud_turn))
        ask_for(sounds::cloud_turn);
    bool landed = false;
    for (const ev& e : tick)
        landed = landed || (e.kind == ev::block_land && e.speed > hard_fall);
    if (landed)
        ask_for(sounds::block_land);
    if (!shoved.empty() && scrape_wait == 0) {
        ask_for(sounds::push);
        scrape_wait = scrape_ticks;
    }
}

void world_ear::ask_for(sounds::id s)
{
    sound_sink::cue(s);
}

#include "world_ear.h"

#include "cloud.h"
#include "game_scene.h"
#include "sound_sink.h"
#include "stockchar.h"

#include <algorithm>

namespace
{

// Falling faster than this many ticks of gravity is a fall worth a landing
// thud; a step down a slope is not.
constexpr long long fall_ticks = 4;

int objects_in(const game_scene& s)
{
    int n = static_cast<int>(s.characters.size());
    for (int c = 0; c < 4; ++c)
        n += static_cast<int>(s.clouds[c].size() + s.fallings[c].size() + s.exits[c].size());
    n += static_cast<int>(s.entrances.size());
    for (const auto& column : s.grid)
        n += static_cast<int>(std::count_if(column.begin(), column.end(),
                                            [](const stockblock* b) { return b != nullptr; }));
    return n;
}

} // namespace

world_ear::world_ear(game_scene& scene, sounds::id music) : scene(scene), music(music)
{
    scene.watcher = this;
}

world_ear::~world_ear()
{
    if (scene.watcher == this)
        scene.watcher = nullptr;
}

world_ear::seen world_ear::look() const
{
    seen s;
    s.flushes = scene.flushes;
    for (const stockchar* ch : scene.characters) {
        s.characters[ch] = {ch->x, ch->vx, ch->vy};
        for (const stock_slot* slot : ch->stock_slots)
            if (slot)
                s.stock += slot->count;
    }
    if (scene.focused < scene.characters.size())
        s.focused = scene.characters[scene.focused];
    for (int c = 0; c < 4; ++c) {
        for (const stockblock* b : scene.clouds[c])
            s.clouds[b] = static_cast<const cloud*>(b)->dir;
        for (const stockblock* b : scene.fallings[c])
            s.fallings[b] = {b->x, b->vx, b->vy};
    }
    for (const stockblock* b : scene.bombs)
        s.bombs[b] = true;
    if (!scene.bombs.empty() || !last.bombs.empty())
        s.objects = objects_in(scene);
    return s;
}

void world_ear::tick_ended(bool world_moved)
{
    if (sound_sink* sink = sound_sink::current())
        sink->play_music(music);
    seen now = look();
    // A new world (restarted, rewound) is not heard as a jump of all the
    // old one's objects to their new places, and the jingle of a moment
    // taken back is dropped with it.
    const bool same_world = has_seen && now.flushes == last.flushes;
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
        hear(last, now, world_moved);
    last = std::move(now);
    has_seen = true;
}

void world_ear::hear(const seen& before, seen& now, bool world_moved)
{
    const long long g = scene.gravity_per_tick;

    // Bombs: a new one burns, a vanished one blew up.
    bool blast = false;
    // A bomb drawn while the world stands still burns only once it runs:
    // until then it is left unseen, so the fuse is heard when it starts.
    for (auto it = now.bombs.begin(); it != now.bombs.end();) {
        if (before.bombs.count(it->first)) {
            ++it;
        } else if (world_moved) {
            ask_for(sounds::fuse);
            ++it;
        } else {
            it = now.bombs.erase(it);
        }
    }
    for (const auto& b : before.bombs)
        if (!now.bombs.count(b.first))
            blast = true;
    if (blast) {
        ask_for(sounds::blast);
        // The rubble of what the blast took, beyond the bombs themselves.
        if (now.objects < before.objects)
            pending.emplace_back(sounds::crumble, 3);
    }

    // Characters.
    bool stepped = false, pushed = false;
    int gone = 0;
    for (const auto& [ch, was] : before.characters) {
        const auto it = now.characters.find(ch);
        if (it == now.characters.end()) {
            ++gone;
            continue;
        }
        const body& is = it->second;
        const bool jumped = is.vy == ch->jump_speed && was.vy != ch->jump_speed;
        const bool grounded = is.vy == g || jumped;
        if (jumped)
            ask_for(sounds::jump);
        else if (grounded && was.vy > fall_ticks * g)
            ask_for(sounds::land);
        // Moved further along than its own speed takes it: shoved by a
        // cloud. Walking into a wall moves it less, which is no push.
        const long long own = was.vx / scene.ticks_per_second;
        const long long dx = is.x - was.x;
        if ((dx > 0 && dx > std::max(own, 0LL)) || (dx < 0 && dx < std::min(own, 0LL)))
            pushed = true;
        else if (grounded && !jumped && dx != 0)
            stepped = true;
    }
    if (stepped && step_wait == 0) {
        ask_for(sounds::footstep);
        step_wait = step_ticks;
    }
    // A character that left without a blast went through an exit; the last
    // one stays in the world and asks for the pass instead.
    if ((gone > 0 && !blast) || scene.passed_request)
        ask_for(sounds::exit_taken);
    if (scene.passed_request)
        pending.emplace_back(sounds::passed, jingle_delay_ticks);
    if (scene.failed_request && !scene.menu) {
        if (!blast)
            ask_for(sounds::spikes);
        pending.emplace_back(sounds::failed, jingle_delay_ticks);
    }

    if (now.stock < before.stock)
        ask_for(sounds::draw);
    if (before.focused && now.focused != before.focused && now.characters.count(before.focused))
        ask_for(sounds::char_switch);

    bool turned = false;
    for (const auto& [c, dir] : now.clouds) {
        const auto it = before.clouds.find(c);
        if (it != before.clouds.end() && it->second != dir)
            turned = true;
    }
    if (turned)
        ask_for(sounds::cloud_turn);

    bool landed = false;
    for (const auto& [b, is] : now.fallings) {
        const auto it = before.fallings.find(b);
        if (it == before.fallings.end())
            continue;
        // Falling blocks move sideways only when pushed.
        if (is.x != it->second.x)
            pushed = true;
        if (is.vy == g && it->second.vy > fall_ticks * g)
            landed = true;
    }
    if (landed)
        ask_for(sounds::block_land);
    if (pushed && scrape_wait == 0) {
        ask_for(sounds::push);
        scrape_wait = scrape_ticks;
    }
}

void world_ear::ask_for(sounds::id s)
{
    sound_sink::cue(s);
}

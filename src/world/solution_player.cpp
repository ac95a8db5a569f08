#include "solution_player.h"

#include "game_scene.h"
#include "rewind_log.h"
#include "stockchar.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <ostream>

bool solution_player::load(const std::string& path)
{
    events.clear();
    next = 0;
    tick = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    replay_script script = parse_replay_script(in);
    if (!script.ok()) {
        error = path + ": " + script.error;
        return false;
    }
    events = std::move(script.events);
    std::stable_sort(events.begin(), events.end(),
                     [](const replay_event& a, const replay_event& b) { return a.tick < b.tick; });
    error.clear();
    return true;
}

void solution_player::feed(game_scene& scene, rewind_log& history, const std::string& level_path)
{
    if (tick == 0)
        start_moment = history.played_ticks();
    ++tick;
    std::ostream discard(nullptr);
    for (; next < events.size() && events[next].tick == tick; ++next) {
        const replay_event& e = events[next];
        if (e.kind == replay_event::rewind) {
            // The history has played one tick per script tick since the start.
            // As in run_replay, the keys the characters hold stay held.
            std::vector<std::array<bool, 4>> held;
            for (const stockchar* ch : scene.characters)
                held.push_back({ch->left_held, ch->right_held, ch->jump_held, ch->down_held});
            const long long then = start_moment + std::max(0LL, tick - 1 - e.back);
            history.restore_played(scene, level_path, then);
            for (std::size_t i = 0; i < held.size() && i < scene.characters.size(); ++i) {
                stockchar* ch = scene.characters[i];
                ch->left_held = held[i][0];
                ch->right_held = held[i][1];
                ch->jump_held = held[i][2];
                ch->down_held = held[i][3];
            }
            continue;
        }
        apply_replay_event(scene, e, discard);
    }
}

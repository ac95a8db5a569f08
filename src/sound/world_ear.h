#ifndef CRUMBLEFORD_SOUND_WORLD_EAR_H
#define CRUMBLEFORD_SOUND_WORLD_EAR_H

// Turns what happened in a game scene's world into sounds: it listens to
// the scene's events, and at the end of each tick asks the installed sound
// sink for the sounds of that tick's events, spacing out footsteps and
// scrapes and letting jingles wait for what caused them. It changes nothing
// in the world. Owned by the scene it listens to.

#include "sound_table.h"
#include "world_listener.h"

#include <utility>
#include <vector>

class game_scene;
class stockblock;

class world_ear : public world_listener
{
  public:
    // music: the loop to play while this scene is shown.
    world_ear(game_scene& scene, sounds::id music);
    ~world_ear() override;

    void happened(const world_event& e) override;
    void tick_ended(bool world_moved) override;

    // Ticks between two footsteps, and between two scrapes of a pushed
    // block: once a tick would be a buzz.
    static constexpr int step_ticks = 8;
    static constexpr int scrape_ticks = 6;
    // A jingle waits for the sound of what caused it.
    static constexpr int jingle_delay_ticks = 10;

  private:
    void hear(const std::vector<world_event>& tick);
    void ask_for(sounds::id s);

    game_scene& scene;
    sounds::id music;
    bool has_heard = false;
    unsigned int flushes = 0;        // the scene's, when the last tick ended
    std::vector<world_event> events; // since the last tick ended
    // Who took off in the tick before: held jump on a character pinned
    // under a block takes off again every tick, which is heard once.
    std::vector<const stockblock*> jumped_before;
    int step_wait = 0;
    int scrape_wait = 0;
    std::vector<std::pair<sounds::id, int>> pending; // jingles and ticks left
};

#endif

#ifndef CRUMBLEFORD_SOUND_WORLD_EAR_H
#define CRUMBLEFORD_SOUND_WORLD_EAR_H

// Turns what happened in a game scene's tick into sounds: after each tick
// it compares the world with what it saw after the one before (a jump is a
// character that took off, a blast a bomb that is gone) and asks the
// installed sound sink for the sounds. It only reads the world, so the tick
// stays exactly what it is without sound. Owned by the scene it watches.

#include "sound_table.h"
#include "world_watcher.h"

#include <map>
#include <vector>

class game_scene;
class stockchar;
class stockblock;

class world_ear : public world_watcher
{
  public:
    // music: the loop to play while this scene is shown.
    world_ear(game_scene& scene, sounds::id music);
    ~world_ear() override;

    void tick_ended(bool world_moved) override;

    // Ticks between two footsteps, and between two scrapes of a pushed
    // block: once a tick would be a buzz.
    static constexpr int step_ticks = 8;
    static constexpr int scrape_ticks = 6;
    // A jingle waits for the sound of what caused it.
    static constexpr int jingle_delay_ticks = 10;

  private:
    struct body {
        long long x = 0;
        long long vx = 0;
        long long vy = 0;
    };
    struct seen {
        unsigned int flushes = 0;
        std::map<const stockchar*, body> characters;
        const stockchar* focused = nullptr;
        int stock = 0;
        std::map<const stockblock*, unsigned char> clouds; // direction
        std::map<const stockblock*, body> fallings;
        std::map<const stockblock*, bool> bombs;
        int objects = 0; // counted only while a bomb is about
    };

    seen look() const;
    // May forget what must be heard later (a bomb drawn in a stopped world).
    void hear(const seen& before, seen& now, bool world_moved);
    void ask_for(sounds::id s);

    game_scene& scene;
    sounds::id music;
    bool has_seen = false;
    seen last;
    int step_wait = 0;
    int scrape_wait = 0;
    std::vector<std::pair<sounds::id, int>> pending; // jingles and ticks left
};

#endif

#ifndef CRUMBLEFORD_WORLD_SOLUTION_PLAYER_H
#define CRUMBLEFORD_WORLD_SOLUTION_PLAYER_H

// A recorded solution played into a live level, one tick at a time: the
// script's events for the coming tick are handed to the scene right before
// it runs, as run_replay does headless, so the world moves exactly as the
// simulator's does. The level scene owns it while the player watches.

#include "replay.h"

#include <cstddef>
#include <string>
#include <vector>

class game_scene;
class rewind_log;

class solution_player
{
  public:
    // Reads the script at `path`; false, with the reason in `error`, when
    // it is missing or malformed: nothing will be played then.
    bool load(const std::string& path);
    // Before a tick in which the world runs: applies the events meant for
    // it. A script's rewind goes back through the level's history, whose
    // present moment is the script's start at the first call.
    void feed(game_scene& scene, rewind_log& history, const std::string& level_path);
    // Every event has been applied.
    bool done() const { return next == events.size(); }
    // Ticks fed so far: the script's tick that ran last.
    long long ticks_fed() const { return tick; }

    std::string error;

  private:
    std::vector<replay_event> events; // in tick order
    std::size_t next = 0;
    long long tick = 0;
    long long start_moment = 0; // the history's moment before the first tick
};

#endif

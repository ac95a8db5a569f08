#ifndef CRUMBLEFORD_WORLD_REWIND_LOG_H
#define CRUMBLEFORD_WORLD_REWIND_LOG_H

// The history of one attempt at a level: every input that changed the world,
// in order, and every tick in which the world ran or an input was settled.
// The world is deterministic, so replaying this from the level file rebuilds
// any earlier moment exactly. It listens to its scene and lives beside it;
// the level scene owns it.

#include "world_listener.h"

#include <string>
#include <vector>

class game_scene;

class rewind_log : public world_listener
{
  public:
    // A new attempt: the level has just been loaded, with the scene's tick
    // counter at this value (the once-a-tick claims compare against it).
    void begin(unsigned char tick_counter);

    void input_applied(const replay_event& e) override;
    void tick_ended(bool world_moved) override;

    // Ticks in which the world ran since the attempt began.
    long long world_ticks() const { return static_cast<long long>(world_steps.size()); }
    // Inputs remembered, for tests and for the restore's cost.
    std::size_t input_count() const { return inputs.size(); }

    // Rebuilds the scene's world as it was right after its world tick
    // `world_tick` ran (the level as loaded for 0) by loading `level_path`
    // again and replaying the history up to there; the history after that
    // moment is forgotten. Controls, the running flag and the zoom are left
    // alone. A tick beyond the last one restores the moment after the last.
    void restore(game_scene& scene, const std::string& level_path, long long world_tick);

  private:
    // One tick worth replaying: the inputs before it end at inputs_end.
    struct step {
        std::size_t inputs_end;
        bool world_moved;
    };
    std::vector<replay_event> inputs;
    std::vector<step> steps;
    std::vector<std::size_t> world_steps; // index in steps of each world tick
    unsigned char first_tick_counter = 0;
};

// Applies one remembered input to the world as it took effect when played:
// the running flag and any open menu do not stand in its way.
void replay_input(game_scene& scene, const replay_event& e);

#endif

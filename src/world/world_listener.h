#ifndef CRUMBLEFORD_WORLD_WORLD_LISTENER_H
#define CRUMBLEFORD_WORLD_WORLD_LISTENER_H

// What a game scene tells a feature that follows its world from outside (the
// rewind history of a level): every input that changed the world, in the
// words of the simulator's scripts, and every tick. The scene does not own
// its listener and never waits for it.

#include "replay.h"

class world_listener
{
  public:
    virtual ~world_listener() = default;
    // A key reached the focused character, the focus was switched (press C)
    // or a block was drawn from the stock (place).
    virtual void input_applied(const replay_event& e) = 0;
    // A tick ended; world_moved tells whether the world ran in it.
    virtual void tick_ran(bool world_moved) = 0;
};

#endif

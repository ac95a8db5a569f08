#ifndef CRUMBLEFORD_WORLD_WORLD_LISTENER_H
#define CRUMBLEFORD_WORLD_WORLD_LISTENER_H

// A feature that follows a game scene's world from outside (the rewind
// history of a level, the sound): it is told every input that changed the
// world, in the words of the simulator's scripts, what happened in it and
// the end of every tick. It never changes the world; the scene does not own
// its listeners and never waits for them.

#include "replay.h"
#include "world_event.h"

class world_listener
{
  public:
    virtual ~world_listener() = default;
    // A key reached the focused character, the focus was switched (press C)
    // or a block was drawn from the stock (place).
    virtual void input_applied(const replay_event&) {}
    // Told at once, in the middle of a tick or of an input.
    virtual void happened(const world_event&) {}
    // A tick ended, its queues settled and its requests not yet handled;
    // world_moved tells whether the world ran in it.
    virtual void tick_ended(bool /*world_moved*/) {}
};

#endif

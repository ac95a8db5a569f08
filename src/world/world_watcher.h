#ifndef CRUMBLEFORD_WORLD_WORLD_WATCHER_H
#define CRUMBLEFORD_WORLD_WORLD_WATCHER_H

// A feature that watches the world from outside after every tick (the
// sound): it reads the scene and never changes it. Unlike the rewind
// history's listener it hears no inputs, so replaying a level through its
// inputs, which runs no full ticks, stays unheard. The scene does not own
// its watcher.

class world_watcher
{
  public:
    virtual ~world_watcher() = default;
    // A tick ended, its queues settled and its requests not yet handled;
    // world_moved tells whether the world ran in it.
    virtual void tick_ended(bool world_moved) = 0;
};

#endif

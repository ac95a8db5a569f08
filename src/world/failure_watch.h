#ifndef CRUMBLEFORD_WORLD_FAILURE_WATCH_H
#define CRUMBLEFORD_WORLD_FAILURE_WATCH_H

// What lost the current attempt at a level, and where: the failed menu
// names it and keeps the spot in sight. It listens to a level's world; a
// character that drops out of the world below its grid, which nothing in
// the world stops, is reported here as the loss it is. The level scene owns
// it beside its world.

#include "world_listener.h"

class game_scene;

class failure_watch : public world_listener
{
  public:
    enum class cause { none, spikes, blast, fell_out, destroyed };

    explicit failure_watch(game_scene& world);

    void happened(const world_event& e) override;
    void tick_ended(bool world_moved) override;

    // Forgets the loss: a new attempt, or one rewound to before it.
    void clear();

    // The words the failed menu shows for the cause, "" for none.
    static const char* words(cause c);

    cause what = cause::none;
    // Where it happened: the middle of the spot, world units.
    long long spot_x = 0;
    long long spot_y = 0;
    // Whether a character fell out of the world in the last tick; the level
    // scene then fails the level, as the world itself never does.
    bool fell_out_now = false;

  private:
    void note(cause c, long long x, long long y);
    game_scene& world;
};

#endif

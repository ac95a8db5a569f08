#ifndef CRUMBLEFORD_WORLD_WORLD_COPY_H
#define CRUMBLEFORD_WORLD_WORLD_COPY_H

// A copy of a level's world between two ticks, so that a search can try
// many continuations of one moment without replaying the way there. The
// copy takes every object, in the order of each of the scene's lists (the
// order the tick and the collision queries walk), with every field the
// tick reads; what it then plays is what the original would have played.
// A world holding something it cannot copy (a map's doors, objects waiting
// to be removed) gives nullptr, and the caller replays instead.

#include <memory>

class game_scene;

std::unique_ptr<game_scene> copy_world(game_scene& from);

#endif

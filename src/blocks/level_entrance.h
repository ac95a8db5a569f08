#ifndef CRUMBLEFORD_BLOCKS_LEVEL_ENTRANCE_H
#define CRUMBLEFORD_BLOCKS_LEVEL_ENTRANCE_H

// A door on the map screen leading into a level. Its picture shows whether
// the level is passed (the map screen tells it), with the level's name above
// it and, for a level passed at or under par, a medal on its upper right
// corner. Its hit square is 2 x 2 blocks, its picture 2 x 1.

#include "stockblock.h"

#include <string>

class level_entrance : public stockblock
{
  public:
    level_entrance(game_scene* scene, long long x, long long y, const std::string& level_name);

    void advance(int) override {}
    void updateGL() override;
    void calculate_size() override;
    void triggered(stockchar* who) override;

    std::string level_name;
    bool passed = false;
    // Passed once with no more placements than the level's par; shown only
    // on a passed door.
    bool par_mark = false;
    // Where the medal goes, in viewport pixels, from the door's picture.
    static void par_mark_quad(const float* door, int door_height, float* quad);
};

#endif

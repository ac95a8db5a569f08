#ifndef CRUMBLEFORD_BLOCKS_LEVEL_EXIT_H
#define CRUMBLEFORD_BLOCKS_LEVEL_EXIT_H

// An exit door (2 x 2 blocks): characters that can touch it leave the level
// through it. Not an obstacle.

#include "stockblock.h"

class level_exit : public stockblock
{
  public:
    level_exit(game_scene* scene, long long x, long long y, unsigned char color_index);

    void advance(int) override {}
    void updateGL() override;
    void triggered(stockchar* who) override;
};

#endif

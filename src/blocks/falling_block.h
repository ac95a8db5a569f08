#ifndef CRUMBLEFORD_BLOCKS_FALLING_BLOCK_H
#define CRUMBLEFORD_BLOCKS_FALLING_BLOCK_H

// A block that falls under gravity whenever nothing holds it, pushing
// characters below it down; it comes to rest on whatever stops it.

#include "stockblock.h"

class falling_block : public stockblock
{
  public:
    falling_block(game_scene* scene, long long x, long long y, unsigned char color_index);

    void advance(int phase) override;
    void updateGL() override;
    void push(unsigned char dir, long long pos, int force, stockblock* pusher) override;

    unsigned char dir = 0;
};

#endif

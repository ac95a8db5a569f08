#ifndef CRUMBLEFORD_BLOCKS_FAKEBLOCK_H
#define CRUMBLEFORD_BLOCKS_FAKEBLOCK_H

// A block-shaped probe that asks "what overlaps this square?" where no real
// block is. Never registered with the scene, drawn or advanced.

#include "stockblock.h"

class fakeblock : public stockblock
{
  public:
    fakeblock(game_scene* scene, long long x, long long y, unsigned char color_index,
              long long size);

    QRectF boundingRect() const override { return QRectF(0, 0, 1, 1); }
};

#endif

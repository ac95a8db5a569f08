#ifndef CRUMBLEFORD_BLOCKS_STOCK_EXPENDABLE_H
#define CRUMBLEFORD_BLOCKS_STOCK_EXPENDABLE_H

// A static grid block of its own kind: what the player draws, what frames
// every level. Being a separate kind spares it from bomb blasts.

#include "stockblock.h"

class stock_expendable : public stockblock
{
  public:
    stock_expendable(game_scene* scene, long long x, long long y, unsigned char color_index);

    void updateGL() override;
};

#endif

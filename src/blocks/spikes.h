#ifndef CRUMBLEFORD_BLOCKS_SPIKES_H
#define CRUMBLEFORD_BLOCKS_SPIKES_H

// A static grid block that kills every character of its colour (or any
// character, when white) overlapping it. Characters are not stopped by it.

#include "stockblock.h"

class spikes : public stockblock
{
  public:
    spikes(game_scene* scene, long long x, long long y, unsigned char color_index);

    void advance(int phase) override;
    void updateGL() override;
};

#endif

#ifndef CRUMBLEFORD_BLOCKS_BOMB_H
#define CRUMBLEFORD_BLOCKS_BOMB_H

// A bomb drawn by the player: its fuse burns for one second, then the scene
// deletes it and the blast destroys what overlaps it, except drawn blocks
// and other bombs.

#include "stockblock.h"

class bomb : public stockblock
{
  public:
    bomb(game_scene* scene, long long x, long long y, unsigned char color_index);
    ~bomb() override; // the explosion

    void advance(int phase) override;
    void updateGL() override;

    unsigned int fuse;
};

#endif

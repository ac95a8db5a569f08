#ifndef CRUMBLEFORD_BLOCKS_CLOUD_H
#define CRUMBLEFORD_BLOCKS_CLOUD_H

// A moving platform that shuttles along one axis between the obstacles
// bounding its track, pushing characters in its way. Clouds pass through
// one another.

#include "stockblock.h"

class cloud : public stockblock
{
  public:
    cloud(game_scene* scene, long long x, long long y, unsigned char dir, unsigned char color_index,
          long long speed);

    void advance(int phase) override;
    void updateGL() override;
    void push(unsigned char dir, long long pos, int force, stockblock* pusher) override;

    unsigned char dir;
    long long speed;
};

#endif

#include "fakeblock.h"

fakeblock::fakeblock(game_scene* scene, long long x, long long y, unsigned char color_index,
                     long long size)
{
    world = scene;
    this->x = x;
    this->y = y;
    this->color_index = color_index;
    vx = vy = 0;
    // A colour number above 3 keeps the white default: the probe sees all.
    calculate_colorflag();
    this->size = size;
}

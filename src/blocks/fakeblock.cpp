#include "fakeblock.h"

fakeblock::fakeblock(game_scene* scene, long long x, long long y, unsigned char color_index,
                     long long size)
    : stockblock(scene, 0, x, y, color_index)
{
    this->size = size; // a probe is never filed, so its size may come late
}

#include "level_exit.h"

#include "cfg.h"
#include "game_scene.h"
#include "spriteman.h"

level_exit::level_exit(game_scene* scene, long long x, long long y, unsigned char color_index)
    : stockblock(scene, cfg::exit, x, y, color_index)
{
}

void level_exit::triggered(stockchar* who)
{
    // Leaving is settled at the end of the tick: the last one passes the level.
    world->removal_queue.push_back(who);
}

void level_exit::updateGL()
{
    draw_square(spriteman::tex_door_out[color_index & 3]);
}

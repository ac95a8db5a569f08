#include "level_exit.h"

#include "cfg.h"
#include "game_scene.h"
#include "spriteman.h"

level_exit::level_exit(game_scene* scene, long long x, long long y, unsigned char color_index)
{
    world = scene;
    this->x = x;
    this->y = y;
    this->color_index = color_index;
    calculate_colorflag();
    depth = 0.5;
    type = cfg::exit;
    register_listed();
    contacts = 0;
    tick_mark = 0;
    weight = 100;
    size = 2 * cfg::multiplier;
    calculate_size(); // pixel size and item position
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

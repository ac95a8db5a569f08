#include "spikes.h"

#include "cfg.h"
#include "game_scene.h"
#include "spriteman.h"

spikes::spikes(game_scene* scene, long long x, long long y, unsigned char color_index)
    : stockblock(scene, cfg::spike, x, y, color_index)
{
}

void spikes::advance(int phase)
{
    if (phase != 1)
        return;
    if (!colliding_blocks(x, y, x, y, cfg::character).empty()) {
        world->failed_request = true;
        world->tell(world_event{world_event::spikes, this});
    }
}

void spikes::updateGL()
{
    draw_square(spriteman::tex_spikes[color_index & 3]);
}

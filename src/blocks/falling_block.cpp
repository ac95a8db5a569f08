#include "falling_block.h"

#include "cfg.h"
#include "game_scene.h"
#include "spriteman.h"

#include <algorithm>

namespace
{

constexpr unsigned int obstacles =
    cfg::character | cfg::static0 | cfg::cloud | cfg::falling | cfg::spike | cfg::stock_expendable;

} // namespace

falling_block::falling_block(game_scene* scene, long long x, long long y, unsigned char color_index)
    : stockblock(scene, cfg::falling, x, y, color_index, 15, 0.4), dir(cfg::d)
{
}

void falling_block::advance(int phase)
{
    if (phase != 1)
        return;
    if (!claim_tick())
        return;
    tentative_move();
    std::list<stockblock*> candidates = colliding_blocks(x, y, next_x, next_y, obstacles);
    mk1dcollisions(candidates, cfg::d, next_y, 15, this, true);
    x = next_x;
    y = next_y;
    vy = std::clamp(vy + world->gravity_per_tick, -cfg::max_speed, cfg::max_speed);
    sync_item_pos();
}

void falling_block::push(unsigned char push_dir, long long pos, int force, stockblock* pusher)
{
    if (force < weight)
        return;
    if (force == weight) {
        // Something falling onto us: let us fall first.
        if (push_dir & cfg::d)
            advance(1);
        return;
    }
    push_reaction(push_dir, pos, force, pusher, obstacles);
}

void falling_block::updateGL()
{
    draw_square(spriteman::tex_falling[color_index & 3]);
}

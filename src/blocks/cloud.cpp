#include "cloud.h"

#include "cfg.h"
#include "game_scene.h"
#include "spriteman.h"

#include <algorithm>

namespace
{

constexpr unsigned int obstacles =
    cfg::character | cfg::static0 | cfg::falling | cfg::spike | cfg::stock_expendable;

} // namespace

cloud::cloud(game_scene* scene, long long x, long long y, unsigned char dir,
             unsigned char color_index, long long speed)
    : stockblock(scene, cfg::cloud, x, y, color_index, 15, 0.4), dir(dir), speed(speed)
{
    if (dir == cfg::g)
        vy = -speed;
    else if (dir == cfg::d)
        vy = speed;
    else if (dir == cfg::l)
        vx = -speed;
    else if (dir == cfg::p)
        vx = speed;
    vy = std::clamp(vy, -cfg::max_speed, cfg::max_speed);
    vx = std::clamp(vx, -cfg::max_speed, cfg::max_speed);
}

void cloud::advance(int phase)
{
    if (phase != 1)
        return;
    if (!claim_tick())
        return;
    tentative_move();
    std::list<stockblock*> candidates = colliding_blocks(x, y, next_x, next_y, obstacles);
    const long long lead = (dir == cfg::g || dir == cfg::d) ? next_y : next_x;
    mk1dcollisions(candidates, dir, lead, weight, this, true);
    x = next_x;
    y = next_y;
    sync_item_pos();

    // A stop zeroed the moving component: turn back along the track.
    const unsigned char was_dir = dir;
    if (dir == cfg::p && vx == 0) {
        dir = cfg::l;
        vx = -speed;
    } else if (dir == cfg::l && vx == 0) {
        dir = cfg::p;
        vx = speed;
    } else if (dir == cfg::g && vy == 0) {
        dir = cfg::d;
        vy = speed;
    } else if (dir == cfg::d && vy == 0) {
        dir = cfg::g;
        vy = -speed;
    }
    if (dir != was_dir)
        world->tell(world_event{world_event::cloud_turn, this});
}

void cloud::push(unsigned char push_dir, long long pos, int force, stockblock* pusher)
{
    if (force < weight)
        return;
    if (force == weight) {
        // An equal push along our own track lets us make our move first.
        if (push_dir == dir)
            advance(1);
        return;
    }
    push_reaction(push_dir, pos, force, pusher, obstacles);
}

void cloud::updateGL()
{
    draw_square(spriteman::tex_cloud[color_index & 3]);
    // The way it goes now, on its leading edge: it turns when the cloud does.
    draw_turned(spriteman::tex_cloud_arrow, vertices, dir);
}

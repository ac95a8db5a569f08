#include "stockchar.h"

#include "cfg.h"
#include "game_scene.h"
#include "spriteman.h"

#include <QKeyEvent>
#include <algorithm>

namespace
{

constexpr unsigned int obstacles = cfg::cloud | cfg::static0 | cfg::falling | cfg::stock_expendable;

long long clamp_speed(long long v)
{
    return std::clamp(v, -cfg::max_speed, cfg::max_speed);
}

} // namespace

stockchar::stockchar(game_scene* scene, long long x, long long y, unsigned char color_index)
    : stockblock(scene, cfg::character, x, y, color_index, 10, 0.3)
{
    walk_speed = static_cast<long long>(cfg::multiplier * 2.4);
    ground_accel = walk_speed;
    air_accel = walk_speed / 2;
    jump_speed = static_cast<long long>(cfg::multiplier * -6.5);
    anim_counter = 0;
    stock_slots[0] = new stock_slot{1, cfg::falling, 9};
    stock_slots[1] = new stock_slot{1, cfg::cloud, 9};
    stock_slots[2] = new stock_slot{1, cfg::spike, 9};
    register_listed();
}

stockchar::~stockchar()
{
    // A queued exit of a character that is gone must not reach a new object
    // that happens to get the same address.
    world->removal_queue.remove(this);
    for (stock_slot*& s : stock_slots) {
        delete s;
        s = nullptr;
    }
}

void stockchar::advance(int phase)
{
    if (phase != 1)
        return;
    tick_mark = world->tick_counter;
    const long long from_x = x;
    tentative_move();
    std::list<stockblock*> candidates = colliding_blocks(x, y, next_x, next_y, obstacles);
    mk2dcollisions(candidates);
    x = next_x;
    y = next_y;

    vy += world->gravity_per_tick;
    // Holding jump on the ground jumps again on every landing.
    const bool takes_off = (contacts & cfg::d) && jump_held;
    if (takes_off) {
        vy = jump_speed;
        world->tell(world_event{world_event::jump, this});
    } else if ((contacts & cfg::d) && x != from_x) {
        world->tell(world_event{world_event::step, this});
    }
    vy = clamp_speed(vy);
    vx = clamp_speed(vx);

    const long long a = (contacts & cfg::d) ? ground_accel : air_accel;
    if (left_held) {
        if (vx > -walk_speed) {
            vx -= a;
            if (vx < -walk_speed)
                vx = -walk_speed;
        }
    } else if (right_held) {
        if (vx < walk_speed) {
            vx += a;
            if (vx > walk_speed)
                vx = walk_speed;
        }
    } else if (vx > 0) {
        vx = std::max(vx - a, 0LL);
    } else if (vx < 0) {
        vx = std::min(vx + a, 0LL);
    }
    contacts = 0;
    sync_item_pos();
}

void stockchar::push(unsigned char dir, long long pos, int force, stockblock* pusher)
{
    // No equal-force rule: a character only yields to a stronger push.
    if (force > weight)
        push_reaction(dir, pos, force, pusher, obstacles);
}

void stockchar::destroyed()
{
    world->failed_request = true;
    world->tell(world_event{world_event::death, this});
}

std::list<stockblock*> stockchar::doors_here()
{
    return colliding_blocks(x, y, x, y, cfg::exit | cfg::entrance);
}

void stockchar::activate_doors()
{
    for (stockblock* door : doors_here())
        door->triggered(this);
}

void stockchar::keyPressEvent(QKeyEvent* e)
{
    press(input::key_meaning(e->key()).play);
}

void stockchar::keyReleaseEvent(QKeyEvent* e)
{
    release(input::key_meaning(e->key()).play);
}

void stockchar::press(input::intent i)
{
    switch (i) {
    case input::intent::jump:
        jump_held = true;
        break;
    case input::intent::hold_down:
        down_held = true;
        break;
    case input::intent::walk_left:
        left_held = true;
        break;
    case input::intent::walk_right:
        right_held = true;
        break;
    case input::intent::switch_character:
        left_held = right_held = jump_held = down_held = false;
        break;
    case input::intent::door:
        activate_doors();
        break;
    default:
        break;
    }
}

void stockchar::release(input::intent i)
{
    switch (i) {
    case input::intent::jump:
        jump_held = false;
        break;
    case input::intent::hold_down:
        down_held = false;
        break;
    case input::intent::walk_left:
        left_held = false;
        break;
    case input::intent::walk_right:
        right_held = false;
        break;
    default:
        break;
    }
}

void stockchar::updateGL()
{
    // The walk cycle only turns while moving; standing shows frame 0.
    unsigned int frame = 0;
    if (vx != 0)
        frame = anim_counter++ % 6;
    draw_square(spriteman::tex_char[(color_index & 3) * 6 + frame]);
}

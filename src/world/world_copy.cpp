#include "world_copy.h"

#include "bomb.h"
#include "cfg.h"
#include "cloud.h"
#include "falling_block.h"
#include "game_scene.h"
#include "level_exit.h"
#include "spikes.h"
#include "stock_expendable.h"
#include "stockchar.h"

namespace
{

void copy_motion(const stockblock& from, stockblock& to)
{
    to.x = from.x;
    to.y = from.y;
    to.vx = from.vx;
    to.vy = from.vy;
    to.weight = from.weight;
    to.tick_mark = from.tick_mark;
    to.contacts = from.contacts;
    to.size = from.size;
    to.next_x = from.next_x;
    to.next_y = from.next_y;
}

} // namespace

std::unique_ptr<game_scene> copy_world(game_scene& from)
{
    if (!from.entrances.empty() || !from.removal_queue.empty() || !from.deletion_queue.empty() ||
        !from.has_grid())
        return nullptr;
    auto to = std::make_unique<game_scene>();
    to->set_map_size(from.grid_width, from.grid_height);
    to->gravity = from.gravity;
    to->gravity_per_tick = from.gravity_per_tick;
    to->ticks_per_second = from.ticks_per_second;
    to->running = from.running;
    to->tick_counter = from.tick_counter;

    // Grid kinds first, spikes in their list's order, then the cells left.
    for (const stockblock* b : from.spikes_list)
        copy_motion(*b, *new spikes(to.get(), b->x, b->y, b->color_index));
    for (size_t c = 0; c < from.grid.size(); ++c) {
        for (size_t r = 0; r < from.grid[c].size(); ++r) {
            const stockblock* b = from.grid[c][r];
            if (!b || to->grid[c][r])
                continue;
            stockblock* copy = nullptr;
            if (b->type == cfg::static0)
                copy = new stockblock(to.get(), b->x, b->y, b->color_index);
            else if (b->type == cfg::stock_expendable)
                copy = new stock_expendable(to.get(), b->x, b->y, b->color_index);
            else
                return nullptr;
            copy_motion(*b, *copy);
        }
    }
    for (int colour = 0; colour < 4; ++colour) {
        for (const stockblock* b : from.exits[colour])
            copy_motion(*b, *new level_exit(to.get(), b->x, b->y, b->color_index));
        for (const stockblock* b : from.clouds[colour]) {
            const auto* c = static_cast<const cloud*>(b);
            auto* copy = new cloud(to.get(), b->x, b->y, c->dir, b->color_index, c->speed);
            copy_motion(*b, *copy);
        }
        for (const stockblock* b : from.fallings[colour]) {
            auto* copy = new falling_block(to.get(), b->x, b->y, b->color_index);
            copy_motion(*b, *copy);
            copy->dir = static_cast<const falling_block*>(b)->dir;
        }
    }
    for (const stockblock* b : from.bombs) {
        auto* copy = new bomb(to.get(), b->x, b->y, b->color_index);
        copy_motion(*b, *copy);
        copy->fuse = static_cast<const bomb*>(b)->fuse;
    }
    for (const stockchar* ch : from.characters) {
        auto* copy = new stockchar(to.get(), ch->x, ch->y, ch->color_index);
        copy_motion(*ch, *copy);
        copy->left_held = ch->left_held;
        copy->right_held = ch->right_held;
        copy->jump_held = ch->jump_held;
        copy->down_held = ch->down_held;
        for (int k = 0; k < 3; ++k)
            *copy->stock_slots[k] = *ch->stock_slots[k];
        copy->anim_counter = ch->anim_counter;
        copy->walk_speed = ch->walk_speed;
        copy->ground_accel = ch->ground_accel;
        copy->air_accel = ch->air_accel;
        copy->jump_speed = ch->jump_speed;
    }
    to->focused = from.focused;
    return to;
}

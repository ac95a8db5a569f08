#include "bomb.h"

#include "cfg.h"
#include "game_scene.h"
#include "spriteman.h"

bomb::bomb(game_scene* scene, long long x, long long y, unsigned char color_index)
    : stockblock(scene, cfg::bomb, x, y, color_index, 100, 0.39),
      fuse(static_cast<unsigned int>(scene->ticks_per_second))
{
}

bomb::~bomb()
{
    world->remove_gl_item(this);
    const unsigned int mask = cfg::all & ~(cfg::all_expendables | cfg::bomb);
    const std::list<stockblock*> victims = colliding_blocks(x, y, x, y, mask);
    // Emptying the world (a restart, a rewind) deletes a bomb too: only a
    // burnt-out fuse is a blast.
    if (fuse == 0) {
        world_event e{world_event::blast, this};
        e.victims = static_cast<int>(victims.size());
        world->tell(e);
    }
    for (stockblock* victim : victims) {
        victim->destroyed();
        delete victim;
    }
}

void bomb::advance(int phase)
{
    if (phase != 1 || fuse == 0)
        return;
    if (fuse == static_cast<unsigned int>(world->ticks_per_second))
        world->tell(world_event{world_event::fuse, this});
    --fuse;
    if (fuse == 0)
        world->deletion_queue.push_back(this);
}

void bomb::updateGL()
{
    const auto frame = static_cast<unsigned int>(
        9 - 9 * static_cast<double>(fuse) / static_cast<double>(world->ticks_per_second));
    draw_square(spriteman::tex_bomb[(color_index & 3) * 9 + (frame > 8 ? 8 : frame)]);
}

#include "placement.h"

#include "bomb.h"
#include "cfg.h"
#include "cloud.h"
#include "fakeblock.h"
#include "falling_block.h"
#include "game_scene.h"
#include "spikes.h"
#include "stock_expendable.h"
#include "stockchar.h"

namespace
{

// Whether nothing of a kind in mask, sharing a colour bit with the probe's
// colour number, overlaps the cell's square.
bool cell_free(game_scene* scene, long long cell_x_units, long long cell_y_units,
               unsigned char colornum, unsigned int mask)
{
    fakeblock probe(scene, cell_x_units, cell_y_units, colornum, cfg::multiplier);
    return probe.colliding_blocks(cell_x_units, cell_y_units, cell_x_units, cell_y_units, mask)
        .empty();
}

} // namespace

bool in_reach(const stockchar& ch, long long cell_x, long long cell_y)
{
    const long long m = cfg::multiplier;
    return m * (cell_x + 1) > ch.x - 2 * m && m * (cell_y + 1) > ch.y - 2 * m &&
           ch.x + ch.size + 2 * m > m * cell_x && ch.y + ch.size + 2 * m > m * cell_y;
}

bool place_from_stock(game_scene* scene, unsigned int slot, long long cell_x, long long cell_y,
                      unsigned char direction, bool commit)
{
    const long long m = cfg::multiplier;
    stockchar* ch = scene->focused_char();
    if (slot > 2 || !ch || !ch->stock_slots[slot])
        return false;
    stock_slot& s = *ch->stock_slots[slot];
    if (s.type == 0 || s.count == 0)
        return false;
    if (!scene->in_grid(cell_x, cell_y))
        return false;

    if (!in_reach(*ch, cell_x, cell_y))
        return false;

    const long long x = m * cell_x;
    const long long y = m * cell_y;
    // Colour number 7 keeps a probe white: it sees grid blocks of every colour.
    const unsigned char any_colour = cfg::white;
    switch (s.type) {
    case cfg::static0:
    case cfg::spike:
    case cfg::stock_expendable:
        if (!cell_free(scene, x, y, any_colour, cfg::all_static) ||
            !cell_free(scene, x, y, s.colornum, cfg::all))
            return false;
        break;
    case cfg::cloud:
        if (!cell_free(scene, x, y, s.colornum,
                       cfg::character | cfg::static0 | cfg::falling | cfg::spike |
                           cfg::stock_expendable))
            return false;
        break;
    case cfg::falling:
        if (!cell_free(scene, x, y, s.colornum,
                       cfg::character | cfg::static0 | cfg::cloud | cfg::falling | cfg::spike |
                           cfg::stock_expendable))
            return false;
        break;
    case cfg::destroyer:
        break;
    default:
        return false;
    }
    if (!commit)
        return true;

    switch (s.type) {
    case cfg::static0:
        new stockblock(scene, x, y, s.colornum);
        break;
    case cfg::spike:
        new spikes(scene, x, y, s.colornum);
        break;
    case cfg::stock_expendable:
        new stock_expendable(scene, x, y, s.colornum);
        break;
    case cfg::cloud:
        new cloud(scene, x, y, direction, s.colornum, 10000000);
        break;
    case cfg::falling:
        new falling_block(scene, x, y, s.colornum);
        break;
    case cfg::destroyer:
        new bomb(scene, x, y, s.colornum);
        break;
    }
    --s.count;
    scene->tell(replay_event::placement(0, slot, cell_x, cell_y, direction));
    scene->tell(world_event{world_event::draw, ch});
    return true;
}

#include "failure_watch.h"

#include "catalogue.h"
#include "cfg.h"
#include "game_scene.h"
#include "stockblock.h"
#include "stockchar.h"

failure_watch::failure_watch(game_scene& world) : world(world) {}

void failure_watch::clear()
{
    what = cause::none;
    spot_x = spot_y = 0;
    fell_out_now = false;
}

void failure_watch::note(cause c, long long x, long long y)
{
    // The first loss of an attempt is the one that counts: a blast that
    // kills is told before the deaths it causes.
    if (what != cause::none)
        return;
    what = c;
    spot_x = x;
    spot_y = y;
}

void failure_watch::happened(const world_event& e)
{
    // `who` is still whole while it is told: read its place now.
    const stockblock* b = e.who;
    const long long mid_x = b ? b->x + b->size / 2 : 0;
    const long long mid_y = b ? b->y + b->size / 2 : 0;
    switch (e.kind) {
    case world_event::spikes:
        note(cause::spikes, mid_x, mid_y);
        break;
    case world_event::blast:
        note(cause::blast, mid_x, mid_y);
        break;
    case world_event::death:
        note(cause::destroyed, mid_x, mid_y);
        break;
    case world_event::fell_out:
        note(cause::fell_out, mid_x, mid_y);
        break;
    default:
        break;
    }
}

void failure_watch::tick_ended(bool)
{
    fell_out_now = false;
    if (what != cause::none || !world.has_grid())
        return;
    // Wholly below the grid's last row, with nothing there to land on.
    const long long floor_y = static_cast<long long>(world.grid_height) * cfg::multiplier;
    for (stockchar* ch : world.characters) {
        if (ch->y < floor_y)
            continue;
        // Shown where it left the world: at the grid's bottom edge.
        note(cause::fell_out, ch->x + ch->size / 2, floor_y - cfg::multiplier / 2);
        fell_out_now = true;
        return;
    }
}

const char* failure_watch::words(cause c)
{
    switch (c) {
    case cause::spikes:
        return CF_TR_NOOP("menu", "CAUGHT BY SPIKES");
    case cause::blast:
        return CF_TR_NOOP("menu", "CAUGHT IN A BLAST");
    case cause::fell_out:
        return CF_TR_NOOP("menu", "FELL OUT OF THE WORLD");
    case cause::destroyed:
        return CF_TR_NOOP("menu", "A CHARACTER WAS LOST");
    case cause::none:
        break;
    }
    return "";
}

#include "collcard.h"

#include "cfg.h"
#include "stockblock.h"

collcard::collcard(stockblock* block, long long dist, unsigned char dir, bool forced)
    : dist(dist), block(block), forced(forced), dir(dir)
{
}

void collcard::execute(stockblock* mover, bool& untouched)
{
    const stockblock* b = block;
    const long long s = mover->size;
    bool penetrates = false;
    bool beside = false; // the perpendicular test: still facing the block
    if (dir & cfg::d) {
        penetrates = mover->next_y > b->y - s;
        beside = b->x - s < mover->next_x && mover->next_x < b->x + b->size;
    } else if (dir & cfg::g) {
        penetrates = mover->next_y < b->y + b->size;
        beside = b->x - s < mover->next_x && mover->next_x < b->x + b->size;
    } else if (dir & cfg::l) {
        penetrates = mover->next_x < b->x + b->size;
        beside = b->y - s < mover->next_y && mover->next_y < b->y + b->size;
    } else if (dir & cfg::p) {
        penetrates = mover->next_x > b->x - s;
        beside = b->y - s < mover->next_y && mover->next_y < b->y + b->size;
    }
    if (!penetrates)
        return;
    // The first correction of a run trusts a certain contact outright; every
    // later one must still face the block after earlier corrections.
    if (!(forced && untouched) && !beside)
        return;
    if (dir & cfg::d) {
        mover->next_y = b->y - s;
        mover->stop_fall();
        mover->contacts |= cfg::d;
    } else if (dir & cfg::g) {
        mover->next_y = b->y + b->size;
        mover->vy = 0;
        mover->contacts |= cfg::g;
    } else if (dir & cfg::l) {
        mover->next_x = b->x + b->size;
        mover->vx = 0;
        mover->contacts |= cfg::l;
    } else {
        mover->next_x = b->x - s;
        mover->vx = 0;
        mover->contacts |= cfg::p;
    }
    untouched = false;
}

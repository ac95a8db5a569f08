#ifndef CRUMBLEFORD_BLOCKS_COLLCARD_H
#define CRUMBLEFORD_BLOCKS_COLLCARD_H

// One correction of a two-axis move: which side of the mover touched which
// block, how early in the move (dist), and whether the contact is certain.
// Owned by the collist it is added to.

class stockblock;

class collcard
{
  public:
    collcard(stockblock* block, long long dist, unsigned char dir, bool forced);

    // Applies the correction to the mover's tentative position if it still
    // penetrates the block; `untouched` is shared by all cards of one run.
    void execute(stockblock* mover, bool& untouched);

    long long dist;
    stockblock* block;
    bool forced;
    unsigned char dir;
};

#endif

#ifndef CRUMBLEFORD_BLOCKS_COLLIST_H
#define CRUMBLEFORD_BLOCKS_COLLIST_H

// The correction cards of one two-axis move, sorted by contact time, and
// owned: executing runs them from the earliest contact to the latest.

#include <list>

class collcard;
class stockblock;

class collist
{
  public:
    collist() = default;
    ~collist();
    collist(const collist&) = delete;
    collist& operator=(const collist&) = delete;

    // Ascending dist; a forced card goes after cards of equal dist, an
    // unforced one before them.
    void add_card(collcard* c);
    // Runs the cards from the back (largest dist) to the front.
    void execute(stockblock* mover);

    std::list<collcard*> cards;
};

#endif

#include "collist.h"

#include "collcard.h"

collist::~collist()
{
    for (collcard* c : cards)
        delete c;
}

void collist::add_card(collcard* c)
{
    auto it = cards.begin();
    if (c->forced) {
        while (it != cards.end() && !((*it)->dist > c->dist))
            ++it;
    } else {
        while (it != cards.end() && !((*it)->dist >= c->dist))
            ++it;
    }
    cards.insert(it, c);
}

void collist::execute(stockblock* mover)
{
    bool untouched = true;
    for (auto it = cards.rbegin(); it != cards.rend(); ++it)
        (*it)->execute(mover, untouched);
}

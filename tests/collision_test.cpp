// The overlap query and the two resolvers, on the smallest worlds that show
// each rule.

#include "world_fixture.h"

#include "cloud.h"
#include "collcard.h"
#include "collist.h"
#include "fakeblock.h"

#include <vector>

using collision = world_test;

TEST_F(collision, TouchingEdgesAreNotOverlaps)
{
    game_scene& s = load("mapsize 10 10\nstockblock 5 2 white\ncloud 5 5 up white\n");
    fakeblock probe(&s, 0, 0, 0, M);
    EXPECT_TRUE(probe.colliding_blocks(4 * M, 5 * M, 4 * M, 5 * M, cfg::cloud).empty());
    EXPECT_EQ(probe.colliding_blocks(4 * M + 1, 5 * M, 4 * M + 1, 5 * M, cfg::cloud).size(), 1u);
    EXPECT_TRUE(probe.colliding_blocks(6 * M, 5 * M, 6 * M, 5 * M, cfg::cloud).empty());
    EXPECT_EQ(probe.colliding_blocks(6 * M - 1, 4 * M + 1, 6 * M - 1, 4 * M + 1, cfg::cloud).size(),
              1u);
    // A box ending exactly on a cell border does not reach the next column.
    EXPECT_TRUE(probe.colliding_blocks(4 * M, 2 * M, 4 * M, 2 * M, cfg::static0).empty());
    EXPECT_EQ(probe.colliding_blocks(4 * M + 1, 2 * M, 4 * M + 1, 2 * M, cfg::static0).size(), 1u);
    // The swept box covers the whole way from start to end.
    EXPECT_EQ(probe.colliding_blocks(0, 2 * M, 8 * M, 2 * M, cfg::static0).size(), 1u);
    EXPECT_EQ(probe.colliding_blocks(8 * M, 5 * M, 0, 5 * M, cfg::cloud).size(), 1u);
}

TEST_F(collision, ColourRuleDecidesWhoMeetsWhom)
{
    game_scene& s = load("mapsize 10 10\n"
                         "stockblock 1 1 green\nstockblock 2 1 white\nstockblock 3 1 red\n"
                         "cloud 1 1 up green\ncloud 2 1 up white\n"
                         "falling 3 1 blue\nexit 1 1 green\n"
                         "char 1.5 1.5 green null null 0 null null 0 null null 0\n"
                         "char 2.5 1.5 white null null 0 null null 0 null null 0\n"
                         "level_entrance 2 1 a\n");
    const unsigned int everything = cfg::all;
    fakeblock red(&s, 0, 0, 1, M);
    std::list<stockblock*> seen = red.colliding_blocks(M, M, 3 * M, M, everything);
    for (stockblock* b : seen)
        EXPECT_TRUE(b->color_index == 0 || b->color_index == 1 || b->type == cfg::entrance)
            << "red probe saw type " << b->type << " colour " << int(b->color_index);
    // red block, white block, white cloud, white character, entrance
    EXPECT_EQ(seen.size(), 5u);

    fakeblock white(&s, 0, 0, 0, M);
    EXPECT_EQ(white.colliding_blocks(M, M, 3 * M, M, everything).size(), 10u);

    // Grid part first, column by column, then lists in their fixed order.
    std::list<stockblock*> order = white.colliding_blocks(M, M, 3 * M, M, everything);
    std::vector<unsigned int> types;
    for (stockblock* b : order)
        types.push_back(b->type);
    const std::vector<unsigned int> expected = {
        cfg::static0, cfg::static0, cfg::static0,  cfg::cloud,     cfg::cloud,
        cfg::exit,    cfg::falling, cfg::entrance, cfg::character, cfg::character};
    EXPECT_EQ(types, expected);
}

TEST_F(collision, QueriesPartlyOutsideTheGridSkipMissingCells)
{
    game_scene& s = load("mapsize 3 3\nstockblock 0 0 red\n");
    fakeblock probe(&s, 0, 0, 0, M);
    EXPECT_EQ(probe.colliding_blocks(-M / 2, -M / 2, -M / 2, -M / 2, cfg::all).size(), 1u);
    EXPECT_TRUE(probe.colliding_blocks(-5 * M, -5 * M, -3 * M, -3 * M, cfg::all).empty());
    EXPECT_TRUE(probe.colliding_blocks(50 * M, 0, 90 * M, 0, cfg::all).empty());
}

TEST(collist_order, ForcedAfterEqualUnforcedBefore)
{
    collist list;
    auto* a = new collcard(nullptr, 10, cfg::d, true);
    auto* b = new collcard(nullptr, 10, cfg::d, false);
    auto* c = new collcard(nullptr, 10, cfg::d, true);
    auto* d = new collcard(nullptr, 5, cfg::d, true);
    auto* e = new collcard(nullptr, 10, cfg::d, false);
    for (collcard* card : {a, b, c, d, e})
        list.add_card(card);
    const std::vector<collcard*> order(list.cards.begin(), list.cards.end());
    // Runs from the back: forced last-added first, then unforced first-added.
    EXPECT_EQ(order, (std::vector<collcard*>{d, e, b, a, c}));
}

TEST_F(collision, FirstCorrectionSkipsThePerpendicularTestOnlyOnce)
{
    game_scene& s = load("mapsize 10 10\nstockblock 5 5 white\ncloud 8 4.2 up white\n");
    fakeblock mover(&s, 0, 0, 0, M);
    mover.next_x = 3 * M; // far left of the block at column 5: not beside it
    mover.next_y = 5 * M - M / 2;
    mover.vy = 1;
    collist cards;
    cards.add_card(new collcard(s.grid[5][5], 100, cfg::d, true));
    cards.add_card(new collcard(s.clouds[0].front(), 50, cfg::d, true));
    cards.execute(&mover);
    // The earliest card corrected without facing its block; the second,
    // still penetrating its own, had to face it and did not.
    EXPECT_EQ(mover.next_y, 4 * M);
    EXPECT_EQ(mover.vy, 0);
    EXPECT_EQ(mover.contacts, cfg::d);
}

TEST_F(collision, StraightFallGetsOneForcedCardUnlessBeside)
{
    game_scene& s = load("mapsize 10 10\nstockblock 5 5 white\n");
    stockblock* floor = s.grid[5][5];
    auto drop_at = [&](long long x) {
        fakeblock mover(&s, x, 4 * M, 0, 7 * M / 10);
        mover.next_x = x;
        mover.next_y = 4 * M + M / 2;
        mover.vx = 0;
        mover.vy = 5 * M;
        std::list<stockblock*> candidates{floor};
        mover.mk2dcollisions(candidates);
        return mover.next_y;
    };
    EXPECT_EQ(drop_at(5 * M), 5 * M - 7 * M / 10);
    EXPECT_EQ(drop_at(5 * M - 7 * M / 10 + 1), 5 * M - 7 * M / 10);
    EXPECT_EQ(drop_at(5 * M - 7 * M / 10), 4 * M + M / 2); // dx = -S: beside, no card
    EXPECT_EQ(drop_at(6 * M), 4 * M + M / 2);              // dx = b.size
}

TEST_F(collision, ExactlyTouchingMoverNeitherPushesNorStops)
{
    game_scene& s = load("mapsize 10 10\n"
                         "char 5 5 white null null 0 null null 0 null null 0\n");
    stockchar* ch = character(0);
    fakeblock pusher(&s, 0, 0, 0, M);
    pusher.next_x = 4 * M; // right edge exactly at the character's left edge
    pusher.next_y = 5 * M;
    pusher.vx = M;
    std::list<stockblock*> candidates{ch};
    pusher.mk1dcollisions(candidates, cfg::p, pusher.next_x, 15, &pusher, true);
    EXPECT_EQ(ch->x, 5 * M);
    EXPECT_EQ(pusher.next_x, 4 * M);
    EXPECT_EQ(pusher.vx, M);
}

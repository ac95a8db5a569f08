// How a character stands, walks, jumps and falls.

#include "world_fixture.h"

using character_motion = world_test;

namespace
{

// A floor of separate white blocks along row 5, from column 1 to 8, with the
// character standing on it at column 2.
const char* floor_level = "mapsize 12 8\n"
                          "stockblock 1 5 white\nstockblock 2 5 white\nstockblock 3 5 white\n"
                          "stockblock 4 5 white\nstockblock 5 5 white\nstockblock 6 5 white\n"
                          "stockblock 7 5 white\nstockblock 8 5 white\n"
                          "char 2 4.3 red null null 0 null null 0 null null 0\n";

constexpr long long standing_y = 5 * M - 7 * M / 10;

} // namespace

TEST_F(character_motion, StandingStillNeverSinks)
{
    load(floor_level);
    stockchar* ch = character(0);
    for (int t = 0; t < 40; ++t) {
        scene->tick();
        EXPECT_EQ(ch->y, standing_y);
        EXPECT_EQ(ch->x, 2 * M);
    }
    // Gravity is added back after every landing.
    EXPECT_EQ(ch->vy, 6666666);
}

TEST_F(character_motion, JumpRisesForTenTicks)
{
    load(floor_level);
    stockchar* ch = character(0);
    ticks(3);
    press(Qt::Key_Up);
    scene->tick(); // lands with jump held: the jump speed is given
    EXPECT_EQ(ch->vy, -65000000);
    release(Qt::Key_Up);
    int rising = 0;
    long long last = ch->y;
    for (int t = 0; t < 40; ++t) {
        scene->tick();
        if (ch->y < last)
            ++rising;
        last = ch->y;
    }
    EXPECT_EQ(rising, 10);
    EXPECT_EQ(ch->y, standing_y); // and back on the floor
}

TEST_F(character_motion, WalkingAcrossSeamsDoesNotSnag)
{
    load(floor_level);
    stockchar* ch = character(0);
    ticks(2);
    press(Qt::Key_Right);
    scene->tick(); // full speed in one tick on the ground
    EXPECT_EQ(ch->vx, 24000000);
    long long x = ch->x;
    for (int t = 0; t < 60; ++t) {
        scene->tick();
        EXPECT_EQ(ch->y, standing_y) << "tick " << t;
        if (ch->x >= 8 * M)
            break;
        EXPECT_EQ(ch->x - x, 800000) << "tick " << t;
        x = ch->x;
    }
    release(Qt::Key_Right);
    scene->tick(); // stops in one tick on the ground
    scene->tick();
    EXPECT_EQ(ch->vx, 0);
}

TEST_F(character_motion, WalkingOffAnEdgeUsesAirControlAndCannotJump)
{
    load("mapsize 12 8\nstockblock 2 5 white\n"
         "char 2.2 4.3 white null null 0 null null 0 null null 0\n");
    stockchar* ch = character(0);
    ticks(2);
    press(Qt::Key_Right);
    while (ch->x < 3 * M)
        scene->tick();
    // Now past the edge: holding jump does nothing in the air.
    press(Qt::Key_Up);
    ticks(2);
    EXPECT_GT(ch->vy, 0);
    EXPECT_GT(ch->y, standing_y);
    release(Qt::Key_Right);
    const long long vx = ch->vx;
    scene->tick();
    EXPECT_EQ(ch->vx, vx - 12000000); // air control: half the ground change
}

TEST_F(character_motion, LeftWinsWhenBothAreHeld)
{
    load(floor_level);
    ticks(2);
    press(Qt::Key_Right);
    press(Qt::Key_D);
    ticks(2);
    EXPECT_EQ(character(0)->vx, -24000000);
    EXPECT_LT(character(0)->x, 2 * M);
}

TEST_F(character_motion, OtherColoursArePassedWhiteStops)
{
    load("mapsize 12 8\n"
         "stockblock 1 5 white\nstockblock 2 5 white\nstockblock 3 5 white\n"
         "stockblock 4 5 white\nstockblock 5 5 white\nstockblock 6 5 white\n"
         "stockblock 4 4 green\nstockblock 6 4 white\n"
         "char 2 4.3 red null null 0 null null 0 null null 0\n");
    stockchar* ch = character(0);
    press(Qt::Key_L);
    ticks(80);
    // Through the green block at column 4, stopped by the white one at 6.
    EXPECT_EQ(ch->x, 6 * M - 7 * M / 10);
    EXPECT_EQ(ch->y, standing_y);
}

TEST_F(character_motion, LandsOnAnEdgeFromAbove)
{
    load("mapsize 12 8\nstockblock 3 5 white\n"
         "char 2.35 2 white null null 0 null null 0 null null 0\n");
    stockchar* ch = character(0);
    ticks(40);
    // Overlapping the block's column by 0.05 block is enough to stand on it.
    EXPECT_EQ(ch->y, standing_y);
    EXPECT_EQ(ch->x, 23500000);
}

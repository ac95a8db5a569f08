// Clouds, falling blocks, spikes and bombs.

#include "world_fixture.h"

#include "bomb.h"
#include "cloud.h"
#include "gl_backend.h"
#include "placement.h"
#include "spriteman.h"

using movers = world_test;

namespace
{

cloud* first_cloud(game_scene& s, int colour)
{
    return static_cast<cloud*>(s.clouds[colour].front());
}

// Remembers which texture-coordinate array the last draw used.
class texture_spy : public gl_backend
{
  public:
    void attrib_pointer(unsigned int index, const float* data) override
    {
        if (index == texcoord_attrib)
            last_tex = data;
    }
    void draw_strip(int) override {}
    void uniform4(int, const float*) override {}
    void flush() override {}
    void finish() override {}
    void texture_filter(bool) override {}
    const float* last_tex = nullptr;
};

} // namespace

TEST_F(movers, CloudShuttlesBetweenTwoWalls)
{
    game_scene& s = load("mapsize 10 5\nstockblock 1 2 white\nstockblock 5 2 white\n"
                         "cloud 3 2 right red\n");
    cloud* c = first_cloud(s, 1);
    long long min_x = c->x, max_x = c->x;
    int turns = 0;
    unsigned char dir = c->dir;
    for (int t = 0; t < 300; ++t) {
        scene->tick();
        min_x = std::min(min_x, c->x);
        max_x = std::max(max_x, c->x);
        if (c->dir != dir)
            ++turns;
        dir = c->dir;
    }
    EXPECT_EQ(min_x, 2 * M);
    EXPECT_EQ(max_x, 4 * M);
    EXPECT_GE(turns, 4);
    EXPECT_EQ(c->y, 2 * M);
}

TEST_F(movers, CloudTurnsInTheTickItIsStopped)
{
    game_scene& s = load("mapsize 10 5\nstockblock 5 2 white\ncloud 3.9 2 right red\n");
    cloud* c = first_cloud(s, 1);
    ticks(3); // 3.9 -> 3.9999999: not yet touching the wall
    EXPECT_EQ(c->dir, cfg::p);
    scene->tick();
    EXPECT_EQ(c->x, 4 * M);
    EXPECT_EQ(c->dir, cfg::l);
    EXPECT_EQ(c->vx, -10000000);
    scene->tick();
    EXPECT_EQ(c->x, 4 * M - 333333);
}

TEST_F(movers, CloudsPassThroughEachOther)
{
    game_scene& s = load("mapsize 12 5\ncloud 2 2 right white\ncloud 6 2 left white\n");
    ticks(90);
    auto it = s.clouds[0].begin();
    EXPECT_EQ((*it)->x, 2 * M + 90 * 333333);
    ++it;
    EXPECT_EQ((*it)->x, 6 * M - 90 * 333333);
}

TEST_F(movers, RisingCloudLiftsACharacterThatMayJump)
{
    game_scene& s = load("mapsize 10 12\nstockblock 3 0 white\n"
                         "cloud 3 8 up white\n"
                         "char 3.1 7.3 red null null 0 null null 0 null null 0\n");
    cloud* c = first_cloud(s, 0);
    stockchar* ch = character(0);
    ticks(30);
    EXPECT_LT(c->y, 8 * M);
    EXPECT_EQ(ch->y, c->y - 7 * M / 10); // riding on top
    press(Qt::Key_Up);
    scene->tick();
    EXPECT_EQ(ch->vy, -65000000); // it counted as standing
}

TEST_F(movers, CloudPushesCharacterIntoWallThenTurns)
{
    game_scene& s = load("mapsize 12 6\n"
                         "stockblock 2 4 white\nstockblock 3 4 white\nstockblock 4 4 white\n"
                         "stockblock 5 4 white\nstockblock 6 4 white\nstockblock 7 4 white\n"
                         "stockblock 7 3 white\n"
                         "cloud 2 3 right white\n"
                         "char 4 3.3 blue null null 0 null null 0 null null 0\n");
    cloud* c = first_cloud(s, 0);
    stockchar* ch = character(0);
    bool turned = false;
    for (int t = 0; t < 200 && !turned; ++t) {
        scene->tick();
        turned = c->dir == cfg::l;
    }
    ASSERT_TRUE(turned);
    EXPECT_EQ(ch->x, 7 * M - 7 * M / 10); // against the wall
    EXPECT_EQ(c->x, ch->x - M);           // and the cloud against the character
}

TEST_F(movers, FallingBlocksStackOnTheFloor)
{
    game_scene& s = load("mapsize 6 10\nstockblock 2 8 white\n"
                         "falling 2 1 red\nfalling 2 4 red\n");
    ticks(90);
    auto it = s.fallings[1].begin();
    EXPECT_EQ((*it)->y, 6 * M);
    ++it;
    EXPECT_EQ((*it)->y, 7 * M);
    EXPECT_EQ((*it)->x, 2 * M);
}

TEST_F(movers, FallingBlockRestsOnACharacterAndFallsWhenItLeaves)
{
    game_scene& s = load("mapsize 12 10\n"
                         "stockblock 1 8 white\nstockblock 2 8 white\nstockblock 3 8 white\n"
                         "stockblock 4 8 white\nstockblock 5 8 white\n"
                         "falling 2 2 white\n"
                         "char 2 7.3 white null null 0 null null 0 null null 0\n");
    stockblock* f = s.fallings[0].front();
    stockchar* ch = character(0);
    ticks(60);
    EXPECT_EQ(ch->y, 8 * M - 7 * M / 10);
    EXPECT_EQ(f->y, ch->y - M);
    press(Qt::Key_Right);
    ticks(20); // past 3.5 blocks: clear of the block's column
    release(Qt::Key_Right);
    ticks(40);
    EXPECT_EQ(f->y, 7 * M);
    EXPECT_EQ(ch->y, 8 * M - 7 * M / 10);
}

TEST_F(movers, FallingBlockLetsADescendingCloudMoveFirstButRestsOnOthers)
{
    // White moves before blue, so the falling block meets the cloud before
    // the cloud has moved in the tick.
    game_scene& s = load("mapsize 12 20\nstockblock 3 18 white\n"
                         "cloud 3 6 down blue\nfalling 3 5 white\n");
    cloud* c = first_cloud(s, 3);
    stockblock* f = s.fallings[0].front();
    for (int t = 1; t <= 20; ++t) {
        scene->tick();
        EXPECT_EQ(c->y, 6 * M + t * 333333) << "the cloud was held up at tick " << t;
        EXPECT_LE(f->y + M, c->y);
        if (t == 3) {
            // It caught up with the cloud's top, which then moved away first.
            EXPECT_EQ(f->y, 5 * M + 222222 + 444444);
            EXPECT_EQ(f->vy, 3 * 6666666);
        }
    }

    game_scene& side = load("mapsize 12 20\nstockblock 3 18 white\n"
                            "cloud 3 6 right blue\nfalling 3 5 white\n");
    ticks(10);
    EXPECT_EQ(side.fallings[0].front()->y, 5 * M);
    EXPECT_EQ(first_cloud(side, 3)->x, 3 * M + 10 * 333333);
}

TEST_F(movers, SpikesKillTheirColourAndWhiteOnly)
{
    struct outcome {
        const char* spike;
        const char* character;
        bool fails;
    };
    for (const outcome& o : {outcome{"red", "green", false}, outcome{"red", "red", true},
                             outcome{"red", "white", true}, outcome{"white", "blue", true}}) {
        load(std::string("mapsize 6 6\nstockblock 2 3 white\nspikes 2 2 ") + o.spike +
             "\nchar 2 1 " + o.character + " null null 0 null null 0 null null 0\n");
        bool failed = false;
        for (int t = 0; t < 30 && !failed; ++t) {
            scene->tick();
            failed = scene->handled_failed;
        }
        EXPECT_EQ(failed, o.fails) << o.spike << " spike, " << o.character << " character";
        EXPECT_EQ(scene->menu != nullptr, o.fails);
        EXPECT_EQ(scene->characters.size(), 1u); // spikes kill but do not remove
    }
}

TEST_F(movers, BombBurnsOneSecondAndShowsNineFrames)
{
    game_scene& s = load("mapsize 8 6\nmkframe\n"
                         "char 3 3.3 white white destroyer 2 null null 0 null null 0\n");
    spriteman::init(2048, 2048);
    texture_spy spy;
    gl_backend::install(&spy);
    ASSERT_TRUE(place_from_stock(&s, 0, 5, 3, cfg::p, true));
    auto* b = static_cast<bomb*>(s.bombs.front());
    std::vector<int> frames;
    for (int t = 0; t < 29; ++t) {
        b->updateGL();
        for (int f = 0; f < 36; ++f)
            if (spy.last_tex == spriteman::tex_bomb[f])
                frames.push_back(f);
        scene->tick();
    }
    EXPECT_EQ(b->fuse, 1u);
    ASSERT_EQ(frames.size(), 29u);
    EXPECT_EQ(frames.front(), 0);
    EXPECT_EQ(frames.back(), 8);
    EXPECT_TRUE(std::is_sorted(frames.begin(), frames.end()));
    scene->tick();
    EXPECT_TRUE(s.bombs.empty());
    gl_backend::install(nullptr);
    spriteman::deinit();
}

TEST_F(movers, BlastSparesDrawnBlocksAndBombs)
{
    game_scene& s = load("mapsize 10 6\nmkframe\n"
                         "stockblock 4 4 red\n"
                         "char 2 4.3 white white destroyer 3 null null 0 null null 0\n");
    stockblock* frame = s.grid[3][5];
    ASSERT_TRUE(place_from_stock(&s, 0, 3, 5, cfg::p, true)); // on the frame
    ASSERT_TRUE(place_from_stock(&s, 0, 4, 4, cfg::p, true)); // on the red block
    ticks(5);
    ASSERT_TRUE(place_from_stock(&s, 0, 4, 4, cfg::p, true)); // on the second bomb
    ticks(25);
    EXPECT_EQ(s.grid[3][5], frame);
    EXPECT_EQ(s.grid[4][4], nullptr);
    ASSERT_EQ(s.bombs.size(), 1u);
    EXPECT_EQ(static_cast<bomb*>(s.bombs.front())->fuse, 5u);
    EXPECT_FALSE(scene->handled_failed);
    ticks(5);
    EXPECT_TRUE(s.bombs.empty());
    EXPECT_EQ(character(0)->stock_slots[0]->count, 0);
    EXPECT_FALSE(place_from_stock(&s, 0, 4, 4, cfg::p, false));
}

TEST_F(movers, BlastKillsOverlappingCharacterOfItsColour)
{
    game_scene& s = load("mapsize 10 6\nmkframe\n"
                         "char 2 4.3 red red destroyer 2 null null 0 null null 0\n"
                         "char 4.5 4.3 green null null 0 null null 0 null null 0\n"
                         "char 3.2 4.3 red null null 0 null null 0 null null 0\n");
    s.focused = 0;
    ASSERT_TRUE(place_from_stock(&s, 0, 3, 4, cfg::p, true));
    ASSERT_TRUE(place_from_stock(&s, 0, 4, 4, cfg::p, true));
    bool failed = false;
    for (int t = 0; t < 31; ++t) {
        scene->tick();
        failed = failed || scene->handled_failed;
    }
    EXPECT_TRUE(failed);
    // The red character in the blast is gone, the green one is spared.
    ASSERT_EQ(s.characters.size(), 2u);
    EXPECT_EQ(character(1)->color_index, 2);
}

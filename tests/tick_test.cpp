// The end-of-tick queues and requests, and the scene's key routing.

#include "world_fixture.h"

#include "gl_backend.h"
#include "in_game_menu.h"

using tick = world_test;

namespace
{

std::string three_at_exits(const char* third_colour)
{
    return std::string("mapsize 12 6\nmkframe\n"
                       "exit 2 3 white\nexit 6 3 white\nexit 9 3 red\n"
                       "char 2.5 4.3 white null null 0 null null 0 null null 0\n"
                       "char 6.5 4.3 red null null 0 null null 0 null null 0\n"
                       "char 9.5 4.3 ") +
           third_colour + " null null 0 null null 0 null null 0\n";
}

// Counts how often the scene recorded a pass.
class counting_scene : public game_scene
{
  public:
    void mark_as_passed() override { ++passes; }
    int passes = 0;
};

} // namespace

TEST_F(tick, LastCharacterThroughAnExitPassesTheLevel)
{
    game_scene& s = load("mapsize 8 6\nmkframe\nexit 3 3 white\n"
                         "char 3.5 4.3 red null null 0 null null 0 null null 0\n");
    press(Qt::Key_Space);
    EXPECT_EQ(s.removal_queue.size(), 1u);
    scene->tick();
    EXPECT_TRUE(s.handled_passed);
    EXPECT_EQ(s.characters.size(), 1u); // the last one stays
    ASSERT_NE(s.menu, nullptr);
    EXPECT_FALSE(s.running);
}

TEST_F(tick, ExitsWithOneTwoAndThreeCharactersLeavingInOneTick)
{
    // Three characters, two leave: both go, no pass.
    game_scene& s = load(three_at_exits("green"));
    s.focused = 0;
    press(Qt::Key_Space);
    s.focused = 1;
    press(Qt::Key_Space);
    s.focused = 2;
    press(Qt::Key_Space); // green finds no red exit
    scene->tick();
    EXPECT_EQ(s.characters.size(), 1u);
    EXPECT_FALSE(s.handled_passed);
    EXPECT_EQ(s.focused, 0u);
    EXPECT_EQ(character(0)->color_index, 2);

    // Two characters both leaving: the first goes, the second is the last.
    game_scene& two = load("mapsize 12 6\nmkframe\nexit 2 3 white\nexit 6 3 white\n"
                           "char 2.5 4.3 white null null 0 null null 0 null null 0\n"
                           "char 6.5 4.3 red null null 0 null null 0 null null 0\n");
    two.focused = 0;
    press(Qt::Key_Space);
    two.focused = 1;
    press(Qt::Key_Space);
    scene->tick();
    EXPECT_TRUE(two.handled_passed);
    ASSERT_EQ(two.characters.size(), 1u);
    EXPECT_EQ(character(0)->color_index, 1);

    // Three leaving at once (the white one finds the red exit too).
    game_scene& all = load(three_at_exits("white"));
    for (unsigned i = 0; i < 3; ++i) {
        all.focused = i;
        press(Qt::Key_Space);
    }
    scene->tick();
    EXPECT_TRUE(all.handled_passed);
    EXPECT_EQ(all.characters.size(), 1u);
}

TEST_F(tick, CharacterQueuedTwiceLeavesOnce)
{
    game_scene& s = load(three_at_exits("green"));
    s.focused = 1;
    press(Qt::Key_Space);
    press(Qt::Key_Space);
    EXPECT_EQ(s.removal_queue.size(), 2u);
    scene->tick();
    EXPECT_EQ(s.characters.size(), 2u);
    EXPECT_FALSE(s.handled_passed);
}

TEST_F(tick, ExitOfAnotherColourIsNotFound)
{
    game_scene& s = load("mapsize 8 6\nmkframe\nexit 3 3 blue\n"
                         "char 3.5 4.3 red null null 0 null null 0 null null 0\n"
                         "char 3.2 4.3 white null null 0 null null 0 null null 0\n");
    press(Qt::Key_Space);
    EXPECT_TRUE(s.removal_queue.empty());
    s.focused = 1;
    press(Qt::Key_Space);
    EXPECT_EQ(s.removal_queue.size(), 1u);
}

TEST_F(tick, FailedMenuWinsOverPassedInTheSameTick)
{
    scene = std::make_unique<counting_scene>();
    load_more("mapsize 8 6\nmkframe\nexit 3 3 white\nspikes 5 4 white\n"
              "char 3.5 4.3 red null null 0 null null 0 null null 0\n");
    auto& s = static_cast<counting_scene&>(*scene);
    press(Qt::Key_Space);
    s.failed_request = true;
    scene->tick();
    EXPECT_TRUE(s.handled_failed);
    EXPECT_TRUE(s.handled_passed);
    EXPECT_EQ(s.passes, 1);
    ASSERT_NE(s.menu, nullptr);
    EXPECT_EQ(s.menu->items.size(), 4u); // the failed menu: banner and three rows
}

TEST_F(tick, PausedTickMovesNothingButStillAdvancesTheDrawer)
{
    game_scene& s = load("mapsize 8 8\nmkframe\ncloud 3 3 right white\n"
                         "char 2 1 red null null 0 null null 0 null null 0\n");
    ticks(2);
    press(Qt::Key_P); // the drawing surface stops the world
    EXPECT_FALSE(s.running);
    const unsigned char counter = s.tick_counter;
    const long long cloud_x = s.clouds[0].front()->x;
    const long long char_y = character(0)->y;
    ticks(10);
    EXPECT_EQ(s.tick_counter, counter);
    EXPECT_EQ(s.clouds[0].front()->x, cloud_x);
    EXPECT_EQ(character(0)->y, char_y);
    press(Qt::Key_P);
    EXPECT_TRUE(s.running);
    scene->tick();
    EXPECT_EQ(s.tick_counter, counter + 1);
}

TEST_F(tick, RepeatsAndOpenMenusSwallowKeys)
{
    game_scene& s = load("mapsize 8 6\nmkframe\n"
                         "char 2 4.3 red null null 0 null null 0 null null 0\n");
    press(Qt::Key_Right, true);
    EXPECT_FALSE(character(0)->right_held);
    press(Qt::Key_Right);
    EXPECT_TRUE(character(0)->right_held);
    press(Qt::Key_Backspace);
    ASSERT_NE(s.menu, nullptr);
    in_game_menu* menu = s.menu;
    press(Qt::Key_Backspace);
    press(Qt::Key_C);
    press(Qt::Key_Q);
    EXPECT_EQ(s.menu, menu);
    EXPECT_EQ(s.block_size, 60u);
    release(Qt::Key_Right); // not delivered while the menu is open
    EXPECT_TRUE(character(0)->right_held);
}

TEST_F(tick, SwitchingCharactersHandsOverHeldKeys)
{
    game_scene& s = load("mapsize 12 6\nmkframe\n"
                         "char 2 4.3 red null null 0 null null 0 null null 0\n"
                         "char 4 4.3 green null null 0 null null 0 null null 0\n"
                         "char 6 4.3 blue null null 0 null null 0 null null 0\n");
    press(Qt::Key_Right);
    press(Qt::Key_Up);
    press(Qt::Key_C);
    EXPECT_EQ(s.focused, 1u);
    EXPECT_FALSE(character(0)->right_held);
    EXPECT_FALSE(character(0)->jump_held);
    EXPECT_TRUE(character(1)->right_held);
    EXPECT_TRUE(character(1)->jump_held);
    press(Qt::Key_C);
    press(Qt::Key_C);
    EXPECT_EQ(s.focused, 0u); // from the third back to the first
    EXPECT_TRUE(character(0)->right_held);
    // C also works while the world is stopped.
    press(Qt::Key_P);
    press(Qt::Key_C);
    EXPECT_EQ(s.focused, 1u);
}

TEST_F(tick, ZoomStaysAtLeastTenAndPicksTheFilter)
{
    game_scene& s = load("mapsize 8 6\nstockblock 3 3 red\n"
                         "char 2 1 red null null 0 null null 0 null null 0\n");
    // Smooth up to 60 pixels a block, texel by texel above.
    EXPECT_EQ(s.block_size, 60u);
    EXPECT_TRUE(s.smooth_atlas());
    press(Qt::Key_Q);
    EXPECT_EQ(s.block_size, 70u);
    EXPECT_FALSE(s.smooth_atlas());
    EXPECT_EQ(s.grid[3][3]->width, 70);
    EXPECT_EQ(s.grid[3][3]->pos(), QPointF(210, 210));
    press(Qt::Key_A);
    EXPECT_EQ(s.block_size, 60u);
    EXPECT_TRUE(s.smooth_atlas());
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_A);
    EXPECT_EQ(s.block_size, 20u);
    EXPECT_TRUE(s.smooth_atlas());
    press(Qt::Key_A);
    EXPECT_EQ(s.block_size, 10u);
    press(Qt::Key_A);
    EXPECT_EQ(s.block_size, 10u);
    press(Qt::Key_Q);
    EXPECT_EQ(s.block_size, 20u);
    EXPECT_EQ(s.sceneRect(), QRectF(-60, -60, 8 * 20 + 160, 6 * 20 + 120));
    EXPECT_EQ(character(0)->width, 14);
    gl_backend::install(nullptr);
}

TEST_F(tick, NoCharacterMeansCharacterKeysAreIgnored)
{
    game_scene& s = load("mapsize 8 6\nmkframe\nfocusedchar 3\n");
    press(Qt::Key_C);
    press(Qt::Key_Right);
    press(Qt::Key_Space);
    release(Qt::Key_Right);
    ticks(3);
    EXPECT_EQ(s.focused_char(), nullptr);
    EXPECT_EQ(s.focused, 0u);
}

TEST_F(tick, PressesAreRoutedByTheHudBand)
{
    game_scene& s = load("mapsize 8 6\nmkframe\n"
                         "char 2 4.3 red null null 0 null null 0 null null 0\n");
    s.press_at(700, 67); // on the HUD band, an empty slot
    EXPECT_FALSE(character(0)->right_held);
    s.release_at(700, 67);
    s.press_at(700, 68); // below it: the steering surface
    EXPECT_TRUE(character(0)->right_held);
    s.release_at(700, 10);
    EXPECT_FALSE(character(0)->right_held);
    s.move_to(100, 300); // a move after the release reaches nothing
    EXPECT_FALSE(character(0)->left_held);
}

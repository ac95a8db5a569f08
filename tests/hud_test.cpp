// The top bar of a game scene and the vertical tool column: slot layout on
// an 800-pixel screen, relayout, press routing, the buttons' actions and
// the bar's drawing.

#include "cfg.h"
#include "game_scene.h"
#include "gl_backend.h"
#include "hud.h"
#include "hud_buttons.h"
#include "scene_manager.h"
#include "spriteman.h"
#include "stockchar.h"
#include "world_listener.h"

#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace
{

// Records draw calls with the quad and tint in force at each.
class draw_recorder : public gl_backend
{
  public:
    struct draw {
        const float* tex;
        std::vector<float> quad;
        std::vector<float> tint;
    };
    void attrib_pointer(unsigned int index, const float* data) override
    {
        (index == position_attrib ? positions : tex) = data;
    }
    void draw_strip(int count) override
    {
        draws.push_back({tex, std::vector<float>(positions, positions + 2 * count), tint});
    }
    void uniform4(int, const float* rgba) override { tint.assign(rgba, rgba + 4); }
    void flush() override {}
    void finish() override {}
    void texture_filter(bool) override {}

    const float* tex = nullptr;
    const float* positions = nullptr;
    std::vector<float> tint;
    std::vector<draw> draws;
};

// A button that only logs what happens to it.
class probe : public hud_button
{
  public:
    probe(game_scene* scene, hud* owner, bool right, int id, std::vector<int>* log)
        : hud_button(scene, owner, right), id(id), log(log)
    {
    }
    ~probe() override { log->push_back(-id); }
    void clicked(int, int) override { log->push_back(id); }

  protected:
    const float* texture() override { return nullptr; }

  private:
    int id;
    std::vector<int>* log;
};

// Records the inputs that reached the world, in the history's words.
class input_log : public world_listener
{
  public:
    void input_applied(const replay_event& e) override
    {
        if (e.kind == replay_event::press)
            keys.push_back(e.key);
    }
    std::vector<int> keys;
};

class HudBar : public ::testing::Test
{
  protected:
    HudBar()
    {
        myglitem::viewport = {800, 480};
        world = new game_scene();
        bar = world->top_hud;
    }
    ~HudBar() override
    {
        delete world;
        myglitem::viewport = {};
    }

    // The level scene's bar, in its order.
    std::vector<hud_button*> level_bar()
    {
        return {new go_menu(world, bar),       new zoom_in(world, bar),
                new zoom_out(world, bar),      new ctrl_switch(world, bar),
                new mv_switch(world, bar),     new open_the_door(world, bar),
                new drawer_switch(world, bar), new character_switch(world, bar)};
    }

    static std::vector<float> lefts(const std::vector<hud_button*>& buttons)
    {
        std::vector<float> xs;
        for (hud_button* b : buttons)
            xs.push_back(b->vertices[0]);
        return xs;
    }

    static void press(hud_button* b)
    {
        b->owner->clicked(static_cast<int>(b->vertices[0]) + 1, 30);
    }

    game_scene* world;
    hud* bar;
    std::vector<int> log; // what probes saw; outlives the scene
};

TEST_F(HudBar, LevelBarFillsNinthSlotsFromBothEnds)
{
    const std::vector<hud_button*> buttons = level_bar();
    EXPECT_EQ(bar->slot_margin, 19);
    // The first right-packed button takes the rightmost slot.
    EXPECT_EQ(lefts(buttons), (std::vector<float>{19, 107, 195, 283, 371, 459, 731, 643}));
    for (hud_button* b : buttons) {
        EXPECT_EQ(b->vertices[1], 9);
        EXPECT_EQ(b->vertices[7], 59);
        EXPECT_EQ(b->vertices[6] - b->vertices[0], 50);
    }
    EXPECT_EQ(std::vector<float>(bar->vertices, bar->vertices + 8),
              (std::vector<float>{0, 0, 800, 0, 0, 68, 800, 68}));
    EXPECT_EQ(std::vector<float>(bar->border_vertices, bar->border_vertices + 8),
              (std::vector<float>{0, 68, 800, 68, 0, 70, 800, 70}));

    // Cursors restart from the bar's ends, so buttons keep their slots.
    myglitem::viewport = {1024, 600}; // slots of 113: margin 31, buttons 112 apart
    bar->resizeGL();
    EXPECT_EQ(lefts(buttons), (std::vector<float>{31, 143, 255, 367, 479, 591, 943, 831}));
    EXPECT_EQ(bar->width, 1024);
    myglitem::viewport = {800, 480};
    bar->resizeGL();
    EXPECT_EQ(lefts(buttons), (std::vector<float>{19, 107, 195, 283, 371, 459, 731, 643}));
}

TEST_F(HudBar, OversizedButtonsGetNoMargin)
{
    myglitem::viewport = {400, 480}; // slots of 44 pixels for 50-pixel buttons
    bar->resizeGL();
    EXPECT_EQ(bar->slot_margin, 0);
    go_back* first = new go_back(world, bar);
    zoom_in* second = new zoom_in(world, bar);
    EXPECT_EQ(first->vertices[0], 0);
    EXPECT_EQ(second->vertices[0], 50);
}

TEST_F(HudBar, PressReachesTheButtonWhoseWidenedSlotHoldsIt)
{
    for (int id = 1; id <= 6; ++id)
        new probe(world, bar, false, id, &log);
    new probe(world, bar, true, 7, &log);
    new probe(world, bar, true, 8, &log);

    const int xs[] = {550, 610, 100, 87, 89, 1, 0, 720, 700, 712};
    for (int x : xs)
        bar->clicked(x, 30);
    EXPECT_EQ(log, (std::vector<int>{2, 1, 2, 1, 7, 8}));

    log.clear();
    bar->clicked(100, 400); // the bar does not look at y
    EXPECT_EQ(log, std::vector<int>{2});
}

TEST_F(HudBar, VerticalBarReachesEveryButtonSpanningThePress)
{
    hud* column = new hud(world, 690, 0, 110, 0, 100);
    EXPECT_EQ(column->height, 480);
    EXPECT_EQ(column->slot_margin, 20);
    EXPECT_EQ(column->end_cursor, 480);
    EXPECT_EQ(std::vector<float>(column->border_vertices, column->border_vertices + 8),
              (std::vector<float>{688, 0, 690, 0, 688, 480, 690, 480}));

    probe* upper = new probe(world, column, false, 1, &log);
    probe* lower = new probe(world, column, false, 2, &log);
    myglitem::set_quad(upper->vertices, 690, 20, 790, 120);
    myglitem::set_quad(lower->vertices, 690, 100, 790, 200);
    for (int y : {110, 20, 150, 200})
        column->clicked(0, y);
    EXPECT_EQ(log, (std::vector<int>{1, 2, 2}));
    delete column;
}

TEST_F(HudBar, DestroyingTheBarTakesItsButtonsOffTheScene)
{
    const std::size_t bare = world->gl_items.size();
    const qsizetype scene_items = world->items().size();
    // The hints drawn over play belong to the bar too.
    const int owned = static_cast<int>(bar->childItems().size());
    new probe(world, bar, false, 1, &log);
    new probe(world, bar, true, 2, &log);
    new probe(world, bar, false, 3, &log);
    EXPECT_EQ(world->gl_items.size(), bare + 3);

    delete bar;
    world->top_hud = nullptr;
    EXPECT_EQ(log, (std::vector<int>{-3, -2, -1})); // last added goes first
    EXPECT_EQ(world->gl_items.size(), bare - 1 - owned);
    EXPECT_EQ(world->items().size(), scene_items - 1 - owned);
}

TEST_F(HudBar, ZoomButtonsStepByTenAndStopAtTen)
{
    const std::vector<hud_button*> buttons = level_bar();
    std::vector<unsigned int> sizes;
    for (int i = 0; i < 6; ++i) {
        press(buttons[2]);
        sizes.push_back(world->block_size);
    }
    EXPECT_EQ(sizes, (std::vector<unsigned int>{50, 40, 30, 20, 10, 10}));
    bar->clicked(100, 30);
    EXPECT_EQ(world->block_size, 20u);
}

TEST_F(HudBar, MenuButtonOpensOnlyOnePauseMenu)
{
    const std::vector<hud_button*> buttons = level_bar();
    press(buttons[0]);
    ASSERT_NE(world->menu, nullptr);
    EXPECT_FALSE(world->running);
    in_game_menu* open = world->menu;
    const std::size_t items = world->gl_items.size();
    press(buttons[0]);
    EXPECT_EQ(world->menu, open);
    EXPECT_EQ(world->gl_items.size(), items);
}

TEST_F(HudBar, DoorAndCharacterButtonsActAsTheirKeys)
{
    const bool had_atlas = spriteman::ready();
    if (!had_atlas)
        spriteman::init(2048, 2048);
    const std::vector<hud_button*> buttons = level_bar();
    new stockchar(world, 0, 0, 1);
    new stockchar(world, cfg::multiplier * 2, 0, 3);
    input_log keys;
    world->add_listener(&keys);

    press(buttons[5]);
    press(buttons[7]);
    EXPECT_EQ(keys.keys, (std::vector<int>{Qt::Key_Space, Qt::Key_C}));
    EXPECT_EQ(world->focused, 1u);

    // In drawing mode the door button opens no door and places nothing,
    // though Space, its key, places the drawing cursor's block there.
    world->toggle_drawing();
    keys.keys.clear();
    press(buttons[5]);
    EXPECT_TRUE(keys.keys.empty());
    world->toggle_drawing();

    // The switch works on a stopped world too, and its icon follows the focus.
    world->running = false;
    draw_recorder gl;
    gl_backend::install(&gl);
    buttons[7]->updateGL();
    press(buttons[7]);
    buttons[7]->updateGL();
    gl_backend::install(nullptr);
    EXPECT_EQ(world->focused, 0u);
    ASSERT_EQ(gl.draws.size(), 2u);
    EXPECT_EQ(gl.draws[0].tex, spriteman::tex_switch_char[3]);
    EXPECT_EQ(gl.draws[1].tex, spriteman::tex_switch_char[1]);

    world->remove_listener(&keys);
    if (!had_atlas)
        spriteman::deinit();
}

TEST_F(HudBar, BrushToggleReturnsToSteeringFromAnySurface)
{
    const std::vector<hud_button*> buttons = level_bar();
    press(buttons[6]);
    EXPECT_EQ(world->drawer_kind, cfg::drawer_drawer_type);
    EXPECT_FALSE(world->running);
    press(buttons[6]);
    EXPECT_EQ(world->drawer_kind, cfg::drawer_ctrl_type);
    EXPECT_TRUE(world->running);

    press(buttons[4]);
    EXPECT_EQ(world->drawer_kind, cfg::drawer_mv_type);
    press(buttons[6]);
    EXPECT_EQ(world->drawer_kind, cfg::drawer_drawer_type);
    press(buttons[6]);
    EXPECT_EQ(world->drawer_kind, cfg::drawer_ctrl_type);
    press(buttons[3]);
    EXPECT_EQ(world->drawer_kind, cfg::drawer_ctrl_type);
    EXPECT_NE(world->drawer, nullptr);
}

TEST_F(HudBar, DrawsTranslucentBarThenBorderThenResetsTint)
{
    // The blank texel must be a real atlas entry, or a null pointer would
    // compare equal to a draw that had no texture at all.
    const bool built_atlas = !spriteman::ready();
    if (built_atlas)
        spriteman::init(2048, 2048);
    ASSERT_NE(spriteman::tex_blank, nullptr);
    draw_recorder gl;
    gl_backend::install(&gl);
    bar->updateGL();
    gl_backend::install(nullptr);
    const float* blank = spriteman::tex_blank;
    if (built_atlas)
        spriteman::deinit();
    ASSERT_EQ(gl.draws.size(), 2u);
    EXPECT_EQ(gl.draws[0].tint, (std::vector<float>{1, 1, 1, 0.5f}));
    EXPECT_EQ(gl.draws[0].quad, (std::vector<float>{0, 0, 800, 0, 0, 68, 800, 68}));
    EXPECT_EQ(gl.draws[1].tint, (std::vector<float>{0, 0, 0, 1}));
    EXPECT_EQ(gl.draws[1].quad, (std::vector<float>{0, 68, 800, 68, 0, 70, 800, 70}));
    EXPECT_EQ(gl.draws[0].tex, blank);
    EXPECT_EQ(gl.draws[1].tex, blank);
    EXPECT_EQ(gl.tint, (std::vector<float>{0, 0, 0, 0}));
}

} // namespace

// The drawing surface in small worlds: cell selection and the direction it
// records, the tool column, placing from the stock end to end (reach, grid
// bounds, colours, counts) and the overlay's tints.

#include "cloud.h"
#include "drawer_block_switch.h"
#include "drawing_drawer.h"
#include "gl_recorder.h"
#include "hud.h"
#include "spriteman.h"
#include "world_fixture.h"

#include <QGraphicsView>
#include <array>
#include <vector>

namespace
{

std::array<float, 4> rgba(const float* c)
{
    return {c[0], c[1], c[2], c[3]};
}

class DrawingSurface : public world_test
{
  protected:
    void SetUp() override
    {
        world_test::SetUp();
        if (!spriteman::ready()) {
            spriteman::init(2048, 2048);
            built_atlas = true;
        }
    }
    void TearDown() override
    {
        world_test::TearDown();
        if (built_atlas)
            spriteman::deinit();
    }

    // Loads the level and switches its scene to the drawing surface.
    drawing_drawer* draw_in(const std::string& level_text)
    {
        load(level_text);
        scene->switch_drawer(cfg::drawer_drawer_type);
        return static_cast<drawing_drawer*>(scene->drawer);
    }
    // A tap in the middle of cell (c, r), with the view at the origin.
    void pick(drawing_drawer* d, int c, int r)
    {
        d->clicked(c * 60 + 30, r * 60 + 30);
        d->released(c * 60 + 30, r * 60 + 30);
    }
    bool fits(drawing_drawer* d, int c, int r)
    {
        pick(d, c, r);
        return d->apply(false);
    }
    void press_apply(drawing_drawer* d) { d->clicked(755, 400); }
    void press_slot(drawing_drawer* d, int slot) { d->clicked(760, 113 + 90 * slot); }

    bool built_atlas = false;
};

} // namespace

TEST_F(DrawingSurface, StopsTheWorldWhileItIsTheDrawer)
{
    load("mapsize 12 8\nchar 5 5 white red null 0 red null 0 red null 0\n");
    const size_t drawn_before = scene->gl_items.size();
    scene->switch_drawer(cfg::drawer_drawer_type);
    auto* d = dynamic_cast<drawing_drawer*>(scene->drawer);
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(scene->running);
    EXPECT_EQ(scene->drawer_kind, cfg::drawer_drawer_type);
    EXPECT_EQ(d->cell_x, 0);
    EXPECT_EQ(d->direction, cfg::p);

    delete d;
    EXPECT_TRUE(scene->running);
    EXPECT_EQ(scene->drawer, nullptr);
    // The surface, its column and the column's four buttons are all gone.
    EXPECT_EQ(scene->gl_items.size(), drawn_before - 1);
}

TEST_F(DrawingSurface, ReachIsTwoBlocksAroundTheCharacter)
{
    drawing_drawer* d =
        draw_in("mapsize 20 12\nchar 5 5 white red destroyer 9 red null 0 red null 0\n");
    for (int c = 2; c <= 8; ++c)
        EXPECT_EQ(fits(d, c, 4), c >= 3 && c <= 7) << "column " << c;
    EXPECT_FALSE(fits(d, 5, 2));
    EXPECT_TRUE(fits(d, 5, 3));
    EXPECT_TRUE(fits(d, 5, 7));
    EXPECT_FALSE(fits(d, 5, 8));

    // Half a block further right the reach takes one more column on that side.
    character(0)->x += M / 2;
    for (int c = 2; c <= 9; ++c)
        EXPECT_EQ(fits(d, c, 4), c >= 3 && c <= 8) << "column " << c;
}

TEST_F(DrawingSurface, CellsOutsideTheGridAreNeverValid)
{
    drawing_drawer* d = draw_in("mapsize 12 8\n"
                                "char 1 3 white red destroyer 9 red null 0 red null 0\n"
                                "char 10 3 white red destroyer 9 red null 0 red null 0\n");
    scene->view_left = -120;
    d->clicked(30, 4 * 60 + 30);
    ASSERT_EQ(d->cell_x, -1);
    EXPECT_FALSE(d->apply(false));
    scene->view_left = 0;
    EXPECT_TRUE(fits(d, 0, 4));

    scene->focused = 1;
    EXPECT_TRUE(fits(d, 11, 4));
    EXPECT_FALSE(fits(d, 12, 4));
}

TEST_F(DrawingSurface, PlainBlockMayCoverACharacterOnlyOfAnotherColour)
{
    drawing_drawer* d = draw_in("mapsize 14 8\n"
                                "char 2 5 blue red stockblock 9 red null 0 red null 0\n"
                                "char 6 5 red red stockblock 9 red null 0 red null 0\n"
                                "char 10 5 white red stockblock 9 red null 0 red null 0\n");
    scene->focused = 1;
    EXPECT_FALSE(fits(d, 6, 5));
    scene->focused = 2;
    EXPECT_FALSE(fits(d, 10, 5));

    scene->focused = 0;
    pick(d, 2, 5);
    press_apply(d);
    ASSERT_NE(scene->grid[2][5], nullptr);
    EXPECT_EQ(scene->grid[2][5]->color_index, 1);
    EXPECT_EQ(character(0)->stock_slots[0]->count, 8);
}

TEST_F(DrawingSurface, BombsGoOnOccupiedCellsWithinReach)
{
    drawing_drawer* d = draw_in("mapsize 12 8\n"
                                "stockblock 6 4 green\n"
                                "spikes 4 4 red\n"
                                "char 5 5 white red destroyer 9 red null 0 red null 0\n");
    for (const QPoint cell : {QPoint(6, 4), QPoint(4, 4), QPoint(5, 5)}) {
        pick(d, cell.x(), cell.y());
        press_apply(d);
    }
    EXPECT_EQ(scene->bombs.size(), 3u);
    EXPECT_EQ(character(0)->stock_slots[0]->count, 6);
    // The block under a bomb stays until it blows.
    ASSERT_NE(scene->grid[6][4], nullptr);
    EXPECT_EQ(scene->grid[6][4]->type, cfg::static0);
}

TEST_F(DrawingSurface, NinePlacementsEmptyASlotAndTheTenthIsRefused)
{
    drawing_drawer* d = draw_in("mapsize 12 10\n"
                                "char 5 5 white red cloud 1 red falling 9 red null 0\n");
    press_slot(d, 1);
    ASSERT_EQ(d->selected_slot, 1u);
    const QPoint cells[] = {{3, 3}, {4, 3}, {5, 3}, {6, 3}, {7, 3},
                            {3, 7}, {4, 7}, {5, 7}, {6, 7}, {7, 7}};
    for (const QPoint& cell : cells) {
        pick(d, cell.x(), cell.y());
        press_apply(d);
    }
    EXPECT_EQ(scene->fallings[1].size(), 9u);
    EXPECT_EQ(character(0)->stock_slots[1]->count, 0);
    EXPECT_EQ(character(0)->stock_slots[0]->count, 1);
}

TEST_F(DrawingSurface, EmptySlotCanBeSelectedButNotApplied)
{
    drawing_drawer* d =
        draw_in("mapsize 12 8\nchar 5 5 white red destroyer 9 red null 0 red null 0\n");
    press_slot(d, 1);
    EXPECT_EQ(d->selected_slot, 1u);
    EXPECT_FALSE(fits(d, 5, 4));
}

TEST_F(DrawingSurface, DragFromTheToolColumnLeavesTheCell)
{
    drawing_drawer* d = draw_in("mapsize 12 8\nchar 5 5 white red null 0 red null 0 red null 0\n");
    d->clicked(150, 150);
    ASSERT_EQ(d->cell_x, 2);
    d->clicked(760, 300);
    d->moved(100, 400);
    d->released(100, 400);
    EXPECT_EQ(d->cell_x, 2);
    EXPECT_EQ(d->cell_y, 2);
    EXPECT_EQ(d->selected_slot, 2u); // the press itself did reach the column

    // The next press in the world selects again.
    d->clicked(100, 400);
    EXPECT_EQ(d->cell_x, 1);
    EXPECT_EQ(d->cell_y, 6);
}

TEST_F(DrawingSurface, DirectionIsTheLastStepBetweenCells)
{
    drawing_drawer* d = draw_in("mapsize 12 8\nchar 5 3 white red cloud 9 red null 0 red null 0\n");
    d->clicked(150, 150); // (2, 2): right and down
    EXPECT_EQ(d->direction, cfg::d);
    d->moved(210, 90); // one right and one up in a single move
    EXPECT_EQ(d->direction, cfg::g);
    d->moved(215, 95); // same cell: unchanged
    EXPECT_EQ(d->direction, cfg::g);
    d->released(90, 90);
    EXPECT_EQ(d->direction, cfg::l);
    // A new stroke compares with where the last one ended.
    d->clicked(330, 90);
    EXPECT_EQ(d->direction, cfg::p);
    d->moved(270, 90);
    EXPECT_EQ(d->direction, cfg::l);
    d->apply(true);
    ASSERT_EQ(scene->clouds[1].size(), 1u);
    EXPECT_EQ(static_cast<cloud*>(scene->clouds[1].front())->dir, cfg::l);
}

TEST_F(DrawingSurface, SelectionAddsTheViewOffsetAndTruncatesTowardZero)
{
    drawing_drawer* d = draw_in("mapsize 12 8\nchar 5 5 white red null 0 red null 0 red null 0\n");
    scene->view_left = -30.5;
    scene->view_top = 17;
    d->clicked(10, 20); // scene (-20.5, 37): less than a block left of the origin
    EXPECT_EQ(d->cell_x, 0);
    EXPECT_EQ(d->cell_y, 0);
    d->clicked(100, 110); // scene (69.5, 127)
    EXPECT_EQ(d->cell_x, 1);
    EXPECT_EQ(d->cell_y, 2);
    scene->view_left = 95.5;
    scene->block_size = 40;
    d->clicked(25, 0); // scene x 120.5 at 40 pixels a block
    EXPECT_EQ(d->cell_x, 3);
}

TEST_F(DrawingSurface, ToolColumnStacksSlotsUnderTheTopBarAndApplyAtTheFoot)
{
    drawing_drawer* d = draw_in("mapsize 12 8\nchar 5 5 white red null 0 red null 0 red null 0\n");
    std::vector<myglitem*> tools(d->tool_bar->items.begin(), d->tool_bar->items.end());
    ASSERT_EQ(tools.size(), 4u);
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(tools[slot]->vertices[1], 88 + 90 * slot);
        EXPECT_EQ(tools[slot]->vertices[0], 750);
    }
    EXPECT_EQ(tools[3]->vertices[0], 695);
    EXPECT_EQ(tools[3]->vertices[1], 360);

    myglitem::viewport = {1000, 600};
    scene->resizeGL();
    EXPECT_EQ(d->tool_bar->bar_x, 890);
    EXPECT_EQ(tools[2]->vertices[1], 268);
    EXPECT_EQ(tools[3]->vertices[0], 895);
    EXPECT_EQ(tools[3]->vertices[1], 480);
}

TEST_F(DrawingSurface, TintSaysWhetherTheSelectedCellTakesTheBlock)
{
    drawing_drawer* d =
        draw_in("mapsize 20 12\nchar 5 5 white red destroyer 9 red null 0 red null 0\n");
    gl_recorder gl;

    pick(d, 6, 4);
    d->updateGL();
    ASSERT_EQ(gl.draws.size(), 4u);
    EXPECT_EQ(gl.draws[0].tint, rgba(d->range_color));
    // Two blocks beyond the character's 42 pixels on each side.
    EXPECT_EQ(gl.draws[0].positions, (std::vector<float>{180, 180, 462, 180, 180, 462, 462, 462}));
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(gl.draws[i].tint, rgba(d->valid_color));
    EXPECT_EQ(gl.draws[3].positions, (std::vector<float>{360, 240, 420, 240, 360, 300, 420, 300}));
    EXPECT_EQ(gl.tint, rgba(spriteman::color_blank));

    gl.clear();
    pick(d, 9, 4);
    d->updateGL();
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(gl.draws[i].tint, rgba(d->invalid_color));
}

TEST_F(DrawingSurface, CloudSlotShowsTheWayTheCloudWillGo)
{
    drawing_drawer* d =
        draw_in("mapsize 20 12\nchar 5 5 white red cloud 9 red null 0 red null 0\n");
    gl_recorder gl;
    pick(d, 6, 4);
    pick(d, 5, 4); // a step left
    d->updateGL();
    ASSERT_EQ(gl.draws.size(), 5u);
    EXPECT_EQ(gl.draws[4].positions, (std::vector<float>{300, 240, 300, 300, 240, 270}));
}

TEST_F(DrawingSurface, DragShowsTheWayANewCloudWillGoWhileItLasts)
{
    drawing_drawer* d =
        draw_in("mapsize 20 12\nchar 5 5 white red cloud 9 red falling 9 red null 0\n");
    auto arrows = [&](unsigned char way) {
        gl_recorder gl;
        d->updateGL();
        int n = 0;
        for (const recorded_draw& r : gl.draws) {
            if (!r.uses(spriteman::tex_cursor_arrow))
                continue;
            ++n;
            // Drawn pointing right: its right corners (1, 3) lead.
            const auto& p = r.positions;
            const float ax = p[2] + p[6] - p[0] - p[4], ay = p[3] + p[7] - p[1] - p[5];
            EXPECT_EQ(ax > 0, way == cfg::p);
            EXPECT_EQ(ax < 0, way == cfg::l);
            EXPECT_EQ(ay > 0, way == cfg::d);
            EXPECT_EQ(ay < 0, way == cfg::g);
        }
        return n;
    };
    d->clicked(6 * 60 + 30, 4 * 60 + 30);
    d->moved(6 * 60 + 30, 5 * 60 + 30);
    EXPECT_EQ(arrows(cfg::d), 1) << "dragging down";
    d->moved(5 * 60 + 30, 5 * 60 + 30);
    EXPECT_EQ(arrows(cfg::l), 1) << "then left";
    d->released(5 * 60 + 30, 5 * 60 + 30);
    EXPECT_EQ(arrows(cfg::l), 0) << "let go: the tinted triangle alone stays";
    d->clicked(755, 113 + 90); // the falling block's slot, on the column
    d->clicked(6 * 60 + 30, 4 * 60 + 30);
    EXPECT_EQ(arrows(cfg::p), 0) << "only a cloud has a way";
}

TEST_F(DrawingSurface, SlotSwitchShowsIconCountAndSelection)
{
    drawing_drawer* d =
        draw_in("mapsize 12 8\nchar 5 5 white red stockblock 200 blue cloud 7 red null 0\n");
    std::vector<myglitem*> tools(d->tool_bar->items.begin(), d->tool_bar->items.end());
    gl_recorder gl;

    tools[0]->updateGL(); // selected: highlight, count, icon
    ASSERT_EQ(gl.draws.size(), 3u);
    EXPECT_EQ(gl.draws[0].tint, rgba(static_cast<drawer_block_switch*>(tools[0])->highlight_color));
    // No glyph for 200: the blank one, not a read past the font.
    EXPECT_TRUE(gl.draws[1].uses(spriteman::tex_alphabet[36]));
    EXPECT_TRUE(gl.draws[2].uses(spriteman::tex_stock[1]));

    gl.clear();
    tools[1]->updateGL();
    ASSERT_EQ(gl.draws.size(), 2u);
    EXPECT_TRUE(gl.draws[0].uses(spriteman::tex_alphabet[7]));
    EXPECT_TRUE(gl.draws[1].uses(spriteman::tex_cloud[3]));

    gl.clear();
    tools[2]->updateGL(); // empty slot
    EXPECT_TRUE(gl.draws.empty());
}

TEST_F(DrawingSurface, AdvanceCentresTheViewOnTheFocusedCharacter)
{
    drawing_drawer* d = draw_in("mapsize 40 30\nchar 20 15 white red null 0 red null 0 red null "
                                "0\nchar 3 3 white red null 0 red null 0 red null 0\n");
    QGraphicsView screen(scene.get());
    screen.setFrameStyle(QFrame::NoFrame);
    screen.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    screen.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    screen.resize(800, 480);
    screen.show();
    d->advance(1);
    const QPointF middle = screen.mapToScene(400, 240);
    EXPECT_NEAR(middle.x(), 20 * 60 + 21, 1);
    EXPECT_NEAR(middle.y(), 15 * 60 + 21, 1);
    screen.setScene(nullptr);
}

TEST_F(DrawingSurface, WorldWithoutCharacterDrawsAndPlacesNothing)
{
    drawing_drawer* d = draw_in("mapsize 12 8\n");
    gl_recorder gl;
    d->clicked(100, 100);
    press_slot(d, 2);
    EXPECT_EQ(d->selected_slot, 0u);
    press_apply(d);
    d->advance(1);
    d->updateGL();
    std::vector<myglitem*> tools(d->tool_bar->items.begin(), d->tool_bar->items.end());
    for (int slot = 0; slot < 3; ++slot)
        tools[slot]->updateGL();
    EXPECT_TRUE(gl.draws.empty());
}

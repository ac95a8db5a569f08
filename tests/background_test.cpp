// Layouts of the full-screen background, plain and with the menu's strips.

#include "bg_gl_item.h"
#include "gl_recorder.h"
#include "myscene.h"
#include "scene_manager.h"
#include "spriteman.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace
{

class Background : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        spriteman::init(2048, 2048);
        myglitem::viewport = {1024, 600};
    }
    void TearDown() override
    {
        myglitem::viewport = {};
        spriteman::deinit();
    }

    gl_recorder gl;
    myscene scene;
};

} // namespace

TEST_F(Background, PlainCoversTheWholeViewport)
{
    auto* bg = new bg_gl_item(&scene, spriteman::tex_bg_non_grassy, nullptr, nullptr);
    scene.background = bg;
    EXPECT_EQ(bg->depth, 1.0);
    EXPECT_EQ(bg->width, 1024);
    EXPECT_EQ(bg->height, 600);
    EXPECT_EQ(bg->scene, &scene);
    EXPECT_EQ(bg->QGraphicsItem::scene(), &scene);
    EXPECT_EQ(bg->pos(), QPointF(0, 0));

    scene.updateGL();
    ASSERT_EQ(gl.draws.size(), 1u);
    const recorded_draw& d = gl.draws[0];
    EXPECT_EQ(d.count, 4);
    EXPECT_TRUE(d.uses(spriteman::tex_bg_non_grassy));
    EXPECT_EQ(d.positions, (std::vector<float>{0, 0, 1024, 0, 0, 600, 1024, 600}));
}

TEST_F(Background, MenuStripsKeepTheirAspectAndTheMiddleStretches)
{
    scene.background = new bg_gl_item(&scene, spriteman::tex_grassy_center,
                                      spriteman::tex_grassy_up, spriteman::tex_grassy_down);
    scene.updateGL();
    ASSERT_EQ(gl.draws.size(), 3u);
    const recorded_draw& middle = gl.draws[0];
    const recorded_draw& up = gl.draws[1];
    const recorded_draw& down = gl.draws[2];
    EXPECT_TRUE(middle.uses(spriteman::tex_grassy_center));
    EXPECT_TRUE(up.uses(spriteman::tex_grassy_up));
    EXPECT_TRUE(down.uses(spriteman::tex_grassy_down));

    // 1024 * 193 / 800 and 600 - 1024 * 245 / 800.
    EXPECT_NEAR(up.top(), 0, 1e-3);
    EXPECT_NEAR(up.bottom(), 247.04, 1e-3);
    EXPECT_NEAR(down.top(), 286.4, 1e-3);
    EXPECT_NEAR(down.bottom(), 600, 1e-3);
    EXPECT_NEAR(middle.top(), 247.04, 1e-3);
    EXPECT_NEAR(middle.bottom(), 286.4, 1e-3);
    for (const recorded_draw* d : {&middle, &up, &down}) {
        EXPECT_EQ(d->left(), 0);
        EXPECT_EQ(d->right(), 1024);
    }
}

TEST_F(Background, FollowsTheViewportSizeOnResize)
{
    scene.background = new bg_gl_item(&scene, spriteman::tex_grassy_center,
                                      spriteman::tex_grassy_up, spriteman::tex_grassy_down);
    myglitem::viewport = {800, 480};
    scene.background->resizeGL();
    scene.updateGL();
    ASSERT_EQ(gl.draws.size(), 3u);
    // At the atlas's own width the strips are exactly their cells' heights.
    EXPECT_NEAR(gl.draws[1].bottom(), 193, 1e-3);
    EXPECT_NEAR(gl.draws[2].top(), 480 - 245, 1e-3);
    EXPECT_NEAR(gl.draws[0].bottom() - gl.draws[0].top(), 42, 1e-3);
    EXPECT_EQ(scene.background->width, 800);
    EXPECT_EQ(scene.background->height, 480);
}

TEST_F(Background, OneStripAloneMakesAPlainBackground)
{
    scene.background =
        new bg_gl_item(&scene, spriteman::tex_bg_non_grassy, spriteman::tex_grassy_up, nullptr);
    scene.updateGL();
    ASSERT_EQ(gl.draws.size(), 1u);
    EXPECT_EQ(gl.draws[0].positions, (std::vector<float>{0, 0, 1024, 0, 0, 600, 1024, 600}));
}

TEST_F(Background, DeletingItLeavesTheDrawingList)
{
    auto* bg = new bg_gl_item(&scene, spriteman::tex_bg_non_grassy, nullptr, nullptr);
    ASSERT_EQ(scene.gl_items.size(), 1u);
    delete bg;
    EXPECT_TRUE(scene.gl_items.empty());
    EXPECT_TRUE(scene.items().isEmpty());
}

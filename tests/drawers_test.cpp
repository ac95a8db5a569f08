// The steering and scrolling surfaces in a game scene shown by a real
// graphics view of 800 x 480 pixels: screen halves, camera follow, drag
// scrolling and what switching surfaces does to a walking character.

#include "cfg.h"
#include "controlling_drawer.h"
#include "game_scene.h"
#include "headless_screen.h"
#include "hud.h"
#include "hud_buttons.h"
#include "moving_drawer.h"
#include "scene_manager.h"
#include "stockchar.h"

#include <QCoreApplication>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <gtest/gtest.h>

namespace
{

constexpr long long M = cfg::multiplier;

class Surfaces : public ::testing::Test
{
  protected:
    Surfaces()
    {
        world = new game_scene();
        screen.setFrameStyle(QFrame::NoFrame);
        screen.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        screen.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        screen.setScene(world);
        screen.resize(800, 480);
        screen.show();
        myglitem::viewport = {screen.viewport()->width(), screen.viewport()->height()};
        walker = new stockchar(world, 10 * M, 10 * M, 1);
    }
    ~Surfaces() override
    {
        myglitem::viewport = {};
        screen.setScene(nullptr);
        delete world;
    }

    // Scene x of the view's top-centre pixel, scene y of its middle-left one.
    QPointF centre() const
    {
        return {screen.mapToScene(400, 0).x(), screen.mapToScene(0, 240).y()};
    }

    // What the GL widget records before every frame.
    void frame()
    {
        world->view_center_x = centre().x();
        world->view_center_y = centre().y();
        world->view_left = screen.mapToScene(0, 0).x();
        world->view_top = screen.mapToScene(0, 0).y();
    }

    void expect_flags(bool left, bool right, bool jump)
    {
        EXPECT_EQ(walker->left_held, left);
        EXPECT_EQ(walker->right_held, right);
        EXPECT_EQ(walker->jump_held, jump);
    }

    QGraphicsView screen;
    game_scene* world;
    stockchar* walker;
};

TEST_F(Surfaces, SteeringReadsTheScreenHalves)
{
    ASSERT_EQ(screen.viewport()->width(), 800);
    ASSERT_EQ(screen.viewport()->height(), 480);
    world->press_at(399, 239);
    expect_flags(true, false, true);
    world->release_at(399, 239);
    world->press_at(400, 240);
    expect_flags(false, true, false);
    world->release_at(400, 240);

    // Every move reads both halves again.
    world->press_at(100, 400);
    expect_flags(true, false, false);
    world->move_to(700, 100);
    expect_flags(false, true, true);
}

TEST_F(Surfaces, ReleaseStopsTheCharacterEvenOnTheHudBand)
{
    new zoom_in(world, world->top_hud);
    world->press_at(60, 300);
    expect_flags(true, false, false);
    world->release_at(60, 10);
    expect_flags(false, false, false);
    EXPECT_EQ(world->block_size, 60u); // the release did not press a button
}

TEST_F(Surfaces, CameraKeepsTheCharacterInABoxOneBlockAroundTheCentre)
{
    screen.centerOn(400, 240);
    world->drawer->advance(1);
    // The character was right of and below the box: the least scroll
    // brings its far edges onto the box's edges.
    const QRectF body = walker->sceneBoundingRect();
    EXPECT_NEAR(body.right(), centre().x() + 60, 1);
    EXPECT_NEAR(body.bottom(), centre().y() + 60, 1);

    // Inside the box the camera stands still.
    const QPointF still = centre();
    walker->setPos(walker->pos() - QPointF(50, 50));
    world->drawer->advance(1);
    EXPECT_EQ(centre(), still);

    walker->setPos(walker->pos() - QPointF(100, 0));
    world->drawer->advance(1);
    EXPECT_NEAR(walker->sceneBoundingRect().left(), centre().x() - 60, 1);
    EXPECT_EQ(centre().y(), still.y());
}

TEST_F(Surfaces, DragSlidesTheWorldWithTheFinger)
{
    world->switch_drawer(cfg::drawer_mv_type);
    screen.centerOn(1000, 700);
    frame();
    const QPointF start = centre();
    world->press_at(300, 200);
    world->move_to(270, 210);
    EXPECT_EQ(centre(), start + QPointF(30, -10));

    // A move to the position just handled leaves the view alone.
    screen.centerOn(500, 500);
    const QPointF elsewhere = centre();
    world->move_to(270, 210);
    EXPECT_EQ(centre(), elsewhere);
    world->move_to(271, 210);
    EXPECT_EQ(centre(), start + QPointF(29, -10));

    // The release scrolls even to the position just handled.
    screen.centerOn(500, 500);
    world->release_at(271, 210);
    EXPECT_EQ(centre(), start + QPointF(29, -10));
}

TEST_F(Surfaces, DragFollowsTheFingerBetweenFrames)
{
    world->switch_drawer(cfg::drawer_mv_type);
    screen.centerOn(1000, 700);
    frame();
    const double start = centre().x();
    // Scene positions as the view maps them at the moment of each event.
    auto finger = [&](QEvent::Type type, int x) {
        send_mouse(world, type, screen.mapToScene(x, 300));
    };
    finger(QEvent::GraphicsSceneMousePress, 300);
    // No frame is drawn between these moves.
    for (int step = 1; step <= 4; ++step) {
        finger(QEvent::GraphicsSceneMouseMove, 300 - 10 * step);
        EXPECT_EQ(centre().x(), start + 10 * step) << "move " << step;
    }
    finger(QEvent::GraphicsSceneMouseRelease, 260);
    EXPECT_EQ(centre().x(), start + 40);
}

TEST_F(Surfaces, EveryTapOfAQuickSeriesReachesTheControls)
{
    auto* button = new zoom_in(world, world->top_hud);
    frame();
    const QPointF at(button->vertices[0] + 5, 30);
    // What the window system sends for four quick taps: Qt reports every
    // second press as a double-click.
    const QEvent::Type presses[] = {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick,
                                    QEvent::MouseButtonPress, QEvent::MouseButtonDblClick};
    for (QEvent::Type press : presses) {
        for (QEvent::Type type : {press, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, at, screen.viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
            QCoreApplication::sendEvent(screen.viewport(), &e);
        }
    }
    EXPECT_EQ(world->block_size, 100u);
}

TEST_F(Surfaces, SwitchingToScrollingStopsAWalkingCharacter)
{
    mv_switch* button = new mv_switch(world, world->top_hud);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(world, &right);
    walker->jump_held = true;
    ASSERT_TRUE(walker->right_held);

    world->press_at(static_cast<int>(button->vertices[0]) + 5, 30);
    expect_flags(false, false, false);
    EXPECT_EQ(world->drawer_kind, cfg::drawer_mv_type);
    EXPECT_NE(dynamic_cast<moving_drawer*>(world->drawer), nullptr);
}

TEST_F(Surfaces, SurfacesRegisterWithTheirSceneAndLeaveCleanly)
{
    myglitem* first = world->drawer;
    ASSERT_NE(dynamic_cast<controlling_drawer*>(first), nullptr);
    EXPECT_EQ(first->depth, 0.05);
    EXPECT_EQ(std::count(world->gl_items.begin(), world->gl_items.end(), first), 1);

    delete first;
    EXPECT_EQ(world->drawer, nullptr);
    EXPECT_EQ(world->drawer_kind, cfg::drawer_ctrl_type); // the kind outlives the surface
    EXPECT_EQ(std::count(world->gl_items.begin(), world->gl_items.end(), first), 0);

    world->running = false;
    moving_drawer* scroller = new moving_drawer(world);
    EXPECT_EQ(world->drawer, scroller);
    EXPECT_TRUE(world->running);
}

TEST_F(Surfaces, FingerIsIgnoredWithoutCharacters)
{
    delete walker;
    world->setSceneRect(-1000, -1000, 3000, 3000);
    screen.centerOn(400, 240);
    frame();
    const QPointF still = centre();
    world->press_at(100, 300);
    world->move_to(700, 100);
    world->release_at(700, 100);
    world->drawer->advance(1);
    EXPECT_EQ(centre(), still); // no character for the camera to follow
    // The scrolling surface needs no character.
    world->switch_drawer(cfg::drawer_mv_type);
    world->press_at(100, 300);
    world->release_at(120, 300);
    EXPECT_EQ(centre(), still - QPointF(20, 0));
}

} // namespace

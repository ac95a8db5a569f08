// The scene stack, the drawing order of a scene's items and the view that
// shows the top scene, all on the headless platform.

#include "gl_recorder.h"
#include "intro_scene.h"
#include "myglitem.h"
#include "myscene.h"
#include "scene_manager.h"
#include "view.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace
{

// Counts its ticks and the keys it receives.
class counting_scene : public myscene
{
  public:
    int ticks = 0;
    std::vector<int> keys_pressed;
    std::vector<int> keys_released;
    double view_left_at_key = -1;

    void advance() override { ++ticks; }

  protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        keys_pressed.push_back(e->key());
        view_left_at_key = view_left;
    }
    void keyReleaseEvent(QKeyEvent* e) override { keys_released.push_back(e->key()); }
};

// Notes the order in which scenes are laid out.
class layout_log_scene : public myscene
{
  public:
    layout_log_scene(std::vector<layout_log_scene*>* log) : log(log) {}
    void resizeGL() override { log->push_back(this); }
    std::vector<layout_log_scene*>* log;
};

class reactivation_counter : public myscene
{
  public:
    int reactivations = 0;
    void reactivated() override { ++reactivations; }
};

// A quad whose left edge names the item, so the draw order can be read back.
class marker_item : public myglitem
{
  public:
    marker_item(myscene* s, double d, float id)
    {
        scene = s;
        depth = d;
        set_quad(vertices, id, 0, id + 1, 1);
        scene->add_gl_item(this);
    }
    ~marker_item() override { scene->remove_gl_item(this); }
    void updateGL() override { draw_strip(tex, vertices); }
    QRectF boundingRect() const override { return QRectF(0, 0, 1, 1); }
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    float tex[8] = {};
};

std::vector<float> drawn_ids(const gl_recorder& gl)
{
    std::vector<float> ids;
    for (const recorded_draw& d : gl.draws)
        ids.push_back(d.left());
    return ids;
}

// Runs the event loop until done() holds or the deadline passes; a loaded
// machine gets the time it needs and a quick one does not wait for nothing.
bool run_events_until(const std::function<bool()>& done, int deadline_ms = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > deadline_ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace

TEST(SceneStack, OnlyTheTopSceneTicksAt33Milliseconds)
{
    auto* first = new counting_scene;
    scene_manager manager(first, nullptr, nullptr);
    EXPECT_EQ(manager.top(), first);
    EXPECT_TRUE(first->timer->isActive());
    EXPECT_EQ(first->timer->interval(), 33);
    EXPECT_EQ(first->timer->timerType(), Qt::PreciseTimer);

    auto* second = new counting_scene;
    manager.add_scene(second);
    EXPECT_EQ(manager.top(), second);
    EXPECT_FALSE(first->timer->isActive());
    EXPECT_TRUE(second->timer->isActive());
    EXPECT_EQ(second->timer->interval(), 33);

    EXPECT_TRUE(run_events_until([&] { return second->ticks >= 2; }));
    EXPECT_EQ(first->ticks, 0);
}

TEST(SceneStack, GoingBackReactivatesTheUncoveredSceneOnce)
{
    auto* first = new reactivation_counter;
    scene_manager manager(first, nullptr, nullptr);
    manager.add_scene(new counting_scene);
    EXPECT_FALSE(first->reactivate);

    ASSERT_TRUE(manager.go_back());
    EXPECT_EQ(manager.top(), first);
    EXPECT_EQ(manager.scenes.size(), 1u);
    EXPECT_TRUE(first->timer->isActive());
    EXPECT_TRUE(first->reactivate);

    manager.tick(first);
    manager.tick(first);
    EXPECT_EQ(first->reactivations, 1);
    EXPECT_FALSE(first->reactivate);
}

TEST(SceneStack, RefusesToGoBackFromTheLastScene)
{
    auto* only = new counting_scene;
    scene_manager manager(only, nullptr, nullptr);
    EXPECT_FALSE(manager.go_back());
    EXPECT_EQ(manager.top(), only);
    EXPECT_TRUE(only->timer->isActive());
    EXPECT_FALSE(only->reactivate);
}

TEST(DrawOrder, GreatestDepthFirstAndLaterOfEqualDepthFirst)
{
    gl_recorder gl;
    myscene scene;
    std::vector<std::unique_ptr<marker_item>> items;
    items.emplace_back(new marker_item(&scene, 0.5, 1));
    items.emplace_back(new marker_item(&scene, 1.0, 2));
    items.emplace_back(new marker_item(&scene, 0.3, 3));
    items.emplace_back(new marker_item(&scene, 0.5, 4));
    items.emplace_back(new marker_item(&scene, 0.0, 5));
    items.emplace_back(new marker_item(&scene, 0.5, 6));

    scene.updateGL();
    // Ties: the item added first is drawn last, so it covers the others.
    EXPECT_EQ(drawn_ids(gl), (std::vector<float>{2, 6, 4, 1, 3, 5}));

    gl.clear();
    items[3].reset(); // an item that is destroyed leaves the drawing list
    scene.updateGL();
    EXPECT_EQ(drawn_ids(gl), (std::vector<float>{2, 6, 1, 3, 5}));
}

class HeadlessView : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        v = std::make_unique<view>();
        v->show();
        v->resize(800, 480);
        QCoreApplication::processEvents();
        ASSERT_EQ(v->viewport()->size(), QSize(800, 480));
    }
    std::unique_ptr<view> v;
};

TEST_F(HeadlessView, StartsWithTheIntroSceneAndPublishesItself)
{
    ASSERT_NE(v->manager, nullptr);
    ASSERT_NE(v->progress, nullptr);
    EXPECT_EQ(scene_manager::current(), v->manager);
    EXPECT_EQ(scene_manager::_view_static_ptr, v.get());
    EXPECT_EQ(scene_manager::_progress_manager_static_ptr, v->progress);
    EXPECT_EQ(myglitem::viewport.width, v->viewport()->width());
    EXPECT_EQ(myglitem::viewport.height, v->viewport()->height());
    myscene* first = v->manager->top();
    ASSERT_NE(dynamic_cast<intro_scene*>(first), nullptr);
    EXPECT_EQ(v->scene(), first);
    EXPECT_TRUE(first->self_drawing);
    EXPECT_EQ(first->view_left, 0);
    EXPECT_EQ(first->view_top, 0);
    EXPECT_EQ(first->view_center_x, 0);
    EXPECT_EQ(first->view_center_y, 0);
}

TEST_F(HeadlessView, ShowsWhateverIsOnTopOfTheStack)
{
    myscene* first = v->manager->top();
    auto* second = new counting_scene;
    v->manager->add_scene(second);
    EXPECT_EQ(v->scene(), second);

    // The view's tick handling must still deliver the top scene's ticks.
    EXPECT_TRUE(run_events_until([&] { return second->ticks >= 2; }));

    ASSERT_TRUE(v->manager->go_back());
    EXPECT_EQ(v->scene(), first);
    EXPECT_TRUE(first->reactivate);
}

TEST_F(HeadlessView, ForwardsKeysToTheTopSceneOnly)
{
    auto* below = new counting_scene;
    v->manager->add_scene(below);
    auto* top = new counting_scene;
    top->setSceneRect(0, 0, 5000, 5000);
    v->manager->add_scene(top);
    v->centerOn(1400, 440);

    QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(v.get(), &press);
    QCoreApplication::sendEvent(v.get(), &release);

    EXPECT_EQ(top->keys_pressed, std::vector<int>{Qt::Key_Right});
    EXPECT_EQ(top->keys_released, std::vector<int>{Qt::Key_Right});
    EXPECT_TRUE(below->keys_pressed.empty());
    // The view position is recorded before the scene sees the key.
    EXPECT_DOUBLE_EQ(top->view_left_at_key, 1000);
    EXPECT_DOUBLE_EQ(top->view_top, 200);
}

TEST_F(HeadlessView, FramesRecordWhereTheViewIsScrolled)
{
    auto* world = new counting_scene;
    world->setSceneRect(0, 0, 5000, 5000);
    v->manager->add_scene(world);
    v->resize(801, 480);
    QCoreApplication::processEvents();
    ASSERT_EQ(v->viewport()->width(), 801);
    // Scene point (1000, 200) at the top-left pixel.
    v->horizontalScrollBar()->setValue(1000);
    v->verticalScrollBar()->setValue(200);

    world->record_view_position(v.get(), 801, 480);
    EXPECT_DOUBLE_EQ(world->view_left, 1000);
    EXPECT_DOUBLE_EQ(world->view_top, 200);
    // Halves truncate: an odd width takes the centre at pixel 400.
    EXPECT_DOUBLE_EQ(world->view_center_x, 1400);
    EXPECT_DOUBLE_EQ(world->view_center_y, 440);
}

TEST_F(HeadlessView, AResizeLaysOutEverySceneOldestFirst)
{
    std::vector<layout_log_scene*> log;
    auto* below = new layout_log_scene(&log);
    auto* top = new layout_log_scene(&log);
    v->manager->add_scene(below);
    v->manager->add_scene(top);
    v->resize(1024, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(log, (std::vector<layout_log_scene*>{below, top}));
}

// How a game scene hands pointer events to its controls: the viewport pixel
// each one receives, and where moves and the release go when the control a
// drag started on is replaced or closed in the middle of it.

#include "game_scene.h"
#include "headless_screen.h"
#include "myglitem.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

using event_log = std::vector<std::string>;

// Logs "<name> <event> <x> <y>" for every pointer call it receives.
class pointer_probe : public myglitem
{
  public:
    pointer_probe(std::string name, event_log* log) : name(std::move(name)), log(log) {}
    QRectF boundingRect() const override { return {}; }
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void clicked(int x, int y) override { note("clicked", x, y); }
    void moved(int x, int y) override { note("moved", x, y); }
    void released(int x, int y) override { note("released", x, y); }

  private:
    void note(const char* what, int x, int y)
    {
        log->push_back(name + " " + what + " " + std::to_string(x) + " " + std::to_string(y));
    }
    std::string name;
    event_log* log;
};

// The scene owns the probe in its drawer field, as it owns a drawer.
void replace_drawer(game_scene& s, const std::string& name, event_log* log)
{
    delete s.drawer;
    s.drawer = new pointer_probe(name, log);
}

TEST(PointerRouting, ScenePositionsBecomeViewPixelsTruncatedTowardZero)
{
    headless_screen screen;
    game_scene s;
    event_log log;
    replace_drawer(s, "drawer", &log);
    s.view_left = 100.5;
    s.view_top = -20.25;
    const struct {
        QPointF scene;
        const char* seen;
    } cases[] = {
        {{150.25, 100}, "drawer clicked 49 120"},
        {{100, 50}, "drawer clicked 0 70"},    // -0.5 is 0, not -1
        {{99, 47.75}, "drawer clicked -1 68"}, // the first row below the HUD band
    };
    for (const auto& c : cases) {
        log.clear();
        send_mouse(&s, QEvent::GraphicsSceneMousePress, c.scene);
        ASSERT_EQ(log.size(), 1u) << c.seen;
        EXPECT_EQ(log[0], c.seen);
        send_mouse(&s, QEvent::GraphicsSceneMouseRelease, c.scene);
    }
}

TEST(PointerRouting, ADragFollowsTheFieldItStartedOnNotTheObject)
{
    headless_screen screen;
    game_scene s;
    event_log log;
    replace_drawer(s, "first", &log);
    s.press_at(10, 100);
    // A HUD button or key swaps the drawer in the middle of the drag.
    replace_drawer(s, "second", &log);
    s.move_to(20, 100);
    s.release_at(30, 100);
    s.move_to(40, 100); // after the release nobody listens
    EXPECT_EQ(log,
              (event_log{"first clicked 10 100", "second moved 20 100", "second released 30 100"}));

    // A menu closed mid-drag: the rest of the drag reaches nothing, and
    // above all not the drawer under the menu.
    log.clear();
    s.open_pause_menu();
    s.press_at(5, 470);
    s.close_menu_request = true;
    s.tick();
    ASSERT_EQ(s.menu, nullptr);
    s.move_to(200, 300);
    s.release_at(200, 300);
    EXPECT_TRUE(log.empty()) << log.front();
}

} // namespace

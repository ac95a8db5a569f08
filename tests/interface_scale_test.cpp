// The interface size: the scale in use for each window, presses reaching
// the HUD where it is drawn, and the world zoomed and tapped at the
// player's zoom whatever the interface's size (tests/gl/ checks the pixels).

#include "cfg.h"
#include "drawing_drawer.h"
#include "game_scene.h"
#include "headless_screen.h"
#include "hud.h"
#include "hud_buttons.h"
#include "world_fixture.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{

// Chooses an interface size for one test and puts 100 % back afterwards.
struct interface_size {
    explicit interface_size(double chosen) { myglitem::set_interface_scale(chosen); }
    ~interface_size() { myglitem::set_interface_scale(1.0); }
    interface_size(const interface_size&) = delete;
    interface_size& operator=(const interface_size&) = delete;
};

// A HUD button that logs its presses.
class probe : public hud_button
{
  public:
    probe(game_scene* scene, hud* owner, int id, std::vector<int>* log)
        : hud_button(scene, owner, false), id(id), log(log)
    {
    }
    void clicked(int, int) override { log->push_back(id); }

  protected:
    const float* texture() override { return spriteman::tex_blank; }

  private:
    int id;
    std::vector<int>* log;
};

class InterfaceScale : public world_test
{
};

} // namespace

TEST_F(InterfaceScale, ChosenSizeIsCappedSoTheSmallestLayoutFits)
{
    const struct {
        double chosen;
        int w, h;
        double used;
        int logical_w, logical_h;
    } cases[] = {
        {2.0, 800, 480, 1.0, 800, 480}, // the smallest window: always 100 %
        {1.5, 800, 480, 1.0, 800, 480},     {2.0, 1920, 1080, 2.0, 960, 540},
        {1.5, 1920, 1080, 1.5, 1280, 720},  {1.25, 1920, 1080, 1.25, 1536, 864},
        {2.0, 1280, 800, 1.6, 800, 500},    // capped by the width
        {2.0, 2000, 600, 1.25, 1600, 480},  // capped by the height
        {0.5, 1920, 1080, 1.0, 1920, 1080}, // never below 100 %
        {3.0, 3840, 2160, 2.0, 1920, 1080}, // nor above 200 %
    };
    for (const auto& c : cases) {
        headless_screen screen(c.w, c.h);
        interface_size size(c.chosen);
        SCOPED_TRACE(testing::Message() << c.chosen << " at " << c.w << "x" << c.h);
        EXPECT_DOUBLE_EQ(myglitem::ui_scale(), c.used);
        EXPECT_EQ(myglitem::viewport_width(), c.logical_w);
        EXPECT_EQ(myglitem::viewport_height(), c.logical_h);
        EXPECT_EQ(myglitem::screen_width(), c.w);
    }
}

TEST_F(InterfaceScale, HudPressesLandWhereTheButtonIsDrawnAndTheWorldKeepsItsZoom)
{
    headless_screen screen(1920, 1080);
    game_scene& world = load("mapsize 12 10\nstockblock 3 6 white\n");
    const unsigned int zoom = world.block_size;
    std::vector<int> log;
    new probe(&world, world.top_hud, 1, &log);
    auto* second = new probe(&world, world.top_hud, 2, &log);

    interface_size size(2.0);
    world.top_hud->resizeGL();
    const float left = second->vertices[0], right = second->vertices[2];
    const float top = second->vertices[1], bottom = second->vertices[5];
    const QPointF drawn((left + right), (top + bottom)); // its middle, times two
    const QPointF at_100((left + right) / 2, (top + bottom) / 2);
    send_mouse(&world, QEvent::GraphicsSceneMousePress, drawn);
    send_mouse(&world, QEvent::GraphicsSceneMouseRelease, drawn);
    send_mouse(&world, QEvent::GraphicsSceneMousePress, at_100);
    send_mouse(&world, QEvent::GraphicsSceneMouseRelease, at_100);
    EXPECT_EQ(log, (std::vector<int>{2, 1})) << "the old place is the first button's now";

    EXPECT_EQ(world.block_size, zoom);
}

TEST_F(InterfaceScale, DrawingTapsChooseTheCellUnderTheFinger)
{
    headless_screen screen(1600, 960);
    interface_size size(2.0);
    game_scene& world = load("mapsize 12 10\nchar 5 5 white red null 0 red null 0 red null 0\n");
    world.switch_drawer(cfg::drawer_drawer_type);
    auto* d = static_cast<drawing_drawer*>(world.drawer);
    // The middle of cell (4, 6) in screen pixels: 270, 390 with 60-pixel blocks.
    send_mouse(&world, QEvent::GraphicsSceneMousePress, QPointF(270, 390));
    send_mouse(&world, QEvent::GraphicsSceneMouseRelease, QPointF(270, 390));
    EXPECT_EQ(d->cell_x, 4);
    EXPECT_EQ(d->cell_y, 6);
}

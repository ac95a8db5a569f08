// The interface size read back from the game's own GL widget: at 200 % a
// HUD button covers twice the pixels each way and shows the same picture,
// while a block of the world keeps its size and its pixels.

#include "gl/gl_game.h"
#include "gl/in_process.h"
#include "gl_backend.h"
#include "gl_recorder.h"
#include "hud.h"
#include "level_scene.h"
#include "scene_manager.h"
#include "stockblock.h"

#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>

namespace
{

// Where the item's last quad lands on the screen, drawn as its scene draws
// it: a world object in the screen's pixels.
QRect drawn_area(myglitem* item)
{
    gl_backend* real = gl_backend::current();
    QRect area;
    {
        gl_recorder rec;
        if (item->part_of_world) {
            myglitem::screen_pixels unscaled;
            item->updateGL();
        } else {
            item->updateGL();
        }
        const recorded_draw& d = rec.draws.back();
        area = QRect(QPoint(qRound(d.left()), qRound(d.top())),
                     QPoint(qRound(d.right()) - 1, qRound(d.bottom()) - 1));
    }
    gl_backend::install(real);
    return area;
}

// Drawing the frame also records where the view stands, which the items'
// positions are measured from.
QImage frame_of(myglwidget* gl)
{
    return gl->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(interface_scale_gl, HudDoublesAtTwoHundredPercentWhileTheWorldKeepsItsSize)
{
    if (!gl_game::have_display())
        GTEST_SKIP() << "no X display";
    QTemporaryDir dir;
    const std::string path = dir.filePath("sizes.level").toStdString();
    std::ofstream(path) << "mapsize 14 9\n"
                           "stockblock 4 7 white\nstockblock 5 7 white\nstockblock 6 7 white\n"
                           "exit 9 5 red\n"
                           "char 5 6 red null null 0 null null 0 null null 0\n";
    struct back_to_100 {
        ~back_to_100() { myglitem::set_interface_scale(1.0); }
    } reset;
    view v;
    // 1600 x 960 leaves room for 200 % uncapped.
    myglwidget* gl = in_process::shown_gl(v, QSize(1600, 960));
    ASSERT_NE(gl, nullptr);
    auto* level = new level_scene("sizes", path, nullptr);
    scene_manager::current()->add_scene(level);
    level->timer->stop();
    level->self_drawing = false;
    level->end_title_card();
    level->tick();
    myglitem* button = level->top_hud->items.front();
    myglitem* block = level->grid[5][7];
    ASSERT_NE(block, nullptr);

    const QImage before = frame_of(gl);
    const QRect button_before = drawn_area(button);
    const QRect block_before = drawn_area(block);
    const unsigned int zoom = level->block_size;

    myglitem::set_interface_scale(2.0);
    level->tick();
    const QImage after = frame_of(gl);
    QDir().mkpath(gl_game::artifacts());
    after.save(gl_game::artifacts() + "/interface-200.png");
    const QRect button_after = drawn_area(button);
    const QRect block_after = drawn_area(block);

    EXPECT_EQ(button_after.size(), button_before.size() * 2);
    const QImage button_twice =
        before.copy(button_before)
            .scaled(button_after.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GE(gl_game::agreement(after, button_after, button_twice), 0.85) << "the button";

    EXPECT_EQ(level->block_size, zoom);
    EXPECT_EQ(block_after.size(), block_before.size());
    EXPECT_GE(gl_game::agreement(after, block_after, before.copy(block_before)), 0.9)
        << "the block";
}

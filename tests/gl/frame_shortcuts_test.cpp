// The cheap ways to a frame against the plain one, in the game's own GL
// widget: a kept background copied into later frames, and the frame copied
// into the window by a blit or with the one shader. Not one pixel may differ
// from the frame drawn the plain way, on the first frame that keeps a
// background, on the frames that copy it, after a zoom that changes the
// atlas filter, and after the window changes size.

#include "game_scene.h"
#include "in_process.h"
#include "level_scene.h"
#include "map_select_scene.h"
#include "menu_scene.h"
#include "myglwidget.h"
#include "scene_manager.h"
#include "spriteman.h"
#include "view.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace
{

QImage plain_frame(myglwidget* gl)
{
    const myglwidget::frame_shortcuts kept = gl->shortcuts;
    gl->shortcuts.keep_backdrops = false;
    QImage frame = gl->grabFramebuffer();
    gl->shortcuts = kept;
    return frame;
}

long long differing(const QImage& a, const QImage& b);

// The frame drawn into the window, as the X server shows it. The software
// renderer hands its picture to X on its own connection: the screen is read
// until it shows `expected`, or for at most two seconds.
QImage shown_frame(myglwidget* gl, const QImage& expected)
{
    gl->render();
    const QPoint corner = gl->mapToGlobal(QPoint(0, 0));
    QImage shown;
    in_process::wait_for(
        [&] {
            shown = gl->screen()
                        ->grabWindow(0, corner.x(), corner.y(), gl->width(), gl->height())
                        .toImage()
                        .convertToFormat(QImage::Format_RGB32);
            return differing(shown, expected) == 0;
        },
        2000);
    return shown;
}

// Pixels that differ, so that a failure says how badly.
long long differing(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    long long n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += (a.pixel(x, y) & 0xffffff) != (b.pixel(x, y) & 0xffffff);
    return n;
}

struct frame_case {
    const char* name;
    std::function<myscene*()> make;
    unsigned int block_size; // for world scenes; 0 keeps the scene's own
};

} // namespace

TEST(frame_shortcuts, EveryCheapFrameHasThePlainFramesPixels)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "no X display";
    view v;
    myglwidget* gl = in_process::shown_gl(v, QSize(800, 480));
    ASSERT_NE(gl, nullptr);

    const frame_case cases[] = {
        {"menu", [] { return new menu_scene(nullptr); }, 0},
        {"map", [] { return new map_select_scene(scene_manager::_progress_manager_static_ptr); },
         60},
        {"level 40", [] { return new level_scene("40"); }, 60},
        // Zoomed in: the atlas is sampled texel by texel, so a background
        // kept while it was smoothed may not be copied.
        {"level 40 zoomed in", [] { return new level_scene("40"); }, 70},
    };
    const QSize sizes[] = {QSize(800, 480), QSize(640, 400)};
    for (const QSize size : sizes) {
        v.resize(size);
        ASSERT_TRUE(in_process::wait_for([&] { return gl->size() == size; }));
        for (const frame_case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(size.width()) + "x" +
                         std::to_string(size.height()));
            myscene* scene = c.make();
            scene_manager::current()->add_scene(scene);
            scene->timer->stop(); // the world stands still between frames
            scene->self_drawing = false;
            if (auto* world = dynamic_cast<game_scene*>(scene)) {
                world->block_size = c.block_size;
                world->calculate_sizes();
            }

            const QImage plain = plain_frame(gl);
            ASSERT_FALSE(plain.isNull());
            EXPECT_EQ(differing(gl->grabFramebuffer(), plain), 0) << "the frame that keeps";
            EXPECT_EQ(differing(gl->grabFramebuffer(), plain), 0) << "a frame that copies";
            gl->shortcuts.blit_to_window = true;
            EXPECT_EQ(differing(shown_frame(gl, plain), plain), 0) << "blitted to the window";
            gl->shortcuts.blit_to_window = false;
            EXPECT_EQ(differing(shown_frame(gl, plain), plain), 0) << "copied with the shader";
            gl->shortcuts.blit_to_window = true;
        }
    }
}

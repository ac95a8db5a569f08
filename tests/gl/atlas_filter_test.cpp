// The atlas filter as the game's own GL context holds it: smooth at the
// default zoom, texel by texel once zoomed in, smooth again zoomed out.

#include "level_scene.h"
#include "myglwidget.h"
#include "scene_manager.h"
#include "spriteman.h"
#include "view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

namespace
{

bool wait_for(const std::function<bool()>& done, int ms = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// The filter of the atlas texture, read in the widget's context after it
// has drawn a frame.
GLint drawn_filter(myglwidget* gl, GLenum which)
{
    // Renders one frame through paintGL before it returns.
    const QImage frame = gl->grabFramebuffer();
    EXPECT_FALSE(frame.isNull());
    gl->makeCurrent();
    QOpenGLFunctions* f = QOpenGLContext::currentContext()->functions();
    GLint bound = 0;
    f->glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    f->glBindTexture(GL_TEXTURE_2D, gl->atlas_texture);
    GLint filter = 0;
    f->glGetTexParameteriv(GL_TEXTURE_2D, which, &filter);
    f->glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    gl->doneCurrent();
    return filter;
}

void press(view& v, int key)
{
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&v, &e);
}

} // namespace

TEST(atlas_filter, ZoomedInSpritesAreSampledTexelByTexel)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "no X display";
    view v;
    v.resize(800, 480);
    v.show();
    auto* gl = qobject_cast<myglwidget*>(v.viewport());
    ASSERT_NE(gl, nullptr);
    ASSERT_TRUE(wait_for([&] {
        return spriteman::ready() && gl->atlas_texture != 0 && v.windowHandle() &&
               v.windowHandle()->isExposed();
    }));

    auto* level = new level_scene("1");
    scene_manager::current()->add_scene(level);
    EXPECT_EQ(drawn_filter(gl, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    press(v, Qt::Key_Q);
    ASSERT_EQ(level->block_size, 70u);
    EXPECT_EQ(drawn_filter(gl, GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    EXPECT_EQ(drawn_filter(gl, GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    press(v, Qt::Key_A);
    EXPECT_EQ(drawn_filter(gl, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
}

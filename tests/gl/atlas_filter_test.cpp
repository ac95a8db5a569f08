// The atlas filter as the game's own GL context holds it: smooth at the
// default zoom, texel by texel once zoomed in, smooth again zoomed out.

#include "in_process.h"
#include "level_scene.h"
#include "myglwidget.h"
#include "scene_manager.h"
#include "spriteman.h"
#include "view.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <gtest/gtest.h>

namespace
{

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
    myglwidget* gl = in_process::shown_gl(v, QSize(800, 480));
    ASSERT_NE(gl, nullptr);

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

#ifndef CRUMBLEFORD_RENDER_MYGLWIDGET_H
#define CRUMBLEFORD_RENDER_MYGLWIDGET_H

// The one OpenGL ES 2.0 surface of the game, installed by the view as its
// viewport. It owns the shader program, the atlas texture and the projection;
// each repaint hands the top scene's view position to the scene and lets it
// draw its items through the GL seam.

#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <memory>
#include <string>

class QGraphicsView;
class QPaintEvent;
class myscene;
class QResizeEvent;
class qt_gl_backend;

class myglwidget : public QOpenGLWidget, protected QOpenGLFunctions
{
    Q_OBJECT
  public:
    explicit myglwidget(QWidget* parent = nullptr);
    ~myglwidget() override;

    void _applyOrtho(float left, float right, float bottom, float top, float near, float far) const;
    GLuint LoadShader(unsigned int type, const char* source);
    void public_resize_event(QResizeEvent* event);
    // The view receives the viewport's paint events; this hands one back to
    // the GL widget, which makes its context current and calls paintGL.
    void public_paint_event(QPaintEvent* event);

    // Writes the scene position of a viewport of the given size into s: its
    // top-left corner, the x of its top centre and the y of its middle left.
    static void record_view_position(myscene* s, const QGraphicsView* v, int width, int height);

    // Lays out every scene on the stack for the viewport's size, oldest first.
    static void resize_scenes();

    // The 16 floats _applyOrtho uploads, laid out for vPosition*Projection.
    static void ortho_matrix(float* m, float left, float right, float bottom, float top, float near,
                             float far);

    static const char* const atlas_name;
    static std::string atlas_path();
    // Whether the atlas at path decodes as an image; otherwise a reason for
    // the player. Checked before any window exists, because every item draws
    // from the tables the atlas builds.
    static bool atlas_loadable(const std::string& path, std::string* reason);

    static const char* const vertex_source;
    static const char* const fragment_source;

    GLuint program = 0;
    GLuint vertex_shader = 0;
    GLuint fragment_shader = 0;
    GLuint atlas_texture = 0;
    GLint texture_location = -1;
    GLint color_location = -1;
    GLuint position_attrib = 0;
    GLuint texcoord_attrib = 1;

  protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;

  private:
    std::unique_ptr<qt_gl_backend> backend;
};

#endif

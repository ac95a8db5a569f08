#ifndef CRUMBLEFORD_RENDER_MYGLWIDGET_H
#define CRUMBLEFORD_RENDER_MYGLWIDGET_H

// The one OpenGL ES 2.0 surface of the game, installed by the view as its
// viewport. It owns the shader program, the atlas texture and the projection;
// each repaint hands the top scene's view position to the scene and lets it
// draw its items through the GL seam.
//
// Frames are drawn into a framebuffer of their own and copied into a native
// GL window that fills the widget. Qt's GL widget would bring every frame
// into the window with further full-screen passes of Qt's, which without a
// GPU cost more than the drawing itself. The GL window lets input through,
// so the mouse still reaches this widget and the keys the view.

#include <QImage>
#include <QOpenGLFunctions>
#include <QWidget>
#include <memory>
#include <string>

class QGraphicsView;
class QOpenGLContext;
class QOpenGLFramebufferObject;
class QPaintEvent;
class myscene;
class QResizeEvent;
class qt_gl_backend;

class myglwidget : public QWidget, protected QOpenGLFunctions
{
    Q_OBJECT
  public:
    explicit myglwidget(QWidget* parent = nullptr);
    ~myglwidget() override;

    // Whether the context exists and initializeGL has run.
    bool isValid() const;
    // Make the context current on the GL window, or release it.
    void makeCurrent();
    void doneCurrent();
    QOpenGLContext* context() const;
    // Draws one frame now and shows it; nothing while the window is hidden.
    void render();
    // One frame drawn into an image of the widget's size, as render would
    // show it; a null image before the context exists.
    QImage grabFramebuffer();

    void _applyOrtho(float left, float right, float bottom, float top, float near, float far) const;
    GLuint LoadShader(unsigned int type, const char* source);
    void public_resize_event(QResizeEvent* event);
    // The view receives the viewport's paint events; this hands one back to
    // the GL widget, which makes its context current and calls paintGL.
    void public_paint_event(QPaintEvent* event);

    // The 16 floats _applyOrtho uploads, laid out for vPosition*Projection.
    static void ortho_matrix(float* m, float left, float right, float bottom, float top, float near,
                             float far);

    static const char* const atlas_name;
    static std::string atlas_path();
    // The atlas drawn with the help pages and credits in `language`
    // ("cf_2048_de.png") when it is there and loads, else the English one.
    static std::string atlas_for(const std::string& language);
    // The atlas this widget loads (a name in the textures directory). The
    // English one unless its owner chooses: the game picks its language's,
    // the tools keep the English pictures.
    std::string atlas_file = atlas_name;
    // Switches to another atlas of the same layout, e.g. when the player
    // chooses another language; before the context exists it only notes the
    // name. False, the old pictures kept, when it cannot be loaded.
    bool reload_atlas(const std::string& name);
    // Whether the atlas at path decodes as an image; otherwise a reason for
    // the player. Checked before any window exists, because every item draws
    // from the tables the atlas builds.
    static bool atlas_loadable(const std::string& path, std::string* reason);

    static const char* const vertex_source;
    static const char* const fragment_source;

    // The cheaper ways to a frame, each of which must leave every pixel as
    // the plain way draws it; switched off to compare with the plain way,
    // or where a driver misbehaves.
    struct frame_shortcuts {
        bool keep_backdrops = true; // copy an unchanged background
        bool blit_to_window = true; // else copy with the one shader
    };
    frame_shortcuts shortcuts;

    GLuint program = 0;
    GLuint vertex_shader = 0;
    GLuint fragment_shader = 0;
    GLuint atlas_texture = 0;
    GLint texture_location = -1;
    GLint color_location = -1;
    GLuint position_attrib = 0;
    GLuint texcoord_attrib = 1;

  signals:
    void frameSwapped();

  protected:
    void initializeGL();
    void resizeGL(int width, int height);
    void paintGL();
    void resizeEvent(QResizeEvent* event) override;

  private:
    class surface_window;
    // Creates the context and runs initializeGL once the window exists;
    // false while it cannot yet.
    bool ready_context();
    // Draws the frame into `frame`, made or remade for the widget's size in
    // device pixels. Frames are drawn into a framebuffer of their own and
    // then copied into the window: drawn straight into the window some
    // drivers round blended pixels differently.
    void paint_frame();
    // Copies `frame` into the window, leaving the GL state as paintGL has
    // it: a framebuffer blit, or where there is none a quad drawn texel for
    // texel with the one shader.
    void present_frame();

    surface_window* surface = nullptr; // owned by the container
    QWidget* container = nullptr;
    std::unique_ptr<QOpenGLContext> gl_context;
    std::unique_ptr<QOpenGLFramebufferObject> frame;
    bool initialized = false;
    std::unique_ptr<qt_gl_backend> backend;
};

#endif

#include "myglwidget.h"

#include "atlas_table.h"
#include "cfg.h"
#include "extra_functions.h"
#include "gl_backend.h"
#include "myscene.h"
#include "qt_gl_backend.h"
#include "spriteman.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsView>
#include <QImageReader>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QPlatformSurfaceEvent>
#include <QResizeEvent>
#include <QWindow>
#include <iostream>
#include <vector>

// "#version 100" makes the sources GLSL ES 1.00, which both ES 2.0 drivers
// and desktop Mesa accept; without it desktop GLSL 1.10 rejects "precision".
const char* const myglwidget::vertex_source = "#version 100\n"
                                              "attribute vec4 vPosition;\n"
                                              "attribute vec2 TexPosition;\n"
                                              "uniform mat4 Projection;\n"
                                              "varying vec2 texcoord;\n"
                                              "void main()\n"
                                              "{\n"
                                              "gl_Position = vPosition*Projection;\n"
                                              "texcoord = TexPosition;\n"
                                              "}";

const char* const myglwidget::fragment_source =
    "#version 100\n"
    "precision mediump float;\n"
    "uniform sampler2D texture;\n"
    "uniform vec4 u_color;\n"
    "varying vec2 texcoord;\n"
    "void main()\n"
    "{\n"
    "gl_FragColor = texture2D(texture, texcoord) + u_color;\n"
    "}";

const char* const myglwidget::atlas_name = "cf_2048.png";

std::string myglwidget::atlas_path()
{
    return cfg::tex_directory + atlas_name;
}

std::string myglwidget::atlas_for(const std::string& language)
{
    if (language.empty() || language == "en")
        return atlas_name;
    const std::string name = "cf_2048_" + language + ".png";
    // A broken translation's pages must not keep the game from starting.
    if (!QFileInfo::exists(QString::fromStdString(cfg::tex_directory + name)) ||
        !atlas_loadable(cfg::tex_directory + name, nullptr))
        return atlas_name;
    return name;
}

bool myglwidget::reload_atlas(const std::string& name)
{
    if (!initialized || atlas_texture == 0) {
        atlas_file = name;
        return true;
    }
    if (name == atlas_file)
        return true;
    makeCurrent();
    const bool loaded = extra_functions::refill_texture(atlas_texture, name);
    doneCurrent();
    if (!loaded)
        return false;
    atlas_file = name;
    // Only page cells differ between the atlases, and no kept backdrop is
    // drawn from them: the next frame is simply drawn anew.
    render();
    return true;
}

bool myglwidget::atlas_loadable(const std::string& path, std::string* reason)
{
    // Decode the whole image: a truncated file passes a header check.
    QImageReader reader(QString::fromStdString(path));
    const QImage image = reader.read();
    if (image.isNull()) {
        if (reason)
            *reason = reader.errorString().toStdString();
        return false;
    }
    // Every cell is addressed by its texel rectangle: another size would
    // draw every sprite from the wrong place.
    if (image.width() != atlas::size || image.height() != atlas::size) {
        if (reason)
            *reason = "it is " + std::to_string(image.width()) + " x " +
                      std::to_string(image.height()) + " texels, not " +
                      std::to_string(atlas::size) + " x " + std::to_string(atlas::size);
        return false;
    }
    return true;
}

// The native window the frames are drawn into. It takes no input: the
// pointer falls through to the widget beneath it and the keys stay with the
// view. A platform that delivers input to it anyway has it handed on.
class myglwidget::surface_window : public QWindow
{
  public:
    explicit surface_window(myglwidget* owner) : owner(owner)
    {
        setSurfaceType(QSurface::OpenGLSurface);
        setFlag(Qt::WindowTransparentForInput);
        setFlag(Qt::WindowDoesNotAcceptFocus);
    }

  protected:
    void exposeEvent(QExposeEvent*) override
    {
        if (isExposed())
            owner->render();
    }

    bool event(QEvent* e) override
    {
        if (e->isInputEvent())
            return QCoreApplication::sendEvent(owner, e);
        const bool handled = QWindow::event(e);
        // Scenes made right after the view is shown draw from the atlas's
        // tables: build them as soon as the window exists, not at its first
        // exposure.
        if (e->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent*>(e)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceCreated)
            owner->ready_context();
        return handled;
    }

  private:
    myglwidget* owner;
};

myglwidget::myglwidget(QWidget* parent) : QWidget(parent)
{
    // Every pixel is the GL window's: nothing of the widget is painted.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    surface = new surface_window(this);
    container = QWidget::createWindowContainer(surface, this);
    container->setAttribute(Qt::WA_TransparentForMouseEvents);
    container->setFocusPolicy(Qt::NoFocus);
}

myglwidget::~myglwidget()
{
    // Nothing may draw through a backend that is gone.
    if (backend && gl_backend::current() == backend.get())
        gl_backend::install(nullptr);
    // GL objects are freed in their context while it can still be made
    // current; otherwise they go with it.
    if (initialized && ready_context()) {
        extra_functions::unmake_texture(&atlas_texture);
        backend.reset();
        frame.reset();
        doneCurrent();
    }
}

bool myglwidget::isValid() const
{
    return initialized;
}

void myglwidget::makeCurrent()
{
    if (gl_context)
        gl_context->makeCurrent(surface);
}

void myglwidget::doneCurrent()
{
    if (gl_context)
        gl_context->doneCurrent();
}

QOpenGLContext* myglwidget::context() const
{
    return gl_context.get();
}

bool myglwidget::ready_context()
{
    if (!surface->handle())
        return false; // the container has not been shown yet, or is gone
    if (initialized)
        return gl_context->makeCurrent(surface);
    if (!gl_context) {
        gl_context = std::make_unique<QOpenGLContext>();
        gl_context->setFormat(surface->requestedFormat());
        if (!gl_context->create()) {
            std::cerr << "Crumbleford: cannot start: no OpenGL context could be made" << std::endl;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { QCoreApplication::exit(1); },
                Qt::QueuedConnection);
            return false;
        }
    }
    if (!gl_context->makeCurrent(surface))
        return false;
    initializeGL();
    initialized = true;
    resizeGL(width(), height());
    return true;
}

void myglwidget::paint_frame()
{
    const qreal ratio = surface->devicePixelRatio();
    const QSize device(qRound(width() * ratio), qRound(height() * ratio));
    if (!frame || frame->size() != device) {
        frame.reset();
        frame = std::make_unique<QOpenGLFramebufferObject>(device);
        glBindTexture(GL_TEXTURE_2D, frame->texture());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    }
    // A window larger than any texture the driver makes is drawn into
    // straight: a picture, even rounded a little differently, beats none.
    if (frame->isValid())
        frame->bind();
    else
        glBindFramebuffer(GL_FRAMEBUFFER, gl_context->defaultFramebufferObject());
    glViewport(0, 0, device.width(), device.height());
    if (backend)
        backend->begin_frame(frame->isValid() ? frame.get() : nullptr, shortcuts.keep_backdrops);
    paintGL();
}

void myglwidget::present_frame()
{
    if (!frame->isValid())
        return; // drawn in the window already
    frame->release();
    if (shortcuts.blit_to_window && QOpenGLFramebufferObject::hasOpenGLFramebufferBlit()) {
        QOpenGLFramebufferObject::blitFramebuffer(nullptr, frame.get());
        return;
    }
    // A copy texel for pixel with the one shader: no blending, no tint, a
    // projection that maps the unit square onto the window.
    GLfloat tint[4] = {0, 0, 0, 0};
    glGetUniformfv(program, color_location, tint);
    static const float no_tint[4] = {0, 0, 0, 0};
    static const float unit_square[8] = {0, 0, 1, 0, 0, 1, 1, 1};
    glUniform4fv(color_location, 1, no_tint);
    _applyOrtho(0, 1, 0, 1, 0, 1);
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, frame->texture());
    glVertexAttribPointer(position_attrib, 2, GL_FLOAT, GL_FALSE, 0, unit_square);
    glVertexAttribPointer(texcoord_attrib, 2, GL_FLOAT, GL_FALSE, 0, unit_square);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    glEnable(GL_BLEND);
    glUniform4fv(color_location, 1, tint);
    _applyOrtho(0, width(), height(), 0, 0, 1);
}

void myglwidget::render()
{
    if (!surface->isExposed() || !ready_context() || program == 0)
        return;
    paint_frame();
    present_frame();
    gl_context->swapBuffers(surface);
    emit frameSwapped();
}

QImage myglwidget::grabFramebuffer()
{
    if (!ready_context() || program == 0)
        return QImage();
    paint_frame();
    if (!frame->isValid())
        return QImage();
    frame->release();
    // The window shows the stored colours and ignores their alpha: so does
    // the picture.
    QImage image = frame->toImage();
    image.reinterpretAsFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] |= 0xff000000u;
    }
    image.setDevicePixelRatio(surface->devicePixelRatio());
    return image;
}

void myglwidget::resizeEvent(QResizeEvent* event)
{
    // Reached only when the widget is no view's viewport; a view hands the
    // event on through public_resize_event.
    public_resize_event(event);
}

void myglwidget::initializeGL()
{
    initializeOpenGLFunctions();

    glClearColor(1, 1, 1, 0);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    // Not an ES 2.0 capability; harmless where the driver rejects it.
    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    while (glGetError() != GL_NO_ERROR) {
    }

    GLint units = 0;
    GLint size = 0;
    glGetIntegerv(GL_MAX_COMBINED_TEXTURE_IMAGE_UNITS, &units);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
    std::cout << "Max texture units: " << units << " size: " << size << std::endl;

    vertex_shader = LoadShader(GL_VERTEX_SHADER, vertex_source);
    fragment_shader = LoadShader(GL_FRAGMENT_SHADER, fragment_source);

    program = glCreateProgram();
    if (program != 0) {
        glAttachShader(program, vertex_shader);
        glAttachShader(program, fragment_shader);
        glBindAttribLocation(program, 0, "vPosition");
        glBindAttribLocation(program, 1, "TexPosition");
        position_attrib = 0;
        texcoord_attrib = 1;
        glLinkProgram(program);

        GLint linked = GL_FALSE;
        glGetProgramiv(program, GL_LINK_STATUS, &linked);
        if (!linked) {
            GLint length = 0;
            glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
            std::vector<char> log(length > 0 ? length : 1, '\0');
            if (length > 0)
                glGetProgramInfoLog(program, length, nullptr, log.data());
            std::cout << log.data() << std::endl;
            glDeleteProgram(program);
            program = 0;
        } else {
            glEnableVertexAttribArray(0);
            glEnableVertexAttribArray(1);
            glUseProgram(program);
            glActiveTexture(GL_TEXTURE0);
            atlas_texture = extra_functions::make_texture(atlas_file);

            texture_location = glGetUniformLocation(program, "texture");
            color_location = glGetUniformLocation(program, "u_color");
            glUniform1i(texture_location, 0);
            static const float neutral[4] = {0, 0, 0, 0};
            glUniform4fv(color_location, 1, spriteman::ready() ? spriteman::color_blank : neutral);

            gl_backend::position_attrib = position_attrib;
            gl_backend::texcoord_attrib = texcoord_attrib;
            gl_backend::color_location = color_location;
            backend = std::make_unique<qt_gl_backend>(static_cast<QOpenGLFunctions*>(this));
            gl_backend::install(backend.get());
        }
    }

    // Without the atlas every item would draw from absent tables: leave
    // instead of showing a broken screen. Queued, because this may run
    // before the event loop has started.
    if (atlas_texture == 0) {
        if (program == 0)
            std::cerr << "Crumbleford: cannot start: the shader program is not usable" << std::endl;
        else
            std::cerr << "Crumbleford: cannot start: the sprite atlas " << atlas_path()
                      << " could not be loaded" << std::endl;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    }
}

GLuint myglwidget::LoadShader(unsigned int type, const char* source)
{
    GLuint shader = glCreateShader(type);
    if (shader == 0)
        return 0;
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);

    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled)
        return shader;

    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    if (length > 1) {
        std::vector<char> log(length, '\0');
        glGetShaderInfoLog(shader, length, nullptr, log.data());
        std::cout << log.data() << std::endl;
    }
    glDeleteShader(shader);
    return 0;
}

void myglwidget::ortho_matrix(float* m, float left, float right, float bottom, float top,
                              float near, float far)
{
    for (int i = 0; i < 16; ++i)
        m[i] = 0;
    m[0] = 2 / (right - left);
    m[3] = -(right + left) / (right - left);
    m[5] = 2 / (top - bottom);
    m[7] = -(top + bottom) / (top - bottom);
    m[10] = -2 / (far - near);
    m[11] = -(far + near) / (far - near);
    m[15] = 1;
}

void myglwidget::_applyOrtho(float left, float right, float bottom, float top, float near,
                             float far) const
{
    float m[16];
    ortho_matrix(m, left, right, bottom, top, near, far);
    // QOpenGLFunctions' calls are not const; the upload changes no member.
    auto* gl = const_cast<myglwidget*>(this);
    gl->glUniformMatrix4fv(gl->glGetUniformLocation(program, "Projection"), 1, GL_FALSE, m);
}

void myglwidget::public_resize_event(QResizeEvent*)
{
    // The view hands on its own resizes as well as this widget's: the
    // widget's size is the one that counts.
    container->setGeometry(rect());
    // Before the first frame initializeGL lays the scenes out itself.
    if (!initialized)
        return;
    makeCurrent();
    resizeGL(width(), height());
}

void myglwidget::public_paint_event(QPaintEvent*)
{
    render();
}

void myglwidget::resizeGL(int width, int height)
{
    glViewport(0, 0, width, height);
    if (program != 0)
        _applyOrtho(0, width, height, 0, 0, 1);
}

void myglwidget::paintGL()
{
    glClear(GL_COLOR_BUFFER_BIT);
    glActiveTexture(GL_TEXTURE0);
    // Making the frame's framebuffer and copying it bind textures of their
    // own in this context: bind the atlas again.
    glBindTexture(GL_TEXTURE_2D, atlas_texture);

    // The scene shown is the one in the view this widget is the viewport of.
    auto* v = qobject_cast<QGraphicsView*>(parentWidget());
    auto* top = v ? static_cast<myscene*>(v->scene()) : nullptr;
    if (top && spriteman::ready()) {
        // Zoomed-in sprites stay crisp; set here because only now is this
        // context current with the atlas bound.
        gl_backend::current()->texture_filter(top->smooth_atlas());
        top->record_view_position(v, width(), height());
        top->updateGL();
    }
    glFlush();
}

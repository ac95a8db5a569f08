#include "myglwidget.h"

#include "atlas_table.h"
#include "cfg.h"
#include "extra_functions.h"
#include "gl_backend.h"
#include "myscene.h"
#include "qt_gl_backend.h"
#include "scene_manager.h"
#include "spriteman.h"
#include "view.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QResizeEvent>
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

myglwidget::myglwidget(QWidget* parent) : QOpenGLWidget(parent) {}

myglwidget::~myglwidget()
{
    makeCurrent();
    if (backend && gl_backend::current() == backend.get())
        gl_backend::install(nullptr);
    extra_functions::unmake_texture(&atlas_texture);
    doneCurrent();
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
            atlas_texture = extra_functions::make_texture(atlas_name);

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

void myglwidget::public_resize_event(QResizeEvent* event)
{
    // The first size sets up the context, the framebuffer and the projection.
    if (!isValid()) {
        resizeEvent(event);
        return;
    }
    // Later, Qt itself rebuilds the framebuffer of a view's viewport for the
    // new size; building it once more here left every later frame off the
    // screen. Only the projection and the scenes' layouts are ours to update.
    makeCurrent();
    resizeGL(width(), height());
    doneCurrent();
    update();
}

void myglwidget::public_paint_event(QPaintEvent* event)
{
    paintEvent(event);
}

void myglwidget::resize_scenes()
{
    // Scenes under the top one are laid out too, so going back shows them
    // at the current size.
    if (scene_manager* manager = scene_manager::current())
        for (myscene* s : manager->scenes)
            s->resizeGL();
}

void myglwidget::resizeGL(int width, int height)
{
    glViewport(0, 0, width, height);
    if (program != 0)
        _applyOrtho(0, width, height, 0, 0, 1);
    resize_scenes();
}

void myglwidget::record_view_position(myscene* s, const QGraphicsView* v, int width, int height)
{
    const QPointF corner = v->mapToScene(0, 0);
    s->view_left = corner.x();
    s->view_top = corner.y();
    s->view_center_x = v->mapToScene(width / 2, 0).x();
    s->view_center_y = v->mapToScene(0, height / 2).y();
}

void myglwidget::paintGL()
{
    glClear(GL_COLOR_BUFFER_BIT);
    glActiveTexture(GL_TEXTURE0);
    // The widget's own framebuffer handling binds textures in this context
    // between frames (for instance after a resize): bind the atlas again.
    glBindTexture(GL_TEXTURE_2D, atlas_texture);

    scene_manager* manager = scene_manager::current();
    myscene* top = manager ? manager->top() : nullptr;
    if (top && spriteman::ready()) {
        // Zoomed-in sprites stay crisp; set here because only now is this
        // context current with the atlas bound.
        gl_backend::current()->texture_filter(top->smooth_atlas());
        if (view* v = scene_manager::_view_static_ptr)
            record_view_position(top, v, width(), height());
        top->updateGL();
    }
    glFlush();
}

#include "qt_gl_backend.h"

#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>

qt_gl_backend::qt_gl_backend(QOpenGLFunctions* gl) : gl(gl) {}

qt_gl_backend::~qt_gl_backend() = default;

void qt_gl_backend::begin_frame(QOpenGLFramebufferObject* target, bool keep)
{
    frame = target;
    keep_backdrops = keep;
    draws_in_frame = 0;
}

void qt_gl_backend::attrib_pointer(unsigned int index, const float* data)
{
    gl->glVertexAttribPointer(index, 2, GL_FLOAT, GL_FALSE, 0, data);
}

void qt_gl_backend::draw_strip(int count)
{
    ++draws_in_frame;
    gl->glDrawArrays(GL_TRIANGLE_STRIP, 0, count);
}

void qt_gl_backend::uniform4(int location, const float* rgba)
{
    gl->glUniform4fv(location, 1, rgba);
}

void qt_gl_backend::flush()
{
    gl->glFlush();
}

void qt_gl_backend::finish()
{
    gl->glFinish();
}

void qt_gl_backend::texture_filter(bool linear)
{
    const GLint filter = linear ? GL_LINEAR : GL_NEAREST;
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
}

std::vector<float> qt_gl_backend::state_key()
{
    GLint program = 0, texture = 0, filter = 0;
    gl->glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    gl->glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    gl->glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filter);
    std::vector<float> key(4 + 16);
    gl->glGetUniformfv(static_cast<GLuint>(program), color_location, key.data());
    const GLint projection = gl->glGetUniformLocation(static_cast<GLuint>(program), "Projection");
    gl->glGetUniformfv(static_cast<GLuint>(program), projection, key.data() + 4);
    for (const GLint value : {program, texture, filter, frame->width(), frame->height()})
        key.push_back(static_cast<float>(value));
    return key;
}

void qt_gl_backend::draw_backdrop(const std::vector<float>& key, const std::function<void()>& draw)
{
    // Only a backdrop drawn first, over the cleared frame, is the same
    // picture from frame to frame.
    if (!frame || !keep_backdrops || draws_in_frame != 0 ||
        !QOpenGLFramebufferObject::hasOpenGLFramebufferBlit()) {
        draw();
        return;
    }
    std::vector<float> full_key = key;
    const std::vector<float> state = state_key();
    full_key.insert(full_key.end(), state.begin(), state.end());
    const QRect whole(QPoint(0, 0), frame->size());
    if (backdrop && full_key == backdrop_key) {
        QOpenGLFramebufferObject::blitFramebuffer(frame, whole, backdrop.get(), whole);
        ++draws_in_frame;
        return;
    }
    draw();
    if (!backdrop || backdrop->size() != frame->size()) {
        GLint texture = 0;
        gl->glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
        backdrop = std::make_unique<QOpenGLFramebufferObject>(frame->size());
        // Making a framebuffer object binds it and its texture: the rest of
        // the frame is drawn into the frame, from the texture it had.
        frame->bind();
        gl->glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
    }
    QOpenGLFramebufferObject::blitFramebuffer(backdrop.get(), whole, frame, whole);
    backdrop_key = std::move(full_key);
}

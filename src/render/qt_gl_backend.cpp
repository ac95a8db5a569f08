#include "qt_gl_backend.h"

#include <QOpenGLFunctions>

void qt_gl_backend::attrib_pointer(unsigned int index, const float* data)
{
    gl->glVertexAttribPointer(index, 2, GL_FLOAT, GL_FALSE, 0, data);
}

void qt_gl_backend::draw_strip(int count)
{
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

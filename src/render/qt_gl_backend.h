#ifndef CRUMBLEFORD_RENDER_QT_GL_BACKEND_H
#define CRUMBLEFORD_RENDER_QT_GL_BACKEND_H

// The real GL seam: forwards every draw call to the ES 2.0 functions of the
// GL widget's context. The widget owns it and installs it once its shader
// program is linked.

#include "gl_backend.h"

class QOpenGLFunctions;

class qt_gl_backend : public gl_backend
{
  public:
    explicit qt_gl_backend(QOpenGLFunctions* gl) : gl(gl) {}

    void attrib_pointer(unsigned int index, const float* data) override;
    void draw_strip(int count) override;
    void uniform4(int location, const float* rgba) override;
    void flush() override;
    void finish() override;
    void texture_filter(bool linear) override;

  private:
    QOpenGLFunctions* gl;
};

#endif

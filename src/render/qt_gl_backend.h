#ifndef CRUMBLEFORD_RENDER_QT_GL_BACKEND_H
#define CRUMBLEFORD_RENDER_QT_GL_BACKEND_H

// The real GL seam: forwards every draw call to the ES 2.0 functions of the
// GL widget's context. The widget owns it and installs it once its shader
// program is linked.

#include "gl_backend.h"

#include <memory>

class QOpenGLFramebufferObject;
class QOpenGLFunctions;

class qt_gl_backend : public gl_backend
{
  public:
    explicit qt_gl_backend(QOpenGLFunctions* gl);
    // Frees the kept backdrop: the widget's context must be current.
    ~qt_gl_backend() override;

    // The framebuffer the next frame is drawn into, cleared and nothing
    // drawn yet; whether backdrops may be kept and copied in it.
    void begin_frame(QOpenGLFramebufferObject* frame, bool keep_backdrops);

    void attrib_pointer(unsigned int index, const float* data) override;
    void draw_strip(int count) override;
    void uniform4(int location, const float* rgba) override;
    void flush() override;
    void finish() override;
    void texture_filter(bool linear) override;
    // Copies the backdrop kept from an earlier frame when it was drawn over
    // the cleared frame with the same key, tint, texture, filter,
    // projection and frame size; otherwise draws it and keeps it. Without
    // framebuffer blits it only draws.
    void draw_backdrop(const std::vector<float>& key, const std::function<void()>& draw) override;

  private:
    // Everything besides the caller's key that the backdrop's pixels follow
    // from, read from the GL state.
    std::vector<float> state_key();

    QOpenGLFunctions* gl;
    QOpenGLFramebufferObject* frame = nullptr;
    bool keep_backdrops = false;
    int draws_in_frame = 0;
    std::unique_ptr<QOpenGLFramebufferObject> backdrop;
    std::vector<float> backdrop_key;
};

#endif

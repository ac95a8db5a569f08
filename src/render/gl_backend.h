#ifndef CRUMBLEFORD_RENDER_GL_BACKEND_H
#define CRUMBLEFORD_RENDER_GL_BACKEND_H

// The thin seam through which every drawable reaches GL. The GL widget
// installs a backend that calls the real ES 2.0 functions; without a GL
// context (tests, the simulator) draw calls go to a backend that does
// nothing, or to a recorder a test installs.

#include <functional>
#include <vector>

class gl_backend
{
  public:
    virtual ~gl_backend() = default;

    // glVertexAttribPointer(index, 2, GL_FLOAT, GL_FALSE, 0, data)
    virtual void attrib_pointer(unsigned int index, const float* data) = 0;
    // glDrawArrays(GL_TRIANGLE_STRIP, 0, count)
    virtual void draw_strip(int count) = 0;
    // glUniform4fv(location, 1, rgba)
    virtual void uniform4(int location, const float* rgba) = 0;
    virtual void flush() = 0;
    virtual void finish() = 0;
    // Filtering of the bound atlas texture: linear, or nearest texel.
    virtual void texture_filter(bool linear) = 0;
    // A backdrop is a picture that stays the same from frame to frame:
    // `draw` makes its draw calls, and `key` holds what its pixels follow
    // from that only the caller knows (texture cells, corners). A backend
    // may keep the pixels drawn and copy them into later frames instead.
    virtual void draw_backdrop(const std::vector<float>& key, const std::function<void()>& draw)
    {
        (void)key;
        draw();
    }

    static gl_backend* current();
    // Installs b (not owned); nullptr restores the backend that does nothing.
    static void install(gl_backend* b);

    // Shader locations every item needs; the GL widget fills them in.
    static unsigned int position_attrib;
    static unsigned int texcoord_attrib;
    static int color_location;
};

#endif

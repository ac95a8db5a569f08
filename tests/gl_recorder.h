#ifndef CRUMBLEFORD_TESTS_GL_RECORDER_H
#define CRUMBLEFORD_TESTS_GL_RECORDER_H

// Records what drawables send through the GL seam, so their geometry and
// order can be checked without a GL context. It installs itself for its
// lifetime; every draw keeps copies of its arrays and the tint in force.

#include "gl_backend.h"

#include <array>
#include <string>
#include <vector>

struct recorded_draw {
    std::vector<float> tex;       // 2 floats per vertex
    std::vector<float> positions; // 2 floats per vertex, viewport pixels
    int count = 0;
    std::array<float, 4> tint{};

    // Corners of a quad in the shared vertex order (top-left, top-right,
    // bottom-left, bottom-right).
    float left() const { return positions[0]; }
    float top() const { return positions[1]; }
    float right() const { return positions[2]; }
    float bottom() const { return positions[5]; }
    // Whether the texture coordinates are exactly those of an atlas entry.
    bool uses(const float* entry) const
    {
        if (!entry || tex.size() < 8)
            return false;
        for (int i = 0; i < 8; ++i)
            if (tex[i] != entry[i])
                return false;
        return true;
    }
};

class gl_recorder : public gl_backend
{
  public:
    gl_recorder() { install(this); }
    ~gl_recorder() override { install(nullptr); }
    gl_recorder(const gl_recorder&) = delete;
    gl_recorder& operator=(const gl_recorder&) = delete;

    void attrib_pointer(unsigned int index, const float* data) override
    {
        if (index < 2)
            pointers[index] = data;
    }

    void draw_strip(int count) override
    {
        recorded_draw d;
        d.count = count;
        d.tint = tint;
        const float* tex = pointers[texcoord_attrib < 2 ? texcoord_attrib : 1];
        const float* pos = pointers[position_attrib < 2 ? position_attrib : 0];
        if (tex)
            d.tex.assign(tex, tex + 2 * count);
        if (pos)
            d.positions.assign(pos, pos + 2 * count);
        draws.push_back(d);
        events.push_back("draw");
    }

    void uniform4(int location, const float* rgba) override
    {
        if (location == color_location)
            tint = {rgba[0], rgba[1], rgba[2], rgba[3]};
        events.push_back("tint");
    }

    void flush() override { events.push_back("flush"); }
    void finish() override { events.push_back("finish"); }
    void texture_filter(bool linear) override
    {
        filters.push_back(linear);
        events.push_back("filter");
    }

    void clear()
    {
        draws.clear();
        events.clear();
        filters.clear();
    }

    std::vector<recorded_draw> draws;
    std::vector<std::string> events; // "draw", "tint", "flush", "finish", "filter"
    std::vector<bool> filters;       // true for linear
    std::array<float, 4> tint{};     // the tint currently set

  private:
    const float* pointers[2] = {nullptr, nullptr};
};

#endif

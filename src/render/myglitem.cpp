#include "myglitem.h"

#include "cfg.h"
#include "gl_backend.h"
#include "spriteman.h"

#include <algorithm>
#include <cmath>

myglitem::myglitem() : vertices(new float[8]()), color(cfg::white) {}

myglitem::~myglitem()
{
    delete[] vertices;
}

myglitem::viewport_size myglitem::viewport;
bool myglitem::world_drawing = false;
double myglitem::chosen_scale = 1.0;
std::function<void()> myglitem::interface_scale_changed;

void myglitem::set_interface_scale(double chosen)
{
    if (!(chosen >= 1.0))
        chosen = 1.0; // NaN too
    chosen_scale = std::min(chosen, 2.0);
    if (interface_scale_changed)
        interface_scale_changed();
}

double myglitem::interface_scale()
{
    return chosen_scale;
}

double myglitem::ui_scale()
{
    const double room = std::min(viewport.width / 800.0, viewport.height / 480.0);
    return std::max(1.0, std::min(chosen_scale, room));
}

int myglitem::viewport_width()
{
    const double s = ui_scale();
    return s == 1.0 ? viewport.width : static_cast<int>(std::floor(viewport.width / s));
}

int myglitem::viewport_height()
{
    const double s = ui_scale();
    return s == 1.0 ? viewport.height : static_cast<int>(std::floor(viewport.height / s));
}

void myglitem::draw_strip(const float* tex, const float* positions, int count)
{
    gl_backend* gl = gl_backend::current();
    gl->attrib_pointer(gl_backend::texcoord_attrib, tex);
    const double s = drawing_scale();
    // The backend may read the array only when drawing: keep it alive till then.
    std::vector<float> scaled;
    if (s != 1.0) {
        scaled.assign(positions, positions + 2 * count);
        for (float& v : scaled)
            v = static_cast<float>(v * s);
        positions = scaled.data();
    }
    gl->attrib_pointer(gl_backend::position_attrib, positions);
    gl->draw_strip(count);
}

void myglitem::set_tint(const float* rgba)
{
    static const float neutral[4] = {0, 0, 0, 0};
    gl_backend::current()->uniform4(gl_backend::color_location, rgba ? rgba : neutral);
}

void myglitem::draw_flat_rect(float left, float top, float right, float bottom, const float* tint)
{
    float quad[8];
    set_quad(quad, left, top, right, bottom);
    set_tint(tint);
    draw_strip(spriteman::tex_blank, quad);
    set_tint(spriteman::color_blank);
}

void myglitem::draw_focus_frame(float left, float top, float right, float bottom)
{
    const float* t = spriteman::tex_focus_frame;
    if (!t || right <= left || bottom <= top)
        return;
    // Corners are a third of the 60-texel cell; a frame too small for two
    // whole corners shares its size between them.
    const float corner = std::min({20.0f, (right - left) / 2, (bottom - top) / 2});
    const float xs[4] = {left, left + corner, right - corner, right};
    const float ys[4] = {top, top + corner, bottom - corner, bottom};
    const float du = (t[2] - t[0]) * corner / 60;
    const float dv = (t[1] - t[5]) * corner / 60;
    const float us[4] = {t[0], t[0] + du, t[2] - du, t[2]};
    const float vs[4] = {t[1], t[1] - dv, t[5] + dv, t[5]};
    float quad[8];
    float tex[8];
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            set_quad(quad, xs[col], ys[row], xs[col + 1], ys[row + 1]);
            set_quad(tex, us[col], vs[row], us[col + 1], vs[row + 1]);
            draw_strip(tex, quad);
        }
}

void myglitem::draw_turned(const float* tex, const float* q, unsigned char way)
{
    // Corner order: top-left, top-right, bottom-left, bottom-right.
    if (way == cfg::g) {
        const float up[8] = {q[4], q[5], q[0], q[1], q[6], q[7], q[2], q[3]};
        draw_strip(tex, up);
    } else if (way == cfg::d) {
        const float down[8] = {q[2], q[3], q[6], q[7], q[0], q[1], q[4], q[5]};
        draw_strip(tex, down);
    } else if (way == cfg::l) {
        const float left[8] = {q[6], q[7], q[4], q[5], q[2], q[3], q[0], q[1]};
        draw_strip(tex, left);
    } else {
        draw_strip(tex, q);
    }
}

void myglitem::set_quad(float* quad, float left, float top, float right, float bottom)
{
    quad[0] = left;
    quad[1] = top;
    quad[2] = right;
    quad[3] = top;
    quad[4] = left;
    quad[5] = bottom;
    quad[6] = right;
    quad[7] = bottom;
}

#include "bg_gl_item.h"

#include "gl_backend.h"
#include "myscene.h"

namespace
{
const float no_cell[8] = {};
}

bg_gl_item::bg_gl_item(myscene* scene, float* tex, float* tex_up, float* tex_down)
    : tex(tex), tex_up(tex_up), tex_down(tex_down)
{
    this->scene = scene;
    depth = 1.0;
    scene->addItem(this);
    scene->add_gl_item(this);
    setPos(0, 0);
    resizeGL();
}

bg_gl_item::~bg_gl_item()
{
    scene->remove_gl_item(this);
}

float bg_gl_item::aspect_ratio(const float* tex)
{
    return (tex[1] - tex[5]) / (tex[2] - tex[0]);
}

void bg_gl_item::resizeGL()
{
    prepareGeometryChange();
    const int w = viewport_width();
    const int h = viewport_height();
    width = w;
    height = h;
    if (!has_strips()) {
        set_quad(vertices, 0, 0, w, h);
        return;
    }
    const float up_bottom = w * aspect_ratio(tex_up);
    const float down_top = h - w * aspect_ratio(tex_down);
    set_quad(up_vertices, 0, 0, w, up_bottom);
    set_quad(down_vertices, 0, down_top, w, h);
    set_quad(vertices, 0, up_bottom, w, down_top);
}

void bg_gl_item::updateGL()
{
    // What the pixels follow from: which cells, stretched over which corners.
    std::vector<float> key;
    const float* const parts[] = {tex ? tex : no_cell,
                                  vertices,
                                  has_strips() ? tex_up : no_cell,
                                  up_vertices,
                                  has_strips() ? tex_down : no_cell,
                                  down_vertices};
    for (const float* values : parts)
        key.insert(key.end(), values, values + 8);
    // The corners reach the screen multiplied by the interface scale.
    key.push_back(static_cast<float>(drawing_scale()));
    gl_backend::current()->draw_backdrop(key, [this] {
        if (tex)
            draw_strip(tex, vertices);
        if (has_strips()) {
            draw_strip(tex_up, up_vertices);
            draw_strip(tex_down, down_vertices);
        }
    });
}

QRectF bg_gl_item::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

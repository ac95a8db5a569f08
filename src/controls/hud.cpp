#include "hud.h"

#include "myscene.h"
#include "sound_sink.h"
#include "spriteman.h"

hud::hud(myscene* scene, int x, int y, int width, int height, int button_size)
    : fill_color{1, 1, 1, 0.5f}, border_color{0, 0, 0, 1}, button_size(button_size), bar_x(x),
      bar_y(y), bar_width(width), bar_height(height)
{
    this->scene = scene;
    this->width = width;
    this->height = height;
    resizeGL();
    depth = 0.1;
    scene->addItem(this);
    scene->add_gl_item(this);
}

hud::~hud()
{
    // Last added first; each button takes itself off the drawing list.
    while (!items.empty()) {
        myglitem* item = items.back();
        items.pop_back();
        delete item;
    }
    scene->remove_gl_item(this);
}

void hud::add_hud_item(myglitem* item)
{
    items.push_back(item);
}

void hud::remove_hud_item(myglitem* item)
{
    items.remove(item);
}

QRectF hud::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

void hud::resizeGL()
{
    const int vw = viewport_width();
    const int vh = viewport_height();
    prepareGeometryChange();
    start_cursor = 0;
    if (horizontal()) {
        end_cursor = vw;
        // Slots are a ninth of the width. A button wider than its slot gets
        // no margin rather than an unsigned wrap-around.
        const unsigned int slot = static_cast<unsigned int>(vw) / 9u;
        const unsigned int edge = static_cast<unsigned int>(button_size);
        slot_margin = slot > edge ? static_cast<int>((slot - edge) / 2u) : 0;
        width = vw;
        bar_x = 0;
        set_quad(border_vertices, 0, bar_y + height, vw, bar_y + height + 2);
    } else {
        slot_margin = 20;
        end_cursor = vh;
        height = vh;
        bar_y = 0;
        set_quad(border_vertices, bar_x - 2, 0, bar_x, vh);
    }
    set_quad(vertices, bar_x, bar_y, bar_x + width, bar_y + height);
    // Each button advances a cursor, so they fall into the same slots again.
    for (myglitem* item : items)
        item->resizeGL();
}

void hud::updateGL()
{
    set_tint(fill_color);
    draw_strip(spriteman::tex_blank, vertices);
    set_tint(border_color);
    draw_strip(spriteman::tex_blank, border_vertices);
    set_tint(spriteman::color_blank);
}

void hud::clicked(int x, int y)
{
    if (horizontal()) {
        // Slots touch, so a press anywhere in a button's slot reaches it.
        for (myglitem* item : items) {
            const float left = item->vertices[0];
            const float right = item->vertices[2];
            if (left - slot_margin < x && x < right + slot_margin) {
                sound_sink::cue(sounds::button);
                item->clicked(x, y);
                return;
            }
        }
        return;
    }
    for (myglitem* item : items) {
        const float top = item->vertices[1];
        const float bottom = item->vertices[5];
        if (top < y && y < bottom) {
            sound_sink::cue(sounds::button);
            item->clicked(x, y);
        }
    }
}

std::vector<layout_box> hud::layout_boxes() const
{
    std::vector<layout_box> out;
    int slot = 0;
    for (const myglitem* item : items) {
        const float* q = item->vertices;
        out.push_back({QStringLiteral("hud button %1").arg(++slot),
                       QRectF(QPointF(q[0], q[1]), QPointF(q[6], q[7]))});
    }
    return out;
}

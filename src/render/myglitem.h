#ifndef CRUMBLEFORD_RENDER_MYGLITEM_H
#define CRUMBLEFORD_RENDER_MYGLITEM_H

// Base of everything the game draws. An item lives in a graphics scene but
// never paints through QPainter: its scene calls updateGL() once a frame and
// the item emits textured quads through the GL seam. Controls also receive
// presses, drags and releases in viewport pixels.

#include "input_table.h"

#include <QGraphicsItem>
#include <QRectF>
#include <QString>
#include <vector>

class myscene;

// A laid-out element of a screen (a button, a row, a text) and where it
// sits in viewport pixels: what layout checks hold against each other and
// the window.
struct layout_box {
    QString label;
    QRectF rect;
};

class myglitem : public QGraphicsItem
{
  public:
    myglitem();
    ~myglitem() override;
    myglitem(const myglitem&) = delete;
    myglitem& operator=(const myglitem&) = delete;

    virtual void updateGL() {}
    virtual void resizeGL() {}
    virtual void clicked(int, int) {}
    virtual void moved(int, int) {}
    virtual void released(int, int) {}
    virtual void calculate_size() {}
    // A menu intent from a key or pad button (arrows, confirm, back...);
    // true when the control took it. Held keys repeat with `repeat` set.
    virtual bool navigate(input::intent, bool /*repeat*/) { return false; }
    // What the control lays out on the screen; nothing for a plain drawable.
    virtual std::vector<layout_box> layout_boxes() const { return {}; }

    // Size of the GL viewport in pixels, read afresh at every layout. The
    // view keeps it current; without one (the simulator, tests) it stays
    // the 800 x 480 of the smallest screen we lay out for.
    struct viewport_size {
        int width = 800;
        int height = 480;
    };
    static viewport_size viewport;
    static int viewport_width() { return viewport.width; }
    static int viewport_height() { return viewport.height; }

    // One textured quad (or a triangle, count 3) in the shared vertex format.
    static void draw_strip(const float* tex, const float* positions, int count = 4);
    // Sets the shader tint; pass nullptr to reset it to the neutral value.
    static void set_tint(const float* rgba);
    // Writes a quad from (left, top) to (right, bottom) into 8 floats.
    static void set_quad(float* quad, float left, float top, float right, float bottom);
    // Draws a sprite made pointing right over the quad, turned to point the
    // way given (cfg::p, l, g or d) by moving the quad's corners under it.
    static void draw_turned(const float* tex, const float* quad, unsigned char way);
    // A flat rectangle of the tint's colour (the atlas's blank texel tinted),
    // with the tint reset afterwards.
    static void draw_flat_rect(float left, float top, float right, float bottom, const float* tint);
    // The keyboard focus frame around a rectangle, in viewport pixels: the
    // atlas frame's corners kept at their size, its edges stretched.
    static void draw_focus_frame(float left, float top, float right, float bottom);

    myscene* scene = nullptr;
    int width = 0;
    int height = 0;
    double depth = 0.0;
    float* vertices;
    unsigned int type = 0;
    unsigned char color;
    unsigned char color_index = 0;
};

#endif

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
#include <functional>
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

    // Size of the GL viewport in pixels of the screen. The view keeps it
    // current; without one (the simulator, tests) it stays the 800 x 480 of
    // the smallest screen we lay out for.
    struct viewport_size {
        int width = 800;
        int height = 480;
    };
    static viewport_size viewport;
    // What the interface lays itself out in, read afresh at every layout:
    // the viewport divided by the interface scale. Interface items draw in
    // these pixels and draw_strip multiplies them out to the screen's.
    static int viewport_width();
    static int viewport_height();
    // The viewport in the screen's own pixels, for what belongs to the
    // world (the camera, cells under a finger), which the scale never touches.
    static int screen_width() { return viewport.width; }
    static int screen_height() { return viewport.height; }

    // The interface size the player chose (1, 1.25, 1.5 or 2; others are
    // brought into that range). Setting it lays every screen out again
    // through interface_scale_changed, which the view installs.
    static void set_interface_scale(double chosen);
    static double interface_scale();
    // The scale in use: the chosen one, capped so that the smallest layout
    // (800 x 480 interface pixels) still fits the viewport, and never
    // below 1. A 200 % interface on an 800 x 480 screen is drawn at 100 %.
    static double ui_scale();
    static std::function<void()> interface_scale_changed;

    // A world object drawn at the player's zoom whatever the interface
    // scale: a scene that shows a world draws it in screen pixels.
    bool part_of_world = false;
    // While one lives, draw_strip takes screen pixels: for marks an
    // interface item pins to something in the world.
    class screen_pixels
    {
      public:
        screen_pixels() : was(world_drawing) { world_drawing = true; }
        ~screen_pixels() { world_drawing = was; }
        screen_pixels(const screen_pixels&) = delete;
        screen_pixels& operator=(const screen_pixels&) = delete;

      private:
        bool was;
    };
    // The scale draw_strip applies to positions now.
    static double drawing_scale() { return world_drawing ? 1.0 : ui_scale(); }

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

  private:
    static bool world_drawing;
    static double chosen_scale;
};

#endif

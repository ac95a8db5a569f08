#ifndef CRUMBLEFORD_CONTROLS_HUD_H
#define CRUMBLEFORD_CONTROLS_HUD_H

// A translucent bar of touch buttons over the world: horizontal across the
// top of a game scene, or vertical down the right edge of the drawing
// surface. It lays its buttons out in slots and hands a press to the button
// under the finger. Its scene owns the hud; the hud owns its buttons.

#include "myglitem.h"

#include <list>

class hud : public myglitem
{
  public:
    // A width of 0 spans the viewport width (a horizontal bar), a height of
    // 0 the viewport height (a vertical bar).
    hud(myscene* scene, int x, int y, int width, int height, int button_size);
    ~hud() override;

    void add_hud_item(myglitem* item);
    void remove_hud_item(myglitem* item);

    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void updateGL() override;
    void resizeGL() override;
    void clicked(int x, int y) override;
    std::vector<layout_box> layout_boxes() const override;

    bool horizontal() const { return bar_width == 0; }

    float fill_color[4];
    float border_color[4];
    int button_size;
    int bar_x;
    int bar_y;
    int start_cursor = 0;
    int end_cursor = 0;
    int slot_margin = 0;
    int bar_width;
    int bar_height;
    float border_vertices[8] = {};
    std::list<myglitem*> items; // in the order added
};

#endif

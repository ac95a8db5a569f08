#ifndef CRUMBLEFORD_CONTROLS_STOCK_STRIP_H
#define CRUMBLEFORD_CONTROLS_STOCK_STRIP_H

// The steered character's stock while playing: a small strip under the
// right end of the top bar, each slot's block with how many are left, so a
// player knows what can be drawn before entering drawing mode (whose tool
// column shows the same and hides the strip). The top bar owns it.

#include "myglitem.h"

class game_scene;
class hud;

class stock_strip : public myglitem
{
  public:
    stock_strip(game_scene* scene, hud* bar);
    ~stock_strip() override;

    QRectF boundingRect() const override { return QRectF(); }
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void updateGL() override;

    // Whether the strip shows now: not in drawing mode, and only with a
    // character carrying something.
    bool shown() const;

    static constexpr int cell = 30; // a slot's icon and its count, each this wide
    static constexpr int gap = 6;

    game_scene* world;
    hud* bar;
    float fill_color[4] = {1, 1, 1, 0.5f}; // as the bar's
};

#endif

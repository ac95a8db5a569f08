#ifndef CRUMBLEFORD_CONTROLS_CONTROLLING_DRAWER_H
#define CRUMBLEFORD_CONTROLS_CONTROLLING_DRAWER_H

// The steering surface, a game scene's default drawer: the half of the
// screen under the finger steers the focused character like held arrow
// keys, and the camera follows that character. Owned by its scene, which
// holds it as its drawer until the next switch.

#include "myglitem.h"

class game_scene;
class stockchar;

class controlling_drawer : public myglitem
{
  public:
    explicit controlling_drawer(game_scene* scene);
    ~controlling_drawer() override;

    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void clicked(int x, int y) override;
    void moved(int x, int y) override;
    void released(int x, int y) override;
    // Camera follow, once per tick.
    void advance(int phase) override;
    // The view was placed where a level starts, which may lie outside the
    // follow's box: it stays until the focused character first moves, and
    // then slides to the box instead of jumping.
    void hold_view();

    game_scene* world;

  private:
    void steer(int x, int y);
    void follow(stockchar* focused);

    bool holding = false;
    bool sliding = false;
    const stockchar* held_char = nullptr;
    long long held_x = 0, held_y = 0;
};

#endif

#ifndef CRUMBLEFORD_CONTROLS_CONTROLLING_DRAWER_H
#define CRUMBLEFORD_CONTROLS_CONTROLLING_DRAWER_H

// The steering surface, a game scene's default drawer: the half of the
// screen under the finger steers the focused character like held arrow
// keys, and the camera follows that character. Owned by its scene, which
// holds it as its drawer until the next switch.

#include "myglitem.h"

class game_scene;

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

    game_scene* world;

  private:
    void steer(int x, int y);
};

#endif

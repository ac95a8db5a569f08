#ifndef CRUMBLEFORD_CONTROLS_MOVING_DRAWER_H
#define CRUMBLEFORD_CONTROLS_MOVING_DRAWER_H

// The scrolling surface: dragging the finger slides the world with it, one
// scene pixel per viewport pixel, and the camera stays where the finger
// left it. Owned by its scene, which holds it as its drawer until the next
// switch.

#include "myglitem.h"

class game_scene;

class moving_drawer : public myglitem
{
  public:
    explicit moving_drawer(game_scene* scene);
    ~moving_drawer() override;

    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void clicked(int x, int y) override;
    void moved(int x, int y) override;
    void released(int x, int y) override;

    game_scene* world;
    long long last_x = 0;
    long long last_y = 0;
    // Where the view centre must be while the finger is at viewport (0, 0).
    long long anchor_x = 0;
    long long anchor_y = 0;

  private:
    void scroll_to(int x, int y);
};

#endif

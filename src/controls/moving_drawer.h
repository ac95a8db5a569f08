#ifndef CRUMBLEFORD_CONTROLS_MOVING_DRAWER_H
#define CRUMBLEFORD_CONTROLS_MOVING_DRAWER_H

// The scrolling surface: dragging the finger slides the world with it, one
// scene pixel per viewport pixel, and the camera stays where the finger
// left it. The right stick pans it too, at a steady speed while held.
// Owned by its scene, which holds it as its drawer until the next switch.

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
    // Pans while a look intent is held, once per tick.
    void advance(int phase) override;

    // A look intent pressed or let go: the way the view pans meanwhile.
    void look(input::intent way, bool pressed);
    bool looking() const { return look_x != 0 || look_y != 0; }
    // Moves the view centre by the given scene pixels.
    void pan_by(double dx, double dy);

    game_scene* world;
    long long last_x = 0;
    long long last_y = 0;
    // Where the view centre must be while the finger is at viewport (0, 0).
    long long anchor_x = 0;
    long long anchor_y = 0;
    int look_x = 0; // -1, 0 or 1
    int look_y = 0;
    // Made by the right stick, not by V or the button: letting go of the
    // stick ends the glance and the camera follows the character again.
    bool glance = false;
    // Ticks a finger has been held down without dragging: on this surface
    // that does nothing, which a hint then explains.
    int still_ticks = -1; // -1: no finger holding still

  private:
    void scroll_to(int x, int y);
    int press_x = 0;
    int press_y = 0;
    void center_on(double x, double y);
};

#endif

#ifndef CRUMBLEFORD_CONTROLS_APPLY_BUTTON_H
#define CRUMBLEFORD_CONTROLS_APPLY_BUTTON_H

// The drawing surface's apply button, at the foot of its tool column: draws
// the selected slot's block into the selected cell when it fits. The column
// owns it.

#include "myglitem.h"

class game_scene;
class hud;
class drawing_drawer;

class apply_button : public myglitem
{
  public:
    apply_button(game_scene* scene, hud* column, drawing_drawer* surface);
    ~apply_button() override;

    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void clicked(int x, int y) override;
    void updateGL() override;
    void resizeGL() override;

    game_scene* world;
    hud* column;
    drawing_drawer* surface;
};

#endif

#ifndef CRUMBLEFORD_CONTROLS_DRAWER_BLOCK_SWITCH_H
#define CRUMBLEFORD_CONTROLS_DRAWER_BLOCK_SWITCH_H

// One stock slot of the focused character in the drawing surface's tool
// column: the block's icon with its remaining count, highlighted when it is
// the selected slot. The column owns it.

#include "myglitem.h"

class game_scene;
class hud;
class drawing_drawer;
struct stock_slot;

class drawer_block_switch : public myglitem
{
  public:
    drawer_block_switch(game_scene* scene, hud* column, drawing_drawer* surface,
                        unsigned char slot);
    ~drawer_block_switch() override;

    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void clicked(int x, int y) override;
    void updateGL() override;
    void resizeGL() override;

    // The block a slot draws, as its atlas entry; nullptr for no block.
    static float* icon_of(const stock_slot& s);

    game_scene* world;
    hud* column;
    drawing_drawer* surface;
    unsigned char slot;
    float count_quad[8] = {};
    float highlight_quad[8] = {};
    float highlight_color[4] = {0.5f, 0.5f, 0.5f, 0.5f};
};

#endif

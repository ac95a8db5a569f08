#ifndef CRUMBLEFORD_CONTROLS_TITLE_CARD_H
#define CRUMBLEFORD_CONTROLS_TITLE_CARD_H

// The card a level opens with: its number and title over a view of the
// whole level, which then eases in to the focused character's usual view.
// It only draws and moves the camera: the world ticks beneath it exactly as
// it would without it. The level scene owns it and deletes it when it ends.

#include "myglitem.h"

#include <string>

class QGraphicsView;
class game_scene;

class title_card : public myglitem
{
  public:
    title_card(game_scene* scene, const std::string& number, const std::string& title);
    ~title_card() override;

    // One tick of the card, after the world's: the camera for this moment.
    // False once the card has ended.
    bool step();
    // Ends the card now, at the usual view.
    void finish();

    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void updateGL() override;
    void resizeGL() override;

    // Scrolls a view at the default zoom to where the level starts: the
    // focused character whole in sight and, wherever a view allows it, no
    // exit or character half under the bar over the top. The camera holds
    // this view until the character first moves.
    // below: how far the scene has been made to reach past the grid's foot.
    static void start_view(game_scene& world, QGraphicsView& v, int below = 0);
    // The largest block size, at most the default, at which the whole level
    // fits the viewport clear of the bar and of the card's strip.
    static unsigned int overview_block_size(const game_scene& world, int width, int height);

    static constexpr int hold_ticks = 48; // the whole level, the card shown
    static constexpr int ease_ticks = 15; // zooming in to the character
    static constexpr int strip_height = 84;

    game_scene* world;
    std::string number_text;
    std::string title_text;
    int age = 0; // ticks shown

  private:
    QGraphicsView* shown_in() const;
    // The view at this block size, centred on a point given in world units.
    void look_at(QGraphicsView& v, unsigned int block, double x_units, double y_units);
    // Scene pixels per world unit at a block size.
    static double scale(unsigned int block);

    bool easing = false;
    unsigned int from_block = 60;
    double from_x = 0, from_y = 0; // view centre, world units
    double to_x = 0, to_y = 0;
};

#endif

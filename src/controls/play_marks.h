#ifndef CRUMBLEFORD_CONTROLS_PLAY_MARKS_H
#define CRUMBLEFORD_CONTROLS_PLAY_MARKS_H

// Hints drawn over the world while playing, below the bar and the menus:
// the door prompt over a character standing where the door key would open
// a door, the marker over the steered character when there are several,
// and, on the scrolling surface, a pointer to the steering button while a
// finger holds still (which does nothing there). The top bar owns it.

#include "myglitem.h"

#include <string>

class game_scene;
class hud;
class stockchar;

class play_marks : public myglitem
{
  public:
    play_marks(game_scene* scene, hud* bar);
    ~play_marks() override;

    QRectF boundingRect() const override { return QRectF(); }
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void updateGL() override;

    // The character the door prompt stands over now, or nullptr.
    stockchar* prompted() const;
    // The key cap, or the pad's door button when a pad was used last; a
    // blank cap when the player bound another key or button to the door.
    static const float* prompt_texture();
    // The name written on the blank cap: the bound key's or button's, empty
    // while the sprite itself shows what is bound (Space, the pad's X).
    static std::string prompt_label();
    // The character the marker stands over now, or nullptr.
    stockchar* marked() const;
    // Whether a finger holds still on the scrolling surface long enough
    // to be told how to walk again.
    bool scroll_hint() const;

    game_scene* world;
    hud* bar;

  private:
    void draw_scroll_hint();
};

#endif

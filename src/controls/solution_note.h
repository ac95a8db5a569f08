#ifndef CRUMBLEFORD_CONTROLS_SOLUTION_NOTE_H
#define CRUMBLEFORD_CONTROLS_SOLUTION_NOTE_H

// The strip along the foot of the view while a level plays its recorded
// solution: it says so, and that any input stops it. It only draws. The
// level scene owns it while the player watches.

#include "catalogue.h"
#include "myglitem.h"

class game_scene;

class solution_note : public myglitem
{
  public:
    explicit solution_note(game_scene* scene);
    ~solution_note() override;

    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void updateGL() override;
    void resizeGL() override;

    static constexpr int strip_height = 84;
    static constexpr const char* heading = CF_TR_NOOP("hud", "WATCHING THE SOLUTION");
    static constexpr const char* hint = CF_TR_NOOP("hud", "any key or touch stops it");

    game_scene* world;
};

#endif

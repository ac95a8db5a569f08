#ifndef CRUMBLEFORD_CONTROLS_MAP_SIGNS_H
#define CRUMBLEFORD_CONTROLS_MAP_SIGNS_H

// The map screen's two texts over the world: the count of passed levels in
// the free middle of its bar, and the banner that announces a newly joined
// page and fades. The map scene owns both.

#include "myglitem.h"

#include <string>

class game_scene;
class hud;

class passed_count_sign : public myglitem
{
  public:
    passed_count_sign(game_scene* scene, hud* bar);
    ~passed_count_sign() override;

    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    // Laid out at draw time between the bar's two groups of buttons, which
    // a resize moves.
    void updateGL() override;

    std::string text;
    hud* bar; // not owned

    // The glyph edge and centre the text takes in the bar now.
    int glyph_size() const;
    int centre_x() const;
};

class page_banner : public myglitem
{
  public:
    page_banner(game_scene* scene, std::string text);
    ~page_banner() override;

    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void updateGL() override;

    // One tick older; false once it has faded out.
    bool tick();
    // 1 while shown in full, down to 0 as it fades out.
    double opacity() const;

    static constexpr int ticks_shown = 150;
    static constexpr int fade_ticks = 45;

    std::string text;
    int age = 0;

  private:
    game_scene* world; // not owned
};

#endif

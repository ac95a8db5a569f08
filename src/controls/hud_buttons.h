#ifndef CRUMBLEFORD_CONTROLS_HUD_BUTTONS_H
#define CRUMBLEFORD_CONTROLS_HUD_BUTTONS_H

// The buttons of a game scene's top bar. Each places itself in the next free
// slot from the left or the right end of its hud, draws one atlas icon and
// performs one action, most of them the same as a key of the game scene.
// The hud owns them; the map and level scenes create them in bar order.

#include "myglitem.h"

class game_scene;
class hud;

class hud_button : public myglitem
{
  public:
    ~hud_button() override;

    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void updateGL() override;
    // Takes the next slot at this button's end of the bar.
    void resizeGL() override;

    hud* owner;
    game_scene* world;
    bool right_packed;

  protected:
    hud_button(game_scene* scene, hud* owner, bool right_packed);
    // Read at draw time: the atlas tables appear once the GL context exists.
    virtual const float* texture() = 0;
    // Hands the scene a playing intent, as the key bound to it would.
    void send(input::intent play);
    // Whether the button stands for the control surface now in use: it is
    // drawn lit, so a player sees which way the screen reads a touch.
    virtual bool lit() const { return false; }
};

class go_back : public hud_button
{
  public:
    go_back(game_scene* scene, hud* owner);
    void clicked(int x, int y) override;

  protected:
    const float* texture() override;
};

class go_menu : public hud_button
{
  public:
    go_menu(game_scene* scene, hud* owner);
    void clicked(int x, int y) override;

  protected:
    const float* texture() override;
};

class zoom_in : public hud_button
{
  public:
    zoom_in(game_scene* scene, hud* owner);
    void clicked(int x, int y) override;

  protected:
    const float* texture() override;
};

class zoom_out : public hud_button
{
  public:
    zoom_out(game_scene* scene, hud* owner);
    void clicked(int x, int y) override;

  protected:
    const float* texture() override;
};

class ctrl_switch : public hud_button
{
  public:
    ctrl_switch(game_scene* scene, hud* owner);
    void clicked(int x, int y) override;

  protected:
    const float* texture() override;
    bool lit() const override;
};

class mv_switch : public hud_button
{
  public:
    mv_switch(game_scene* scene, hud* owner);
    void clicked(int x, int y) override;

  protected:
    const float* texture() override;
    bool lit() const override;
};

class open_the_door : public hud_button
{
  public:
    open_the_door(game_scene* scene, hud* owner);
    void clicked(int x, int y) override;

  protected:
    const float* texture() override;
};

// Takes back the last move, as the Z key does, and shows under its icon how
// far back the rewinding has gone (a gauge, while it is recent).
class rewind_button : public hud_button
{
  public:
    rewind_button(game_scene* scene, hud* owner);
    void clicked(int x, int y) override;
    void updateGL() override;

  protected:
    const float* texture() override;
};

// Turns all sound off and on again, as the M key does; the icon shows
// which it is now.
class mute_button : public hud_button
{
  public:
    mute_button(game_scene* scene, hud* owner);
    void clicked(int x, int y) override;

  protected:
    const float* texture() override;
};

class drawer_switch : public hud_button
{
  public:
    drawer_switch(game_scene* scene, hud* owner);
    void clicked(int x, int y) override;

  protected:
    const float* texture() override;
    bool lit() const override;
};

class character_switch : public hud_button
{
  public:
    character_switch(game_scene* scene, hud* owner);
    void clicked(int x, int y) override;

  protected:
    // The focused character's colour: the icon follows every switch.
    const float* texture() override;
};

#endif

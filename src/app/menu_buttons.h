#ifndef CRUMBLEFORD_APP_MENU_BUTTONS_H
#define CRUMBLEFORD_APP_MENU_BUTTONS_H

// The picture buttons of the main menu. Unlike the game's controls they
// take presses through the graphics scene, in their own item coordinates.
// The menu scene holds them by value.

#include "attempt_record.h"
#include "myglitem.h"

class QGraphicsSceneMouseEvent;

class menu_button : public myglitem
{
  public:
    ~menu_button() override;

    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void updateGL() override;
    // Acts only on a press strictly inside the button.
    void mousePressEvent(QGraphicsSceneMouseEvent* e) override;
    // What a press inside does, sound included; keys press buttons here.
    void press();

  protected:
    // picture names a spriteman table entry, read when drawing, so a button
    // made before the atlas is loaded still shows its picture.
    menu_button(myscene* scene, int size, float** picture);
    virtual void act() = 0;

    float** picture;
};

// Opens the map screen.
class play_button : public menu_button
{
  public:
    explicit play_button(myscene* scene);

  protected:
    void act() override;
};

// Opens the first help page.
class help_button : public menu_button
{
  public:
    explicit help_button(myscene* scene);

  protected:
    void act() override;
};

// Opens the credits page.
class credits_button : public menu_button
{
  public:
    explicit credits_button(myscene* scene);

  protected:
    void act() override;
};

// Opens the level editor.
class editor_button : public menu_button
{
  public:
    explicit editor_button(myscene* scene);

  protected:
    void act() override;
};

// Takes the player back into the attempt kept when the game last ended,
// at the moment it had reached. Shown only while there is one to continue.
class continue_button : public menu_button
{
  public:
    explicit continue_button(myscene* scene);
    void updateGL() override;
    // Looks for an attempt that can be continued and shows the button when
    // there is one. A kept file that cannot be is reported in one line and
    // set aside, so that it is reported once.
    bool refresh();

    attempt_record record;

  protected:
    void act() override;
};

// Opens the settings screen.
class settings_button : public menu_button
{
  public:
    explicit settings_button(myscene* scene);

  protected:
    void act() override;
};

// Ends the application.
class quit_button : public menu_button
{
  public:
    explicit quit_button(myscene* scene);

  protected:
    void act() override;
};

#endif

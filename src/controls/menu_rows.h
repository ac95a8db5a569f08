#ifndef CRUMBLEFORD_CONTROLS_MENU_ROWS_H
#define CRUMBLEFORD_CONTROLS_MENU_ROWS_H

// The rows of the in-game menu: a title image and text entries, each laid
// out under the previous one and centred. A row registers itself with its
// scene and its menu when constructed; the menu owns and deletes it.

#include "myglitem.h"

#include <functional>
#include <string>

class game_scene;
class in_game_menu;

// Layout and registration shared by every row kind.
class igm_row : public myglitem
{
  public:
    ~igm_row() override;

    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}

    game_scene* world;
    in_game_menu* menu;
    // Whether the row acts when chosen; keys pass over the others.
    bool choosable = false;
    // The row keys start on, over the menu's usual choice.
    bool preferred = false;

  protected:
    igm_row(game_scene* scene, in_game_menu* menu);
    // Takes the next slot of the menu's column for a row this wide and, when
    // given, this high (the menu's letter size otherwise).
    void place(int row_width, int row_height = 0);
    // Lays the row out and hands it to its scene and menu; called once the
    // row knows its width.
    void attach(int row_width, int row_height = 0);
    // Rows lying over the spot the menu keeps in sight are drawn faint.
    void fade_over_spot() const;
};

// A picture row (the menu's title); no action.
class igm_just_tex : public igm_row
{
  public:
    igm_just_tex(game_scene* scene, in_game_menu* menu, float* texture);

    void updateGL() override;
    void resizeGL() override;

    float* texture;

  private:
    int picture_width() const;
};

// A text row; "[" is drawn as a space. No action of its own.
class igm_just_text : public igm_row
{
  public:
    igm_just_text(game_scene* scene, in_game_menu* menu, const std::string& text);

    void updateGL() override;
    void resizeGL() override;

    std::string text;
};

// A line of smaller text under the entries, saying how the level went; no
// action. Its letters shrink to fit the menu's width.
class igm_note : public igm_row
{
  public:
    igm_note(game_scene* scene, in_game_menu* menu, const std::string& text, int letter_size);

    void updateGL() override;
    void resizeGL() override;

    std::string text;
    int letters; // the largest letter size asked for

  private:
    int fitted_letters() const;
};

// A text entry whose action its maker gives: the level's own rows.
class igm_action : public igm_just_text
{
  public:
    igm_action(game_scene* scene, in_game_menu* menu, const std::string& text,
               std::function<void()> action);
    void clicked(int x, int y) override;

    std::function<void()> action;
};

// Closes the menu at the end of the tick.
class igm_resume : public igm_just_text
{
  public:
    igm_resume(game_scene* scene, in_game_menu* menu);
    void clicked(int x, int y) override;
};

// Leaves the level for the map at the end of the tick.
class igm_tom_mm : public igm_just_text
{
  public:
    igm_tom_mm(game_scene* scene, in_game_menu* menu);
    void clicked(int x, int y) override;
};

// Restarts the level at once.
class igm_restart : public igm_just_text
{
  public:
    igm_restart(game_scene* scene, in_game_menu* menu);
    void clicked(int x, int y) override;
};

// Shows the help pages over the open menu.
class igm_help : public igm_just_text
{
  public:
    igm_help(game_scene* scene, in_game_menu* menu);
    void clicked(int x, int y) override;
};

// Steps the level back in time. From the failed menu it also closes the
// menu, so play goes on from before the fall; the pause menu stays open for
// further steps back.
class igm_rewind : public igm_just_text
{
  public:
    igm_rewind(game_scene* scene, in_game_menu* menu, bool closes_menu);
    void clicked(int x, int y) override;

    bool closes_menu;
};

// Quits the application.
class igm_exit : public igm_just_text
{
  public:
    igm_exit(game_scene* scene, in_game_menu* menu);
    void clicked(int x, int y) override;
};

#endif

#ifndef CRUMBLEFORD_CONTROLS_IN_GAME_MENU_H
#define CRUMBLEFORD_CONTROLS_IN_GAME_MENU_H

// The pause, level-failed and level-passed overlay of a game scene: it dims
// the world, stops it while open and stacks its rows in a centred column,
// chosen by a press or by keys over a highlight. The game scene owns the
// open menu and deletes it; the menu owns its rows.

#include "myglitem.h"

#include <list>

class game_scene;
class igm_row;

class in_game_menu : public myglitem
{
  public:
    // Becomes the scene's open menu and stops its world.
    in_game_menu(game_scene* scene, int letter_size);
    // Destroys the rows, then gives the world back the running flag it had
    // when the menu opened.
    ~in_game_menu() override;

    void add_menu_item(myglitem* item);
    void remove_menu_item(myglitem* item);

    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void updateGL() override;
    void resizeGL() override;
    void clicked(int x, int y) override;
    // Up and down (Tab too) move the highlight over the rows that act,
    // confirm chooses it as a press would; back closes a menu that has
    // RESUME as RESUME does, and elsewhere moves the highlight to the way
    // out, TO MAP SELECT, without leaving.
    bool navigate(input::intent in, bool repeat) override;
    // Every row, named by its text.
    std::vector<layout_box> layout_boxes() const override;
    // The highlighted row: until keys move it, the one a player most likely
    // wants (RESUME, else REWIND, else the first that acts); nullptr when no
    // row acts.
    igm_row* highlighted();

    // Keeps a spot of the world in sight (where a level was lost): the
    // dimming leaves a clear window round it, and rows over it are faint.
    // World units, the middle of the spot.
    void keep_in_sight(long long x, long long y);
    // The clear window in viewport pixels, empty when there is none.
    QRectF spot_window() const;
    // Whether a row's quad lies over the clear window.
    bool over_spot(const float* quad) const;

    game_scene* world;
    float* dim_color;
    int letter_size;
    int row_cursor = 0; // top of the next row's slot
    int row_spacing = 15;
    bool saved_world_running;
    std::list<myglitem*> items; // rows, top to bottom

  private:
    bool has_spot = false;
    long long spot_x = 0, spot_y = 0;
    void cover_viewport();
    // Lays the rows out at the natural letter size, or smaller when the
    // column would not fit the viewport (a small window, or extra rows).
    void lay_out_rows();
    int natural_letter_size;
    // What a press on the row does, with the button's sound.
    void choose(myglitem* row);
    igm_row* highlight = nullptr;
};

#endif

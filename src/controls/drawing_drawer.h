#ifndef CRUMBLEFORD_CONTROLS_DRAWING_DRAWER_H
#define CRUMBLEFORD_CONTROLS_DRAWING_DRAWER_H

// The drawing surface: while it is the scene's drawer the world stands
// still, the finger selects a grid cell near the focused character and a
// tool column on the right picks a stock slot and applies it. Keys and pad
// buttons do the same with a cell cursor kept within the character's reach.
// Owned by its scene as the drawer; it owns its tool column.

#include "myglitem.h"

class game_scene;
class hud;

class drawing_drawer : public myglitem
{
  public:
    // Becomes the scene's drawer and stops the world.
    explicit drawing_drawer(game_scene* scene);
    // Gives the scene its running flag back.
    ~drawing_drawer() override;

    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void clicked(int x, int y) override;
    void moved(int x, int y) override;
    void released(int x, int y) override;
    // Keeps the focused character in the middle of the view, once per tick.
    void advance(int phase) override;
    void resizeGL() override;
    void updateGL() override;
    // Arrows move the cursor, Tab and 1 to 3 choose the slot, Enter places.
    bool navigate(input::intent what, bool repeat) override;

    // Whether the selected slot's block fits the selected cell; with commit
    // set it is also placed and the slot spends one unit.
    bool apply(bool commit);

    game_scene* world;
    float range_color[4] = {0.2f, 0.2f, 0.2f, 0.2f};
    float valid_color[4] = {0, 0.25f, 0, 0.25f};
    float invalid_color[4] = {0.25f, 0, 0, 0.25f};
    float row_quad[8] = {};
    float column_quad[8] = {};
    float range_quad[8] = {};
    float arrow_vertices[6] = {};
    float cell_quad[8] = {};
    unsigned int selected_slot = 0;
    hud* grab = nullptr;   // the tool column while a press that began on it lasts
    bool dragging = false; // a press in the world lasts: it sets a new cloud's way
    hud* tool_bar;         // owned
    int cell_x = 0;
    int cell_y = 0;
    unsigned char direction; // the way the finger or the cursor last went

    static constexpr int column_width = 110;

  private:
    void select_cell(int x, int y);
    void choose_cell(int c, int r);
    bool cursor_fits(long long c, long long r);
    bool cursor_ready();
    void place_cursor();
    void step(int dx, int dy, unsigned char way);
    void choose_slot(unsigned int slot);
    void cycle_slot(int by);
    void draw_cursor(float x0, float y0, float x1, float y1, bool with_arrow);
    void lay_out();
    void set_triangle(float ax, float ay, float bx, float by, float cx, float cy);

    // The cell was chosen on this surface (by a touch or the cursor) for the
    // character focused then, in the world as it was then: a switch or a
    // rewind makes the cursor start again beside the character.
    bool cell_chosen = false;
    unsigned int chosen_for = 0;
    unsigned int chosen_in = 0;
};

#endif

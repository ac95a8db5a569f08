#ifndef CRUMBLEFORD_EDITOR_EDITOR_CANVAS_H
#define CRUMBLEFORD_EDITOR_EDITOR_CANVAS_H

// Draws the editor screen from the editor's state: the map with the game's
// sprites, the cursor, the top strip, the palette, a character's stock and
// the open prompt. It reads the editor and never changes it.

class editor_scene;

class editor_canvas
{
  public:
    static void draw(const editor_scene& e);
    // The keyboard focus around a rectangle: the atlas's frame with its
    // corners kept and its edges stretched.
    static void focus_frame(float left, float top, float right, float bottom);

  private:
    static void draw_map(const editor_scene& e);
    static void draw_bars(const editor_scene& e);
    static void draw_stock_panel(const editor_scene& e);
    static void draw_prompt(const editor_scene& e);
    static void draw_name_picker(const editor_scene& e);
    static void draw_try_warning(const editor_scene& e);
};

#endif

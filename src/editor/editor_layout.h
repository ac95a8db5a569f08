#ifndef CRUMBLEFORD_EDITOR_EDITOR_LAYOUT_H
#define CRUMBLEFORD_EDITOR_EDITOR_LAYOUT_H

// Where the editor's controls sit on the screen, in viewport pixels: the
// top strip, the palette, a character's stock, the prompt and the menu. The
// canvas draws each control in its rectangle and the scene tests presses
// against the same one, so what is drawn is what answers a press.

struct screen_rect {
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom lie outside
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

class editor_layout
{
  public:
    static constexpr int bar = 60;  // height of the top and bottom strips
    static constexpr int cell = 60; // a palette cell

    // The top strip, in drawing order: the commands from the left, the map
    // size steppers from the right.
    enum class top_button {
        leave,
        undo,
        redo,
        try_level,
        save,
        open_list,
        zoom_in,
        zoom_out,
        narrower,
        width,
        wider,
        lower,
        height,
        taller,
        count
    };
    static constexpr int top_button_count = static_cast<int>(top_button::count);
    static screen_rect top_button_rect(top_button b, int viewport_width);
    // The button under (x, y); where two overlap on a narrow screen, the one
    // drawn last. `count` when none is.
    static top_button top_button_at(int x, int y, int viewport_width);

    // The palette strip along the bottom: the kinds, the colours, the
    // cloud's direction, with gaps between the groups.
    static constexpr int kind_count = 7;
    static screen_rect palette_strip(int viewport_height);
    static screen_rect kind_cell(int i, int viewport_height);
    static screen_rect colour_cell(int c, int viewport_height);
    static screen_rect direction_cell(int viewport_height);

    // A character's stock along the right edge: a title over three slot
    // rows, each a picture, a colour and a count one bar wide.
    static screen_rect stock_title(int viewport_width);
    static screen_rect stock_slot(int k, int viewport_width);
    static screen_rect stock_part(int k, int part, int viewport_width);

    // The prompt in the middle of the screen and its two answers, the
    // first (save or leave) on the left.
    static screen_rect prompt_panel(int viewport_width, int viewport_height);
    static screen_rect prompt_button(int answer, int viewport_width, int viewport_height);

    // The warning before a try: the checker's findings over two answers,
    // TRY ANYWAY on the left and BACK on the right.
    static screen_rect warning_panel(int viewport_width, int viewport_height);
    static screen_rect warning_button(int answer, int viewport_width, int viewport_height);

    // The editor's menu: `rows` rows stacked in the middle of the screen.
    static constexpr int menu_width = 360;
    static int menu_row_height(int rows, int viewport_height);
    static screen_rect menu_row(int k, int rows, int viewport_width, int viewport_height);
    // The row under (x, y), or -1 beside the rows.
    static int menu_row_at(int x, int y, int rows, int viewport_width, int viewport_height);
};

#endif

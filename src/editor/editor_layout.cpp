#include "editor_layout.h"

#include <algorithm>

namespace
{

struct top_place {
    bool from_right; // measured from the screen's right edge, 240 pixels wide
    int left, width;
};

// In the order of editor_layout::top_button.
constexpr int bar = editor_layout::bar;
constexpr top_place top_places[editor_layout::top_button_count] = {
    {false, 0, bar},       {false, bar, bar},     {false, 2 * bar, bar}, {false, 3 * bar, bar},
    {false, 4 * bar, bar}, {false, 5 * bar, bar}, {false, 6 * bar, bar}, {false, 7 * bar, bar},
    {true, 0, 30},         {true, 30, 60},        {true, 90, 30},        {true, 120, 30},
    {true, 150, 60},       {true, 210, 30}};
constexpr int steppers_width = 240;

constexpr int cell = editor_layout::cell;
// Left edges of the colour swatches and of the direction cell.
constexpr int colours_left = editor_layout::kind_count * cell + 10;
constexpr int direction_left = colours_left + 4 * cell + 10;

screen_rect palette_cell(int left, int viewport_height)
{
    return {left, viewport_height - cell, left + cell, viewport_height};
}

// The stock panel's top-left corner, under its title.
int stock_left(int viewport_width)
{
    return viewport_width - 3 * bar;
}
constexpr int stock_top = bar + 40;

int menu_top(int rows, int viewport_height)
{
    return (viewport_height - rows * editor_layout::menu_row_height(rows, viewport_height)) / 2;
}

} // namespace

screen_rect editor_layout::top_button_rect(top_button b, int viewport_width)
{
    const top_place& p = top_places[static_cast<int>(b)];
    const int left = p.left + (p.from_right ? viewport_width - steppers_width : 0);
    return {left, 0, left + p.width, bar};
}

editor_layout::top_button editor_layout::top_button_at(int x, int y, int viewport_width)
{
    for (int k = top_button_count - 1; k >= 0; --k)
        if (top_button_rect(static_cast<top_button>(k), viewport_width).contains(x, y))
            return static_cast<top_button>(k);
    return top_button::count;
}

screen_rect editor_layout::palette_strip(int viewport_height)
{
    return {0, viewport_height - cell, direction_left + cell, viewport_height};
}

screen_rect editor_layout::kind_cell(int i, int viewport_height)
{
    return palette_cell(i * cell, viewport_height);
}

screen_rect editor_layout::colour_cell(int c, int viewport_height)
{
    return palette_cell(colours_left + c * cell, viewport_height);
}

screen_rect editor_layout::direction_cell(int viewport_height)
{
    return palette_cell(direction_left, viewport_height);
}

screen_rect editor_layout::stock_title(int viewport_width)
{
    const int left = stock_left(viewport_width);
    return {left, stock_top - 24, left + 3 * bar, stock_top};
}

screen_rect editor_layout::stock_slot(int k, int viewport_width)
{
    const int left = stock_left(viewport_width);
    const int top = stock_top + k * bar;
    return {left, top, left + 3 * bar, top + bar};
}

screen_rect editor_layout::stock_part(int k, int part, int viewport_width)
{
    screen_rect r = stock_slot(k, viewport_width);
    r.left += part * bar;
    r.right = r.left + bar;
    return r;
}

screen_rect editor_layout::prompt_panel(int viewport_width, int viewport_height)
{
    const int cx = viewport_width / 2;
    const int cy = viewport_height / 2;
    return {cx - 220, cy - 90, cx + 220, cy + 80};
}

screen_rect editor_layout::prompt_button(int answer, int viewport_width, int viewport_height)
{
    const int cx = viewport_width / 2;
    const int cy = viewport_height / 2;
    const int left = answer == 0 ? cx - 180 : cx + 20;
    return {left, cy + 10, left + 160, cy + 70};
}

screen_rect editor_layout::warning_panel(int viewport_width, int viewport_height)
{
    const int cx = viewport_width / 2;
    const int half_width = std::min(viewport_width - 40, 640) / 2;
    const int cy = viewport_height / 2;
    return {cx - half_width, std::max(10, cy - 200), cx + half_width,
            std::min(viewport_height - 10, cy + 200)};
}

screen_rect editor_layout::warning_button(int answer, int viewport_width, int viewport_height)
{
    const screen_rect panel = warning_panel(viewport_width, viewport_height);
    const int cx = viewport_width / 2;
    const int left = answer == 0 ? cx - 250 : cx + 10;
    return {left, panel.bottom - 70, left + 240, panel.bottom - 10};
}

int editor_layout::menu_row_height(int rows, int viewport_height)
{
    // Every row fits on a short screen too.
    return std::clamp((viewport_height - 20) / rows, 8, 26);
}

screen_rect editor_layout::menu_row(int k, int rows, int viewport_width, int viewport_height)
{
    const int left = (viewport_width - menu_width) / 2;
    const int height = menu_row_height(rows, viewport_height);
    const int top = menu_top(rows, viewport_height) + k * height;
    return {left, top, left + menu_width, top + height};
}

int editor_layout::menu_row_at(int x, int y, int rows, int viewport_width, int viewport_height)
{
    const screen_rect first = menu_row(0, rows, viewport_width, viewport_height);
    if (x < first.left || x >= first.right || y < first.top)
        return -1;
    const int k = (y - first.top) / (first.bottom - first.top);
    return k < rows ? k : -1;
}

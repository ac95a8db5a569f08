#ifndef CRUMBLEFORD_TOOLS_ATLAS_GEN_FOCUS_SPRITES_H
#define CRUMBLEFORD_TOOLS_ATLAS_GEN_FOCUS_SPRITES_H

// The sprites of keyboard and pad play: the focus frame around the chosen
// button or row, and the drawing cursor with its cloud-direction arrow. Each
// draws one 60 x 60 cell with its top-left corner at the origin.

class QPainter;

namespace art
{

void draw_focus_frame(QPainter& p);  // focus_sprites.cpp
void draw_cursor(QPainter& p);       // cursor_sprites.cpp
void draw_cursor_arrow(QPainter& p); // cursor_sprites.cpp, pointing right

} // namespace art

#endif

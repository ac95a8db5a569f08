#ifndef CRUMBLEFORD_TOOLS_ATLAS_GEN_PAGES_H
#define CRUMBLEFORD_TOOLS_ATLAS_GEN_PAGES_H

// The opaque pages of the atlas that the page viewer scrolls: the two help
// pages (controls, then blocks and the colour rule) and the credits. Texts
// are set in DejaVu Sans Bold; the illustrations reuse the sprite functions.
// Each function draws one cell with its top-left corner at the origin.

class QPainter;

namespace art
{

void draw_help_controls(QPainter& p); // 800 x 800, first help page
void draw_help_blocks(QPainter& p);   // 800 x 800, second help page
void draw_help_pad(QPainter& p);      // 448 x 800, third: the pad and the menu keys
void draw_credits_page(QPainter& p);  // 622 x 1240

} // namespace art

#endif

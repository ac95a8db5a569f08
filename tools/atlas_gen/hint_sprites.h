#ifndef CRUMBLEFORD_TOOLS_ATLAS_GEN_HINT_SPRITES_H
#define CRUMBLEFORD_TOOLS_ATLAS_GEN_HINT_SPRITES_H

// The hints drawn over play: the door prompt (a key cap, or the pad's face
// buttons with the door button lit), the marker over the steered character,
// the mark of a cloud's way and the glow behind the active surface's button.
// Each draws its cell with the cell's top-left corner at the origin.

class QPainter;

namespace art
{

void draw_prompt_key(QPainter& p);          // 122 x 60: a wide key cap reading SPACE
void draw_prompt_key_blank(QPainter& p);    // 122 x 60: the same cap, with no name on it
void draw_prompt_pad(QPainter& p);          // 60 x 60
void draw_focus_marker(QPainter& p, int c); // 60 x 60, a chevron pointing down
void draw_cloud_arrow(QPainter& p);         // 60 x 60, pointing right at the right edge
void draw_mode_glow(QPainter& p);           // 60 x 60, drawn behind a button
// 60 x 60: a gold medal on two dark ribbon tails, beside a map door whose
// level was passed at or under par. Gold and ink only: no game colour.
void draw_par_mark(QPainter& p);

} // namespace art

#endif

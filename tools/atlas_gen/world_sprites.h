#ifndef CRUMBLEFORD_TOOLS_ATLAS_GEN_WORLD_SPRITES_H
#define CRUMBLEFORD_TOOLS_ATLAS_GEN_WORLD_SPRITES_H

// The world sprites of the atlas: characters, blocks, bombs and doors. Each
// function draws one cell with its top-left corner at the painter's origin,
// in the cell's own size (60 x 60 unless noted), for colour c (0 white,
// 1 red, 2 green, 3 blue). The help and credits pages reuse them, scaled.

class QPainter;

namespace art
{

void draw_character(QPainter& p, int c, int frame); // frame 0 stands, 0-5 walk
void draw_plain_block(QPainter& p, int c);
void draw_expendable_block(QPainter& p, int c);
void draw_falling_block(QPainter& p, int c);
void draw_cloud(QPainter& p, int c);
void draw_spikes(QPainter& p, int c);
void draw_bomb(QPainter& p, int c, int frame); // frame 0 lit, 8 about to blow
void draw_entrance_closed(QPainter& p);        // 120 x 60
// 120 x 120. The top half of the white portal doubles as the entrance of a
// passed level, so its top half is an open, glowing doorway with a gold star.
void draw_exit_portal(QPainter& p, int c);

} // namespace art

#endif

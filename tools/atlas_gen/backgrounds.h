#ifndef CRUMBLEFORD_TOOLS_ATLAS_GEN_BACKGROUNDS_H
#define CRUMBLEFORD_TOOLS_ATLAS_GEN_BACKGROUNDS_H

// The opaque backgrounds of the atlas: the level background and the three
// strips of the menu background (sky with the title, a featureless middle
// that the game stretches, grassy ground). Each function draws one cell with
// its top-left corner at the painter's origin, in the cell's size.

class QPainter;
class QPointF;

namespace art
{

void draw_level_background(QPainter& p); // 800 x 480
void draw_menu_sky(QPainter& p);         // 800 x 193, with the title
void draw_menu_middle(QPainter& p);      // 800 x 42, a pure vertical gradient
void draw_menu_ground(QPainter& p);      // 800 x 245

// The game's title in bouncing letters of the four colours, centred on centre.
void draw_title(QPainter& p, const QPointF& centre, double px);
// A white puffy cloud of the given width, its bottom centre at foot.
void draw_sky_cloud(QPainter& p, const QPointF& foot, double width, int alpha);

} // namespace art

#endif

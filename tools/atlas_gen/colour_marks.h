#ifndef CRUMBLEFORD_TOOLS_ATLAS_GEN_COLOUR_MARKS_H
#define CRUMBLEFORD_TOOLS_ATLAS_GEN_COLOUR_MARKS_H

// The mark that tells each colour apart without its hue, so a player who
// cannot tell red from green still can: red a triangle, green a ring, blue
// two leaning bars, white none. Every coloured sprite carries its colour's
// mark, pressed into its surface or raised from it; draw_colour_mark shows
// one on its own, for legends such as the help pages.

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace art
{

// The outline of colour c's mark, fitted in a square of side size around
// centre; empty for white.
QPainterPath colour_mark_path(int c, const QPointF& centre, double size);

// Presses colour c's mark into whatever is drawn beneath: a recess with the
// given floor colour, its upper-left wall in shadow and its lower-right wall
// catching the light, like every other edge of the art. Nothing for white.
void press_colour_mark(QPainter& p, int c, const QPointF& centre, double size, const QColor& floor);

// The same mark standing out of the surface instead, in the given face
// colour: for dark surfaces, where a recess would not show.
void raise_colour_mark(QPainter& p, int c, const QPointF& centre, double size, const QColor& face);

// Colour c's mark on a small bevelled tile of that colour filling box, as it
// looks on a block; white shows the bare tile. For legends such as the help
// pages.
void draw_colour_mark(QPainter& p, int c, const QRectF& box);

} // namespace art

#endif

#include "colour_marks.h"

#include "paint_kit.h"
#include "world_sprites.h"

#include <QPainter>

#include <algorithm>

using namespace kit;

namespace art
{

QPainterPath colour_mark_path(int c, const QPointF& centre, double size)
{
    QPainterPath mark;
    // Bold shapes with no thin parts: at the smallest zoom a block is ten
    // pixels, so every stroke must survive being shrunk six times.
    switch (c) {
    case 1: {
        // A triangle pointing up, its corners softened like the glyphs.
        const double round = 0.14 * size;
        QPainterPath tri;
        tri.addPolygon(QPolygonF({centre + QPointF(0, -0.42 * size),
                                  centre + QPointF(0.43 * size, 0.36 * size),
                                  centre + QPointF(-0.43 * size, 0.36 * size)}));
        tri.closeSubpath();
        mark = tri.united(stroke_of(tri, round));
        break;
    }
    case 2: {
        // A thick ring: its hole must stay open when shrunk.
        QPainterPath outer, inner;
        outer.addEllipse(centre, 0.5 * size, 0.5 * size);
        inner.addEllipse(centre, 0.21 * size, 0.21 * size);
        mark = outer.subtracted(inner);
        break;
    }
    case 3: {
        // Two bars leaning right: upright they would read as a pause sign.
        const double bar = 0.28 * size, gap = 0.3 * size;
        for (double left : {-gap / 2 - bar, gap / 2})
            mark.addRoundedRect(QRectF(left, -0.5 * size, bar, size), 0.1 * size, 0.1 * size);
        QTransform lean;
        lean.translate(centre.x(), centre.y());
        lean.shear(-0.3, 0);
        mark = lean.map(mark).simplified();
        break;
    }
    default:
        break; // white works with every colour and carries no mark
    }
    return mark;
}

void press_colour_mark(QPainter& p, int c, const QPointF& centre, double size, const QColor& floor)
{
    const QPainterPath mark = colour_mark_path(c, centre, size);
    if (mark.isEmpty())
        return;
    const double wall = std::max(1.0, 0.06 * size);
    // The surface's lip below and right of the recess catches the light.
    p.fillPath(mark.translated(0.7 * wall, 0.7 * wall).subtracted(mark), QColor(255, 255, 255, 90));
    p.fillPath(mark, floor);
    // Light comes from the top left: inside a recess that puts the upper-left
    // wall in shadow and lights the lower-right one.
    p.fillPath(mark.subtracted(mark.translated(wall, wall)),
               with_alpha(mix(floor, Qt::black, 0.45), 210));
    p.fillPath(mark.subtracted(mark.translated(-wall, -wall)), QColor(255, 255, 255, 100));
}

void raise_colour_mark(QPainter& p, int c, const QPointF& centre, double size, const QColor& face)
{
    const QPainterPath mark = colour_mark_path(c, centre, size);
    if (mark.isEmpty())
        return;
    const double wall = std::max(1.0, 0.06 * size);
    // A raised shape casts its shadow down and right and is lit on its
    // upper-left edge.
    p.fillPath(mark.translated(wall, wall).subtracted(mark), QColor(0, 0, 0, 70));
    p.fillPath(mark, face);
    p.fillPath(mark.subtracted(mark.translated(-wall, -wall)),
               with_alpha(mix(face, Qt::black, 0.3), 170));
    p.fillPath(mark.subtracted(mark.translated(wall, wall)), QColor(255, 255, 255, 150));
}

void draw_colour_mark(QPainter& p, int c, const QRectF& box)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 60.0, box.height() / 60.0);
    draw_plain_block(p, c);
    p.restore();
}

} // namespace art

#include "focus_sprites.h"

#include "paint_kit.h"

namespace art
{

namespace
{

// Strokes every path in dark first, then in white, so no dark outline
// crosses a white line where two of them meet.
void outlined_lines(QPainter& p, const QPainterPath& path, double white_width, double outline)
{
    p.setBrush(Qt::NoBrush);
    QPen dark(kit::ink, white_width + 2 * outline, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setPen(dark);
    p.drawPath(path);
    QPen light(QColor(Qt::white), white_width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setPen(light);
    p.drawPath(path);
}

} // namespace

// Drawn over a whole grid cell at any zoom, over every block colour and the
// sky: a thin white frame marks the cell's edges and bold brackets hold its
// corners, both outlined in dark so one of the two always shows. The inside
// stays clear, so the block under the cursor can still be seen.
void draw_cursor(QPainter& p)
{
    const double edge = 5.5; // the brackets' centre line, clear of the cell's edge
    const double far = 60 - edge;
    const double arm = 15;

    QPainterPath frame;
    frame.addRect(QRectF(edge, edge, far - edge, far - edge));
    outlined_lines(p, frame, 2, 1.5);

    QPainterPath brackets;
    const QPointF corners[4] = {{edge, edge}, {far, edge}, {edge, far}, {far, far}};
    for (const QPointF& c : corners) {
        const double along_x = c.x() < 30 ? arm : -arm;
        const double along_y = c.y() < 30 ? arm : -arm;
        brackets.moveTo(c.x(), c.y() + along_y);
        brackets.lineTo(c);
        brackets.lineTo(c.x() + along_x, c.y());
    }
    outlined_lines(p, brackets, 5.5, 2.5);
}

// Drawn over the cursor's cell moved half a cell to the right, so it stands
// just outside the cursor's right edge (x = 30 here), pointing away from it;
// the game turns it for the other ways.
void draw_cursor_arrow(QPainter& p)
{
    QPainterPath arrow;
    arrow.moveTo(57, 30);
    arrow.lineTo(37, 14);
    arrow.lineTo(37, 46);
    arrow.closeSubpath();
    kit::fill_outlined(p, arrow,
                       kit::vgrad(arrow.boundingRect(), QColor(Qt::white), kit::icon_white),
                       kit::ink, 3.5);
}

} // namespace art

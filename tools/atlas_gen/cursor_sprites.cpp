#include "focus_sprites.h"

#include "paint_kit.h"

namespace art
{

void draw_cursor(QPainter& p)
{
    const QRectF cell(3, 3, 54, 54);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kit::ink, 7));
    p.drawPath(kit::rounded(cell, 8));
    p.setPen(QPen(QColor(Qt::white), 3.5));
    p.drawPath(kit::rounded(cell, 8));
}

void draw_cursor_arrow(QPainter& p)
{
    QPainterPath arrow;
    arrow.moveTo(46, 30);
    arrow.lineTo(28, 16);
    arrow.lineTo(28, 44);
    arrow.closeSubpath();
    kit::fill_outlined(p, arrow, QBrush(QColor(Qt::white)), kit::ink, 3);
}

} // namespace art

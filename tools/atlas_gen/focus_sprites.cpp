#include "focus_sprites.h"

#include "paint_kit.h"

namespace art
{

void draw_focus_frame(QPainter& p)
{
    // A gold rounded ring; its corners are kept and its edges stretched.
    const QRectF ring(4, 4, 52, 52);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kit::ink, 8));
    p.drawPath(kit::rounded(ring, 12));
    p.setPen(QPen(kit::gold, 4.5));
    p.drawPath(kit::rounded(ring, 12));
}

} // namespace art

#include "focus_sprites.h"

#include "paint_kit.h"

namespace art
{

void draw_focus_frame(QPainter& p)
{
    // The game stretches the middle third of each edge and keeps the 20-texel
    // corners, so every layer is a ring of constant width whose rounding
    // ends inside the corners, and no shading runs along an edge.
    const QRectF ring(6, 6, 48, 48);
    const double radius = 12;
    auto stroke = [&](const QColor& c, double width, const QRectF& r, double rad) {
        p.strokePath(kit::rounded(r, rad),
                     QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    };
    p.setBrush(Qt::NoBrush);
    // A soft dark halo first, so the frame reads over the bright sky too.
    stroke(kit::with_alpha(kit::ink, 90), 12, ring, radius);
    // The dark outline, then the gold band inside it.
    stroke(kit::ink, 10, ring, radius);
    stroke(kit::gold_dark, 6.5, ring, radius);
    stroke(kit::gold, 4.5, ring, radius);
    // A white line along the band's outer side: the frame's light edge.
    stroke(kit::icon_white, 1.6, ring.adjusted(-1.4, -1.4, 1.4, 1.4), radius + 1.4);
}

} // namespace art

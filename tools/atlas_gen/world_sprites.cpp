#include "world_sprites.h"

#include "colour_marks.h"
#include "paint_kit.h"

#include <QRadialGradient>
#include <QtMath>

#include <algorithm>

using namespace kit;

namespace art
{

namespace
{

// Foot lift and stride of the 6-frame walk: frame 0 is the standing pose
// and also the passing pose of the cycle, so both feet are planted there.
struct stride {
    double left_dx, left_lift, right_dx, right_lift, bob;
};

stride stride_of(int frame)
{
    if (frame == 0)
        return {0, 0, 0, 0, 0};
    const double phase = 2 * M_PI * frame / 6.0;
    const double s = std::sin(phase), co = std::cos(phase);
    // The body sinks 2 px while the feet are spread and rises when they pass.
    const double bob = std::abs(s) > 0.5 ? 2.0 : 0.0;
    return {6.5 * s, 3.5 * std::max(0.0, co), -6.5 * s, 3.5 * std::max(0.0, -co), bob};
}

void draw_foot(QPainter& p, const hue& h, double cx, double lift)
{
    const QRectF foot(cx - 8, 50.5 - lift, 16, 9);
    fill_outlined(p, rounded(foot, 4.5), vgrad(foot, h.base, mix(h.dark, h.outline, 0.3)),
                  h.outline, 2.0);
}

// The tile every square block starts from: dark rim, bevel (light top-left,
// dark bottom-right) and a softly graded face.
void bevelled_tile(QPainter& p, const QColor& rim, const QColor& bevel_light,
                   const QColor& bevel_dark, const QColor& face_top, const QColor& face_low,
                   double bevel)
{
    const QRectF outer(0, 0, 60, 60);
    p.fillPath(rounded(outer, 6), rim);
    const QRectF inner = outer.adjusted(2.5, 2.5, -2.5, -2.5);
    const QPainterPath inner_path = rounded(inner, 4);
    p.fillPath(inner_path, bevel_dark);
    QPainterPath top_left;
    top_left.addPolygon(
        QPolygonF({inner.topLeft(), inner.topRight(), QPointF(inner.right() - 28, inner.top() + 28),
                   QPointF(inner.left() + 28, inner.bottom() - 28), inner.bottomLeft()}));
    p.fillPath(inner_path.intersected(top_left), bevel_light);
    const QRectF face = inner.adjusted(bevel, bevel, -bevel, -bevel);
    p.fillPath(rounded(face, 3), vgrad(face, face_top, face_low));
}

QPainterPath cloud_shape()
{
    QPainterPath puff;
    puff.setFillRule(Qt::WindingFill);
    puff.addEllipse(QPointF(18, 34), 10.5, 10.5);
    puff.addEllipse(QPointF(30, 26), 14, 14);
    puff.addEllipse(QPointF(42.5, 32), 11, 11);
    puff.addRoundedRect(QRectF(8, 31, 44, 16), 8, 8);
    return puff.simplified();
}

} // namespace

void draw_character(QPainter& p, int c, int frame)
{
    const hue h = hue_of(c);
    const stride st = stride_of(frame);
    const double y = st.bob; // every body part moves with the bob

    // Feet first, so the body overlaps them.
    draw_foot(p, h, 21 + st.left_dx, st.left_lift);
    draw_foot(p, h, 39 + st.right_dx, st.right_lift);

    // A little curl of hair on top, tilting with the step.
    QPainterPath curl;
    curl.moveTo(29, 10 + y);
    curl.cubicTo(27, 4 + y, 31, 1.5 + y, 35, 3.5 + y);
    p.strokePath(curl, QPen(h.outline, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(curl, QPen(h.base, 2.0, Qt::SolidLine, Qt::RoundCap));

    const QRectF body(6.5, 7 + y, 47, 43);
    QPainterPath body_path;
    body_path.addEllipse(body);
    fill_outlined(p, body_path, vgrad3(body, h.light, h.base, h.dark), h.outline, 2.6);
    top_left_highlight(p, body_path, 3.0, 150);
    p.save();
    p.translate(17, 16 + y);
    p.rotate(-30);
    gloss(p, QRectF(-6, -3.5, 12, 7), 190);
    p.restore();

    // Eyes look right: the creature faces the way it usually walks.
    for (double ex : {34.0, 46.0}) {
        const QRectF eye(ex - 5, 19 + y, 10, 13);
        fill_outlined(p, rounded(eye, 5), QColor(0xFF, 0xFF, 0xFF), ink, 1.6);
        const QRectF pupil(ex - 0.5, 22 + y, 5, 7.5);
        p.fillPath(rounded(pupil, 2.5), ink);
        p.fillRect(QRectF(ex + 0.5, 23 + y, 1.8, 1.8), QColor(255, 255, 255, 230));
    }
    // The colour's mark on the belly, clear of the face; raised and light,
    // since the body darkens towards the bottom.
    raise_colour_mark(p, c, QPointF(22, 33 + y), 16, mix(h.light, Qt::white, 0.15));
    // Cheek and smile.
    const QColor blush = c == 1 ? QColor(0xFF, 0xB0, 0xA0, 150) : QColor(0xFF, 0x8A, 0x8A, 110);
    QPainterPath cheek;
    cheek.addEllipse(QRectF(30.5, 34 + y, 5.5, 3.5));
    p.fillPath(cheek, blush);
    QPainterPath smile;
    smile.moveTo(37, 37 + y);
    smile.quadTo(41.5, 41.5 + y, 46, 36.5 + y);
    p.strokePath(smile, QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
}

void draw_plain_block(QPainter& p, int c)
{
    const hue h = hue_of(c);
    bevelled_tile(p, h.outline, mix(h.light, Qt::white, 0.25), h.dark, mix(h.base, h.light, 0.45),
                  mix(h.base, h.dark, 0.25), 5.5);
    const QRectF face(8, 8, 44, 44);
    top_left_highlight(p, rounded(face, 3), 1.5, 110);
    // A small sheen in the corner, the solid tile's only ornament.
    gloss(p, QRectF(11, 10.5, 14, 6), 110);
    press_colour_mark(p, c, QPointF(30, 30.5), 28, mix(h.dark, h.outline, 0.5));
}

void draw_expendable_block(QPainter& p, int c)
{
    const hue h = hue_of(c);
    const QColor pastel = mix(h.base, Qt::white, c == 0 ? 0.15 : 0.42);
    const QRectF tile(1, 1, 58, 58);
    const QPainterPath tile_path = rounded(tile, 5);
    p.fillPath(tile_path, vgrad(tile, mix(pastel, Qt::white, 0.2), pastel));

    // Bricks: a lighter-weight pattern than the solid tile.
    p.save();
    p.setClipPath(tile_path);
    const QColor mortar = with_alpha(mix(h.dark, h.outline, 0.3), 120);
    p.setPen(QPen(mortar, 1.4, Qt::SolidLine, Qt::FlatCap));
    for (int row = 0; row < 5; ++row) {
        const double top = 1 + row * 11.6;
        if (row > 0)
            p.drawLine(QLineF(1, top, 59, top));
        const double offset = (row % 2 == 0) ? 10 : 24;
        for (double x = offset; x < 59; x += 28)
            p.drawLine(QLineF(x, top, x, top + 11.6));
        // A highlight under each mortar line gives the bricks a little depth.
        p.fillRect(QRectF(1, top + 0.8, 58, 1.2), QColor(255, 255, 255, 70));
    }
    p.restore();
    press_colour_mark(p, c, QPointF(30, 30), 30, mix(h.dark, h.outline, 0.2));

    // The dashed inner border says "drawn, not solid".
    QPen dash(with_alpha(h.outline, 220), 2.0, Qt::CustomDashLine, Qt::RoundCap);
    dash.setDashPattern({2.2, 2.0});
    p.strokePath(rounded(tile.adjusted(5, 5, -5, -5), 3), dash);
    p.strokePath(tile_path, QPen(mix(h.outline, h.base, 0.25), 1.8));
}

void draw_falling_block(QPainter& p, int c)
{
    const hue h = hue_of(c);
    const QColor deep = mix(h.dark, Qt::black, c == 0 ? 0.18 : 0.3);
    bevelled_tile(p, mix(h.outline, Qt::black, 0.35), h.base, mix(deep, Qt::black, 0.3),
                  mix(h.dark, h.base, 0.3), deep, 4.5);
    // Steel corner plates with rivets: it is heavy.
    const QColor steel(0xD6, 0xD8, 0xDC), steel_dark(0x55, 0x5A, 0x63);
    for (int corner = 0; corner < 4; ++corner) {
        const double cx = (corner % 2 == 0) ? 11.5 : 48.5;
        const double cy = (corner / 2 == 0) ? 11.5 : 48.5;
        QPainterPath rivet;
        rivet.addEllipse(QPointF(cx, cy), 3.2, 3.2);
        fill_outlined(p, rivet, vgrad(rivet.boundingRect(), Qt::white, steel), steel_dark, 1.3);
    }
    // A big down arrow, its shaft broad enough to carry the colour's mark.
    QPainterPath arrow;
    arrow.addPolygon(
        QPolygonF({QPointF(18.5, 8.5), QPointF(41.5, 8.5), QPointF(41.5, 30), QPointF(50, 30),
                   QPointF(30, 50), QPointF(10, 30), QPointF(18.5, 30)}));
    arrow.closeSubpath();
    const QColor arrow_fill = c == 0 ? QColor(0xFF, 0xFF, 0xFF) : mix(h.light, Qt::white, 0.55);
    p.fillPath(arrow.translated(0, 2), QColor(0, 0, 0, 70));
    fill_outlined(p, arrow, vgrad(arrow.boundingRect(), Qt::white, arrow_fill),
                  mix(h.outline, Qt::black, 0.3), 2.2);
    // Weight bar under the arrow.
    const QRectF bar(14, 51.5, 32, 3.5);
    p.fillPath(rounded(bar, 1.5), with_alpha(arrow_fill, 200));
    press_colour_mark(p, c, QPointF(30, 25), 21, mix(h.dark, h.outline, 0.3));
}

void draw_cloud(QPainter& p, int c)
{
    const hue h = hue_of(c);
    // A faint tile so the cloud's extent reads as one block.
    const QRectF base(1.5, 1.5, 57, 57);
    const QColor base_fill = c == 0 ? QColor(0x9A, 0x9A, 0x90, 45) : with_alpha(h.base, 48);
    p.fillPath(rounded(base, 9), base_fill);
    QPen base_pen(with_alpha(h.outline, 110), 1.5, Qt::CustomDashLine, Qt::RoundCap);
    base_pen.setDashPattern({3, 2.5});
    p.strokePath(rounded(base, 9), base_pen);

    const QPainterPath puff = cloud_shape();
    const QRectF box = puff.boundingRect();
    p.fillPath(puff.translated(0, 2), QColor(0, 0, 0, 40));
    const QColor top = mix(h.light, Qt::white, c == 0 ? 0.6 : 0.55);
    fill_outlined(p, puff, vgrad3(box, top, mix(h.light, h.base, 0.35), h.base), h.outline, 2.4);
    top_left_highlight(p, puff, 2.5, 170);
    gloss(p, QRectF(20, 16.5, 12, 5), 170);
    press_colour_mark(p, c, QPointF(30, 33.5), 21, mix(h.dark, h.outline, 0.4));
}

void draw_spikes(QPainter& p, int c)
{
    const hue h = hue_of(c);
    const QColor edge = c == 0 ? mix(h.outline, Qt::black, 0.2) : h.outline;
    for (int i = 0; i < 4; ++i) {
        const double left = 2 + i * 14;
        QPainterPath spike;
        spike.addPolygon(
            QPolygonF({QPointF(left, 47), QPointF(left + 7, 7), QPointF(left + 14, 47)}));
        spike.closeSubpath();
        fill_outlined(p, spike, vgrad(spike.boundingRect(), mix(h.light, Qt::white, 0.3), h.base),
                      edge, 2.0);
        // The right face in shadow: the spikes are sharp pyramids.
        QPainterPath shade;
        shade.addPolygon(
            QPolygonF({QPointF(left + 7, 9), QPointF(left + 12.8, 46), QPointF(left + 7, 46)}));
        p.fillPath(shade, with_alpha(h.dark, c == 0 ? 120 : 150));
        p.strokePath(spike, QPen(edge, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillRect(QRectF(left + 5.8, 11, 1.4, 9), QColor(255, 255, 255, 180));
    }
    // The stone base holds them.
    const QRectF slab(1, 44, 58, 14);
    fill_outlined(p, rounded(slab, 3),
                  vgrad(slab, mix(stone, Qt::white, 0.2), stone_dark.lighter(130)), stone_dark,
                  2.0);
    p.fillRect(QRectF(4, 46.5, 52, 1.5), QColor(255, 255, 255, 90));
    for (double x : {15.0, 31.0, 47.0})
        p.fillRect(QRectF(x, 50, 1.2, 7), with_alpha(stone_dark, 110));
    if (c == 0)
        return;
    // The colour's mark on a stone tablet raised from the base, in front of
    // the middle spikes: the spikes themselves are too thin to carry it.
    const QRectF tablet(15.5, 30, 29, 28);
    fill_outlined(p, rounded(tablet, 5), vgrad(tablet, mix(stone, Qt::white, 0.45), stone),
                  stone_dark, 2.0);
    top_left_highlight(p, rounded(tablet, 5), 1.5, 170);
    press_colour_mark(p, c, QPointF(30, 44), 19, mix(h.dark, h.outline, 0.3));
}

void draw_bomb(QPainter& p, int c, int frame)
{
    const hue h = hue_of(c);
    const QPointF centre(27, 37);
    const double radius = 19.5;
    // The last two frames flash: the body goes pale and glows.
    const double flash = frame == 8 ? 0.7 : (frame == 7 ? 0.45 : 0.0);
    if (flash > 0) {
        QRadialGradient glow(centre, radius + 9);
        glow.setColorAt(0.6, QColor(255, 232, 140, frame == 8 ? 235 : 190));
        glow.setColorAt(1.0, QColor(255, 232, 140, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, radius + 9, radius + 9);
    }

    // The fuse: a curve from the cap up to the top right, burning down.
    QPainterPath fuse;
    fuse.moveTo(41, 20);
    fuse.cubicTo(45, 12, 48, 11, 50, 8);
    fuse.cubicTo(51.5, 5.5, 53, 5, 54, 6);
    const double left = 1.0 - frame / 9.0; // share of the fuse not yet burnt
    QPainterPath burning;
    burning.moveTo(fuse.pointAtPercent(0));
    for (int i = 1; i <= 24; ++i)
        burning.lineTo(fuse.pointAtPercent(left * i / 24.0));
    p.strokePath(burning, QPen(QColor(0x4A, 0x36, 0x24), 4.2, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(burning, QPen(QColor(0xB0, 0x8A, 0x5C), 2.0, Qt::SolidLine, Qt::RoundCap));

    QPainterPath body;
    body.addEllipse(centre, radius, radius);
    QRadialGradient shade(centre + QPointF(-7, -8), radius * 1.6);
    shade.setColorAt(0.0, mix(h.light, Qt::white, 0.3 + flash * 0.5));
    shade.setColorAt(0.45, mix(h.base, Qt::white, flash));
    shade.setColorAt(1.0, mix(h.dark, Qt::white, flash * 0.8));
    fill_outlined(p, body, shade, h.outline, 2.6);
    top_left_highlight(p, body, 3, 120);
    p.save();
    p.translate(19, 28);
    p.rotate(-40);
    gloss(p, QRectF(-7, -4, 14, 8), 200);
    p.restore();
    // The mark pales with the body, but stays darker than it.
    press_colour_mark(p, c, QPointF(27.5, 42), 20,
                      mix(mix(h.dark, h.outline, 0.4), Qt::white, flash * 0.25));

    // Metal cap where the fuse enters.
    p.save();
    p.translate(39.5, 22);
    p.rotate(40);
    const QRectF cap(-6, -4.5, 12, 9);
    fill_outlined(p, rounded(cap, 2),
                  vgrad(cap, QColor(0xE3, 0xE5, 0xEA), QColor(0x7C, 0x82, 0x8D)), ink, 1.6);
    p.restore();

    // The spark at the burning end.
    const QPointF tip = fuse.pointAtPercent(left);
    p.fillPath(star(tip, 6.5, 2.6, 8), with_alpha(QColor(0xFF, 0x9A, 0x1F), 230));
    p.fillPath(star(tip, 5.0, 2.2, 8), gold);
    QPainterPath core;
    core.addEllipse(tip, 2.0, 2.0);
    p.fillPath(core, Qt::white);
}

void draw_entrance_closed(QPainter& p)
{
    // Same frame as the top of the exit portal, closed by a wooden double door.
    const QPainterPath frame = arch(QRectF(6, 4, 108, 60), 40);
    fill_outlined(p, frame, vgrad(QRectF(6, 4, 108, 56), mix(stone, Qt::white, 0.35), stone),
                  stone_dark, 2.5);
    top_left_highlight(p, frame, 2.5, 150);
    const QRectF opening(18, 15, 84, 49);
    const QPainterPath door = arch(opening, 30);
    const QColor wood_light(0xB0, 0x74, 0x42), wood_dark(0x6B, 0x40, 0x22);
    fill_outlined(p, door, vgrad(opening, wood_light, wood_dark), QColor(0x3E, 0x25, 0x14), 2.2);
    p.save();
    p.setClipPath(door);
    for (double x = 28.5; x < 102; x += 10.5) {
        if (std::abs(x - 60) < 1)
            continue;
        p.fillRect(QRectF(x, 15, 1.3, 46), QColor(0x4A, 0x2B, 0x16, 120));
    }
    // Iron bands with rivets.
    for (double band : {29.0, 47.0}) {
        p.fillRect(QRectF(18, band, 84, 4), QColor(0x3A, 0x36, 0x33));
        p.fillRect(QRectF(18, band, 84, 1), QColor(255, 255, 255, 60));
        for (double x = 23; x < 100; x += 12)
            p.fillRect(QRectF(x, band + 1.3, 1.6, 1.6), QColor(0xB8, 0xB0, 0xA0));
    }
    p.restore();
    p.fillRect(QRectF(59, 16, 2, 46), QColor(0x2E, 0x1B, 0x0E));
    for (double kx : {55.0, 65.0}) {
        QPainterPath knob;
        knob.addEllipse(QPointF(kx, 40), 2.6, 2.6);
        fill_outlined(p, knob, gold, gold_dark, 1.2);
    }
    // Keystone.
    QPainterPath key;
    key.addPolygon(QPolygonF({QPointF(53, 3), QPointF(67, 3), QPointF(65, 15), QPointF(55, 15)}));
    key.closeSubpath();
    fill_outlined(p, key, vgrad(key.boundingRect(), Qt::white, stone), stone_dark, 1.8);
}

void draw_exit_portal(QPainter& p, int c)
{
    const hue h = hue_of(c);
    const QColor glow_colour = c == 0 ? QColor(0xFF, 0xF4, 0xC8) : h.light;

    // Halo: the portal glows in its colour (fades out before the cell corners).
    QRadialGradient halo(QPointF(60, 62), 57);
    halo.setColorAt(0.55, with_alpha(glow_colour, 150));
    halo.setColorAt(1.0, with_alpha(glow_colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(60, 62), 57, 57);

    const QPainterPath frame = arch(QRectF(6, 4, 108, 108), 40);
    fill_outlined(p, frame,
                  vgrad(QRectF(6, 4, 108, 108), mix(stone, Qt::white, 0.35), stone.darker(112)),
                  stone_dark, 2.5);
    top_left_highlight(p, frame, 2.5, 150);
    // Stone joints on the jambs.
    for (double jy : {70.0, 90.0}) {
        p.fillRect(QRectF(7.5, jy, 10, 1.4), with_alpha(stone_dark, 120));
        p.fillRect(QRectF(102.5, jy, 10, 1.4), with_alpha(stone_dark, 120));
    }

    const QRectF opening(18, 15, 84, 97);
    const QPainterPath inside = arch(opening, 30);
    QRadialGradient swirl_fill(QPointF(60, 52), 62);
    swirl_fill.setColorAt(0.0, Qt::white);
    swirl_fill.setColorAt(0.3, mix(h.light, Qt::white, 0.55));
    swirl_fill.setColorAt(0.7, c == 0 ? QColor(0xDA, 0xDA, 0xD2) : h.base);
    swirl_fill.setColorAt(1.0, c == 0 ? QColor(0xAE, 0xAE, 0xA4) : h.dark);
    fill_outlined(p, inside, swirl_fill, h.outline, 2.5);

    p.save();
    p.setClipPath(inside);
    // A spiral of light turning into the portal.
    QPainterPath spiral;
    for (int i = 0; i <= 160; ++i) {
        const double t = i / 160.0;
        const double angle = t * 4.2 * M_PI;
        const double r = 4 + 48 * t;
        const QPointF pt(60 + r * std::cos(angle), 62 + r * 1.15 * std::sin(angle));
        if (i == 0)
            spiral.moveTo(pt);
        else
            spiral.lineTo(pt);
    }
    p.strokePath(spiral, QPen(QColor(255, 255, 255, 95), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(spiral.translated(0, 1.5), QPen(with_alpha(h.dark, 60), 1.5));
    p.restore();
    for (const QPointF& s : {QPointF(33, 72), QPointF(86, 60), QPointF(78, 94), QPointF(40, 98)})
        p.fillPath(star(s, 4.5, 1.2, 4), QColor(255, 255, 255, 220));
    press_colour_mark(p, c, QPointF(60, 77), 44, mix(h.dark, h.outline, 0.4));

    // The gold star of a way out (and, in the white portal, of a passed level).
    const QPainterPath gold_star = star(QPointF(60, 37), 14, 6);
    p.fillPath(gold_star.translated(0, 1.5), QColor(0, 0, 0, 60));
    fill_outlined(p, gold_star, vgrad(gold_star.boundingRect(), QColor(0xFF, 0xEC, 0x8A), gold),
                  gold_dark, 2.0);
    top_left_highlight(p, gold_star, 1.5, 200);

    // Keystone and doorstep.
    QPainterPath key;
    key.addPolygon(QPolygonF({QPointF(53, 3), QPointF(67, 3), QPointF(65, 15), QPointF(55, 15)}));
    key.closeSubpath();
    fill_outlined(p, key, vgrad(key.boundingRect(), Qt::white, stone), stone_dark, 1.8);
    const QRectF step(3, 106, 114, 11);
    fill_outlined(p, rounded(step, 3), vgrad(step, mix(stone, Qt::white, 0.3), stone.darker(125)),
                  stone_dark, 2.0);
    p.fillRect(QRectF(6, 108.5, 108, 1.3), QColor(255, 255, 255, 110));
}

} // namespace art

#include "ui_sprites.h"

#include "atlas_table.h"
#include "catalogue.h"
#include "colour_marks.h"
#include "paint_kit.h"
#include "world_sprites.h"

#include <QtMath>

#include <algorithm>

using namespace kit;

namespace art
{

namespace
{

const QColor hud_ring(0x75, 0x80, 0x94);
const QRectF hud_badge(3, 3, 54, 54);

QPainterPath polygon(const QPolygonF& points)
{
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

QPainterPath line(QPointF a, QPointF b, double width)
{
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    return stroke_of(path, width);
}

QPainterPath circle(QPointF centre, double radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

// A polygon with its corners rounded off, for bold friendly glyphs.
QPainterPath soft(const QPainterPath& shape, double rounding)
{
    return shape.united(stroke_of(shape, rounding));
}

// Glyph k's text: digits, letters, the blank, then the punctuation.
QString glyph_text(int k)
{
    if (k > atlas::blank_glyph)
        return QString(QChar("/:-"[k - atlas::glyph_count]));
    return k < 10 ? QString(QChar('0' + k)) : QString(QChar('A' + k - 10));
}

// Squeezes a glyph's outline upright so that it fits a cell whose baseline
// is fixed: what stands above the capitals (accents) and below the baseline
// (a cedilla, a comma's tail) gets the room left, and a capital wearing an
// accent gives up a little of its height. y is 0 on the baseline.
QPainterPath fit_height(QPainterPath path, double cap, double room_above, double room_below)
{
    const QRectF box = path.boundingRect();
    const double above = -box.top(), below = box.bottom();
    double body = 1, over = 1, under = 1;
    if (above > room_above) {
        body = 0.92;
        over = std::min(1.0, (room_above - cap * body) / (above - cap));
    }
    if (below > room_below)
        under = room_below / below;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const double y = e.y < -cap ? -cap * body + (e.y + cap) * over
                         : e.y < 0  ? e.y * body
                                    : e.y * under;
        path.setElementPositionAt(i, e.x, y);
    }
    return path;
}

// The outline of a character of the font's second part at pixel size px.
// The Spanish opening marks are "!" and "?" turned, so that they match them.
QPainterPath latin_path(char32_t ch, double px)
{
    if (ch == U'\u00A1' || ch == U'\u00BF') {
        const QPainterPath upright = text_path(ch == U'\u00A1' ? "!" : "?", px);
        const QPointF centre = upright.boundingRect().center();
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(180);
        turn.translate(-centre.x(), -centre.y());
        return turn.map(upright);
    }
    // The typographer's apostrophe: the straight one reads as a tick.
    if (ch == U'\'')
        return text_path(QString(QChar(0x2019)), px);
    return text_path(QString::fromUcs4(&ch, 1), px);
}

} // namespace

void draw_back_icon(QPainter& p)
{
    badge(p, hud_badge, 12, hud_ring);
    const QPainterPath arrow =
        polygon({QPointF(13, 30), QPointF(28.5, 15), QPointF(28.5, 24.5), QPointF(46, 24.5),
                 QPointF(46, 35.5), QPointF(28.5, 35.5), QPointF(28.5, 45)});
    badge_glyph(p, soft(arrow, 4), icon_white);
}

void draw_zoom_icon(QPainter& p, bool zoom_in)
{
    badge(p, hud_badge, 12, hud_ring);
    const QPointF lens(26, 26);
    p.fillPath(circle(lens, 10), QColor(0xB8, 0xD8, 0xFF, 60));
    QPainterPath glyph = stroke_of(circle(lens, 11.5), 5.5);
    glyph = glyph.united(line(QPointF(35, 35), QPointF(45.5, 45.5), 8.5));
    glyph = glyph.united(line(QPointF(20.5, 26), QPointF(31.5, 26), 4.2));
    if (zoom_in)
        glyph = glyph.united(line(QPointF(26, 20.5), QPointF(26, 31.5), 4.2));
    badge_glyph(p, glyph, icon_white);
}

void draw_steer_icon(QPainter& p)
{
    badge(p, hud_badge, 12, hud_ring);
    QPainterPath glyph = soft(rounded(QRectF(16, 41, 28, 7), 3.5), 2);
    glyph = glyph.united(line(QPointF(30, 42), QPointF(30, 26), 5));
    // Small arrows: the stick steers left and right.
    glyph = glyph.united(soft(polygon({QPointF(9, 26), QPointF(15, 21), QPointF(15, 31)}), 1.5));
    glyph = glyph.united(soft(polygon({QPointF(51, 26), QPointF(45, 21), QPointF(45, 31)}), 1.5));
    badge_glyph(p, glyph, icon_white);
    const hue red = hue_of(1);
    const QPainterPath ball = circle(QPointF(30, 20), 8);
    fill_outlined(p, ball, vgrad(ball.boundingRect(), red.light, red.dark), ink, 1.6);
    gloss(p, QRectF(25, 14.5, 6, 4), 200);
}

void draw_scroll_icon(QPainter& p)
{
    badge(p, hud_badge, 12, hud_ring);
    QPainterPath glyph = line(QPointF(30, 16), QPointF(30, 44), 4.5);
    glyph = glyph.united(line(QPointF(16, 30), QPointF(44, 30), 4.5));
    const QPolygonF head({QPointF(0, -20), QPointF(-7.5, -11.5), QPointF(7.5, -11.5)}); // points up
    for (int quarter = 0; quarter < 4; ++quarter) {
        QTransform turn;
        turn.translate(30, 30);
        turn.rotate(90 * quarter);
        glyph = glyph.united(soft(polygon(turn.map(head)), 2));
    }
    glyph = glyph.united(circle(QPointF(30, 30), 5.5));
    badge_glyph(p, glyph, icon_white);
}

void draw_open_door_icon(QPainter& p)
{
    badge(p, hud_badge, 12, hud_ring);
    // Warm light through the open doorway.
    const QRectF doorway(21, 12, 22, 36);
    p.fillRect(doorway, vgrad(doorway, QColor(0xFF, 0xF2, 0xB0), gold));
    QPainterPath frame;
    frame.moveTo(21, 48);
    frame.lineTo(21, 12);
    frame.lineTo(43, 12);
    frame.lineTo(43, 48);
    QPainterPath glyph = stroke_of(frame, 3.5);
    glyph = glyph.united(line(QPointF(9, 48.5), QPointF(51, 48.5), 3.5));
    // The door leaf swung open towards us.
    glyph = glyph.united(
        soft(polygon({QPointF(21, 12), QPointF(11, 16.5), QPointF(11, 51), QPointF(21, 48)}), 1.5));
    badge_glyph(p, glyph, icon_white);
    p.fillPath(circle(QPointF(14.5, 33), 1.8), ink);
}

void draw_brush_icon(QPainter& p)
{
    badge(p, hud_badge, 12, hud_ring);
    // Drawn along the x axis, then laid diagonally: tip at the bottom left.
    QTransform lay;
    lay.translate(31, 29);
    lay.rotate(-45);
    const hue blue = hue_of(3);
    // A stroke of paint under the tip.
    QPainterPath paint;
    paint.moveTo(9, 50);
    paint.cubicTo(15, 44, 20, 53, 28, 47);
    p.strokePath(paint, QPen(blue.base, 4, Qt::SolidLine, Qt::RoundCap));
    badge_glyph(p, lay.map(soft(QPainterPath(rounded(QRectF(3, -3.5, 22, 7), 3.5)), 1)),
                icon_white);
    const QPainterPath ferrule = lay.map(rounded(QRectF(-5, -5, 9, 10), 1.5));
    fill_outlined(p, ferrule,
                  vgrad(ferrule.boundingRect(), QColor(0xE6, 0xE8, 0xEE), QColor(0x8A, 0x90, 0x9C)),
                  ink, 1.4);
    QPainterPath tuft;
    tuft.moveTo(-5, -5.5);
    tuft.cubicTo(-14, -6, -18, -2, -22, 0);
    tuft.cubicTo(-18, 2, -14, 6, -5, 5.5);
    tuft.closeSubpath();
    const QPainterPath bristles = lay.map(tuft);
    fill_outlined(p, bristles, vgrad(bristles.boundingRect(), blue.light, blue.dark), ink, 1.4);
}

void draw_rewind_icon(QPainter& p)
{
    badge(p, hud_badge, 12, hud_ring);
    // A clock face whose rim runs backwards: an open ring turning
    // anticlockwise into an arrowhead at the top left.
    const QPointF centre(31, 31);
    const double radius = 15;
    QPainterPath rim;
    rim.arcMoveTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 120);
    rim.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 120, -290);
    QPainterPath glyph = stroke_of(rim, 5);
    const QPointF tip = rim.pointAtPercent(0);
    // The head points along the way the ring turns at its start, anticlockwise.
    glyph = glyph.united(
        soft(polygon({QPointF(tip.x() - 10.5, tip.y() + 2.5), QPointF(tip.x() + 4, tip.y() - 7.5),
                      QPointF(tip.x() + 3.5, tip.y() + 8.5)}),
             1.5));
    // The hands, set back.
    glyph = glyph.united(line(centre, QPointF(centre.x(), centre.y() - 9), 3.5));
    glyph = glyph.united(line(centre, QPointF(centre.x() - 7, centre.y() + 3), 3.5));
    badge_glyph(p, glyph, icon_white);
    p.fillPath(circle(centre, 2.2), ink);
}

void draw_sound_icon(QPainter& p, bool on)
{
    badge(p, hud_badge, 12, hud_ring);
    // A loudspeaker: a box and its open cone, facing right.
    QPainterPath glyph = soft(polygon({QPointF(12, 24), QPointF(19, 24), QPointF(29, 15),
                                       QPointF(29, 45), QPointF(19, 36), QPointF(12, 36)}),
                              3);
    if (on) {
        // Two sound waves leaving it.
        for (const double radius : {7.0, 14.0}) {
            QPainterPath wave;
            const QRectF box(30 - radius, 30 - radius, 2 * radius, 2 * radius);
            wave.arcMoveTo(box, 45);
            wave.arcTo(box, 45, -90);
            glyph = glyph.united(stroke_of(wave, 4));
        }
    } else {
        // Crossed out: silence.
        glyph = glyph.united(line(QPointF(34, 23), QPointF(47, 37), 4.5));
        glyph = glyph.united(line(QPointF(34, 37), QPointF(47, 23), 4.5));
    }
    badge_glyph(p, glyph, icon_white);
}

void draw_switch_char_icon(QPainter& p, int c)
{
    const hue h = hue_of(c);
    badge(p, hud_badge, 12, c == 0 ? QColor(0xE8, 0xE8, 0xE0) : h.light);
    p.save();
    p.translate(6, 10);
    p.scale(0.58, 0.58);
    draw_character(p, c, 0);
    p.restore();
    // The colour's mark once more, raised and bold like the other icons'
    // glyphs: the character's own is too small at this size.
    const QPainterPath mark = colour_mark_path(c, QPointF(44, 17.5), 17);
    if (!mark.isEmpty())
        badge_glyph(p, mark, mix(h.light, Qt::white, 0.45));
    // A round arrow: press to switch to the next character.
    const QPointF centre(45.5, 45);
    fill_outlined(p, circle(centre, 8.5), QColor(0xFA, 0xFA, 0xF5), ink, 1.6);
    QPainterPath turn;
    turn.arcMoveTo(QRectF(centre.x() - 4.5, centre.y() - 4.5, 9, 9), 120);
    turn.arcTo(QRectF(centre.x() - 4.5, centre.y() - 4.5, 9, 9), 120, 250);
    p.strokePath(turn, QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.fillPath(polygon({QPointF(centre.x() - 5.8, centre.y() - 6.6),
                        QPointF(centre.x() - 0.6, centre.y() - 5.6),
                        QPointF(centre.x() - 4.6, centre.y() - 1.6)}),
               ink);
}

void draw_apply_icon(QPainter& p)
{
    badge(p, QRectF(5, 5, 110, 110), 24, hue_of(2).light);
    QPainterPath tick;
    tick.moveTo(31, 62);
    tick.lineTo(51, 82);
    tick.lineTo(90, 38);
    badge_glyph(p, stroke_of(tick, 16), QColor(0xC8, 0xF5, 0xC0));
}

void draw_play_icon(QPainter& p)
{
    badge(p, QRectF(5, 5, 112, 112), 28, hue_of(2).light);
    badge_glyph(p, soft(polygon({QPointF(48, 35), QPointF(48, 87), QPointF(91, 61)}), 10),
                icon_white);
}

void draw_help_icon(QPainter& p)
{
    badge(p, QRectF(5, 5, 112, 112), 28, hue_of(3).light);
    QPainterPath mark = text_path("?", 82);
    const QRectF box = mark.boundingRect();
    mark.translate(61 - box.center().x(), 61 - box.center().y());
    badge_glyph(p, soft(mark, 2), icon_white);
}

void draw_quit_icon(QPainter& p)
{
    badge(p, QRectF(5, 5, 112, 112), 28, hue_of(1).light);
    const QRectF ring(61 - 27, 64 - 27, 54, 54);
    QPainterPath arc;
    arc.arcMoveTo(ring, 125);
    arc.arcTo(ring, 125, 290);
    QPainterPath glyph = stroke_of(arc, 11);
    glyph = glyph.united(line(QPointF(61, 29), QPointF(61, 61), 11));
    badge_glyph(p, glyph, icon_white);
}

void draw_credits_icon(QPainter& p)
{
    badge(p, hud_badge, 12, gold);
    QPainterPath mark = text_path("i", 42);
    const QRectF box = mark.boundingRect();
    mark.translate(30 - box.center().x(), 30 - box.center().y());
    badge_glyph(p, soft(mark, 1.5), icon_white);
}

void draw_pencil_icon(QPainter& p)
{
    badge(p, hud_badge, 12, hud_ring);
    // A pencil lying from bottom left to top right, its point at the bottom
    // left where it writes.
    QTransform lay;
    lay.translate(30, 30);
    lay.rotate(-45);
    QPainterPath glyph = soft(polygon({QPointF(-9, -6), QPointF(17, -6), QPointF(17, 6),
                                       QPointF(-9, 6), QPointF(-19, 0)}),
                              1.5);
    // The eraser end, set apart by a groove.
    glyph = glyph.subtracted(
        polygon({QPointF(10, -7), QPointF(12, -7), QPointF(12, 7), QPointF(10, 7)}));
    badge_glyph(p, lay.map(glyph), icon_white);
    p.fillPath(lay.map(polygon({QPointF(-19, 0), QPointF(-14, -3), QPointF(-14, 3)})), ink);
}

void draw_gear_icon(QPainter& p)
{
    badge(p, hud_badge, 12, hud_ring);
    // Eight square-cut teeth round a ring with a round hole, the common
    // sign for settings.
    const QPointF centre(30, 30);
    QPainterPath gear = circle(centre, 14.5);
    for (int tooth = 0; tooth < 8; ++tooth) {
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(tooth * 45.0);
        QPainterPath t;
        t.addRoundedRect(QRectF(-4.2, -21, 8.4, 10), 1.5, 1.5);
        gear = gear.united(turn.map(t));
    }
    gear = gear.subtracted(circle(centre, 6));
    badge_glyph(p, gear, icon_white);
}

void draw_glyph(QPainter& p, int k)
{
    if (k < 0 || k == atlas::blank_glyph || k >= atlas::glyph_count + atlas::punctuation_count)
        return; // the blank glyph stays empty: a space must not show
    // One size and one baseline for every glyph, so words line up. The game
    // sets glyphs one cell apart, so they are drawn large and a little wide
    // to keep words from looking spaced out.
    const double px = 56, outline = 6.5, stretch = 1.18;
    QPainterPath path = text_path(glyph_text(k), px);
    const QRectF box = path.boundingRect();
    const double max_width = 60 - outline - 1;
    QTransform fit;
    fit.translate(30, 29.5 + cap_height(px) / 2);
    fit.scale(std::min(stretch, max_width / box.width()), 1);
    fit.translate(-box.center().x(), 0);
    path = fit.map(path);
    const QRectF area(0, 30 - cap_height(px) / 2, 60, cap_height(px));
    p.strokePath(path.translated(0, 2.2),
                 QPen(with_alpha(ink, 120), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(path, QPen(ink, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, vgrad3(area, Qt::white, QColor(0xFF, 0xFB, 0xEE), QColor(0xFF, 0xE0, 0x9A)));
}

void draw_latin_glyph(QPainter& p, const atlas::font_char& g)
{
    // The size, outline and stretch of draw_glyph, so both parts of the font
    // are one font; the baseline stays where it is there.
    const double px = 56, outline = 6.5, stretch = 1.18;
    const double cap = cap_height(px), baseline = 29.5 + cap / 2;
    QPainterPath path = fit_height(latin_path(g.ch, px), cap, baseline - outline / 2 - 0.5,
                                   60 - baseline - outline / 2);
    // An accented capital is as wide as its letter and stands where it does.
    const QString letter = QString::fromUcs4(&g.ch, 1).normalized(QString::NormalizationForm_D);
    const QRectF own = path.boundingRect();
    const QRectF base = letter.size() > 1 ? text_path(letter.left(1), px).boundingRect() : own;
    const double max_width = g.r.w - outline - 1;
    QTransform fit;
    fit.translate(g.r.w / 2.0, baseline);
    // A letter wider than its base (the slashed O) keeps a texel clear of
    // the cell's sides, which filtering reads with the neighbours.
    fit.scale(std::min({stretch, max_width / base.width(), (max_width - 2) / own.width()}), 1);
    fit.translate(-base.center().x(), 0);
    path = fit.map(path);
    const QRectF area(0, 30 - cap / 2, g.r.w, cap);
    p.strokePath(path.translated(0, 2.2),
                 QPen(with_alpha(ink, 120), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(path, QPen(ink, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, vgrad3(area, Qt::white, QColor(0xFF, 0xFB, 0xEE), QColor(0xFF, 0xE0, 0x9A)));
}

void draw_banner(QPainter& p, banner kind)
{
    struct look {
        QString text;
        QColor top, low;
    };
    const look l =
        kind == banner::paused   ? look{QString::fromStdString(cf_tr("banners", "LEVEL PAUSED")),
                                      QColor(0x5B, 0x82, 0xC9), QColor(0x2E, 0x4B, 0x8A)}
        : kind == banner::failed ? look{QString::fromStdString(cf_tr("banners", "LEVEL FAILED")),
                                        QColor(0xE8, 0x5A, 0x4E), QColor(0x9E, 0x27, 0x20)}
                                 : look{QString::fromStdString(cf_tr("banners", "LEVEL PASSED")),
                                        QColor(0x62, 0xC4, 0x5E), QColor(0x2C, 0x7D, 0x30)};
    const QRectF all(0, 0, 620, 60);
    // A dark plate behind the ribbon keeps the whole banner opaque.
    p.fillRect(all, vgrad(all, QColor(0x2C, 0x31, 0x3D), QColor(0x17, 0x1A, 0x21)));

    // Ribbon tails behind the front, notched at the ends.
    const QColor tail = l.low.darker(130);
    for (int side = 0; side < 2; ++side) {
        const double dir = side == 0 ? 1 : -1;
        const double edge = side == 0 ? 4 : 616;
        const QPainterPath t =
            polygon({QPointF(edge, 14), QPointF(edge + dir * 70, 14), QPointF(edge + dir * 70, 54),
                     QPointF(edge, 54), QPointF(edge + dir * 14, 34)});
        fill_outlined(p, t, vgrad(QRectF(0, 14, 10, 40), tail.lighter(115), tail), ink, 2);
        // The fold where the tail tucks under the front.
        p.fillPath(polygon({QPointF(edge + dir * 40, 50), QPointF(edge + dir * 56, 50),
                            QPointF(edge + dir * 56, 56)}),
                   ink);
    }
    const QRectF front(40, 5, 540, 45);
    fill_outlined(p, rounded(front, 4), vgrad3(front, l.top.lighter(112), l.top, l.low), ink, 2.2);
    p.fillRect(QRectF(43, 8, 534, 2), QColor(255, 255, 255, 90));
    QPen stitch(QColor(255, 255, 255, 130), 1.4, Qt::CustomDashLine, Qt::FlatCap);
    stitch.setDashPattern({3, 3});
    p.setPen(stitch);
    p.drawLine(QLineF(46, 12, 574, 12));
    p.drawLine(QLineF(46, 44, 574, 44));

    // A pictogram at both sides of the text: pause bars, a cross, a star.
    for (double cx : {84.0, 536.0}) {
        QPainterPath mark;
        if (kind == banner::paused) {
            mark = rounded(QRectF(cx - 9, 18, 6.5, 20), 2)
                       .united(rounded(QRectF(cx + 2.5, 18, 6.5, 20), 2));
            fill_outlined(p, mark, icon_white, ink, 2);
        } else if (kind == banner::failed) {
            mark = line(QPointF(cx - 8, 20), QPointF(cx + 8, 36), 5.5)
                       .united(line(QPointF(cx + 8, 20), QPointF(cx - 8, 36), 5.5));
            fill_outlined(p, mark, icon_white, ink, 2);
        } else {
            mark = star(QPointF(cx, 28.5), 13, 5.5);
            fill_outlined(p, mark, vgrad(mark.boundingRect(), QColor(0xFF, 0xEC, 0x8A), gold),
                          gold_dark, 2);
        }
    }
    const QRectF text_area(110, 5, 400, 45);
    outlined_text(p, text_area, l.text, 34, vgrad(text_area, Qt::white, QColor(0xFF, 0xF0, 0xC8)),
                  ink, 6);
}

} // namespace art

#include "hint_sprites.h"

#include "colour_marks.h"
#include "paint_kit.h"

namespace art
{

using namespace kit;

namespace
{

QPainterPath circle(const QPointF& c, double r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

} // namespace

namespace
{

// A light key cap, as on a keyboard: a pale top face on a darker skirt, so
// it reads over the sky and over dark blocks alike.
void draw_key_cap(QPainter& p, const QString& label)
{
    const QRectF skirt(4, 6, 114, 50);
    p.fillPath(rounded(skirt.translated(0, 2), 12), QColor(0, 0, 0, 70));
    fill_outlined(p, rounded(skirt, 12), vgrad(skirt, QColor(0xC9, 0xCB, 0xC4), stone_dark), ink,
                  2.5);
    const QRectF face(10, 9, 102, 38);
    const QPainterPath top = rounded(face, 9);
    fill_outlined(p, top, vgrad(face, QColor(0xFF, 0xFF, 0xFC), QColor(0xE2, 0xE3, 0xDC)),
                  with_alpha(ink, 140), 1.2);
    top_left_highlight(p, top, 1.5, 150);
    if (!label.isEmpty())
        outlined_text(p, face.adjusted(6, 1, -6, 1), label, 24, QBrush(ink),
                      QColor(0xFF, 0xFF, 0xFF, 0), 0.1);
}

} // namespace

void draw_prompt_key(QPainter& p)
{
    draw_key_cap(p, QStringLiteral("SPACE"));
}

// The game writes the name of a key the player bound on it.
void draw_prompt_key_blank(QPainter& p)
{
    draw_key_cap(p, QString());
}

// Four face buttons in their diamond; the left one, the door button, is lit
// gold and carries its letter.
void draw_prompt_pad(QPainter& p)
{
    const QPointF centre(30, 30);
    badge(p, QRectF(3, 3, 54, 54), 27, QColor(0x60, 0x64, 0x70));
    const QPointF ways[4] = {{0, -14}, {14, 0}, {0, 14}, {-14, 0}};
    for (int i = 0; i < 3; ++i)
        fill_outlined(
            p, circle(centre + ways[i], 6.5),
            vgrad(QRectF(0, 0, 60, 60), QColor(0x9A, 0x9E, 0xA8), QColor(0x5E, 0x62, 0x6C)), ink,
            1.5);
    const QPointF lit = centre + ways[3];
    const QRectF box(lit.x() - 10, lit.y() - 10, 20, 20);
    fill_outlined(p, circle(lit, 10), vgrad(box, QColor(0xFF, 0xF0, 0xA0), gold_dark), ink, 2.0);
    gloss(p, QRectF(lit.x() - 6, lit.y() - 8, 9, 5), 120);
    outlined_text(p, box.adjusted(1, 1, 1, 1), QStringLiteral("X"), 14, QBrush(ink),
                  QColor(0xFF, 0xFF, 0xFF, 0), 0.1);
}

// A bold chevron in the character's colour, pointing down at its head; the
// colour's mark is pressed into it so it also reads without the hue.
void draw_focus_marker(QPainter& p, int c)
{
    const hue h = hue_of(c);
    QPainterPath chevron;
    chevron.moveTo(6, 10);
    chevron.lineTo(30, 24);
    chevron.lineTo(54, 10);
    chevron.lineTo(54, 28);
    chevron.lineTo(30, 54);
    chevron.lineTo(6, 28);
    chevron.closeSubpath();
    const QPainterPath body = stroke_of(chevron, 4).united(chevron);
    p.fillPath(body.translated(0, 2), QColor(0, 0, 0, 70));
    fill_outlined(p, body, vgrad(body.boundingRect(), h.light, h.dark), h.outline, 3);
    top_left_highlight(p, body, 2, 140);
    press_colour_mark(p, c, QPointF(30, 34), 21, h.dark);
}

// A small white arrowhead with a dark outline at the cloud's leading edge,
// clear of the colour mark in its middle; reads on every cloud colour.
void draw_cloud_arrow(QPainter& p)
{
    QPainterPath arrow;
    arrow.moveTo(58, 30);
    arrow.lineTo(42, 16);
    arrow.lineTo(42, 24);
    arrow.lineTo(33, 24);
    arrow.lineTo(33, 36);
    arrow.lineTo(42, 36);
    arrow.lineTo(42, 44);
    arrow.closeSubpath();
    p.fillPath(arrow.translated(0, 1.5), QColor(0, 0, 0, 80));
    fill_outlined(p, arrow, vgrad(arrow.boundingRect(), QColor(Qt::white), icon_white), ink, 3);
}

// A lit plate a little larger than a button: only its rim shows around the
// dark badge, as a warm glow that says "this one is on".
void draw_mode_glow(QPainter& p)
{
    const QRectF plate(0.5, 0.5, 59, 59);
    p.fillPath(rounded(plate, 15), QColor(0xFF, 0xE0, 0x60, 110));
    const QRectF band(2.5, 2.5, 55, 55);
    fill_outlined(p, rounded(band, 13), vgrad(band, QColor(0xFF, 0xF0, 0xA8), gold), gold_dark,
                  2.5);
}

// Read at a glance, even a third of a block big: a round coin with a
// pressed star, hung on two ribbon tails so it is not taken for a bomb or a
// sun. The tails are dark, like the icon badges, since any game colour would
// say the door belongs to that colour.
void draw_par_mark(QPainter& p)
{
    for (int side : {-1, 1}) {
        QPainterPath tail;
        tail.addPolygon(QPolygonF({QPointF(30 + side * 3, 30), QPointF(30 + side * 15, 33),
                                   QPointF(30 + side * 17, 57), QPointF(30 + side * 11, 51),
                                   QPointF(30 + side * 5, 56)}));
        tail.closeSubpath();
        fill_outlined(p, tail, vgrad(tail.boundingRect(), badge_top, badge_low), ink, 2.0);
    }
    const QPointF centre(30, 24);
    const QRectF coin_box(centre.x() - 20, centre.y() - 20, 40, 40);
    const QPainterPath coin = circle(centre, 20);
    fill_outlined(p, coin, vgrad3(coin_box, QColor(0xFF, 0xF0, 0xA8), gold, gold_dark), ink, 2.5);
    top_left_highlight(p, coin, 2.5, 170);
    // The rim, then the star pressed into the face: its upper-left walls in
    // shadow, as every recess of the atlas.
    p.setPen(QPen(with_alpha(gold_dark, 200), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 14.5, 14.5);
    const QPainterPath pressed = star(centre, 11, 4.8);
    p.fillPath(pressed.translated(-1.0, -1.0), with_alpha(gold_dark, 230));
    p.fillPath(pressed.translated(0.8, 0.8), QColor(0xFF, 0xF6, 0xD0));
    p.fillPath(pressed, vgrad(pressed.boundingRect(), gold, QColor(0xFF, 0xE0, 0x70)));
    gloss(p, QRectF(centre.x() - 14, centre.y() - 17, 14, 7), 110);
}

} // namespace art

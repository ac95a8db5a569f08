#include "backgrounds.h"

#include "paint_kit.h"
#include "world_sprites.h"

#include <QRadialGradient>
#include <QtMath>

using namespace kit;

namespace art
{

namespace
{

// The menu sky runs over the three strips as one picture 480 px high, so
// the strips meet without a seam: each strip takes its slice of it.
QLinearGradient menu_sky(double strip_top)
{
    QLinearGradient g(QPointF(0, -strip_top), QPointF(0, 480 - strip_top));
    g.setColorAt(0.0, QColor(0x4C, 0x9B, 0xE2));
    g.setColorAt(235.0 / 480, QColor(0xA8, 0xD6, 0xF3));
    g.setColorAt(1.0, QColor(0xD8, 0xEF, 0xF8));
    return g;
}

void draw_hill(QPainter& p, double width, double base, double amp, double seed, double bottom,
               const QColor& top, const QColor& low)
{
    const QPainterPath h = hills(width, base, amp, seed, bottom);
    p.fillPath(h, vgrad(QRectF(0, base - amp, width, bottom - base + amp), top, low));
    // A light rim along the crest.
    QPainterPath crest;
    const QPolygonF poly = h.toFillPolygon();
    for (int i = 1; i + 2 < poly.size(); ++i)
        i == 1 ? crest.moveTo(poly[i]) : crest.lineTo(poly[i]);
    p.strokePath(crest, QPen(QColor(255, 255, 255, 60), 2.0));
}

} // namespace

void draw_sky_cloud(QPainter& p, const QPointF& foot, double width, int alpha)
{
    const double u = width / 100.0;
    QPainterPath puff;
    puff.setFillRule(Qt::WindingFill);
    puff.addEllipse(foot + QPointF(-28 * u, -14 * u), 20 * u, 14 * u);
    puff.addEllipse(foot + QPointF(-2 * u, -24 * u), 26 * u, 22 * u);
    puff.addEllipse(foot + QPointF(26 * u, -15 * u), 20 * u, 15 * u);
    puff.addRoundedRect(QRectF(foot.x() - 48 * u, foot.y() - 16 * u, 96 * u, 16 * u), 8 * u, 8 * u);
    puff = puff.simplified();
    const QRectF box = puff.boundingRect();
    p.fillPath(puff, vgrad(box, QColor(255, 255, 255, alpha), QColor(0xE4, 0xEE, 0xF6, alpha)));
    p.strokePath(puff, QPen(QColor(0xB9, 0xCC, 0xDD, alpha * 3 / 4), std::max(1.0, 1.6 * u)));
}

void draw_title(QPainter& p, const QPointF& centre, double px)
{
    const QString title = "CRUMBLEFORD";
    const double total = text_width(title, px);
    const double baseline = centre.y() + cap_height(px) / 2;
    const double outline = px * 0.12;
    double x = centre.x() - total / 2;
    for (int i = 0; i < title.size(); ++i) {
        const QString letter = title.mid(i, 1);
        // Letters bounce a little and take the four colours in turn.
        const double bounce = (i % 2 == 0 ? -1 : 1) * px * 0.035;
        const QPainterPath glyph = text_path(letter, px).translated(x, baseline + bounce);
        const int c = (i + 1) % 4;
        const hue h = hue_of(c);
        const QRectF box = glyph.boundingRect();
        const QPen pen(ink, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.strokePath(
            glyph.translated(0, outline * 0.45),
            QPen(with_alpha(ink, 120), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.strokePath(glyph, pen);
        p.fillPath(glyph, vgrad3(box, mix(h.light, Qt::white, 0.35), h.base,
                                 c == 0 ? h.dark : mix(h.base, h.dark, 0.6)));
        // Shine on the upper part of each letter.
        QPainterPath upper;
        upper.addRect(QRectF(box.left(), box.top(), box.width(), box.height() * 0.38));
        p.fillPath(glyph.intersected(upper), QColor(255, 255, 255, 70));
        x += text_width(title.left(i + 1), px) - text_width(title.left(i), px);
    }
}

void draw_level_background(QPainter& p)
{
    // Calm and low in contrast, so the blocks stand out in front of it.
    const QRectF all(0, 0, 800, 480);
    QLinearGradient sky = vgrad(all, QColor(0xB3, 0xD2, 0xE8), QColor(0xE4, 0xEE, 0xE6));
    sky.setColorAt(0.6, QColor(0xD9, 0xE9, 0xEE));
    p.fillRect(all, sky);
    QRadialGradient sun(QPointF(640, 90), 170);
    sun.setColorAt(0.0, QColor(255, 252, 235, 120));
    sun.setColorAt(1.0, QColor(255, 252, 235, 0));
    p.fillRect(all, sun);
    draw_sky_cloud(p, QPointF(140, 100), 120, 90);
    draw_sky_cloud(p, QPointF(430, 70), 90, 80);
    draw_sky_cloud(p, QPointF(700, 190), 110, 80);
    draw_sky_cloud(p, QPointF(290, 210), 70, 70);
    draw_hill(p, 800, 305, 30, 0.7, 481, QColor(0xC6, 0xDB, 0xD2), QColor(0xBC, 0xD4, 0xC6));
    draw_hill(p, 800, 365, 24, 2.9, 481, QColor(0xB9, 0xD4, 0xBC), QColor(0xAE, 0xCB, 0xB0));
    draw_hill(p, 800, 425, 16, 5.3, 481, QColor(0xAC, 0xCB, 0xA9), QColor(0xA0, 0xC2, 0x9E));
}

void draw_menu_sky(QPainter& p)
{
    const QRectF all(0, 0, 800, 193);
    p.fillRect(all, menu_sky(0));
    QRadialGradient glow(QPointF(735, 42), 80);
    glow.setColorAt(0.0, QColor(255, 246, 200, 200));
    glow.setColorAt(1.0, QColor(255, 246, 200, 0));
    p.fillRect(QRectF(600, 0, 200, 140), glow);
    QPainterPath sun;
    sun.addEllipse(QPointF(735, 42), 24, 24);
    fill_outlined(p, sun, vgrad(sun.boundingRect(), QColor(0xFF, 0xF4, 0xB0), gold), gold_dark, 2);
    // Clouds stay above the last rows, which must match the stretched middle.
    draw_sky_cloud(p, QPointF(95, 70), 110, 235);
    draw_sky_cloud(p, QPointF(640, 160), 90, 225);
    draw_sky_cloud(p, QPointF(300, 38), 60, 180);
    draw_title(p, QPointF(400, 86), 76);
}

void draw_menu_middle(QPainter& p)
{
    // Stretched vertically by the game: a pure vertical gradient survives that.
    p.fillRect(QRectF(0, 0, 800, 42), menu_sky(193));
}

void draw_menu_ground(QPainter& p)
{
    const QRectF all(0, 0, 800, 245);
    p.fillRect(all, menu_sky(235));
    draw_sky_cloud(p, QPointF(520, 52), 80, 170);
    draw_hill(p, 800, 100, 22, 1.3, 246, QColor(0x9F, 0xD0, 0xB2), QColor(0x8C, 0xC4, 0xA0));
    draw_hill(p, 800, 140, 20, 4.1, 246, QColor(0x82, 0xC7, 0x70), QColor(0x6C, 0xB3, 0x5E));
    const double base = 185, amp = 9, seed = 2.2;
    draw_hill(p, 800, base, amp, seed, 246, QColor(0x66, 0xBC, 0x55), QColor(0x3C, 0x8C, 0x38));

    // Grass blades and flowers, scattered the same way on every run.
    prng rnd(0xC0FFEEu);
    for (double x = 2; x < 800; x += 7) {
        const double y = hill_y(x, base, amp, seed) + 2;
        const double tall = rnd.uniform(6, 12);
        QPainterPath blade;
        blade.moveTo(x - 2.5, y);
        blade.quadTo(x, y - tall * 0.6, x + rnd.uniform(-2, 3), y - tall);
        blade.quadTo(x + 0.5, y - tall * 0.4, x + 2.5, y);
        p.fillPath(blade, rnd.next() % 2 ? QColor(0x4C, 0xA4, 0x42) : QColor(0x7C, 0xCB, 0x66));
    }
    const QColor petals[] = {QColor(0xFF, 0xFF, 0xFF), hue_of(1).light, hue_of(3).light, gold};
    for (int i = 0; i < 46; ++i) {
        const double x = rnd.uniform(10, 790);
        const double y = rnd.uniform(hill_y(x, base, amp, seed) + 14, 238);
        const QColor colour = petals[rnd.next() % 4];
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            QPainterPath petal;
            petal.addEllipse(QPointF(x + 3 * std::cos(a), y + 3 * std::sin(a)), 2.4, 2.4);
            p.fillPath(petal, colour);
        }
        QPainterPath heart;
        heart.addEllipse(QPointF(x, y), 1.8, 1.8);
        p.fillPath(heart, QColor(0xF0, 0xA0, 0x20));
    }

    // The four friends wait on the hill, below the menu buttons.
    const double spots[] = {205, 300, 500, 595};
    for (int c = 0; c < 4; ++c) {
        const double x = spots[c];
        p.save();
        p.translate(x - 24, hill_y(x, base, amp, seed) - 46);
        p.scale(0.8, 0.8);
        draw_character(p, c, c == 2 ? 2 : 0);
        p.restore();
    }
}

} // namespace art

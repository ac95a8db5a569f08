#include "paint_kit.h"

#include <QFile>
#include <QPainterPathStroker>
#include <QtMath>

#include <algorithm>

namespace kit
{

const QColor ink(0x1B, 0x1E, 0x26);
const QColor badge_top(0x44, 0x4C, 0x5E);
const QColor badge_low(0x22, 0x26, 0x30);
const QColor icon_white(0xF7, 0xF7, 0xF2);
const QColor gold(0xFF, 0xC9, 0x3C);
const QColor gold_dark(0xA8, 0x6A, 0x12);
const QColor stone(0xBC, 0xB6, 0xA8);
const QColor stone_dark(0x5E, 0x59, 0x50);

hue hue_of(int c)
{
    switch (c) {
    case 1:
        return {QColor(0xE0, 0x46, 0x3C), QColor(0xF5, 0x82, 0x76), QColor(0xB3, 0x2E, 0x27),
                QColor(0x6E, 0x17, 0x13)};
    case 2:
        return {QColor(0x4D, 0xB3, 0x4D), QColor(0x86, 0xD9, 0x7F), QColor(0x35, 0x8C, 0x38),
                QColor(0x1B, 0x55, 0x1F)};
    case 3:
        return {QColor(0x3F, 0x73, 0xD9), QColor(0x7C, 0xA6, 0xF2), QColor(0x2B, 0x53, 0xAD),
                QColor(0x17, 0x2E, 0x6B)};
    default:
        // White reads as "works with all colours": light, neutral, a little silver.
        return {QColor(0xED, 0xED, 0xE6), QColor(0xFF, 0xFF, 0xFC), QColor(0xC4, 0xC4, 0xBA),
                QColor(0x8A, 0x8A, 0x80)};
    }
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    auto lerp = [t](int x, int y) { return qRound(x + (y - x) * t); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor with_alpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QLinearGradient vgrad(const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    return g;
}

QLinearGradient vgrad3(const QRectF& r, const QColor& top, const QColor& mid, const QColor& bottom)
{
    QLinearGradient g = vgrad(r, top, bottom);
    g.setColorAt(0.5, mid);
    return g;
}

void fill_outlined(QPainter& p, const QPainterPath& path, const QBrush& brush,
                   const QColor& outline, double outline_width)
{
    p.fillPath(path, brush);
    if (outline_width > 0)
        p.strokePath(path,
                     QPen(outline, outline_width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void top_left_highlight(QPainter& p, const QPainterPath& path, double inset, int alpha)
{
    const QRectF box = path.boundingRect();
    if (box.width() <= 2 * inset || box.height() <= 2 * inset)
        return;
    const QPointF c = box.center();
    QTransform shrink;
    shrink.translate(c.x(), c.y());
    shrink.scale((box.width() - 2 * inset) / box.width(),
                 (box.height() - 2 * inset) / box.height());
    shrink.translate(-c.x(), -c.y());
    // The light fades out along the diagonal, so only the top and left edges shine.
    QLinearGradient fade(box.topLeft(), box.bottomRight());
    fade.setColorAt(0.0, QColor(255, 255, 255, alpha));
    fade.setColorAt(0.35, QColor(255, 255, 255, alpha * 3 / 4));
    fade.setColorAt(0.55, QColor(255, 255, 255, 0));
    fade.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.strokePath(shrink.map(path),
                 QPen(QBrush(fade), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void gloss(QPainter& p, const QRectF& r, int alpha)
{
    QPainterPath e;
    e.addEllipse(r);
    p.fillPath(e, vgrad(r, QColor(255, 255, 255, alpha), QColor(255, 255, 255, alpha / 5)));
}

QPainterPath rounded(const QRectF& r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath star(const QPointF& centre, double outer, double inner, int points)
{
    QPolygonF poly;
    for (int i = 0; i < 2 * points; ++i) {
        const double radius = (i % 2 == 0) ? outer : inner;
        const double angle = -M_PI / 2 + i * M_PI / points;
        poly << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QPainterPath stroke_of(const QPainterPath& path, double width)
{
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(Qt::RoundCap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(path);
}

QPainterPath arch(const QRectF& r, double radius)
{
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + radius);
    path.arcTo(QRectF(r.left(), r.top(), 2 * radius, 2 * radius), 180, -90);
    path.lineTo(r.right() - radius, r.top());
    path.arcTo(QRectF(r.right() - 2 * radius, r.top(), 2 * radius, 2 * radius), 90, -90);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    return path;
}

double hill_y(double x, double base, double amp, double seed)
{
    const double wave = 0.6 * std::sin(x / 97.0 + seed) + 0.3 * std::sin(x / 41.0 + 2.1 * seed) +
                        0.1 * std::sin(x / 17.0 + 3.7 * seed);
    return base - amp * wave;
}

QPainterPath hills(double width, double base, double amp, double seed, double bottom)
{
    QPainterPath path;
    path.moveTo(0, bottom);
    for (double x = 0; x <= width + 0.1; x += 4)
        path.lineTo(x, hill_y(x, base, amp, seed));
    path.lineTo(width, bottom);
    path.closeSubpath();
    return path;
}

void badge(QPainter& p, const QRectF& r, double radius, const QColor& ring)
{
    const QPainterPath body = rounded(r, radius);
    p.fillPath(body.translated(0, 1.5), QColor(0, 0, 0, 60));
    fill_outlined(p, body, vgrad(r, badge_top, badge_low), ink, 2.0);
    const QRectF rim = r.adjusted(3.5, 3.5, -3.5, -3.5);
    p.strokePath(rounded(rim, std::max(1.0, radius - 3.5)),
                 QPen(with_alpha(ring, 210), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Gloss on the upper half of the badge.
    QPainterPath top_half;
    top_half.addRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.45));
    const QPainterPath shine =
        rounded(rim.adjusted(1.5, 1.5, -1.5, -1.5), std::max(1.0, radius - 5))
            .intersected(top_half);
    p.fillPath(shine, vgrad(QRectF(r.left(), r.top(), r.width(), r.height() * 0.45),
                            QColor(255, 255, 255, 46), QColor(255, 255, 255, 6)));
}

void badge_glyph(QPainter& p, const QPainterPath& glyph, const QColor& fill)
{
    p.fillPath(glyph.translated(0, 2), QColor(0, 0, 0, 120));
    const QRectF box = glyph.boundingRect();
    p.fillPath(glyph, vgrad(box, fill.lighter(106), mix(fill, QColor(0xB8, 0xBE, 0xCC), 0.35)));
}

// The font is process-wide state: one file, loaded once before drawing.
static QRawFont& font()
{
    static QRawFont raw;
    return raw;
}

bool load_font(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    font().loadFromData(f.readAll(), 100, QFont::PreferNoHinting);
    return font().isValid();
}

QPainterPath text_path(const QString& text, double px)
{
    QRawFont& raw = font();
    raw.setPixelSize(px);
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    double x = 0;
    for (int i = 0; i < glyphs.size(); ++i) {
        path.addPath(raw.pathForGlyph(glyphs[i]).translated(x, 0));
        x += advances[i].x();
    }
    return path;
}

double text_width(const QString& text, double px)
{
    QRawFont& raw = font();
    raw.setPixelSize(px);
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    double w = 0;
    for (const QPointF& a : raw.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances))
        w += a.x();
    return w;
}

double cap_height(double px)
{
    font().setPixelSize(px);
    return font().capHeight();
}

void draw_text(QPainter& p, const QString& text, double px, double x, double baseline,
               const QColor& colour, int align, double max_width)
{
    double w = text_width(text, px);
    if (max_width > 0 && w > max_width) {
        px *= max_width / w;
        w = max_width;
    }
    const double left = align < 0 ? x : (align == 0 ? x - w / 2 : x - w);
    p.fillPath(text_path(text, px).translated(left, baseline), colour);
}

void outlined_text(QPainter& p, const QRectF& r, const QString& text, double px, const QBrush& fill,
                   const QColor& outline, double outline_width)
{
    QPainterPath path = text_path(text, px);
    double w = path.boundingRect().width() + outline_width;
    if (w > r.width()) {
        px *= r.width() / w;
        path = text_path(text, px);
        w = path.boundingRect().width() + outline_width;
    }
    const QRectF box = path.boundingRect();
    const double baseline = r.center().y() + cap_height(px) / 2;
    path.translate(r.center().x() - box.center().x(), baseline);
    const QPen pen(outline, outline_width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(
        path.translated(0, std::max(1.0, outline_width * 0.4)),
        QPen(with_alpha(outline, 110), outline_width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(path, pen);
    p.fillPath(path, fill);
}

std::uint32_t prng::next()
{
    // xorshift32: small, fast and the same on every platform.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double prng::uniform(double lo, double hi)
{
    return lo + (hi - lo) * (next() / 4294967296.0);
}

} // namespace kit

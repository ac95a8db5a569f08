#ifndef CRUMBLEFORD_TOOLS_ATLAS_GEN_PAINT_KIT_H
#define CRUMBLEFORD_TOOLS_ATLAS_GEN_PAINT_KIT_H

// Shared drawing helpers of the atlas generator: the palette, gradients,
// outlined shapes, the dark icon badge and outlined text in DejaVu Sans Bold.
// Every sprite function of the generator draws with these, so the whole
// atlas shares one look. Text comes from a QRawFont made from the font file
// itself, so no system font lookup can change the picture.

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QString>

#include <cstdint>

namespace kit
{

// The four game colours (0 white, 1 red, 2 green, 3 blue) in four shades.
struct hue {
    QColor base;    // the colour itself
    QColor light;   // top of gradients, highlights
    QColor dark;    // bottom of gradients, shadows
    QColor outline; // the 2-3 px outline
};
hue hue_of(int c);

QColor mix(const QColor& a, const QColor& b, double t); // t = 0 gives a
QColor with_alpha(QColor c, int alpha);

// Neutral colours shared by several sprites.
extern const QColor ink;        // near-black outline of text and badges
extern const QColor badge_top;  // the dark icon badge, top of its gradient
extern const QColor badge_low;  // and its bottom
extern const QColor icon_white; // glyphs on badges
extern const QColor gold;       // stars and ticks
extern const QColor gold_dark;
extern const QColor stone; // door frames and spike bases
extern const QColor stone_dark;

QLinearGradient vgrad(const QRectF& r, const QColor& top, const QColor& bottom);
QLinearGradient vgrad3(const QRectF& r, const QColor& top, const QColor& mid, const QColor& bottom);

// Fills path with brush and strokes it with a round-joined outline.
void fill_outlined(QPainter& p, const QPainterPath& path, const QBrush& brush,
                   const QColor& outline, double outline_width);
// A soft white line along the top-left part of a shape (light from the top left).
void top_left_highlight(QPainter& p, const QPainterPath& path, double inset, int alpha);
// A small white gloss ellipse, the shine on round things.
void gloss(QPainter& p, const QRectF& r, int alpha);

QPainterPath rounded(const QRectF& r, double radius);
QPainterPath star(const QPointF& centre, double outer, double inner, int points = 5);
// The area covered by stroking path with a round pen of the given width.
QPainterPath stroke_of(const QPainterPath& path, double width);
// A rectangle whose top corners are rounded by radius (door and portal openings).
QPainterPath arch(const QRectF& r, double radius);

// Rolling hills: the area below a gentle wave across [0, width], from the
// wave (around y = base, amplitude amp, shape chosen by seed) down to bottom.
QPainterPath hills(double width, double base, double amp, double seed, double bottom);
double hill_y(double x, double base, double amp, double seed); // the wave's height at x

// The rounded dark badge behind every HUD and menu icon; ring is the colour
// of its inner rim (use a dark one for a neutral badge).
void badge(QPainter& p, const QRectF& r, double radius, const QColor& ring);
// Draws a light glyph path on a badge with a soft drop shadow.
void badge_glyph(QPainter& p, const QPainterPath& glyph, const QColor& fill);

// Text in DejaVu Sans Bold. load_font must succeed before any text is drawn.
bool load_font(const QString& file);
// The outline of text at pixel size px, baseline at y = 0, starting at x = 0.
QPainterPath text_path(const QString& text, double px);
double text_width(const QString& text, double px);
double cap_height(double px);
// Plain text (no outline), horizontally aligned around x: align -1 left, 0 centre,
// 1 right; shrunk to max_width when it is given and the text is wider.
void draw_text(QPainter& p, const QString& text, double px, double x, double baseline,
               const QColor& colour, int align = -1, double max_width = 0);
// Bold outlined text centred in r, shrunk to fit r's width if needed.
void outlined_text(QPainter& p, const QRectF& r, const QString& text, double px, const QBrush& fill,
                   const QColor& outline, double outline_width);

// A small deterministic generator for scattered details (grass, sparkles).
class prng
{
  public:
    explicit prng(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next();
    double uniform(double lo, double hi); // in [lo, hi)
  private:
    std::uint32_t state_;
};

} // namespace kit

#endif

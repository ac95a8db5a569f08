#ifndef CRUMBLEFORD_TOOLS_ATLAS_GEN_PAGE_PARTS_H
#define CRUMBLEFORD_TOOLS_ATLAS_GEN_PAGE_PARTS_H

// What every help page is printed with: the paper, the text colours and the
// keyboard keys, so that the pages drawn in different files look like one
// booklet. Implemented in pages.cpp.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>
#include <string>

class QPainter;

namespace art::page
{

extern const QColor text_dark;
extern const QColor text_soft;
extern const QColor rule; // the paper's frame lines and section rules

// The parchment with its double frame line.
void paper(QPainter& p, const QRectF& page);

// Draws a sprite drawn for a cell of cell_size texels into a square of size
// pixels with its top-left corner at top_left.
void sprite_at(QPainter& p, QPointF top_left, double size, double cell_size,
               const std::function<void()>& draw);

// A keyboard key with its label, 2 px tall per pixel of text; returns the x
// just right of the key. "<", ">", "^" and "v" get a drawn arrow, bolder
// than the font's.
double keycap(QPainter& p, double x, double centre_y, const QString& label, double px = 17);

// A text from the catalogue (UTF-8), for the painter.
QString from_catalogue(const std::string& utf8);

// Text on one line at baseline, as draw_text sets it, while shrinking it to
// max_width keeps it readable; a longer text (a translation) is broken at a
// space into two smaller lines centred on the same middle.
void fitted_text(QPainter& p, const QString& text, double px, double x, double baseline,
                 const QColor& colour, int align, double max_width);

} // namespace art::page

#endif

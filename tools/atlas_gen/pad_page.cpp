#include "pages.h"

#include "paint_kit.h"

namespace art
{

void draw_help_pad(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 448, 800), QColor(0xF6, 0xEE, 0xD8));
}

} // namespace art

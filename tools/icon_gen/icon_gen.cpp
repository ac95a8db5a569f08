// crumbleford-icon: draws the application icon, a red character standing on
// a row of blocks under a sky badge, with the atlas generator's own sprites.
//
// Usage: QT_QPA_PLATFORM=offscreen crumbleford-icon <size> <output.png>
//
// The picture is drawn in a 128-unit design space and scaled, so every size
// is drawn from the shapes themselves rather than shrunk from a bitmap.

#include "paint_kit.h"
#include "world_sprites.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

namespace
{

constexpr double design = 128;

void draw_icon(QPainter& p)
{
    // The badge: a calm sky, like the level background, with the outline
    // every sprite has.
    const QRectF badge(4, 4, 120, 120);
    const QPainterPath badge_path = kit::rounded(badge, 22);
    kit::fill_outlined(p, badge_path,
                       kit::vgrad(badge, QColor(0x9C, 0xD3, 0xF5), QColor(0xE3, 0xF3, 0xFB)),
                       QColor(0x2F, 0x55, 0x80), 3);
    p.save();
    p.setClipPath(badge_path);
    // Three blocks of the game's colours: a 60-pixel sprite cell is 36 units.
    const int colours[] = {3, 2, 3};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(10 + 36 * i, 80);
        p.scale(0.6, 0.6);
        art::draw_plain_block(p, colours[i]);
        p.restore();
    }
    // The character, larger than in play so its face reads at 48 pixels.
    p.save();
    p.translate(34, 21);
    art::draw_character(p, 1, 0);
    p.restore();
    p.restore();
    kit::top_left_highlight(p, badge_path, 3, 120);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "usage: crumbleford-icon <size 16-1024> <output.png>\n");
        return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / design, size / design);
    draw_icon(p);
    p.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "crumbleford-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

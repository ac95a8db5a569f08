#include "pages.h"

#include "backgrounds.h"
#include "page_parts.h"
#include "paint_kit.h"
#include "ui_sprites.h"
#include "world_sprites.h"

#include "catalogue.h"

#include <QStringList>

#include <functional>

using namespace kit;

namespace art
{

namespace page
{

const QColor text_dark(0x3D, 0x33, 0x26);
const QColor text_soft(0x6E, 0x60, 0x4A);
const QColor rule(0xC9, 0xB3, 0x84);

void sprite_at(QPainter& p, QPointF top_left, double size, double cell_size,
               const std::function<void()>& draw)
{
    p.save();
    p.translate(top_left);
    p.scale(size / cell_size, size / cell_size);
    draw();
    p.restore();
}

void paper(QPainter& p, const QRectF& page)
{
    p.fillRect(page, vgrad(page, QColor(0xFB, 0xF6, 0xE6), QColor(0xEF, 0xE2, 0xC2)));
    p.strokePath(rounded(page.adjusted(12, 12, -12, -12), 14), QPen(rule, 3));
    p.strokePath(rounded(page.adjusted(19, 19, -19, -19), 9), QPen(with_alpha(rule, 150), 1.3));
}

double keycap(QPainter& p, double x, double centre_y, const QString& label, double px)
{
    // Everything is measured at 17 px text and scaled, so every size of key
    // has the same shape.
    const double s = px / 17;
    const bool arrow = label == "<" || label == ">" || label == "^" || label == "v";
    const double w = arrow ? 36.0 * s : std::max(36.0 * s, text_width(label, px) + 20 * s);
    const QRectF key(x, centre_y - 18 * s, w, 34 * s);
    p.fillPath(rounded(key.translated(0, 3 * s), 7 * s), QColor(0x8C, 0x84, 0x74));
    fill_outlined(p, rounded(key, 7 * s), vgrad(key, Qt::white, QColor(0xDD, 0xD8, 0xCC)),
                  QColor(0x5C, 0x55, 0x48), 1.5);
    if (arrow) {
        QPainterPath shape; // points right
        shape.addPolygon(QPolygonF({QPointF(-8, -2), QPointF(1, -2), QPointF(1, -7), QPointF(9, 0),
                                    QPointF(1, 7), QPointF(1, 2), QPointF(-8, 2)}));
        shape.closeSubpath();
        QTransform turn;
        turn.translate(key.center().x(), key.center().y());
        turn.rotate(label == ">" ? 0 : (label == "<" ? 180 : (label == "^" ? -90 : 90)));
        turn.scale(s, s);
        p.fillPath(turn.map(shape.united(stroke_of(shape, 1.5))), text_dark);
    } else {
        draw_text(p, label, px, key.center().x(), key.center().y() + cap_height(px) / 2, text_dark,
                  0);
    }
    return x + w;
}

QString from_catalogue(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

void fitted_text(QPainter& p, const QString& text, double px, double x, double baseline,
                 const QColor& colour, int align, double max_width)
{
    // Shrunk below seven tenths, bold text on the page grows hard to read.
    const double w = text_width(text, px);
    const int space = text.indexOf(' ');
    if (w * 0.7 <= max_width || space < 0) {
        draw_text(p, text, px, x, baseline, colour, align, max_width);
        return;
    }
    // Break at the space that leaves the longer line shortest.
    int best = space;
    double best_longer = w;
    for (int at = space; at >= 0; at = text.indexOf(' ', at + 1)) {
        const double longer =
            std::max(text_width(text.left(at), px), text_width(text.mid(at + 1), px));
        if (longer < best_longer) {
            best_longer = longer;
            best = at;
        }
    }
    const double small = std::min(px * 0.85, px * max_width / best_longer);
    const double middle = baseline - cap_height(px) / 2;
    const double gap = small * 1.15;
    const double first = middle - gap / 2 + cap_height(small) / 2;
    draw_text(p, text.left(best), small, x, first, colour, align, max_width);
    draw_text(p, text.mid(best + 1), small, x, first + gap, colour, align, max_width);
}

} // namespace page

using namespace page;

namespace
{

void page_title(QPainter& p, double centre_y, const QString& text)
{
    const QRectF area(80, centre_y - 30, 640, 60);
    outlined_text(p, area, text, 46,
                  vgrad(area, QColor(0xFF, 0xEC, 0x8A), QColor(0xF0, 0xA8, 0x2A)), ink, 7);
}

// A pause sign on a badge, for the pause key.
void pause_badge(QPainter& p)
{
    badge(p, QRectF(3, 3, 54, 54), 12, QColor(0x75, 0x80, 0x94));
    badge_glyph(p, rounded(QRectF(19, 17, 8, 26), 2.5).united(rounded(QRectF(33, 17, 8, 26), 2.5)),
                icon_white);
}

void jumping_character(QPainter& p)
{
    for (double x : {22.0, 30.0, 38.0})
        p.fillRect(QRectF(x, 52, 1.6, 7), with_alpha(text_soft, 150));
    p.translate(0, -6);
    p.scale(0.9, 0.9);
    p.translate(3, 0);
    draw_character(p, 3, 1);
}

// A green tick or a red cross, about 26 px across.
void tick_mark(QPainter& p, QPointF at, bool yes)
{
    QPainterPath mark;
    if (yes) {
        mark.moveTo(at + QPointF(-10, 0));
        mark.lineTo(at + QPointF(-3, 7));
        mark.lineTo(at + QPointF(11, -8));
    } else {
        mark.moveTo(at + QPointF(-8, -8));
        mark.lineTo(at + QPointF(8, 8));
        mark.moveTo(at + QPointF(8, -8));
        mark.lineTo(at + QPointF(-8, 8));
    }
    const QPainterPath shape = stroke_of(mark, 6);
    fill_outlined(p, shape, yes ? hue_of(2).base : hue_of(1).base, ink, 1.4);
}

// A short arrow from one point to another, for motion in the small scenes.
void arrow(QPainter& p, QPointF from, QPointF to)
{
    QLineF line(from, to);
    QPainterPath shape;
    shape.moveTo(from);
    shape.lineTo(to);
    QLineF wing(to, from);
    wing.setLength(9);
    for (double turn : {28.0, -28.0}) {
        QLineF w = wing;
        w.setAngle(wing.angle() + turn);
        shape.moveTo(to);
        shape.lineTo(w.p2());
    }
    p.fillPath(stroke_of(shape, 3.2), text_soft);
}

// A bomb's burst: a jagged star in fire colours, for a 60 x 60 cell.
void blast(QPainter& p)
{
    const QPainterPath outer = star(QPointF(30, 30), 30, 15, 10);
    fill_outlined(p, outer, QColor(0xF6, 0x9A, 0x2C), QColor(0xB0, 0x3A, 0x1A), 2);
    p.fillPath(star(QPointF(30, 30), 18, 9, 8), QColor(0xFF, 0xE0, 0x66));
}

} // namespace

void draw_help_controls(QPainter& p)
{
    paper(p, QRectF(0, 0, 800, 800));
    page_title(p, 62, from_catalogue(cf_tr("help", "HOW TO PLAY")));
    draw_text(p, from_catalogue(cf_tr("help", "Bring every character into an exit portal.")), 21,
              400, 120, text_soft, 0, 720);

    struct row {
        std::function<void(QPainter&)> picture; // drawn into a 60 x 60 cell
        QStringList keys;                       // "|" separates alternatives
        QString text;
    };
    const QList<row> rows = {
        {[](QPainter& q) { draw_character(q, 1, 2); },
         {"<", "D", "|", ">", "L"},
         from_catalogue(cf_tr("help", "walk left / right"))},
        {jumping_character, {"^", "O", "E"}, from_catalogue(cf_tr("help", "jump"))},
        {[](QPainter& q) {
             q.scale(0.5, 0.5);
             draw_exit_portal(q, 2);
         },
         {from_catalogue(cf_tr("help", "Space"))},
         from_catalogue(cf_tr("help", "open a door; leave by an exit of your colour"))},
        {[](QPainter& q) { draw_switch_char_icon(q, 2); },
         {"C"},
         from_catalogue(cf_tr("help", "switch character: every one must leave"))},
        {draw_brush_icon, {"P"}, from_catalogue(cf_tr("help", "draw from your stock next to you"))},
        {draw_steer_icon, {"R"}, from_catalogue(cf_tr("help", "steer with the on-screen pad"))},
        {draw_scroll_icon, {"V"}, from_catalogue(cf_tr("help", "scroll around the level"))},
        {[](QPainter& q) { draw_zoom_icon(q, true); },
         {"Q", "|", "A"},
         from_catalogue(cf_tr("help", "zoom in / zoom out"))},
        {pause_badge,
         {from_catalogue(cf_tr("help", "Backspace")), "|", from_catalogue(cf_tr("help", "Esc"))},
         from_catalogue(cf_tr("help", "pause: resume, restart or leave"))},
        {draw_rewind_icon, {"Z"}, from_catalogue(cf_tr("help", "rewind two seconds of play"))},
        {[](QPainter& q) { draw_sound_icon(q, true); },
         {"M"},
         from_catalogue(cf_tr("help", "sound off / on"))},
        {draw_pencil_icon, {}, from_catalogue(cf_tr("help", "make your own levels (main menu)"))},
    };
    // Twelve rows fill the page down to its frame.
    const double top = 140, height = 53;
    for (int i = 0; i < rows.size(); ++i) {
        const double y = top + i * height;
        const double mid = y + height / 2;
        if (i % 2 == 0)
            p.fillPath(rounded(QRectF(34, y + 3, 732, height - 6), 12),
                       QColor(0x8A, 0x6A, 0x30, 22));
        sprite_at(p, QPointF(52, mid - 23), 46, 60, [&] { rows[i].picture(p); });
        double x = 128;
        for (const QString& key : rows[i].keys) {
            if (key == "|") {
                draw_text(p, "/", 20, x + 9, mid + 7, text_soft, 0);
                x += 18;
            } else {
                x = keycap(p, x, mid, key) + 6;
            }
        }
        // A longer key name in another language pushes its text right.
        const double text_x = std::max(358.0, x + 10);
        fitted_text(p, rows[i].text, 21, text_x, mid + cap_height(21) / 2, text_dark, -1,
                    762 - text_x);
    }
}

void draw_help_blocks(QPainter& p)
{
    paper(p, QRectF(0, 0, 800, 800));
    page_title(p, 62, from_catalogue(cf_tr("help", "THE WORLD")));

    // Each row is a small scene of real sprites, s pixels a block, standing
    // on the row's ground line; a character (c pixels) stands on a block.
    const double s = 36, c = 32, left = 80;
    auto put = [&](double x, double y, double size, const std::function<void()>& draw) {
        sprite_at(p, QPointF(x, y), size, 60, draw);
    };
    struct row {
        std::function<void(double ground)> scene; // the top of the blocks
        QString name, text;
    };
    const QList<row> rows = {
        {[&](double g) {
             const int colours[] = {0, 1, 3};
             for (int i = 0; i < 3; ++i)
                 put(left + i * s, g, s, [&] { draw_plain_block(p, colours[i]); });
             put(left + s + 2, g - c, c, [&] { draw_character(p, 1, 0); });
         },
         from_catalogue(cf_tr("help", "Block")),
         from_catalogue(cf_tr("help", "Solid ground in its colour. It never moves."))},
        {[&](double g) {
             const int colours[] = {0, 1, 3};
             for (int i = 0; i < 3; ++i)
                 put(left + i * s, g, s, [&] { draw_expendable_block(p, colours[i]); });
         },
         from_catalogue(cf_tr("help", "Patterned block")),
         from_catalogue(cf_tr("help", "Frames every level. No bomb can break it."))},
        {[&](double g) {
             put(left, g, s, [&] { draw_plain_block(p, 0); });
             put(left + 2 * s, g, s, [&] { draw_plain_block(p, 0); });
             put(left + s, g - s + 2, s, [&] { draw_falling_block(p, 2); });
             arrow(p, QPointF(left + 1.5 * s, g + 6), QPointF(left + 1.5 * s, g + s - 2));
         },
         from_catalogue(cf_tr("help", "Falling block")),
         from_catalogue(cf_tr("help", "Drops until something holds it; pushes what is below."))},
        {[&](double g) {
             // A lift carries the character on it; a sideways cloud pushes one beside it.
             put(left - 8, g, s, [&] { draw_cloud(p, 3); });
             put(left - 6, g - c, c, [&] { draw_character(p, 3, 0); });
             arrow(p, QPointF(left + s - 2, g + s / 2), QPointF(left + s - 2, g - c + 6));
             arrow(p, QPointF(left + s - 2, g + s / 2), QPointF(left + s - 2, g + s - 2));
             put(left + 1.7 * s, g, s, [&] { draw_cloud(p, 3); });
             arrow(p, QPointF(left + 2.7 * s + 2, g + s / 2), QPointF(left + 3.3 * s, g + s / 2));
             put(left + 3.4 * s, g + s - c, c, [&] { draw_character(p, 3, 0); });
         },
         from_catalogue(cf_tr("help", "Cloud")),
         from_catalogue(cf_tr("help", "Up or down it carries you; sideways it only pushes."))},
        {[&](double g) {
             put(left, g, s, [&] { draw_plain_block(p, 0); });
             put(left + s, g, s, [&] { draw_spikes(p, 1); });
             put(left + 2 * s, g, s, [&] { draw_plain_block(p, 0); });
             put(left + s + 2, g - c - 2, c, [&] { draw_character(p, 1, 1); });
             for (double x : {left + s + 10, left + s + 18, left + s + 26})
                 p.fillRect(QRectF(x, g - 3, 1.6, 5), with_alpha(text_soft, 150));
         },
         from_catalogue(cf_tr("help", "Spikes")),
         from_catalogue(cf_tr("help", "Deadly to their colour: jump over them."))},
        {[&](double g) {
             put(left, g, s, [&] { draw_plain_block(p, 1); });
             put(left, g, s, [&] { draw_bomb(p, 1, 2); });
             arrow(p, QPointF(left + s + 6, g + s / 2), QPointF(left + 2 * s - 6, g + s / 2));
             put(left + 2 * s - 4, g - 4, s + 8, [&] { blast(p); });
         },
         from_catalogue(cf_tr("help", "Bomb")),
         from_catalogue(cf_tr("help", "Drawn onto a block of its colour, it breaks it."))},
        {[&](double g) {
             put(left + 0.5 * s - 6, g - 12, s + 12, [&] { blast(p); });
             put(left + 0.5 * s + 2, g + s - c, c, [&] { draw_character(p, 1, 0); });
             tick_mark(p, QPointF(left + 1.5 * s + 12, g), false);
             put(left + 2.3 * s, g + s - c, c, [&] { draw_character(p, 3, 0); });
             tick_mark(p, QPointF(left + 3.3 * s + 2, g), true);
         },
         from_catalogue(cf_tr("help", "The blast")),
         from_catalogue(cf_tr("help", "Stand clear: it kills a character of its colour."))},
    };
    const double top = 100, height = 72;
    for (int i = 0; i < rows.size(); ++i) {
        const double y = top + i * height;
        if (i % 2 == 0)
            p.fillPath(rounded(QRectF(34, y + 2, 732, height - 4), 12),
                       QColor(0x8A, 0x6A, 0x30, 22));
        rows[i].scene(y + height - 4 - s);
        draw_text(p, rows[i].name, 24, 262, y + 32, text_dark, -1, 496);
        fitted_text(p, rows[i].text, 18, 262, y + 58, text_soft, -1, 496);
    }

    // The colour rule, with three small scenes.
    const QRectF panel(34, 624, 732, 150);
    fill_outlined(p, rounded(panel, 14),
                  vgrad(panel, QColor(0xFF, 0xFD, 0xF4), QColor(0xF6, 0xEC, 0xD2)),
                  QColor(0xC9, 0xB3, 0x84), 2);
    // Three lines beside the scenes, which start at x = 440.
    draw_text(p, from_catalogue(cf_tr("help", "The colour rule")), 25, 58, 664, text_dark, -1, 370);
    draw_text(p, from_catalogue(cf_tr("help", "A character only touches blocks")), 19, 58, 700,
              text_soft, -1, 370);
    draw_text(p, from_catalogue(cf_tr("help", "that share its colour and mark;")), 19, 58, 726,
              text_soft, -1, 370);
    draw_text(p, from_catalogue(cf_tr("help", "white touches all.")), 19, 58, 752, text_dark, -1,
              370);
    struct scene {
        int character, block;
        bool stands;
    };
    const scene scenes[] = {{1, 1, true}, {1, 2, false}, {0, 3, true}};
    for (int k = 0; k < 3; ++k) {
        const double x = 440 + k * 106;
        sprite_at(p, QPointF(x, 720), 44, 60, [&] { draw_plain_block(p, scenes[k].block); });
        // A character that does not touch the block sinks through it.
        const double char_y = scenes[k].stands ? 688 : 708;
        sprite_at(p, QPointF(x + 7, char_y), 32, 60,
                  [&] { draw_character(p, scenes[k].character, 0); });
        tick_mark(p, QPointF(x + 68, 690), scenes[k].stands);
    }
}

void draw_credits_page(QPainter& p)
{
    const QRectF page(0, 0, 622, 1240);
    QLinearGradient sky = vgrad(page, QColor(0x1C, 0x27, 0x48), QColor(0x86, 0xB4, 0xDE));
    sky.setColorAt(0.55, QColor(0x3B, 0x58, 0x8C));
    p.fillRect(page, sky);
    prng rnd(0x5EEDu);
    for (int i = 0; i < 90; ++i) {
        const double x = rnd.uniform(8, 614), y = rnd.uniform(8, 820);
        const double r = rnd.uniform(0.6, 1.8);
        const int alpha = int(rnd.uniform(90, 230) * (1.0 - y / 1100));
        QPainterPath dot;
        dot.addEllipse(QPointF(x, y), r, r);
        p.fillPath(dot, QColor(255, 255, 255, alpha));
    }
    const QColor light(0xF4, 0xF6, 0xFB), soft(0xC8, 0xD4, 0xEC);

    draw_title(p, QPointF(311, 132), 56);
    draw_text(p, "v1.1.4", 22, 311, 196, soft, 0);
    for (int c = 0; c < 4; ++c)
        sprite_at(p, QPointF(167 + c * 76, 232), 60, 60, [&] { draw_character(p, c, c * 2 % 6); });

    draw_text(p, from_catalogue(cf_tr("credits", "made by the Crumbleford team")), 26, 311, 372,
              light, 0, 560);
    const std::function<void(QPainter&, int)> blocks[] = {
        draw_plain_block, draw_expendable_block, draw_falling_block,
        draw_cloud,       draw_spikes,           [](QPainter& q, int c) { draw_bomb(q, c, 3); }};
    for (int i = 0; i < 6; ++i)
        sprite_at(p, QPointF(147 + i * 56, 410), 48, 60, [&] { blocks[i](p, (i + 1) % 4); });

    draw_text(p, from_catalogue(cf_tr("credits", "art drawn by our own generator")), 24, 311, 530,
              light, 0, 560);
    sprite_at(p, QPointF(287, 556), 48, 60, [&] { draw_brush_icon(p); });

    draw_text(p, from_catalogue(cf_tr("credits", "font: DejaVu Sans")), 24, 311, 680, light, 0,
              560);
    const int sample[] = {12, 27, 30, 22, 11, 21, 14}; // C R U M B L E
    for (int i = 0; i < 7; ++i)
        sprite_at(p, QPointF(157 + i * 44, 700), 44, 60, [&] { draw_glyph(p, sample[i]); });

    sprite_at(p, QPointF(251, 800), 120, 120, [&] { draw_exit_portal(p, 0); });
    const QRectF thanks(40, 950, 542, 70);
    outlined_text(p, thanks, from_catalogue(cf_tr("credits", "thanks for playing")), 40,
                  vgrad(thanks, QColor(0xFF, 0xEC, 0x8A), QColor(0xF0, 0xA8, 0x2A)), ink, 7);

    // Home ground at the bottom of the page.
    p.fillPath(
        hills(622, 1140, 18, 0.9, 1241),
        vgrad(QRectF(0, 1120, 622, 120), QColor(0x6C, 0xC0, 0x5A), QColor(0x33, 0x80, 0x34)));
    for (int c = 0; c < 4; ++c) {
        const double x = 120 + c * 128;
        sprite_at(p, QPointF(x - 22, hill_y(x, 1140, 18, 0.9) - 40), 44, 60,
                  [&] { draw_character(p, (c + 2) % 4, 0); });
    }
    draw_sky_cloud(p, QPointF(90, 1080), 90, 150);
    draw_sky_cloud(p, QPointF(540, 1050), 70, 130);
}

} // namespace art

#include "pages.h"

#include "page_parts.h"
#include "paint_kit.h"

#include "catalogue.h"

#include <QList>
#include <QStringList>

#include <functional>

using namespace kit;
using namespace art::page;

namespace art
{

namespace
{

// The pad's plastic and the light buttons on it.
const QColor pad_top(0x5E, 0x67, 0x7C);
const QColor pad_low(0x2E, 0x33, 0x40);
const QColor button_top(0xF6, 0xF5, 0xEF);
const QColor button_low(0xC6, 0xC3, 0xB8);

// Text on the pad and on its pictures; 13 px is the smallest that reads at
// the page's natural size.
constexpr double label_px = 13;

void centred_label(QPainter& p, const QString& text, QPointF centre, const QColor& colour)
{
    draw_text(p, text, label_px, centre.x(), centre.y() + cap_height(label_px) / 2, colour, 0);
}

// A face button: a light disc with its letter.
void face_button(QPainter& p, QPointF centre, double radius, const QString& letter)
{
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    const QRectF box = disc.boundingRect();
    p.fillPath(disc.translated(0, 1.5), QColor(0, 0, 0, 70));
    fill_outlined(p, disc, vgrad(box, button_top, button_low), ink, 1.8);
    gloss(p, QRectF(box.left() + radius * 0.45, box.top() + radius * 0.2, radius, radius * 0.55),
          120);
    centred_label(p, letter, centre + QPointF(0, 0.5), ink);
}

// A thumbstick seen from above: a dark well, the cap with its grip ring.
void stick(QPainter& p, QPointF centre, double radius, const QString& letter)
{
    QPainterPath well;
    well.addEllipse(centre, radius, radius);
    fill_outlined(p, well, QColor(0x23, 0x27, 0x31), ink, 1.8);
    QPainterPath cap;
    cap.addEllipse(centre, radius * 0.78, radius * 0.78);
    const QRectF box = cap.boundingRect();
    fill_outlined(p, cap, vgrad(box, QColor(0x8A, 0x92, 0xA6), QColor(0x45, 0x4C, 0x5C)), ink, 1.4);
    QPainterPath ring;
    ring.addEllipse(centre, radius * 0.52, radius * 0.52);
    p.strokePath(ring, QPen(QColor(0x32, 0x37, 0x44), 1.6));
    centred_label(p, letter, centre, icon_white);
}

// The four-way pad: a light cross with a small arrow on each arm.
void dpad(QPainter& p, QPointF centre, double reach)
{
    const double arm = reach * 0.72;
    const QPainterPath cross =
        rounded(QRectF(centre.x() - reach, centre.y() - arm / 2, 2 * reach, arm), 3)
            .united(rounded(QRectF(centre.x() - arm / 2, centre.y() - reach, arm, 2 * reach), 3));
    p.fillPath(cross.translated(0, 1.5), QColor(0, 0, 0, 70));
    fill_outlined(p, cross, vgrad(cross.boundingRect(), button_top, button_low), ink, 1.8);
    for (int turn = 0; turn < 4; ++turn) {
        QTransform t;
        t.translate(centre.x(), centre.y());
        t.rotate(90.0 * turn);
        QPainterPath tip; // points right
        tip.addPolygon(QPolygonF({QPointF(reach * 0.88, 0), QPointF(reach * 0.5, -reach * 0.26),
                                  QPointF(reach * 0.5, reach * 0.26)}));
        tip.closeSubpath();
        p.fillPath(t.map(tip), QColor(0x6A, 0x66, 0x5E));
    }
}

// Back, Start, the shoulders and the triggers: dark rounded keys with their
// name on them, centred on the part of the key that shows (label_y).
void named_key(QPainter& p, const QRectF& r, double radius, const QString& name,
               double label_y = -1)
{
    p.fillPath(rounded(r.translated(0, 1.5), radius), QColor(0, 0, 0, 70));
    fill_outlined(p, rounded(r, radius), vgrad(r, QColor(0x75, 0x7E, 0x93), pad_low), ink, 1.8);
    if (!name.isEmpty())
        centred_label(p, name, QPointF(r.center().x(), label_y < 0 ? r.center().y() : label_y),
                      icon_white);
}

// The whole pad, about 300 x 172 pixels, centred on x; top is the triggers' top.
void draw_pad(QPainter& p, double x, double top)
{
    // Triggers and shoulders stand out behind the body's top edge.
    for (int side : {-1, 1}) {
        const double cx = x + side * 104;
        named_key(p, QRectF(cx - 26, top, 52, 36), 11, side < 0 ? "LT" : "RT", top + 11);
        named_key(p, QRectF(cx - 42, top + 22, 84, 34), 10, side < 0 ? "LB" : "RB", top + 36);
    }
    const double body_top = top + 50;
    QPainterPath body = rounded(QRectF(x - 152, body_top, 304, 96), 40);
    for (int side : {-1, 1}) {
        QPainterPath grip;
        grip.addEllipse(QPointF(x + side * 102, body_top + 78), 48, 44);
        body = body.united(grip);
    }
    const QRectF box = body.boundingRect();
    p.fillPath(body.translated(0, 3), QColor(0, 0, 0, 60));
    fill_outlined(p, body, vgrad(box, pad_top, pad_low), ink, 2.5);
    top_left_highlight(p, body, 3, 70);

    // The common layout: left stick above the D-pad on the left, face
    // buttons above the right stick on the right.
    const double upper = body_top + 32, lower = body_top + 74;
    stick(p, QPointF(x - 106, upper), 21, "L");
    dpad(p, QPointF(x - 50, lower), 19);
    stick(p, QPointF(x + 50, lower), 21, "R");
    const QPointF face(x + 106, upper);
    const double gap = 21;
    face_button(p, face + QPointF(0, gap), 11.5, "A");
    face_button(p, face + QPointF(gap, 0), 11.5, "B");
    face_button(p, face + QPointF(-gap, 0), 11.5, "X");
    face_button(p, face + QPointF(0, -gap), 11.5, "Y");
    const QColor under(0xD4, 0xD8, 0xE2);
    for (int side : {-1, 1}) {
        const QPointF at(x + side * 30, upper - 6);
        named_key(p, QRectF(at.x() - 15, at.y() - 6, 30, 12), 6, QString());
        centred_label(p, side < 0 ? "BACK" : "START", at + QPointF(0, 20), under);
    }
}

// Each picture draws itself with its left edge at x, centred on y, and
// returns the x just right of it.
using picture = std::function<double(QPainter&, double x, double y)>;

picture button(const QString& letter)
{
    return [letter](QPainter& p, double x, double y) {
        face_button(p, QPointF(x + 13, y), 13, letter);
        return x + 26;
    };
}

picture thumbstick(const QString& letter)
{
    return [letter](QPainter& p, double x, double y) {
        stick(p, QPointF(x + 13, y), 13, letter);
        return x + 26;
    };
}

double d_pad(QPainter& p, double x, double y)
{
    dpad(p, QPointF(x + 13, y), 13);
    return x + 26;
}

picture named(const QString& name, double width)
{
    return [name, width](QPainter& p, double x, double y) {
        named_key(p, QRectF(x, y - 11, width, 22), 8, name);
        return x + width;
    };
}

picture keys(const QStringList& labels)
{
    return [labels](QPainter& p, double x, double y) {
        for (int i = 0; i < labels.size(); ++i) {
            if (i > 0)
                x += 4;
            x = keycap(p, x, y, labels[i], 13);
        }
        return x;
    };
}

// Pictures side by side, with a slash between alternatives.
double pictures(QPainter& p, double x, double y, const QList<picture>& list)
{
    for (int i = 0; i < list.size(); ++i) {
        if (i > 0) {
            draw_text(p, "/", 15, x + 7, y + 5.5, text_soft, 0);
            x += 14;
        }
        x = list[i](p, x, y);
    }
    return x;
}

void section(QPainter& p, double baseline, const QString& name)
{
    draw_text(p, name, 15, 38, baseline, text_dark, -1, 320);
    const double from = 38 + text_width(name, 15) + 10;
    p.fillRect(QRectF(from, baseline - 5.5, 410 - from, 1.5), rule);
}

void shade(QPainter& p, const QRectF& r)
{
    p.fillPath(rounded(r, 9), QColor(0x8A, 0x6A, 0x30, 22));
}

} // namespace

void draw_help_pad(QPainter& p)
{
    paper(p, QRectF(0, 0, 448, 800));
    const QRectF title(36, 30, 376, 52);
    outlined_text(p, title, from_catalogue(cf_tr("help", "PAD AND MENUS")), 40,
                  vgrad(title, QColor(0xFF, 0xEC, 0x8A), QColor(0xF0, 0xA8, 0x2A)), ink, 6);
    draw_pad(p, 224, 96);

    // What the pad does in a level, in two columns.
    section(p, 300, from_catalogue(cf_tr("help", "IN A LEVEL")));
    struct row {
        QList<picture> pad;
        QString text;
    };
    const row left[] = {
        {{thumbstick("L"), d_pad}, from_catalogue(cf_tr("help", "walk"))},
        {{button("A")}, from_catalogue(cf_tr("help", "jump"))},
        {{button("X")}, from_catalogue(cf_tr("help", "door"))},
        {{button("Y")}, from_catalogue(cf_tr("help", "switch character"))},
        {{button("B")}, from_catalogue(cf_tr("help", "back (in menus)"))},
    };
    const row right[] = {
        {{named("START", 54)}, from_catalogue(cf_tr("help", "pause"))},
        {{named("BACK", 54)}, from_catalogue(cf_tr("help", "drawing mode"))},
        {{named("LB", 34)}, from_catalogue(cf_tr("help", "rewind"))},
        {{named("LT", 34), named("RT", 34)}, from_catalogue(cf_tr("help", "zoom"))},
        {{thumbstick("R")}, from_catalogue(cf_tr("help", "look around"))},
    };
    const double rows_top = 310, row_height = 30;
    for (int i = 0; i < 5; ++i) {
        const double y = rows_top + i * row_height + row_height / 2;
        if (i % 2 == 0)
            shade(p, QRectF(30, y - 14, 388, 28));
        double x = pictures(p, 38, y, left[i].pad);
        fitted_text(p, left[i].text, 15, x + 8, y + 5.5, text_dark, -1, 226 - x - 8);
        x = pictures(p, 232, y, right[i].pad);
        fitted_text(p, right[i].text, 15, x + 8, y + 5.5, text_dark, -1, 414 - x - 8);
    }

    // Menus and drawing mode: keys and pad side by side.
    struct both {
        QString action;
        QStringList keys; // "|" separates alternatives
        QList<picture> pad;
    };
    auto table = [&](double top, const QList<both>& rows) {
        for (int i = 0; i < rows.size(); ++i) {
            const double y = top + i * 32 + 16;
            if (i % 2 == 0)
                shade(p, QRectF(30, y - 15, 388, 30));
            // The keys start at x = 104, or a little later after a longer
            // word; the pad's pictures keep their column at 314.
            draw_text(p, rows[i].action, 15, 38, y + 5.5, text_dark, -1, 84);
            const double action_w = text_width(rows[i].action, 15);
            const double keys_x = action_w <= 62 ? 104 : 46 + std::min(84.0, action_w);
            QList<picture> alternatives;
            QStringList group;
            for (const QString& key : rows[i].keys + QStringList{"|"}) {
                if (key == "|") {
                    alternatives.append(keys(group));
                    group.clear();
                } else {
                    group.append(key);
                }
            }
            pictures(p, keys_x, y, alternatives);
            pictures(p, 314, y, rows[i].pad);
        }
    };
    section(p, 484, from_catalogue(cf_tr("help", "MENUS")));
    table(492, {
                   {from_catalogue(cf_tr("help", "move")),
                    {"<", ">", "^", "v", "|", from_catalogue(cf_tr("help", "Tab"))},
                    {d_pad, thumbstick("L")}},
                   {from_catalogue(cf_tr("help", "choose")),
                    {from_catalogue(cf_tr("help", "Enter")), "|",
                     from_catalogue(cf_tr("help", "Space"))},
                    {button("A"), named("START", 54)}},
                   {from_catalogue(cf_tr("help", "back")),
                    {from_catalogue(cf_tr("help", "Esc"))},
                    {button("B")}},
               });
    section(p, 614, from_catalogue(cf_tr("help", "DRAWING MODE")));
    table(622, {
                   {from_catalogue(cf_tr("help", "move")), {"<", ">", "^", "v"}, {d_pad}},
                   {from_catalogue(cf_tr("help", "slot")),
                    {from_catalogue(cf_tr("help", "Tab")), "|", "1", "2", "3"},
                    {named("LB", 34), named("RB", 34)}},
                   {from_catalogue(cf_tr("help", "place")),
                    {from_catalogue(cf_tr("help", "Enter")), "|",
                     from_catalogue(cf_tr("help", "Space"))},
                    {button("A")}},
                   {from_catalogue(cf_tr("help", "leave")),
                    {"P", "|", from_catalogue(cf_tr("help", "Esc"))},
                    {button("B")}},
               });
    draw_text(p, from_catalogue(cf_tr("help", "On the map, Esc goes back to the title.")), 14, 224,
              772, text_soft, 0, 400);
}

} // namespace art

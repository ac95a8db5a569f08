#include "menu_scene.h"

#include "bg_gl_item.h"
#include "spriteman.h"

#include <QGraphicsView>
#include <algorithm>
#include <cmath>

namespace
{

// How far outside a button its focus frame sits, pixels.
constexpr float frame_margin = 8;

QRectF rect_of(const menu_button& b)
{
    return QRectF(b.pos(), QSizeF(b.width, b.height));
}

} // namespace

menu_scene::menu_scene(QObject* parent)
    : myscene(parent), quit(this), play(this), help(this), credits(this), editor(this),
      continue_choice(this), settings(this)
{
    // In the scene, so that the toolkit delivers presses to them.
    for (myglitem* button : {static_cast<myglitem*>(&quit), static_cast<myglitem*>(&play),
                             static_cast<myglitem*>(&help), static_cast<myglitem*>(&credits),
                             static_cast<myglitem*>(&editor), static_cast<myglitem*>(&settings)}) {
        addItem(button);
        button->setVisible(true);
    }
    addItem(&continue_choice);
    // A player who left in the middle of a level came back for it.
    if (continue_choice.refresh())
        focused = &continue_choice;
    background = new bg_gl_item(this, spriteman::tex_grassy_center, spriteman::tex_grassy_up,
                                spriteman::tex_grassy_down);
    resizeGL();
}

void menu_scene::resizeGL()
{
    const int w = myglitem::viewport_width();
    const int h = myglitem::viewport_height();
    quit.setPos(30, h / 2 - 60);
    play.setPos(w - 150, h / 2 - 60);
    help.setPos(w / 2 - 60, h / 2 - 120);
    credits.setPos(w / 2 - 30, h / 2 + 20);
    // Below credits, the lowest of the four, so they overlap none of them
    // whatever the window's size; the pair keeps clear of the play column.
    editor.setPos(w / 2 - 70, h / 2 + 100);
    settings.setPos(w / 2 + 10, h / 2 + 100);
    // Under play, at the right edge, clear of the middle column.
    continue_choice.setPos(w - 230, h / 2 + 80);
    if (auto* bg = static_cast<bg_gl_item*>(background)) {
        // The atlas tables may appear after the scene was made.
        bg->tex = spriteman::tex_grassy_center;
        bg->tex_up = spriteman::tex_grassy_up;
        bg->tex_down = spriteman::tex_grassy_down;
        bg->resizeGL();
    }
    setSceneRect(0, 0, w, h);
}

void menu_scene::updateGL()
{
    ++relayout_counter;
    if (relayout_counter > relayout_period) {
        resizeGL();
        relayout_counter = 0;
    }
    myscene::updateGL();
    if (keys_in_use) {
        const QRectF r = rect_of(*focused);
        myglitem::draw_focus_frame(
            r.left() - view_left - frame_margin, r.top() - view_top - frame_margin,
            r.right() - view_left + frame_margin, r.bottom() - view_top + frame_margin);
    }
}

std::vector<menu_button*> menu_scene::buttons()
{
    // Play first: it is what most players came for, unless they left a level
    // unfinished.
    std::vector<menu_button*> order{&play, &help, &credits, &editor, &settings, &quit};
    if (continue_choice.isVisible())
        order.insert(order.begin(), &continue_choice);
    return order;
}

void menu_scene::reactivated()
{
    continue_choice.refresh();
    if (!continue_choice.isVisible() && focused == &continue_choice)
        focused = &play;
}

void menu_scene::advance()
{
    if (qEnvironmentVariableIsSet("CF_ATTEMPT_TEST") && continue_choice.isVisible())
        continue_choice.press();
}

menu_button* menu_scene::in_turn(int step)
{
    const std::vector<menu_button*> order = buttons();
    const int count = static_cast<int>(order.size());
    // The focus may be on a button just hidden: it then starts from the first.
    const int at =
        static_cast<int>(std::find(order.begin(), order.end(), focused) - order.begin()) % count;
    return order[((at + step) % count + count) % count];
}

menu_button* menu_scene::neighbour(input::intent arrow)
{
    using input::intent;
    const QRectF from = rect_of(*focused);
    menu_button* best = nullptr;
    double best_score = 0;
    for (menu_button* b : buttons()) {
        if (b == focused)
            continue;
        const QRectF to = rect_of(*b);
        const bool across = arrow == intent::left || arrow == intent::right;
        const double sign = (arrow == intent::left || arrow == intent::up) ? -1 : 1;
        // Centre offsets along the arrow and across it.
        const double along = sign * (across ? to.center().x() - from.center().x()
                                            : to.center().y() - from.center().y());
        const double aside =
            across ? to.center().y() - from.center().y() : to.center().x() - from.center().x();
        // Only buttons within 45 degrees of the arrow count as that way.
        if (along <= 0 || std::abs(aside) > along)
            continue;
        // The gap between the facing edges, and a sideways step costs twice
        // as much, so the button straight ahead wins over a nearer one aside.
        const double gap = across
                               ? (sign > 0 ? to.left() - from.right() : from.left() - to.right())
                               : (sign > 0 ? to.top() - from.bottom() : from.top() - to.bottom());
        const double score = std::max(0.0, gap) + 2 * std::abs(aside);
        if (!best || score < best_score) {
            best = b;
            best_score = score;
        }
    }
    return best;
}

void menu_scene::redraw_soon()
{
    // The title has no tick that draws it: the view repaints when asked.
    for (QGraphicsView* v : views())
        v->viewport()->update();
}

void menu_scene::mousePressEvent(QGraphicsSceneMouseEvent* e)
{
    // The pointer hides the focus frame.
    redraw_soon();
    myscene::mousePressEvent(e);
}

bool menu_scene::intent_event(const input::meaning& m, bool pressed, bool repeat)
{
    using input::intent;
    if (!pressed)
        return false;
    redraw_soon(); // the focus frame shows, or moves
    switch (m.menu) {
    case intent::up:
    case intent::down:
    case intent::left:
    case intent::right:
        if (menu_button* b = neighbour(m.menu))
            focused = b;
        return true;
    case intent::next:
        focused = in_turn(1);
        return true;
    case intent::previous:
        focused = in_turn(-1);
        return true;
    case intent::back:
        // Never quits by itself: a second key, confirm, has to agree.
        focused = &quit;
        return true;
    case intent::confirm:
        // A held key presses once; the screen it opens gets the repeats.
        if (!repeat)
            focused->press();
        return true;
    default:
        return false;
    }
}

std::vector<layout_box> menu_scene::layout_boxes() const
{
    std::vector<layout_box> out;
    const std::pair<const char*, const menu_button*> named[] = {{"play", &play},
                                                                {"help", &help},
                                                                {"credits", &credits},
                                                                {"editor", &editor},
                                                                {"settings", &settings},
                                                                {"quit", &quit},
                                                                {"continue", &continue_choice}};
    for (const auto& [name, button] : named)
        if (button->isVisible())
            out.push_back(
                {QString::fromLatin1(name), rect_of(*button).translated(-view_left, -view_top)});
    return on_screen(out);
}

#include "tex_scrolling_view.h"

#include "atlas_table.h"
#include "myglitem.h"
#include "spriteman.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <algorithm>

namespace
{

constexpr int arrow_size = 60;  // pixels
constexpr int scroll_step = 60; // pixels an arrow key scrolls

// The help pages follow one another; the page after the last is none.
float* page_after(const float* page)
{
    float* const chain[] = {spriteman::tex_help_first, spriteman::tex_help_second,
                            spriteman::tex_help_third};
    for (int i = 0; i + 1 < 3; ++i)
        if (page && page == chain[i])
            return chain[i + 1];
    return nullptr;
}

} // namespace

tex_scrolling_view::tex_scrolling_view(float* page, float* next_page, QObject* parent)
    : myscene(parent), page(page), next_page(next_page)
{
    running = true;
    self_drawing = true;
    lay_out();
    // The view shows this scene only once it is pushed; the first tick then
    // scrolls it to the page's top-left corner.
    home_pending = !center_view(0, 0);
}

void tex_scrolling_view::lay_out()
{
    const int w = myglitem::viewport_width();
    page_width = 0;
    page_height = 0;
    if (page) {
        const double u_extent = page[2] - page[0];
        const double v_extent = page[1] - page[5];
        if (u_extent > 0) {
            // Natural size, or narrowed to the viewport with the aspect kept.
            page_width = std::min(static_cast<double>(w), u_extent * atlas::size);
            page_height = v_extent * page_width / u_extent;
        }
    }
    myglitem::set_quad(page_quad, 0, 0, page_width, page_height);
    setSceneRect(0, 0, page_width, page_height);
    myglitem::set_quad(back_quad, 0, 0, arrow_size, arrow_size);
    myglitem::set_quad(next_quad, w - arrow_size, 0, w, arrow_size);
}

void tex_scrolling_view::resizeGL()
{
    lay_out();
}

void tex_scrolling_view::updateGL()
{
    // The page sits at scene (0, 0) and moves on screen as the view scrolls.
    const float left = -view_left;
    const float top = -view_top;
    myglitem::set_quad(draw_quad, left, top, left + page_width, top + page_height);
    myglitem::draw_strip(page, draw_quad);
    myglitem::draw_strip(spriteman::tex_back, back_quad);
    if (next_page)
        myglitem::draw_strip(spriteman::tex_back_reverse, next_quad);
}

void tex_scrolling_view::advance()
{
    // Leaving is met after the tick, as the repaint is.
    if (leave_request)
        return;
    if (home_pending)
        home_pending = !center_view(0, 0);
    repaint_request = repaint::if_focused;
}

QGraphicsView* tex_scrolling_view::shown_in() const
{
    const QList<QGraphicsView*> shown = views();
    return shown.isEmpty() ? nullptr : shown.first();
}

bool tex_scrolling_view::center_view(double x, double y)
{
    QGraphicsView* v = shown_in();
    if (!v)
        return false;
    v->centerOn(x, y);
    // Keep the view position current between frames, so that consecutive
    // moves before the next repaint measure from where the view now is.
    record_view_position(v);
    return true;
}

void tex_scrolling_view::record_view_position(QGraphicsView* v)
{
    const QWidget* vp = v->viewport();
    myscene::record_view_position(v, vp->width(), vp->height());
}

void tex_scrolling_view::settle_home()
{
    // The position fields must describe the view before anything is
    // measured against them.
    if (home_pending) {
        if (QGraphicsView* v = shown_in()) {
            record_view_position(v);
            home_pending = false;
        }
    }
}

void tex_scrolling_view::open_next_page()
{
    if (!next_page)
        return;
    if (enter_request)
        return;
    auto* next = new tex_scrolling_view(next_page, page_after(next_page), nullptr);
    next->follows_page = true;
    enter_request = next;
}

void tex_scrolling_view::scroll_by(double dy)
{
    settle_home();
    center_view(view_center_x, view_center_y + dy);
}

bool tex_scrolling_view::intent_event(const input::meaning& m, bool pressed, bool repeat)
{
    using input::intent;
    if (!pressed)
        return false;
    const int screenful = myglitem::viewport_height();
    switch (m.menu) {
    case intent::up:
        scroll_by(-scroll_step);
        return true;
    case intent::down:
        scroll_by(scroll_step);
        return true;
    case intent::page_up:
        scroll_by(-screenful);
        return true;
    case intent::page_down:
        scroll_by(screenful);
        return true;
    // Turning and leaving take one press each: a held key must not run
    // through the pages below it one by one.
    case intent::right:
        if (!repeat)
            open_next_page();
        return true;
    case intent::left:
        if (!repeat && follows_page)
            leave_request = true;
        return true;
    case intent::back:
        if (!repeat)
            leave_request = true;
        return true;
    default:
        return false;
    }
}

void tex_scrolling_view::mousePressEvent(QGraphicsSceneMouseEvent* e)
{
    // A press before the first tick is measured against the view as it is.
    settle_home();
    const double px = e->scenePos().x() - view_left;
    const double py = e->scenePos().y() - view_top;
    const int w = myglitem::viewport_width();
    // A press on an arrow starts no drag: moves and the release that follow
    // it must not scroll from an older press's anchor.
    busy = true;
    if (py < arrow_size && px < arrow_size) {
        leave_request = true;
        return;
    }
    if (py < arrow_size && px > w - arrow_size) {
        open_next_page();
        return;
    }
    busy = false;
    press_x = static_cast<long long>(px);
    press_y = static_cast<long long>(py);
    last_x = press_x;
    last_y = press_y;
    anchor_x = static_cast<long long>(press_x + view_center_x);
    anchor_y = static_cast<long long>(press_y + view_center_y);
}

void tex_scrolling_view::mouseMoveEvent(QGraphicsSceneMouseEvent* e)
{
    if (busy)
        return;
    busy = true;
    const long long px = static_cast<long long>(e->scenePos().x() - view_left);
    const long long py = static_cast<long long>(e->scenePos().y() - view_top);
    if (px != last_x || py != last_y) {
        last_x = px;
        last_y = py;
        // The scene point under the finger at the press stays under it.
        center_view(anchor_x - px, anchor_y - py);
    }
    busy = false;
}

void tex_scrolling_view::mouseReleaseEvent(QGraphicsSceneMouseEvent* e)
{
    // Only a drag started by a press scrolls; a release arriving on its own
    // (before any press, after an arrow, or twice) leaves the page alone.
    if (busy)
        return;
    busy = true;
    const long long px = static_cast<long long>(e->scenePos().x() - view_left);
    const long long py = static_cast<long long>(e->scenePos().y() - view_top);
    center_view(anchor_x - px, anchor_y - py);
}

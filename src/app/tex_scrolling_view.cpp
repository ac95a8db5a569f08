#include "tex_scrolling_view.h"

#include "atlas_table.h"
#include "bindings.h"
#include "catalogue.h"
#include "extra_functions.h"
#include "myglitem.h"
#include "spriteman.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <algorithm>

namespace
{

constexpr int arrow_size = 60;  // pixels
constexpr int scroll_step = 60; // pixels an arrow key scrolls
// The pages were drawn for a screen this high: on a larger one they grow
// with it, as far as the width allows.
constexpr int design_height = 480;
// The scroll mark along the right edge, pixels.
constexpr int mark_width = 6;
constexpr int mark_margin = 4;
const float mark_track_tint[4] = {0.1f, 0.1f, 0.15f, 0.25f};
const float mark_thumb_tint[4] = {0.1f, 0.1f, 0.15f, 0.7f};
// The player's own keys, in the band between the arrows.
// The band stays above the page's own title.
constexpr int own_keys_size = 12; // pixels a letter, on a page at its drawn size
constexpr int own_keys_line = 15; // pixels a line
constexpr size_t own_keys_lines_max = 2;
const float own_keys_tint[4] = {0.05f, 0.05f, 0.08f, 0.75f};

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
            // Natural size, or narrowed to the viewport with the aspect kept;
            // grown with a larger screen, never wider than it.
            const double natural = u_extent * atlas::size;
            const double fitted = std::min(1.0, w / natural);
            const double grown = std::min(
                w / natural, static_cast<double>(myglitem::viewport_height()) / design_height);
            page_width = natural * std::max(fitted, grown);
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

void tex_scrolling_view::edge_texels(float* top_left, float* left_column, float* right_column) const
{
    // Half a texel in from the page's edges, so filtering never reaches the
    // atlas cells around it.
    const float half = 0.5f / atlas::size;
    const float u0 = page[0] + half, u1 = page[2] - half;
    const float v_top = page[1] - half, v_bottom = page[5] + half;
    const float corner[8] = {u0, v_top, u0, v_top, u0, v_top, u0, v_top};
    const float left[8] = {u0, v_top, u0, v_top, u0, v_bottom, u0, v_bottom};
    const float right[8] = {u1, v_top, u1, v_top, u1, v_bottom, u1, v_bottom};
    std::copy(corner, corner + 8, top_left);
    std::copy(left, left + 8, left_column);
    std::copy(right, right + 8, right_column);
}

bool tex_scrolling_view::scrolled() const
{
    return page_height > myglitem::viewport_height() && view_top > 0.5;
}

void tex_scrolling_view::updateGL()
{
    const int w = myglitem::viewport_width();
    const int h = myglitem::viewport_height();
    // The page sits at scene (0, 0) and moves on screen as the view scrolls.
    const float left = -view_left;
    const float top = -view_top;
    myglitem::set_quad(draw_quad, left, top, left + page_width, top + page_height);
    float quad[8];
    if (page) {
        // Around the page, its own background: its corner colour everywhere,
        // and its edges carried on sideways to the window's edges.
        float corner[8], left_column[8], right_column[8];
        edge_texels(corner, left_column, right_column);
        myglitem::set_quad(quad, 0, 0, w, h);
        myglitem::draw_strip(corner, quad);
        myglitem::set_quad(quad, 0, top, left, top + page_height);
        myglitem::draw_strip(left_column, quad);
        myglitem::set_quad(quad, left + page_width, top, w, top + page_height);
        myglitem::draw_strip(right_column, quad);
        myglitem::draw_strip(page, draw_quad);
        // Once scrolled, the page passes under a band of its own colour
        // behind the arrows, so they never sit on its text.
        if (scrolled()) {
            myglitem::set_quad(quad, 0, 0, w, arrow_size);
            myglitem::draw_strip(corner, quad);
            myglitem::draw_flat_rect(0, arrow_size, w, arrow_size + 2, mark_track_tint);
        }
    }
    const std::vector<std::string> own_keys = own_keys_lines();
    if (!own_keys.empty()) {
        const int letter = own_keys_letter();
        const int line_height = letter * own_keys_line / own_keys_size;
        size_t longest = 0;
        for (const std::string& line : own_keys)
            longest = std::max(longest, static_cast<size_t>(extra_functions::glyph_count(line)));
        const int half = static_cast<int>(longest) * letter / 2 + 8;
        myglitem::draw_flat_rect(w / 2 - half, 2, w / 2 + half,
                                 4 + static_cast<int>(own_keys.size()) * line_height,
                                 own_keys_tint);
        for (size_t i = 0; i < own_keys.size(); ++i)
            extra_functions::print_gl_label(own_keys[i], w / 2,
                                            3 + line_height / 2 + static_cast<int>(i) * line_height,
                                            letter);
    }
    myglitem::draw_strip(spriteman::tex_back, back_quad);
    if (next_page)
        myglitem::draw_strip(spriteman::tex_back_reverse, next_quad);
    QRectF track, thumb;
    if (scroll_mark(&track, &thumb)) {
        myglitem::draw_flat_rect(track.left(), track.top(), track.right(), track.bottom(),
                                 mark_track_tint);
        myglitem::draw_flat_rect(thumb.left(), thumb.top(), thumb.right(), thumb.bottom(),
                                 mark_thumb_tint);
    }
}

bool tex_scrolling_view::scroll_mark(QRectF* track, QRectF* thumb) const
{
    const int w = myglitem::viewport_width();
    const int h = myglitem::viewport_height();
    if (page_height <= h)
        return false;
    // Down the right edge, below the next arrow's corner.
    const double track_top = arrow_size + mark_margin;
    const double track_height = h - mark_margin - track_top;
    *track = QRectF(w - mark_margin - mark_width, track_top, mark_width, track_height);
    const double shown = h / page_height;
    const double scrolled_share = std::clamp(view_top / (page_height - h), 0.0, 1.0);
    const double thumb_height = std::max(2.0 * mark_width, track_height * shown);
    *thumb = QRectF(track->left(), track_top + (track_height - thumb_height) * scrolled_share,
                    mark_width, thumb_height);
    return true;
}

std::vector<layout_box> tex_scrolling_view::layout_boxes() const
{
    const int h = myglitem::viewport_height();
    std::vector<layout_box> out;
    out.push_back(
        {QStringLiteral("back arrow"), QRectF(back_quad[0], back_quad[1], arrow_size, arrow_size)});
    if (next_page)
        out.push_back({QStringLiteral("next arrow"),
                       QRectF(next_quad[0], next_quad[1], arrow_size, arrow_size)});
    QRectF track, thumb;
    if (scroll_mark(&track, &thumb))
        out.push_back({QStringLiteral("scroll mark"), track});
    const std::vector<std::string> own_keys = own_keys_lines();
    const int letter = own_keys_letter();
    const int line_height = letter * own_keys_line / own_keys_size;
    for (size_t i = 0; i < own_keys.size(); ++i) {
        const double width =
            static_cast<double>(extra_functions::glyph_count(own_keys[i])) * letter;
        const double mid = 3 + line_height / 2 + static_cast<int>(i) * line_height;
        out.push_back({QString::fromStdString(own_keys[i]),
                       QRectF(myglitem::viewport_width() / 2.0 - width / 2, mid - letter / 2.0,
                              width, letter)});
    }
    // The page's text: below the page's own top margin (one arrow high,
    // grown with the page) and below the band once scrolled, within the
    // window; the scroll mark runs in the page's right margin.
    const double scale = page ? page_width / ((page[2] - page[0]) * atlas::size) : 1.0;
    const double left = -view_left;
    const double top = std::max(-view_top + arrow_size * scale, scrolled() ? arrow_size : 0.0);
    const double margin = (mark_margin + mark_width) * scale;
    const QRectF text(left + margin, top, page_width - 2 * margin,
                      std::min<double>(h, -view_top + page_height) - top);
    if (text.height() > 0)
        out.push_back({QStringLiteral("page text"), text});
    return on_screen(out);
}

// The band grows with the page, as far as the arrows' height allows.
int tex_scrolling_view::own_keys_letter() const
{
    const double scale = page ? page_width / ((page[2] - page[0]) * atlas::size) : 1.0;
    return static_cast<int>(own_keys_size * std::clamp(scale, 1.0, 1.6));
}

std::vector<std::string> tex_scrolling_view::own_keys_lines() const
{
    const bool help =
        page && (page == spriteman::tex_help_first || page == spriteman::tex_help_second ||
                 page == spriteman::tex_help_third);
    if (!help)
        return {};
    const std::vector<std::string> words = input::changed_bindings(input::bindings_in_force());
    if (words.empty())
        return {};
    const size_t room =
        static_cast<size_t>((myglitem::viewport_width() - 2 * arrow_size - 24) / own_keys_letter());
    std::vector<std::string> lines{cf_tr("keys", "YOUR KEYS:")};
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string more =
            lang::fill(cf_tr("keys", "AND %1 MORE"), {std::to_string(words.size() - i)});
        const bool last_line = lines.size() == own_keys_lines_max;
        // The last line keeps room to say how many did not fit.
        const size_t keep = last_line && i + 1 < words.size()
                                ? static_cast<size_t>(extra_functions::glyph_count(more)) + 2
                                : 0;
        if (static_cast<size_t>(extra_functions::glyph_count(lines.back()) +
                                extra_functions::glyph_count(words[i])) +
                2 + keep <=
            room) {
            lines.back() += "  " + words[i];
        } else if (!last_line) {
            lines.push_back(words[i]);
        } else {
            lines.back() += "  " + more;
            break;
        }
    }
    return lines;
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

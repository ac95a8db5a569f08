#include "title_card.h"

#include "catalogue.h"
#include "cfg.h"
#include "controlling_drawer.h"
#include "extra_functions.h"
#include "game_scene.h"
#include "spriteman.h"
#include "stockblock.h"
#include "stockchar.h"

#include <QGraphicsView>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <vector>

namespace
{

constexpr unsigned int default_block = 60;

// What the atlas font can show of a title; an apostrophe would read as a
// gap inside a word.
std::string printable(const std::string& text)
{
    std::string out;
    for (const char ch : text) {
        const bool shown = (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') ||
                           (ch >= 'a' && ch <= 'z') || ch == ' ' || ch == '-' || ch == ':' ||
                           ch == '/';
        if (shown)
            out += ch;
    }
    return out;
}

// Letters as large as `size`, but the line no wider than `room`.
int fitting_size(const std::string& text, int size, int room)
{
    const int n = std::max(1, extra_functions::glyph_count(text));
    return std::max(8, std::min(size, room / n));
}

} // namespace

title_card::title_card(game_scene* scene, const std::string& number, const std::string& title)
    : world(scene), number_text(lang::fill(cf_tr("hud", "LEVEL %1"), {printable(number)})),
      title_text(printable(title))
{
    this->scene = scene;
    // Over the world, the HUD and the drawers; under an in-game menu.
    depth = 0.03;
    resizeGL();
    scene->addItem(this);
    scene->add_gl_item(this);
}

title_card::~title_card()
{
    world->remove_gl_item(this);
}

QRectF title_card::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

void title_card::resizeGL()
{
    width = viewport_width();
    height = viewport_height();
    set_quad(vertices, 0, height - strip_height, width, height);
}

double title_card::scale(unsigned int block)
{
    return static_cast<double>(block) / static_cast<double>(cfg::multiplier);
}

QGraphicsView* title_card::shown_in() const
{
    const QList<QGraphicsView*> shown = world->views();
    return shown.isEmpty() ? nullptr : shown.first();
}

unsigned int title_card::overview_block_size(const game_scene& world, int width, int height)
{
    if (world.grid_width <= 0 || world.grid_height <= 0)
        return default_block;
    // The scene is centred in the view, and reaches the bar's height further
    // up than down: the level must clear the bar above and the strip below
    // with that to spare, and the scene's own margins at the sides.
    const int clear =
        std::max(world.band_px, static_cast<int>(std::ceil(strip_height * ui_scale())));
    const int room_x = (width - 120) / world.grid_width;
    const int room_y = (height - 2 * clear - world.band_px - 20) / world.grid_height;
    const int block = std::min({static_cast<int>(default_block), room_x, room_y});
    return static_cast<unsigned int>(std::max(10, block));
}

void title_card::look_at(QGraphicsView& v, unsigned int block, double x_units, double y_units)
{
    if (world->block_size != block) {
        world->block_size = block;
        world->calculate_sizes();
    }
    v.centerOn(x_units * scale(block), y_units * scale(block));
}

bool title_card::step()
{
    ++age;
    QGraphicsView* v = shown_in();
    if (age >= hold_ticks + ease_ticks || !v) {
        if (age >= hold_ticks + ease_ticks)
            finish();
        return age < hold_ticks + ease_ticks;
    }
    const double level_x = world->grid_width * static_cast<double>(cfg::multiplier) / 2;
    const double level_y = world->grid_height * static_cast<double>(cfg::multiplier) / 2;
    if (age < hold_ticks) {
        const int w = v->viewport()->width(), h = v->viewport()->height();
        look_at(*v, overview_block_size(*world, w, h), level_x, level_y);
        return true;
    }
    if (!easing) {
        // Where the ease ends: the start view, found at the default zoom.
        easing = true;
        from_block = world->block_size;
        from_x = level_x;
        from_y = level_y;
        world->block_size = default_block;
        world->calculate_sizes();
        start_view(*world, *v);
        const QPointF centre = v->mapToScene(v->viewport()->rect().center());
        to_x = centre.x() / scale(default_block);
        to_y = centre.y() / scale(default_block);
    }
    // Smoothstep: starts and ends gently.
    const double t = static_cast<double>(age - hold_ticks + 1) / ease_ticks;
    const double f = t * t * (3 - 2 * t);
    const auto block = static_cast<unsigned int>(
        std::lround(from_block + (static_cast<double>(default_block) - from_block) * f));
    look_at(*v, block, from_x + (to_x - from_x) * f, from_y + (to_y - from_y) * f);
    return true;
}

void title_card::finish()
{
    age = hold_ticks + ease_ticks;
    if (world->block_size != default_block) {
        world->block_size = default_block;
        world->calculate_sizes();
    }
    if (QGraphicsView* v = shown_in())
        start_view(*world, *v);
}

void title_card::start_view(game_scene& world, QGraphicsView& v, int below)
{
    stockchar* focused = world.focused_char();
    if (!focused)
        return;
    const int vh = v.viewport()->height();
    const int block_px = static_cast<int>(world.block_size);
    const QRectF me(focused->scenePos(), QSizeF(focused->width, focused->height));
    v.centerOn(me.center());
    // View tops that show the character whole under the bar, with half a
    // block to spare, and stay inside the scene.
    const int pad = block_px / 2;
    const QRectF scene = world.sceneRect();
    const int lowest = std::max(static_cast<int>(std::ceil(me.bottom())) + pad - vh,
                                static_cast<int>(std::ceil(scene.top())));
    const int highest = std::min(static_cast<int>(std::floor(me.top())) - pad - world.band_px,
                                 static_cast<int>(std::floor(scene.bottom())) - vh);
    // The camera's follow box (controlling_drawer): from a top in
    // [box_low, box_high] it does not move.
    const int ymargin = std::max(0, vh / 2 - block_px);
    const int box_low = static_cast<int>(std::ceil(me.bottom() + ymargin - vh)) + 1;
    const int box_high = static_cast<int>(std::floor(me.top() - ymargin)) - 1;
    // Where the view stood before the scene reached past the grid for the
    // bar: kept whenever it hides nothing, so that such levels look as ever.
    const double old_top = scene.top() + world.band_px;
    const double old_bottom = scene.bottom();
    double natural = me.center().y() - vh / 2.0;
    if (old_bottom - old_top <= vh)
        natural = (old_top + old_bottom - vh) / 2;
    else
        natural = std::clamp(natural, old_top, old_bottom - vh);
    const int wanted = static_cast<int>(std::lround(natural));

    std::vector<QRectF> shown;
    for (stockchar* ch : world.characters)
        shown.emplace_back(ch->scenePos(), QSizeF(ch->width, ch->height));
    for (const auto& doors : world.exits)
        for (stockblock* door : doors)
            shown.emplace_back(door->scenePos(), QSizeF(door->width, door->height));

    // Half under the bar is worst, then not wholly in sight; then a view
    // the follow would have to move, then one away from the old view.
    constexpr long long under_bar = 100000000LL;
    auto cost = [&](int top) {
        long long under = 0, partly = 0;
        for (const QRectF& r : shown) {
            const double t = r.top() - top, b = r.bottom() - top;
            if (t < world.band_px && b > 0)
                ++under;
            else if (t < world.band_px || b > vh)
                ++partly;
        }
        const int outside_box = std::max({0, box_low - top, top - box_high});
        return under * under_bar + partly * 1000000LL + outside_box * 100LL +
               std::abs(top - wanted);
    };
    if (lowest > highest)
        return; // zoomed in too far for any choice: the follow decides
    int best = lowest;
    for (int top = lowest; top <= highest; ++top)
        if (cost(top) < cost(best))
            best = top;
    if (cost(best) >= under_bar && below < vh / 2) {
        // Doors stacked closer than the bar is high, with the character far
        // below them: only a view past the grid's foot keeps them all off
        // the bar. The scene reaches that far until a zoom sets it anew.
        const int further = below + std::max(world.band_px, block_px / 2);
        world.setSceneRect(scene.adjusted(0, 0, 0, further - below));
        start_view(world, v, further);
        return;
    }
    v.verticalScrollBar()->setValue(best);
    if (auto* steering = dynamic_cast<controlling_drawer*>(world.drawer))
        steering->hold_view();
}

void title_card::updateGL()
{
    // Fades out as the view eases in.
    double shown = 1;
    if (age >= hold_ticks)
        shown = 1 - static_cast<double>(age - hold_ticks) / ease_ticks;
    shown = std::clamp(shown, 0.0, 1.0);
    const float strip[4] = {0, 0, 0, static_cast<float>(0.6 * shown)};
    set_tint(strip);
    draw_strip(spriteman::tex_blank, vertices);
    // The tint adds to the atlas colour: the letters lose alpha as it fades.
    const float ink[4] = {0, 0, 0, static_cast<float>(shown - 1)};
    set_tint(ink);
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    extra_functions::print_gl_label(number_text, w / 2, h - strip_height + 24,
                                    fitting_size(number_text, 30, w - 20), false);
    // The title as its file writes it, lower case in small capitals.
    extra_functions::print_gl_label(title_text, w / 2, h - 22, fitting_size(title_text, 26, w - 20),
                                    true);
    set_tint(spriteman::color_blank);
}

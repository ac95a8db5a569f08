#include "stockblock.h"

#include "cfg.h"
#include "collcard.h"
#include "collist.h"
#include "extra_functions.h"
#include "game_scene.h"
#include "level_format.h"
#include "spriteman.h"
#include "stockchar.h"

#include <algorithm>

namespace
{

// The kinds that live in the grid, as the level format's table says.
unsigned int grid_kinds()
{
    static const unsigned int kinds = level_format::grid_types();
    return kinds;
}

} // namespace

stockblock::stockblock(game_scene* scene, long long x, long long y, unsigned char color_index)
    : stockblock(scene, cfg::static0, x, y, color_index)
{
}

stockblock::stockblock(game_scene* scene, unsigned int type, long long x, long long y,
                       unsigned char color_index, int weight, double depth)
    : world(scene), x(x), y(y), weight(weight), size(level_format::size_of_type(type))
{
    this->type = type;
    this->color_index = color_index;
    this->depth = depth;
    part_of_world = true;
    // A colour number above 3 keeps the white default: a probe sees all.
    calculate_colorflag();
    if (type & grid_kinds())
        place_in_grid();
    else if (type != 0 && type != cfg::character)
        register_listed();
}

void stockblock::register_listed()
{
    world->addItem(this);
    world->add_gl_item(this);
    calculate_size(); // pixel size and item position
}

stockblock::~stockblock()
{
    if (world) {
        if (type & grid_kinds()) {
            const long long column = x / cfg::multiplier;
            const long long row = y / cfg::multiplier;
            if (world->in_grid(column, row) && world->grid[column][row] == this)
                world->grid[column][row] = nullptr;
        }
        world->remove_gl_item(this);
    }
}

void stockblock::place_in_grid()
{
    const long long column = x / cfg::multiplier;
    const long long row = y / cfg::multiplier;
    // Callers keep grid objects inside the grid; an object that is not is
    // simply not filed there rather than written out of bounds.
    if (world->in_grid(column, row)) {
        world->clear_cell(column, row);
        world->grid[column][row] = this;
    }
    world->addItem(this);
    world->add_gl_item(this);
    setPos(static_cast<qreal>(column * world->block_size),
           static_cast<qreal>(row * world->block_size));
    x = column * cfg::multiplier;
    y = row * cfg::multiplier;
    width = height = static_cast<int>(size * world->px_per_unit);
}

bool stockblock::claim_tick()
{
    if (tick_mark == world->tick_counter)
        return false;
    tick_mark = world->tick_counter;
    return true;
}

void stockblock::tentative_move()
{
    next_x = x + vx / world->ticks_per_second;
    next_y = y + vy / world->ticks_per_second;
}

void stockblock::calculate_colorflag()
{
    switch (color_index) {
    case 0:
        color = cfg::white;
        break;
    case 1:
        color = cfg::red;
        break;
    case 2:
        color = cfg::green;
        break;
    case 3:
        color = cfg::blue;
        break;
    default:
        break;
    }
}

QRectF stockblock::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

void stockblock::sync_item_pos()
{
    prepareGeometryChange();
    setPos(static_cast<float>(x * world->px_per_unit), static_cast<float>(y * world->px_per_unit));
}

void stockblock::calculate_size()
{
    prepareGeometryChange();
    width = height = static_cast<int>(size * world->px_per_unit);
    setPos(static_cast<float>(x * world->px_per_unit), static_cast<float>(y * world->px_per_unit));
}

void stockblock::draw_square(const float* tex)
{
    const float x0 = static_cast<float>(pos().x() - world->view_left);
    const float y0 = static_cast<float>(pos().y() - world->view_top);
    set_quad(vertices, x0, y0, x0 + width, y0 + height);
    draw_strip(tex, vertices);
}

void stockblock::updateGL()
{
    draw_square(spriteman::tex_stock[color_index & 3]);
}

void stockblock::push(unsigned char, long long, int, stockblock*) {}

void stockblock::push_reaction(unsigned char dir, long long pos, int force, stockblock* pusher,
                               unsigned int mask)
{
    const long long m = cfg::multiplier;
    next_x = x;
    next_y = y;
    std::list<stockblock*> candidates = colliding_blocks(x - m, y - m, x + 3 * m, y + 3 * m, mask);
    mk1dcollisions(candidates, dir, pos, force, pusher, false);
    if (next_x != x || next_y != y) {
        world_event e{world_event::push, this};
        e.dir = dir;
        world->tell(e);
    }
    x = next_x;
    y = next_y;
}

void stockblock::stop_fall()
{
    // Standing on the ground stops a fall of one tick's gravity every tick:
    // that is no landing.
    if (vy > world->gravity_per_tick && (type & (cfg::character | cfg::falling))) {
        world_event e{(type & cfg::character) ? world_event::land : world_event::block_land, this};
        e.speed = vy;
        world->tell(e);
    }
    vy = 0;
}

std::list<stockblock*> stockblock::colliding_blocks(long long x1, long long y1, long long x2,
                                                    long long y2, unsigned int mask)
{
    std::list<stockblock*> found;
    const long long xa = std::min(x1, x2);
    const long long xb = std::max(x1, x2);
    const long long ya = std::min(y1, y2);
    const long long yb = std::max(y1, y2);
    const long long s = size;

    // Grid part: every cell the box meets, column by column. Cells outside
    // the grid are skipped, so the range is clipped to it first.
    const long long columns = static_cast<long long>(world->grid.size());
    const long long rows = columns > 0 ? static_cast<long long>(world->grid[0].size()) : 0;
    const long long c_begin = std::max(xa / cfg::multiplier, 0LL);
    const long long c_end = std::min(extra_functions::bigtoceiled(xb + s), columns);
    const long long r_begin = std::max(ya / cfg::multiplier, 0LL);
    const long long r_end = std::min(extra_functions::bigtoceiled(yb + s), rows);
    for (long long c = c_begin; c < c_end; ++c) {
        for (long long r = r_begin; r < r_end; ++r) {
            stockblock* b = world->grid[c][r];
            if (b && b != this && (b->type & mask) && (b->color & color))
                found.push_back(b);
        }
    }

    // Strict overlap: touching edges do not collide.
    auto overlaps = [&](const stockblock* b) {
        return b->x < xb + s && b->x > xa - b->size && b->y < yb + s && b->y > ya - b->size;
    };
    auto scan = [&](const std::list<stockblock*>& list) {
        for (stockblock* b : list)
            if (b != this && overlaps(b))
                found.push_back(b);
    };

    // White movers and exits are met by every colour.
    if (mask & cfg::cloud)
        scan(world->clouds[0]);
    if (mask & cfg::exit)
        scan(world->exits[0]);
    if (mask & cfg::falling)
        scan(world->fallings[0]);

    if (color_index == 0) {
        for (int k = 1; k <= 3; ++k) {
            if (mask & cfg::cloud)
                scan(world->clouds[k]);
            if (mask & cfg::exit)
                scan(world->exits[k]);
            if (mask & cfg::falling)
                scan(world->fallings[k]);
        }
    } else if (color_index <= 3) {
        // A probe with a colour number above 3 has no lists of its own.
        if (mask & cfg::cloud)
            scan(world->clouds[color_index]);
        if (mask & cfg::exit)
            scan(world->exits[color_index]);
        if (mask & cfg::falling)
            scan(world->fallings[color_index]);
    }

    if (mask & cfg::entrance)
        scan(world->entrances);

    if (mask & cfg::character) {
        for (stockchar* c : world->characters)
            if (c != this && (c->color & color) && overlaps(c))
                found.push_back(c);
    }
    return found;
}

void stockblock::mk1dcollisions(std::list<stockblock*>& candidates, unsigned char dir,
                                long long pos, int force, stockblock* pusher, bool self_placed)
{
    const long long s = size;
    if (!self_placed) {
        // Pushed: stand right in front of the pusher, dropping any speed
        // against the push.
        if (dir & cfg::g) {
            if (vy > 0)
                stop_fall();
            next_y = pos - s;
            contacts |= cfg::d;
        } else if (dir & cfg::d) {
            if (vy < 0)
                vy = 0;
            next_y = pos + pusher->size;
            contacts |= cfg::g;
        } else if (dir & cfg::l) {
            if (vx > 0)
                vx = 0;
            next_x = pos - s;
            contacts |= cfg::p;
        } else if (dir & cfg::p) {
            if (vx < 0)
                vx = 0;
            next_x = pos + pusher->size;
            contacts |= cfg::l;
        }
    }

    auto overlaps = [&](const stockblock* b) {
        return next_x - b->x > -s && next_x - b->x < b->size && next_y - b->y > -s &&
               next_y - b->y < b->size;
    };
    const bool vertical = dir & (cfg::g | cfg::d);
    for (stockblock* b : candidates) {
        if (b == pusher || !overlaps(b))
            continue;
        b->push(dir, vertical ? next_y : next_x, force, this);
        if (!overlaps(b))
            continue;
        // It did not get out of the way: stop against it.
        if (dir & cfg::d) {
            next_y = b->y - s;
            stop_fall();
            contacts |= cfg::d;
        } else if (dir & cfg::g) {
            next_y = b->y + b->size;
            vy = 0;
            contacts |= cfg::g;
        } else if (dir & cfg::l) {
            next_x = b->x + b->size;
            vx = 0;
            contacts |= cfg::l;
        } else if (dir & cfg::p) {
            next_x = b->x - s;
            vx = 0;
            contacts |= cfg::p;
        }
    }
}

void stockblock::mk2dcollisions(std::list<stockblock*>& candidates)
{
    const auto abs = extra_functions::abs;
    const long long s = size;
    collist cards;
    for (stockblock* b : candidates) {
        const long long dx = next_x - b->x;
        const long long dy = next_y - b->y;

        // Vertical contact: when did our bottom (or top) cross its face, and
        // where were we horizontally at that moment (c)?
        if (vy != 0) {
            const unsigned char dir = vy > 0 ? cfg::d : cfg::g;
            const long long pen = vy > 0 ? dy + s : b->size - dy;
            if (vx == 0) {
                if (-s < dx && dx < b->size)
                    cards.add_card(new collcard(b, abs(pen) + abs(0), dir, true));
            } else {
                const long long c = vy > 0 ? dx - vx * pen / vy : dx + vx * pen / vy;
                const long long dist = abs(pen) + abs(dx - c);
                if (-s < c && c < b->size)
                    cards.add_card(new collcard(b, dist, dir, true));
                else if ((vx > 0 && c >= b->size) || (vx < 0 && c <= -s))
                    cards.add_card(new collcard(b, dist, dir, false));
                else if ((vx > 0 && c == -s) || (vx < 0 && c == b->size)) {
                    // Exact corner: a mostly horizontal move lands on it.
                    if (abs(vx) > abs(vy))
                        cards.add_card(new collcard(b, dist, dir, false));
                }
            }
        }

        if (vx != 0) {
            const unsigned char dir = vx > 0 ? cfg::p : cfg::l;
            const long long pen = vx > 0 ? dx + s : b->size - dx;
            const long long c = vx > 0 ? dy - vy * pen / vx : dy + vy * pen / vx;
            const long long dist = abs(pen) + abs(dy - c);
            if (-s < c && c < b->size)
                cards.add_card(new collcard(b, dist, dir, true));
            else if (vy == 0) {
                // Level move beside the block: no contact.
            } else if ((vy > 0 && c >= b->size) || (vy < 0 && c <= -s))
                cards.add_card(new collcard(b, dist, dir, false));
            else if ((vy > 0 && c == -s) || (vy < 0 && c == b->size)) {
                // Exact corner: a mostly vertical move meets the side.
                if (abs(vx) <= abs(vy))
                    cards.add_card(new collcard(b, dist, dir, false));
            }
        }
    }
    cards.execute(this);
}

#include "controlling_drawer.h"

#include "cfg.h"
#include "game_scene.h"
#include "stockchar.h"

#include <QGraphicsView>
#include <QScrollBar>
#include <algorithm>
#include <cstdlib>

controlling_drawer::controlling_drawer(game_scene* scene) : world(scene)
{
    this->scene = scene;
    width = 1;
    height = 1;
    depth = 0.05;
    set_quad(vertices, 0, 0, 1, 1);
    scene->adopt_drawer(this, cfg::drawer_ctrl_type);
    scene->stop_focused_character();
    scene->running = true;
}

controlling_drawer::~controlling_drawer()
{
    world->drop_drawer(this);
}

QRectF controlling_drawer::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

void controlling_drawer::clicked(int x, int y)
{
    steer(x, y);
}

// Every move re-reads both halves, so sliding across the middle turns at once.
void controlling_drawer::moved(int x, int y)
{
    steer(x, y);
}

void controlling_drawer::released(int, int)
{
    world->stop_focused_character();
}

void controlling_drawer::steer(int x, int y)
{
    stockchar* focused = world->focused_char();
    if (!focused)
        return;
    const bool left = x < viewport_width() / 2;
    world->set_held_keys(left, !left, y < viewport_height() / 2, focused->down_held);
}

void controlling_drawer::hold_view()
{
    stockchar* focused = world->focused_char();
    if (!focused)
        return;
    holding = true;
    held_char = focused;
    held_x = focused->x;
    held_y = focused->y;
}

void controlling_drawer::advance(int)
{
    stockchar* focused = world->focused_char();
    if (!focused)
        return;
    if (holding) {
        // A character settling on its floor by a unit or two has not moved;
        // one steered or carried off has.
        const long long slack = cfg::multiplier / 10;
        const bool steered =
            focused->left_held || focused->right_held || focused->jump_held || focused->down_held;
        if (focused == held_char && !steered && std::abs(focused->x - held_x) <= slack &&
            std::abs(focused->y - held_y) <= slack)
            return;
        holding = false;
        sliding = true;
    }
    if (!sliding) {
        follow(focused);
        return;
    }
    // Where the follow would put the view, reached a few pixels a tick.
    const QList<QGraphicsView*> shown = world->views();
    if (shown.isEmpty()) {
        sliding = false;
        follow(focused);
        return;
    }
    QScrollBar* bars[2] = {shown.first()->horizontalScrollBar(),
                           shown.first()->verticalScrollBar()};
    const int before[2] = {bars[0]->value(), bars[1]->value()};
    follow(focused);
    const int step = std::max(1, static_cast<int>(world->block_size) / 4);
    bool arrived = true;
    for (int i = 0; i < 2; ++i) {
        const int wanted = bars[i]->value();
        if (wanted == before[i])
            continue;
        arrived = false;
        bars[i]->setValue(before[i] + std::clamp(wanted - before[i], -step, step));
    }
    sliding = !arrived;
}

void controlling_drawer::follow(stockchar* focused)
{
    // The view scrolls only when the character leaves a box reaching one
    // block to each side of the centre. Zoomed in past half the screen, a
    // negative margin would let the character leave the screen: hold it at 0.
    const int block_px = static_cast<int>(world->block_size);
    const int xmargin = std::max(0, screen_width() / 2 - block_px);
    const int ymargin = std::max(0, screen_height() / 2 - block_px);
    focused->ensureVisible(QRectF(0, 0, focused->width, focused->height), xmargin, ymargin);
}

#include "controlling_drawer.h"

#include "cfg.h"
#include "game_scene.h"
#include "stockchar.h"

#include <algorithm>

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

void controlling_drawer::advance(int)
{
    stockchar* focused = world->focused_char();
    if (!focused)
        return;
    // The view scrolls only when the character leaves a box reaching one
    // block to each side of the centre. Zoomed in past half the screen, a
    // negative margin would let the character leave the screen: hold it at 0.
    const int block_px = static_cast<int>(world->block_size);
    const int xmargin = std::max(0, viewport_width() / 2 - block_px);
    const int ymargin = std::max(0, viewport_height() / 2 - block_px);
    focused->ensureVisible(QRectF(0, 0, focused->width, focused->height), xmargin, ymargin);
}

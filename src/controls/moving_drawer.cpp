#include "moving_drawer.h"

#include "cfg.h"
#include "game_scene.h"

#include <QGraphicsView>
#include <cstdlib>

moving_drawer::moving_drawer(game_scene* scene) : world(scene)
{
    this->scene = scene;
    width = 1;
    height = 1;
    depth = 0.05;
    set_quad(vertices, 0, 0, 1, 1);
    scene->adopt_drawer(this, cfg::drawer_mv_type);
    scene->stop_focused_character();
    scene->running = true;
}

moving_drawer::~moving_drawer()
{
    world->drop_drawer(this);
}

QRectF moving_drawer::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

void moving_drawer::clicked(int x, int y)
{
    last_x = x;
    last_y = y;
    // The world follows the finger in the screen's pixels.
    const double s = ui_scale();
    anchor_x = static_cast<long long>(x * s + world->view_center_x);
    anchor_y = static_cast<long long>(y * s + world->view_center_y);
    press_x = x;
    press_y = y;
    still_ticks = 0;
}

void moving_drawer::moved(int x, int y)
{
    if (x == last_x && y == last_y)
        return;
    last_x = x;
    last_y = y;
    // A finger never rests perfectly still: a few pixels are no drag yet.
    if (std::abs(x - press_x) + std::abs(y - press_y) > 8)
        still_ticks = -1;
    scroll_to(x, y);
}

void moving_drawer::released(int x, int y)
{
    still_ticks = -1;
    scroll_to(x, y);
}

void moving_drawer::scroll_to(int x, int y)
{
    // The finger drags the world: moving it right moves the centre left.
    const double s = ui_scale();
    center_on(static_cast<float>(anchor_x - x * s), static_cast<float>(anchor_y - y * s));
}

void moving_drawer::center_on(double x, double y)
{
    // Only the views showing this scene scroll; headless there may be none.
    // The next move is measured against the view position, so record where
    // the view now is instead of waiting for the next frame to do it.
    for (QGraphicsView* v : world->views()) {
        v->centerOn(x, y);
        const QWidget* vp = v->viewport();
        world->record_view_position(v, vp->width(), vp->height());
    }
}

void moving_drawer::look(input::intent way, bool pressed)
{
    using input::intent;
    // A stick swung across its centre presses the new way before it lets go
    // of the old one: a release only stops the way it names.
    int& axis = (way == intent::look_left || way == intent::look_right) ? look_x : look_y;
    const int sign = (way == intent::look_left || way == intent::look_up) ? -1 : 1;
    if (pressed)
        axis = sign;
    else if (axis == sign)
        axis = 0;
}

void moving_drawer::pan_by(double dx, double dy)
{
    center_on(world->view_center_x + dx, world->view_center_y + dy);
}

void moving_drawer::advance(int)
{
    if (still_ticks >= 0)
        ++still_ticks;
    // An open menu takes the stick's release: stop rather than pan under it.
    if (world->menu) {
        look_x = look_y = 0;
        return;
    }
    if (!looking())
        return;
    // A block every three ticks, whatever the zoom.
    const double step = world->block_size / 3.0;
    pan_by(look_x * step, look_y * step);
}

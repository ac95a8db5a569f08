#include "moving_drawer.h"

#include "cfg.h"
#include "game_scene.h"
#include "myglwidget.h"
#include "stockchar.h"

#include <QGraphicsView>

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
    anchor_x = static_cast<long long>(x + world->view_center_x);
    anchor_y = static_cast<long long>(y + world->view_center_y);
}

void moving_drawer::moved(int x, int y)
{
    if (x == last_x && y == last_y)
        return;
    last_x = x;
    last_y = y;
    scroll_to(x, y);
}

void moving_drawer::released(int x, int y)
{
    scroll_to(x, y);
}

void moving_drawer::scroll_to(int x, int y)
{
    // The finger drags the world: moving it right moves the centre left.
    const float center_x = static_cast<float>(anchor_x - x);
    const float center_y = static_cast<float>(anchor_y - y);
    // Only the views showing this scene scroll; headless there may be none.
    // The next move is measured against the view position, so record where
    // the view now is instead of waiting for the next frame to do it.
    for (QGraphicsView* v : world->views()) {
        v->centerOn(center_x, center_y);
        const QWidget* vp = v->viewport();
        myglwidget::record_view_position(world, v, vp->width(), vp->height());
    }
}

#include "myscene.h"

#include "myglitem.h"

#include <QGraphicsView>
#include <QKeyEvent>
#include <QTimer>
#include <utility>

bool myscene::keys_in_use = false;
bool myscene::pad_in_use = false;

myscene::myscene(QObject* parent) : QGraphicsScene(parent), timer(new QTimer(this))
{
    // The scene timers drive the game clock; a coarse timer runs fast.
    timer->setTimerType(Qt::PreciseTimer);
    setBackgroundBrush(QBrush(Qt::white, Qt::SolidPattern));
    setItemIndexMethod(QGraphicsScene::NoIndex);
}

myscene::~myscene()
{
    delete timer;
    delete enter_request; // never pushed
    delete background;
    background = nullptr;
    // Items still attached unregister themselves from this scene as they go:
    // delete them while it is still a myscene, not in the base destructor.
    clear();
}

void myscene::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* e)
{
    mousePressEvent(e);
}

void myscene::keyPressEvent(QKeyEvent* e)
{
    e->setAccepted(intent_event(input::key_meaning(e->key()), true, e->isAutoRepeat()));
}

void myscene::keyReleaseEvent(QKeyEvent* e)
{
    e->setAccepted(intent_event(input::key_meaning(e->key()), false, e->isAutoRepeat()));
}

void myscene::add_gl_item(myglitem* item)
{
    auto it = gl_items.begin();
    while (it != gl_items.end() && (*it)->depth <= item->depth)
        ++it;
    gl_items.insert(it, item);
}

void myscene::remove_gl_item(myglitem* item)
{
    gl_items.remove(item);
}

void myscene::updateGL()
{
    // Greatest depth first, so smaller depths cover it.
    const bool world = world_view();
    for (auto it = gl_items.rbegin(); it != gl_items.rend(); ++it) {
        if (world && (*it)->part_of_world) {
            myglitem::screen_pixels unscaled;
            (*it)->updateGL();
        } else {
            (*it)->updateGL();
        }
    }
}

std::vector<layout_box> myscene::on_screen(std::vector<layout_box> boxes)
{
    const double s = myglitem::ui_scale();
    if (s != 1.0)
        for (layout_box& b : boxes)
            b.rect = QRectF(b.rect.topLeft() * s, b.rect.size() * s);
    return boxes;
}

bool myscene::tick(scene_shell* shell)
{
    advance();
    const repaint paint = std::exchange(repaint_request, repaint::no);
    if (shell && paint != repaint::no)
        shell->repaint(paint == repaint::always);
    if (reactivate) {
        reactivated();
        reactivate = false;
    }
    settle_requests();
    if (std::exchange(leave_request, false) && shell && shell->leave(this))
        return false;
    if (std::exchange(help_request, false) && shell)
        shell->open_help();
    if (myscene* next = std::exchange(enter_request, nullptr)) {
        if (shell)
            shell->enter(next);
        else
            delete next;
    }
    finish_tick();
    return true;
}

void myscene::record_view_position(const QGraphicsView* v, int width, int height)
{
    const QPointF corner = v->mapToScene(0, 0);
    view_left = corner.x();
    view_top = corner.y();
    view_center_x = v->mapToScene(width / 2, 0).x();
    view_center_y = v->mapToScene(0, height / 2).y();
}

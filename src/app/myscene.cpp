#include "myscene.h"

#include "myglitem.h"

#include <QKeyEvent>
#include <QTimer>

bool myscene::keys_in_use = false;

myscene::myscene(QObject* parent) : QGraphicsScene(parent), timer(new QTimer(this))
{
    // The scene timers drive the game clock; a coarse timer runs fast.
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, &myscene::advance);
    setBackgroundBrush(QBrush(Qt::white, Qt::SolidPattern));
    setItemIndexMethod(QGraphicsScene::NoIndex);
}

myscene::~myscene()
{
    delete timer;
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
    for (auto it = gl_items.rbegin(); it != gl_items.rend(); ++it)
        (*it)->updateGL();
}

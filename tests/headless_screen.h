#ifndef CRUMBLEFORD_TESTS_HEADLESS_SCREEN_H
#define CRUMBLEFORD_TESTS_HEADLESS_SCREEN_H

// What the window provides to GL items, without a window: the viewport's
// size (items lay themselves out for it) and the atlas tables, built without
// a GL context. Restores both on exit.

#include "myglitem.h"
#include "spriteman.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QWidget>

struct headless_screen {
    explicit headless_screen(int w = 800, int h = 480)
    {
        myglitem::viewport = {w, h};
        if (!spriteman::ready()) {
            spriteman::init(2048, 2048);
            built_atlas = true;
        }
    }
    ~headless_screen()
    {
        myglitem::viewport = {};
        if (built_atlas)
            spriteman::deinit();
    }
    headless_screen(const headless_screen&) = delete;
    headless_screen& operator=(const headless_screen&) = delete;

    bool built_atlas = false;
};

// Delivers a pointer event to a scene the way a view does, at scene point p.
inline void send_mouse(QGraphicsScene* scene, QEvent::Type type, QPointF p)
{
    QGraphicsSceneMouseEvent e(type);
    e.setScenePos(p);
    e.setButtonDownScenePos(Qt::LeftButton, p);
    e.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
    e.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
    e.setAccepted(false);
    QCoreApplication::sendEvent(scene, &e);
}

#endif

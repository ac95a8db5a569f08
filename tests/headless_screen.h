#ifndef CRUMBLEFORD_TESTS_HEADLESS_SCREEN_H
#define CRUMBLEFORD_TESTS_HEADLESS_SCREEN_H

// What the window provides to GL items, without a window: a plain widget
// standing in for the viewport (items read their layout size from it) and
// the atlas tables, built without a GL context. Restores both on exit.

#include "scene_manager.h"
#include "spriteman.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QWidget>

struct headless_screen {
    explicit headless_screen(int w = 800, int h = 480)
    {
        viewport.resize(w, h);
        scene_manager::_viewport_static_ptr = &viewport;
        if (!spriteman::ready()) {
            spriteman::init(2048, 2048);
            built_atlas = true;
        }
    }
    ~headless_screen()
    {
        scene_manager::_viewport_static_ptr = nullptr;
        if (built_atlas)
            spriteman::deinit();
    }
    headless_screen(const headless_screen&) = delete;
    headless_screen& operator=(const headless_screen&) = delete;

    QWidget viewport;
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

#ifndef CRUMBLEFORD_TESTS_GL_IN_PROCESS_H
#define CRUMBLEFORD_TESTS_GL_IN_PROCESS_H

// What the tests that read GL state back from the game's own view, in their
// own process, share: waiting on the event loop, and a view shown with its
// GL widget ready to draw.

#include "myglwidget.h"
#include "spriteman.h"
#include "view.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSize>
#include <QWindow>
#include <functional>

namespace in_process
{

inline bool wait_for(const std::function<bool()>& done, int ms = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// Shows v at `size` and waits for its GL widget, its context and the atlas;
// nullptr when they did not come.
inline myglwidget* shown_gl(view& v, QSize size)
{
    v.resize(size);
    v.show();
    auto* gl = qobject_cast<myglwidget*>(v.viewport());
    if (!gl)
        return nullptr;
    const bool ready = wait_for([&] {
        return spriteman::ready() && gl->atlas_texture != 0 && v.windowHandle() &&
               v.windowHandle()->isExposed();
    });
    return ready ? gl : nullptr;
}

} // namespace in_process

#endif

#include "view.h"

#include "backdrop_scene.h"
#include "myglwidget.h"
#include "myscene.h"
#include "progress_manager.h"
#include "scene_manager.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>

QWidget* view::_static_viewport_ptr = nullptr;

namespace
{

// Qt cannot create a GL widget on the platforms without a display.
bool display_platform()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

view::view(QWidget* parent) : QGraphicsView(parent)
{
    if (display_platform())
        setViewport(new myglwidget(nullptr));
    else
        setViewport(new QWidget(nullptr));
    _static_viewport_ptr = viewport();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setFrameStyle(QFrame::NoFrame);
    progress = new progress_manager();
    // Start-up screen until the title scene takes its place.
    manager = new scene_manager(new backdrop_scene(), this, progress);
    qApp->installEventFilter(this);
}

view::~view()
{
    delete progress;
    progress = nullptr;
    delete manager;
    manager = nullptr;
    // Nothing may reach a view that is gone through the globals.
    if (scene_manager::_view_static_ptr == this) {
        scene_manager::_view_static_ptr = nullptr;
        scene_manager::_viewport_static_ptr = nullptr;
        scene_manager::_progress_manager_static_ptr = nullptr;
    }
    if (_static_viewport_ptr == viewport())
        _static_viewport_ptr = nullptr;
}

bool view::eventFilter(QObject* watched, QEvent* event)
{
    // The top scene's tick is delivered here rather than by the event loop,
    // so that we know when it starts and ends.
    myscene* top = manager ? manager->top() : nullptr;
    if (event->type() == QEvent::Timer && top && watched == top->timer && !in_tick) {
        in_tick = true;
        watched->event(event);
        in_tick = false;
        return true;
    }
    return QGraphicsView::eventFilter(watched, event);
}

void view::keyPressEvent(QKeyEvent* e)
{
    myscene* top = manager ? manager->top() : nullptr;
    if (!top)
        return;
    const QPointF corner = mapToScene(0, 0);
    top->view_left = corner.x();
    top->view_top = corner.y();
    QCoreApplication::sendEvent(top, e);
}

void view::keyReleaseEvent(QKeyEvent* e)
{
    if (myscene* top = manager ? manager->top() : nullptr)
        QCoreApplication::sendEvent(top, e);
}

void view::paintEvent(QPaintEvent* e)
{
    auto* gl = qobject_cast<myglwidget*>(viewport());
    if (!gl)
        return;
    // A self-drawing scene is drawn only by the repaint its own tick asks
    // for; Qt's repaints would double the GL work.
    myscene* top = manager ? manager->top() : nullptr;
    if (top && top->self_drawing && !in_tick)
        return;
    gl->public_paint_event(e);
}

void view::resizeEvent(QResizeEvent* e)
{
    QGraphicsView::resizeEvent(e);
    if (auto* gl = qobject_cast<myglwidget*>(viewport()))
        gl->public_resize_event(e);
    else
        myglwidget::resize_scenes();
}

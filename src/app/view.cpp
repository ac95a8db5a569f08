#include "view.h"

#include "cfg.h"
#include "intro_scene.h"
#include "myglwidget.h"
#include "myscene.h"
#include "progress_manager.h"
#include "scene_manager.h"
#include "sound_board.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>

QWidget* view::_static_viewport_ptr = nullptr;
bool view::drawing_requested = false;

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
    sound_player = new sound_board(cfg::sounds_directory, cfg::settings_file);
    sound_sink::install(sound_player);
    sound_player->play_music(sounds::menu_music);
    manager = new scene_manager(new intro_scene(nullptr), this, progress);
}

view::~view()
{
    delete progress;
    progress = nullptr;
    delete manager;
    manager = nullptr;
    delete sound_player; // uninstalls itself
    sound_player = nullptr;
    // Nothing may reach a view that is gone through the globals.
    if (scene_manager::_view_static_ptr == this) {
        scene_manager::_view_static_ptr = nullptr;
        scene_manager::_viewport_static_ptr = nullptr;
        scene_manager::_progress_manager_static_ptr = nullptr;
    }
    if (_static_viewport_ptr == viewport())
        _static_viewport_ptr = nullptr;
}

void view::repaint_viewport()
{
    if (!_static_viewport_ptr)
        return;
    drawing_requested = true;
    _static_viewport_ptr->repaint();
    drawing_requested = false;
}

void view::keyPressEvent(QKeyEvent* e)
{
    myscene* top = manager ? manager->top() : nullptr;
    if (!top)
        return;
    if (input::key_meaning(e->key()).play == input::intent::mute && !e->isAutoRepeat() &&
        !top->takes_text()) {
        sound_sink::toggle_mute();
        return;
    }
    if (input::key_meaning(e->key()).menu != input::intent::full_screen)
        myscene::keys_in_use = true;
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

void view::mousePressEvent(QMouseEvent* e)
{
    myscene::keys_in_use = false;
    QGraphicsView::mousePressEvent(e);
}

void view::paintEvent(QPaintEvent* e)
{
    auto* gl = qobject_cast<myglwidget*>(viewport());
    if (!gl)
        return;
    // A self-drawing scene is drawn only by the repaint its own tick asks
    // for; Qt's repaints would double the GL work.
    myscene* top = manager ? manager->top() : nullptr;
    if (top && top->self_drawing && !drawing_requested)
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

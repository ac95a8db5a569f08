#include "view.h"

#include "catalogue.h"
#include "cfg.h"
#include "controls_scene.h"
#include "game_controls.h"
#include "game_scene.h"
#include "intro_scene.h"
#include "myglitem.h"
#include "myglwidget.h"
#include "myscene.h"
#include "pad_reader.h"
#include "progress_manager.h"
#include "scene_manager.h"
#include "settings_scene.h"
#include "settings_store.h"
#include "sound_board.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTimer>
#include <cstdio>

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
    if (display_platform()) {
        auto* gl = new myglwidget(nullptr);
        gl->atlas_file = myglwidget::atlas_for(lang::current());
        setViewport(gl);
    } else
        setViewport(new QWidget(nullptr));
    publish_viewport_size();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setFrameStyle(QFrame::NoFrame);
    const std::string percent =
        settings_store(cfg::settings_file)
            .get_choice("interface_size", {"100", "125", "150", "200"}, "100");
    myglitem::set_interface_scale(std::stoi(percent) / 100.0);
    settings_scene::make_controls_page = [] {
        return static_cast<myscene*>(new controls_scene(cfg::settings_file));
    };
    settings_scene::apply_interface_size = [](int chosen) {
        myglitem::set_interface_scale(chosen / 100.0);
    };
    // The player's language, before any screen makes its texts; a change in
    // the settings lays every screen out again in the new words.
    // The help pages and credits are pictures in the atlas: each language
    // has its own.
    lang::use(settings_scene::saved_language(cfg::settings_file), cfg::translations_directory);
    reload_atlas();
    settings_scene::apply_language = [this](const std::string& code) {
        lang::use(code, cfg::translations_directory);
        reload_atlas();
        if (manager)
            manager->resize_scenes();
        repaint_viewport();
    };
    game_controls::install();
    progress = new progress_manager();
    sound_player = new sound_board(cfg::sounds_directory, cfg::settings_file);
    sound_sink::install(sound_player);
    sound_player->play_music(sounds::menu_music);
    manager = new scene_manager(new intro_scene(nullptr), this, progress);
    pads = new input::pad_reader(this);
    connect(pads, &input::pad_reader::button, this, &view::pad_button_event);
    connect(pads, &input::pad_reader::pad_lost, this, &view::pad_unplugged);
    // A new interface size lays every screen out again at once.
    myglitem::interface_scale_changed = [this] {
        fit_interface_scale();
        if (manager)
            manager->resize_scenes();
        repaint_viewport();
    };
}

view::~view()
{
    myglitem::interface_scale_changed = nullptr;
    settings_scene::apply_interface_size = nullptr;
    settings_scene::apply_language = nullptr;
    settings_scene::make_controls_page = nullptr;
    delete pads; // no pad may reach the scenes while they go
    pads = nullptr;
    delete progress;
    progress = nullptr;
    delete manager;
    manager = nullptr;
    delete sound_player; // uninstalls itself
    sound_player = nullptr;
    // Nothing may reach a view that is gone through the globals.
    if (scene_manager::_view_static_ptr == this) {
        scene_manager::_view_static_ptr = nullptr;
        scene_manager::_progress_manager_static_ptr = nullptr;
    }
}

void view::repaint_viewport()
{
    drawing_requested = true;
    viewport()->repaint();
    drawing_requested = false;
}

void view::reload_atlas()
{
    if (auto* gl = qobject_cast<myglwidget*>(viewport()))
        gl->reload_atlas(myglwidget::atlas_for(lang::current()));
}

void view::publish_viewport_size()
{
    myglitem::viewport = {viewport()->width(), viewport()->height()};
}

void view::fit_interface_scale()
{
    const auto* shown = dynamic_cast<const myscene*>(scene());
    const double s = shown && !shown->world_view() ? myglitem::ui_scale() : 1.0;
    if (transform().m11() != s || transform().m22() != s)
        setTransform(QTransform::fromScale(s, s));
}

namespace
{

// With CF_INPUT_TRACE set, every key the game receives is named on standard
// error: tests wait for these lines instead of sleeping, and a player can
// see what reaches the game.
void trace_key(const char* what, const QKeyEvent* e)
{
    static const bool tracing = qEnvironmentVariableIsSet("CF_INPUT_TRACE");
    if (!tracing || e->isAutoRepeat())
        return;
    const QByteArray name = QKeySequence(e->key()).toString(QKeySequence::PortableText).toUtf8();
    std::fprintf(stderr, "input: %s %s\n", what, name.constData());
    std::fflush(stderr);
}

} // namespace

void view::keyPressEvent(QKeyEvent* e)
{
    myscene* top = manager ? manager->top() : nullptr;
    trace_key("press", e);
    if (!top)
        return;
    if (input::key_meaning(e->key()).play == input::intent::mute && !e->isAutoRepeat() &&
        !top->takes_text()) {
        sound_sink::toggle_mute();
        return;
    }
    if (input::key_meaning(e->key()).menu != input::intent::full_screen)
        myscene::keys_in_use = true;
    myscene::pad_in_use = false;
    const QPointF corner = mapToScene(0, 0);
    top->view_left = corner.x();
    top->view_top = corner.y();
    // A graphics scene keeps Tab and Shift+Tab for moving between its own
    // items and never passes them to keyPressEvent: the screen gets them.
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)
        top->keyPressEvent(e);
    else
        QCoreApplication::sendEvent(top, e);
}

void view::keyReleaseEvent(QKeyEvent* e)
{
    trace_key("release", e);
    if (myscene* top = manager ? manager->top() : nullptr)
        QCoreApplication::sendEvent(top, e);
}

void view::pad_button_event(input::pad_button b, bool pressed, bool repeat)
{
    myscene* top = manager ? manager->top() : nullptr;
    if (!top)
        return;
    if (pressed)
        myscene::keys_in_use = myscene::pad_in_use = true;
    const QPointF corner = mapToScene(0, 0);
    top->view_left = corner.x();
    top->view_top = corner.y();
    top->pad_button_event(b, pressed, repeat);
}

void view::pad_unplugged()
{
    auto* world = dynamic_cast<game_scene*>(manager ? manager->top() : nullptr);
    if (!world || world->menu)
        return;
    const input::meaning pause{input::intent::pause, input::intent::none, input::intent::none};
    world->intent_event(pause, true, false);
    world->intent_event(pause, false, false);
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
    publish_viewport_size();
    // The scale in use depends on the room the window gives.
    fit_interface_scale();
    if (auto* gl = qobject_cast<myglwidget*>(viewport()))
        gl->public_resize_event(e);
    if (manager)
        manager->resize_scenes();
}

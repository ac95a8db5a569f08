#include "scene_manager.h"

#include "MainWindow.h"
#include "myscene.h"
#include "spriteman.h"
#include "tex_scrolling_view.h"
#include "view.h"

#include <QTimer>

view* scene_manager::_view_static_ptr = nullptr;
progress_manager* scene_manager::_progress_manager_static_ptr = nullptr;
scene_manager* scene_manager::instance = nullptr;

scene_manager* scene_manager::current()
{
    return instance;
}

void scene_manager::push(myscene* s)
{
    if (instance)
        instance->add_scene(s);
    else
        delete s;
}

scene_manager::scene_manager(myscene* first, view* v, progress_manager* pm)
{
    _view_static_ptr = v;
    _progress_manager_static_ptr = pm;
    instance = this;
    scenes.push_back(first);
    show(first);
    start(first);
}

scene_manager::~scene_manager()
{
    while (!scenes.empty()) {
        delete scenes.front();
        scenes.pop_front();
    }
    if (instance == this)
        instance = nullptr;
}

void scene_manager::show(myscene* s)
{
    if (_view_static_ptr) {
        _view_static_ptr->setScene(s);
        _view_static_ptr->fit_interface_scale();
    }
}

void scene_manager::start(myscene* s)
{
    // A scene's timer ticks it through the manager, which then acts on what
    // the tick requested. Only a scene being pushed calls this: once each.
    QObject::connect(s->timer, &QTimer::timeout, s->timer, [this, s] { tick(s); });
    s->timer->start(s->tick_period());
}

void scene_manager::add_scene(myscene* s)
{
    if (myscene* old = top())
        old->timer->stop();
    scenes.push_back(s);
    show(s);
    start(s);
}

bool scene_manager::go_back()
{
    if (scenes.size() < 2)
        return false;
    myscene* leaving = scenes.back();
    leaving->timer->stop();
    scenes.pop_back();
    // Show the uncovered scene before deleting the old one, so the view
    // never holds a deleted scene.
    myscene* uncovered = scenes.back();
    show(uncovered);
    delete leaving;
    uncovered->timer->start(uncovered->tick_period());
    uncovered->reactivate = true;
    return true;
}

namespace
{

class manager_shell : public scene_shell
{
  public:
    explicit manager_shell(scene_manager& m) : manager(m) {}
    void repaint(bool always) override
    {
        if (!always && !MainWindow::window_focused)
            return;
        if (view* v = scene_manager::_view_static_ptr)
            v->repaint_viewport();
    }
    bool leave(myscene* s) override { return manager.top() == s && manager.go_back(); }
    void open_help() override
    {
        manager.add_scene(
            new tex_scrolling_view(spriteman::tex_help_first, spriteman::tex_help_second, nullptr));
    }
    void enter(myscene* next) override { manager.add_scene(next); }

  private:
    scene_manager& manager;
};

} // namespace

bool scene_manager::tick(myscene* s)
{
    manager_shell shell(*this);
    return s->tick(&shell);
}

void scene_manager::resize_scenes()
{
    for (myscene* s : scenes)
        s->resizeGL();
}

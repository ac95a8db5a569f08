#include "scene_manager.h"

#include "myscene.h"
#include "view.h"

#include <QTimer>

view* scene_manager::_view_static_ptr = nullptr;
QWidget* scene_manager::_viewport_static_ptr = nullptr;
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
    if (v)
        _viewport_static_ptr = v->viewport();
    instance = this;
    scenes.push_back(first);
    show(first);
    first->timer->start(first->tick_period());
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
    if (_view_static_ptr)
        _view_static_ptr->setScene(s);
}

void scene_manager::add_scene(myscene* s)
{
    if (myscene* old = top())
        old->timer->stop();
    scenes.push_back(s);
    show(s);
    s->timer->start(s->tick_period());
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

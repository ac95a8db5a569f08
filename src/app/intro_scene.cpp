#include "intro_scene.h"

#include "menu_scene.h"
#include "scene_manager.h"
#include "view.h"

#include <QWidget>

intro_scene::intro_scene(QObject* parent) : myscene(parent)
{
    running = true;
    self_drawing = true;
}

void intro_scene::advance()
{
    // The menu is opened once; a stray tick afterwards must not stack a second.
    if (countdown < 0)
        return;
    --countdown;
    if (countdown < 0)
        if (scene_manager* manager = scene_manager::current())
            manager->add_scene(new menu_scene(nullptr));
    view::repaint_viewport();
}

#include "intro_scene.h"

#include "menu_scene.h"

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
        enter_request = new menu_scene(nullptr);
    repaint_request = repaint::always;
}

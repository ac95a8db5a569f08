#include "backdrop_scene.h"

#include "MainWindow.h"
#include "bg_gl_item.h"
#include "spriteman.h"
#include "view.h"

#include <QWidget>

backdrop_scene::backdrop_scene(QObject* parent) : myscene(parent)
{
    self_drawing = true;
    ensure_background();
}

void backdrop_scene::ensure_background()
{
    if (!background && spriteman::tex_bg_non_grassy)
        background = new bg_gl_item(this, spriteman::tex_bg_non_grassy, nullptr, nullptr);
}

void backdrop_scene::resizeGL()
{
    if (background)
        background->resizeGL();
}

void backdrop_scene::advance()
{
    ensure_background();
    if (reactivate) {
        reactivate = false;
        reactivated();
    }
    if (MainWindow::window_focused && view::_static_viewport_ptr)
        view::_static_viewport_ptr->repaint();
}

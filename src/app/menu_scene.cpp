#include "menu_scene.h"

#include "bg_gl_item.h"
#include "spriteman.h"

menu_scene::menu_scene(QObject* parent)
    : myscene(parent), quit(this), play(this), help(this), credits(this), editor(this)
{
    // In the scene, so that the toolkit delivers presses to them.
    for (myglitem* button : {static_cast<myglitem*>(&quit), static_cast<myglitem*>(&play),
                             static_cast<myglitem*>(&help), static_cast<myglitem*>(&credits),
                             static_cast<myglitem*>(&editor)}) {
        addItem(button);
        button->setVisible(true);
    }
    background = new bg_gl_item(this, spriteman::tex_grassy_center, spriteman::tex_grassy_up,
                                spriteman::tex_grassy_down);
    resizeGL();
}

void menu_scene::resizeGL()
{
    const int w = myglitem::viewport_width();
    const int h = myglitem::viewport_height();
    quit.setPos(30, h / 2 - 60);
    play.setPos(w - 150, h / 2 - 60);
    help.setPos(w / 2 - 60, h / 2 - 120);
    credits.setPos(w / 2 - 30, h / 2 + 20);
    // Below credits, the lowest of the four, so it overlaps none of them
    // whatever the window's size.
    editor.setPos(w / 2 - 30, h / 2 + 100);
    if (auto* bg = static_cast<bg_gl_item*>(background)) {
        // The atlas tables may appear after the scene was made.
        bg->tex = spriteman::tex_grassy_center;
        bg->tex_up = spriteman::tex_grassy_up;
        bg->tex_down = spriteman::tex_grassy_down;
        bg->resizeGL();
    }
    setSceneRect(0, 0, w, h);
}

void menu_scene::updateGL()
{
    ++relayout_counter;
    if (relayout_counter > relayout_period) {
        resizeGL();
        relayout_counter = 0;
    }
    myscene::updateGL();
}

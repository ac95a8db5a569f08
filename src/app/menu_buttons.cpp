#include "menu_buttons.h"

#include "cfg.h"
#include "editor_scene.h"
#include "map_select_scene.h"
#include "myscene.h"
#include "scene_manager.h"
#include "settings_scene.h"
#include "sound_sink.h"
#include "spriteman.h"
#include "tex_scrolling_view.h"

#include <QCoreApplication>
#include <QGraphicsSceneMouseEvent>

menu_button::menu_button(myscene* scene, int size, float** picture) : picture(picture)
{
    this->scene = scene;
    width = size;
    height = size;
    depth = 0.5;
    scene->add_gl_item(this);
}

menu_button::~menu_button()
{
    scene->remove_gl_item(this);
}

QRectF menu_button::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

void menu_button::updateGL()
{
    const float left = pos().x() - scene->view_left;
    const float top = pos().y() - scene->view_top;
    set_quad(vertices, left, top, left + width, top + height);
    draw_strip(*picture, vertices);
}

void menu_button::mousePressEvent(QGraphicsSceneMouseEvent* e)
{
    // Not accepted, so no button keeps the mouse grab while the screen it
    // opened is on top.
    e->ignore();
    const double x = e->pos().x();
    const double y = e->pos().y();
    if (0 < x && x < width && 0 < y && y < height)
        press();
}

void menu_button::press()
{
    sound_sink::cue(sounds::button);
    act();
}

play_button::play_button(myscene* scene) : menu_button(scene, 120, &spriteman::tex_play) {}

void play_button::act()
{
    scene_manager::push(new map_select_scene(scene_manager::_progress_manager_static_ptr));
}

help_button::help_button(myscene* scene) : menu_button(scene, 120, &spriteman::tex_help_icon) {}

void help_button::act()
{
    scene_manager::push(
        new tex_scrolling_view(spriteman::tex_help_first, spriteman::tex_help_second, nullptr));
}

credits_button::credits_button(myscene* scene)
    : menu_button(scene, 60, &spriteman::tex_credits_icon)
{
}

void credits_button::act()
{
    scene_manager::push(new tex_scrolling_view(spriteman::tex_credits, nullptr, nullptr));
}

editor_button::editor_button(myscene* scene) : menu_button(scene, 60, &spriteman::tex_pencil) {}

void editor_button::act()
{
    scene_manager::push(new editor_scene(cfg::own_levels_directory));
}

settings_button::settings_button(myscene* scene) : menu_button(scene, 60, &spriteman::tex_gear) {}

void settings_button::act()
{
    scene_manager::push(new settings_scene());
}

quit_button::quit_button(myscene* scene) : menu_button(scene, 120, &spriteman::tex_quit) {}

void quit_button::act()
{
    QCoreApplication::quit();
}

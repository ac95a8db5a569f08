#include "menu_buttons.h"

#include "attempt_keeper.h"
#include "catalogue.h"
#include "cfg.h"
#include "editor_scene.h"
#include "extra_functions.h"
#include "level_scene.h"
#include "map_select_scene.h"
#include "myscene.h"
#include "scene_manager.h"
#include "settings_scene.h"
#include "sound_sink.h"
#include "spriteman.h"
#include "tex_scrolling_view.h"

#include <QCoreApplication>
#include <QGraphicsSceneMouseEvent>
#include <cstdio>
#include <iostream>

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

continue_button::continue_button(myscene* scene) : menu_button(scene, 50, nullptr)
{
    width = 200;
    setVisible(false);
}

bool continue_button::refresh()
{
    bool found = false;
    if (!level_scene::attempt_path.empty()) {
        std::string why;
        found = attempt_keeper::load(level_scene::attempt_path,
                                     scene_manager::_progress_manager_static_ptr, record, why);
        if (!found && why != "none") {
            std::cerr << "Crumbleford: the attempt kept in " << level_scene::attempt_path
                      << " cannot be continued (" << why << "): it is set aside" << std::endl;
            std::remove(level_scene::attempt_path.c_str());
        }
    }
    setVisible(found);
    return found;
}

void continue_button::updateGL()
{
    if (!isVisible())
        return;
    static const float plate_tint[4] = {0.05f, 0.05f, 0.08f, 0.6f};
    const int left = static_cast<int>(pos().x() - scene->view_left);
    const int top = static_cast<int>(pos().y() - scene->view_top);
    draw_flat_rect(static_cast<float>(left), static_cast<float>(top),
                   static_cast<float>(left + width), static_cast<float>(top + height), plate_tint);
    extra_functions::print_gl_label(cf_tr("menu", "CONTINUE"), left + width / 2, top + 18, 20);
    // Which level, small under it; a long name of the player's is cut.
    std::string name = record.level_name.substr(0, 15);
    const bool shipped = record.shipped();
    if (shipped)
        name = lang::fill(cf_tr("menu", "LEVEL %1"), {name});
    extra_functions::print_gl_label(name, left + width / 2, top + 39, 12, !shipped);
}

void continue_button::act()
{
    if (!isVisible())
        return;
    setVisible(false);
    map_select_scene* map = nullptr;
    level_scene* level = nullptr;
    if (record.shipped()) {
        // As if entered from the map: leaving the level goes there.
        map = new map_select_scene(scene_manager::_progress_manager_static_ptr);
        level = map->level_from_here(record.level_name);
    } else {
        // A level of the player's, left for the title.
        level = new level_scene(record.level_name, record.level_path, nullptr);
    }
    level->continue_attempt(record);
    if (map)
        scene_manager::push(map);
    scene_manager::push(level);
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

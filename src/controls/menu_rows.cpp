#include "menu_rows.h"

#include "extra_functions.h"
#include "game_scene.h"
#include "in_game_menu.h"

#include <QCoreApplication>

igm_row::igm_row(game_scene* scene, in_game_menu* menu) : world(scene), menu(menu)
{
    this->scene = scene;
}

igm_row::~igm_row()
{
    world->remove_gl_item(this);
}

QRectF igm_row::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

void igm_row::place(int row_width)
{
    height = menu->letter_size;
    width = row_width;
    const int top = menu->row_cursor + menu->row_spacing;
    menu->row_cursor += menu->letter_size + 2 * menu->row_spacing;
    const int left = (menu->width - width) / 2;
    set_quad(vertices, left, top, left + width, top + height);
}

void igm_row::attach(int row_width)
{
    place(row_width);
    scene->addItem(this);
    world->add_gl_item(this);
    menu->add_menu_item(this);
}

igm_just_tex::igm_just_tex(game_scene* scene, in_game_menu* menu, float* texture)
    : igm_row(scene, menu), texture(texture)
{
    attach(picture_width());
}

int igm_just_tex::picture_width() const
{
    if (!texture)
        return 0;
    // The picture's atlas width, scaled to the row height.
    const double du = texture[2] - texture[0];
    const double dv = texture[1] - texture[5];
    if (dv == 0)
        return 0;
    return static_cast<int>(du * (menu->letter_size / dv));
}

void igm_just_tex::resizeGL()
{
    place(picture_width());
}

void igm_just_tex::updateGL()
{
    draw_strip(texture, vertices);
}

igm_just_text::igm_just_text(game_scene* scene, in_game_menu* menu, const std::string& text)
    : igm_row(scene, menu), text(text)
{
    attach(static_cast<int>(text.size()) * menu->letter_size);
}

void igm_just_text::resizeGL()
{
    place(static_cast<int>(text.size()) * menu->letter_size);
}

void igm_just_text::updateGL()
{
    const int centre_x = static_cast<int>((vertices[0] + vertices[2]) / 2);
    const int centre_y = static_cast<int>((vertices[1] + vertices[5]) / 2);
    extra_functions::print_gl_text(text, centre_x, centre_y, height);
}

igm_resume::igm_resume(game_scene* scene, in_game_menu* menu) : igm_just_text(scene, menu, "RESUME")
{
    choosable = true;
}

void igm_resume::clicked(int, int)
{
    world->close_menu_request = true;
}

igm_tom_mm::igm_tom_mm(game_scene* scene, in_game_menu* menu)
    : igm_just_text(scene, menu, "TO[MAP[SELECT")
{
    choosable = true;
}

void igm_tom_mm::clicked(int, int)
{
    world->leave_request = true;
}

igm_restart::igm_restart(game_scene* scene, in_game_menu* menu)
    : igm_just_text(scene, menu, "RESTART")
{
    choosable = true;
}

void igm_restart::clicked(int, int)
{
    world->restart();
}

igm_help::igm_help(game_scene* scene, in_game_menu* menu) : igm_just_text(scene, menu, "HELP")
{
    choosable = true;
}

void igm_help::clicked(int, int)
{
    // The page goes on top of the stack at the end of the tick; the menu
    // stays open underneath.
    world->help_request = true;
}

igm_rewind::igm_rewind(game_scene* scene, in_game_menu* menu, bool closes_menu)
    : igm_just_text(scene, menu, "REWIND"), closes_menu(closes_menu)
{
    choosable = true;
}

void igm_rewind::clicked(int, int)
{
    world->rewind();
    if (closes_menu)
        world->close_menu_request = true;
}

igm_exit::igm_exit(game_scene* scene, in_game_menu* menu) : igm_just_text(scene, menu, "EXIT[GAME")
{
    choosable = true;
}

void igm_exit::clicked(int, int)
{
    QCoreApplication::quit();
}

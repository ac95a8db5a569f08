#include "menu_rows.h"

#include "catalogue.h"
#include "extra_functions.h"
#include "game_scene.h"
#include "in_game_menu.h"

#include "spriteman.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

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

void igm_row::place(int row_width, int row_height)
{
    height = row_height > 0 ? row_height : menu->letter_size;
    width = row_width;
    const int top = menu->row_cursor + menu->row_spacing;
    menu->row_cursor += height + 2 * menu->row_spacing;
    const int left = (menu->width - width) / 2;
    set_quad(vertices, left, top, left + width, top + height);
}

void igm_row::attach(int row_width, int row_height)
{
    place(row_width, row_height);
    scene->addItem(this);
    world->add_gl_item(this);
    menu->add_menu_item(this);
}

void igm_row::fade_over_spot() const
{
    // The tint adds to the atlas colour: this takes most of the alpha away.
    static const float faint[4] = {0, 0, 0, -0.7f};
    if (menu->over_spot(vertices))
        set_tint(faint);
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
    fade_over_spot();
    draw_strip(texture, vertices);
    set_tint(spriteman::color_blank);
}

igm_just_text::igm_just_text(game_scene* scene, in_game_menu* menu, const std::string& text)
    : igm_row(scene, menu), text(text)
{
    attach(static_cast<int>(extra_functions::glyph_count(text)) * menu->letter_size);
}

void igm_just_text::resizeGL()
{
    place(static_cast<int>(extra_functions::glyph_count(text)) * menu->letter_size);
}

void igm_just_text::updateGL()
{
    const int centre_x = static_cast<int>((vertices[0] + vertices[2]) / 2);
    const int centre_y = static_cast<int>((vertices[1] + vertices[5]) / 2);
    fade_over_spot();
    extra_functions::print_gl_text(text, centre_x, centre_y, height);
    set_tint(spriteman::color_blank);
}

igm_note::igm_note(game_scene* scene, in_game_menu* menu, const std::string& text, int letter_size)
    : igm_row(scene, menu), text(text), letters(letter_size)
{
    const int size = fitted_letters();
    attach(static_cast<int>(extra_functions::glyph_count(text)) * size, size);
}

int igm_note::fitted_letters() const
{
    const int n = std::max(1, static_cast<int>(extra_functions::glyph_count(text)));
    return std::max(8, std::min(letters, (menu->width - 20) / n));
}

void igm_note::resizeGL()
{
    const int size = fitted_letters();
    place(static_cast<int>(extra_functions::glyph_count(text)) * size, size);
}

void igm_note::updateGL()
{
    const int centre_x = static_cast<int>((vertices[0] + vertices[2]) / 2);
    const int centre_y = static_cast<int>((vertices[1] + vertices[5]) / 2);
    fade_over_spot();
    extra_functions::print_gl_label(text, centre_x, centre_y, height, false);
    set_tint(spriteman::color_blank);
}

igm_action::igm_action(game_scene* scene, in_game_menu* menu, const std::string& text,
                       std::function<void()> action)
    : igm_just_text(scene, menu, text), action(std::move(action))
{
    choosable = true;
}

void igm_action::clicked(int, int)
{
    if (action)
        action();
}

igm_resume::igm_resume(game_scene* scene, in_game_menu* menu)
    : igm_just_text(scene, menu, cf_tr("menu", "RESUME"))
{
    choosable = true;
}

void igm_resume::clicked(int, int)
{
    world->close_menu_request = true;
}

igm_tom_mm::igm_tom_mm(game_scene* scene, in_game_menu* menu)
    : igm_just_text(scene, menu, cf_tr("menu", "TO[MAP[SELECT"))
{
    choosable = true;
}

void igm_tom_mm::clicked(int, int)
{
    world->leave_request = true;
}

igm_restart::igm_restart(game_scene* scene, in_game_menu* menu)
    : igm_just_text(scene, menu, cf_tr("menu", "RESTART"))
{
    choosable = true;
}

void igm_restart::clicked(int, int)
{
    world->restart();
}

igm_help::igm_help(game_scene* scene, in_game_menu* menu)
    : igm_just_text(scene, menu, cf_tr("menu", "HELP"))
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
    : igm_just_text(scene, menu, cf_tr("menu", "REWIND")), closes_menu(closes_menu)
{
    choosable = true;
}

void igm_rewind::clicked(int, int)
{
    world->rewind();
    if (closes_menu)
        world->close_menu_request = true;
}

igm_exit::igm_exit(game_scene* scene, in_game_menu* menu)
    : igm_just_text(scene, menu, cf_tr("menu", "EXIT[GAME"))
{
    choosable = true;
}

void igm_exit::clicked(int, int)
{
    QCoreApplication::quit();
}

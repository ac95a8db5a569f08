#include "in_game_menu.h"

#include "game_scene.h"
#include "sound_sink.h"
#include "spriteman.h"

in_game_menu::in_game_menu(game_scene* scene, int letter_size)
    : world(scene), dim_color(new float[4]{0, 0, 0, 0.5f}), letter_size(letter_size),
      saved_world_running(scene->running)
{
    this->scene = scene;
    cover_viewport();
    depth = 0.01;
    scene->addItem(this);
    scene->add_gl_item(this);
    scene->menu = this;
    scene->running = false;
}

in_game_menu::~in_game_menu()
{
    delete[] dim_color;
    // Last added first: each row takes itself off the scene's drawing list.
    while (!items.empty()) {
        myglitem* row = items.back();
        items.pop_back();
        delete row;
    }
    world->remove_gl_item(this);
    // A menu opened over the drawing surface leaves the world stopped.
    world->running = saved_world_running;
    if (world->menu == this)
        world->menu = nullptr;
}

void in_game_menu::add_menu_item(myglitem* item)
{
    items.push_back(item);
}

void in_game_menu::remove_menu_item(myglitem* item)
{
    items.remove(item);
}

QRectF in_game_menu::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

void in_game_menu::cover_viewport()
{
    width = viewport_width();
    height = viewport_height();
    set_quad(vertices, 0, 0, width, height);
}

void in_game_menu::resizeGL()
{
    cover_viewport();
    row_cursor = 0;
    row_spacing = 15;
    for (myglitem* row : items)
        row->resizeGL();
}

void in_game_menu::updateGL()
{
    set_tint(dim_color);
    draw_strip(spriteman::tex_blank, vertices);
    set_tint(spriteman::color_blank);
}

void in_game_menu::clicked(int x, int y)
{
    for (myglitem* row : items) {
        const float* q = row->vertices;
        // Strict on every side: the 30-pixel gaps between rows reach nothing.
        if (q[1] < y && y < q[7] && q[0] < x && x < q[6]) {
            sound_sink::cue(sounds::button);
            row->clicked(x, y);
            return;
        }
    }
}

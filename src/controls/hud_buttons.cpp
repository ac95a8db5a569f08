#include "hud_buttons.h"

#include "cfg.h"
#include "game_scene.h"
#include "hud.h"
#include "sound_sink.h"
#include "spriteman.h"
#include "stockchar.h"

#include <algorithm>

hud_button::hud_button(game_scene* scene, hud* owner, bool right_packed)
    : owner(owner), world(scene), right_packed(right_packed)
{
    this->scene = scene;
    resizeGL();
    depth = 0.05;
    scene->addItem(this);
    scene->add_gl_item(this);
    owner->add_hud_item(this);
}

hud_button::~hud_button()
{
    owner->remove_hud_item(this);
    world->remove_gl_item(this);
}

QRectF hud_button::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

void hud_button::updateGL()
{
    if (lit()) {
        const float grow = 6;
        float glow[8];
        set_quad(glow, vertices[0] - grow, vertices[1] - grow, vertices[2] + grow,
                 vertices[5] + grow);
        draw_strip(spriteman::tex_mode_glow, glow);
    }
    draw_strip(texture(), vertices);
}

void hud_button::resizeGL()
{
    const int edge = owner->button_size;
    const int slot = edge + 2 * owner->slot_margin;
    const int top = (owner->height - edge) / 2;
    int left;
    if (right_packed) {
        left = owner->end_cursor - owner->slot_margin - edge;
        owner->end_cursor -= slot;
    } else {
        left = owner->start_cursor + owner->slot_margin;
        owner->start_cursor += slot;
    }
    prepareGeometryChange();
    width = edge;
    height = edge;
    set_quad(vertices, left, top, left + edge, top + edge);
}

void hud_button::send(input::intent play)
{
    // Only the playing half: the door button never places a block in
    // drawing mode as Space does.
    input::meaning m;
    m.play = play;
    world->intent_event(m, true, false);
}

go_back::go_back(game_scene* scene, hud* owner) : hud_button(scene, owner, false) {}

// The scene leaves at the end of its tick, not in the middle of the press.
void go_back::clicked(int, int)
{
    world->leave_request = true;
}

const float* go_back::texture()
{
    return spriteman::tex_back;
}

go_menu::go_menu(game_scene* scene, hud* owner) : hud_button(scene, owner, false) {}

void go_menu::clicked(int, int)
{
    if (!world->menu)
        world->open_pause_menu();
}

const float* go_menu::texture()
{
    return spriteman::tex_back;
}

zoom_in::zoom_in(game_scene* scene, hud* owner) : hud_button(scene, owner, false) {}

void zoom_in::clicked(int, int)
{
    world->zoom_in();
}

const float* zoom_in::texture()
{
    return spriteman::tex_zoomin;
}

zoom_out::zoom_out(game_scene* scene, hud* owner) : hud_button(scene, owner, false) {}

void zoom_out::clicked(int, int)
{
    world->zoom_out();
}

const float* zoom_out::texture()
{
    return spriteman::tex_zoomout;
}

ctrl_switch::ctrl_switch(game_scene* scene, hud* owner) : hud_button(scene, owner, false) {}

void ctrl_switch::clicked(int, int)
{
    world->switch_drawer(cfg::drawer_ctrl_type);
}

const float* ctrl_switch::texture()
{
    return spriteman::tex_switch_ctrl;
}

bool ctrl_switch::lit() const
{
    return world->drawer && world->drawer_kind == cfg::drawer_ctrl_type;
}

mv_switch::mv_switch(game_scene* scene, hud* owner) : hud_button(scene, owner, false) {}

void mv_switch::clicked(int, int)
{
    world->switch_drawer(cfg::drawer_mv_type);
}

const float* mv_switch::texture()
{
    return spriteman::tex_switch_mv;
}

bool mv_switch::lit() const
{
    return world->drawer && world->drawer_kind == cfg::drawer_mv_type;
}

open_the_door::open_the_door(game_scene* scene, hud* owner) : hud_button(scene, owner, false) {}

void open_the_door::clicked(int, int)
{
    send(input::intent::door);
}

const float* open_the_door::texture()
{
    return spriteman::tex_open_the_door;
}

rewind_button::rewind_button(game_scene* scene, hud* owner) : hud_button(scene, owner, false) {}

// Called directly rather than as a key: a tap has no release, so it must
// not start the held key's stepping.
void rewind_button::clicked(int, int)
{
    world->rewind();
}

void rewind_button::updateGL()
{
    hud_button::updateGL();
    const game_scene::rewind_position gauge = world->rewind_gauge();
    if (gauge.shown <= 0)
        return;
    // In the band's margin under the icon: the track, dark as the badges,
    // filled from the attempt's start up to the present moment.
    const float left = vertices[0];
    const float right = vertices[2];
    const float top = vertices[5] + 2;
    const float alpha = static_cast<float>(gauge.shown);
    const float track[4] = {0.15f, 0.15f, 0.2f, 0.75f * alpha};
    const float fill[4] = {0.93f, 0.93f, 0.9f, alpha};
    draw_flat_rect(left, top, right, top + 6, track);
    const float moment = static_cast<float>(std::clamp(gauge.moment, 0.0, 1.0));
    if (moment > 0)
        draw_flat_rect(left + 1, top + 1, left + 1 + (right - left - 2) * moment, top + 5, fill);
}

const float* rewind_button::texture()
{
    return spriteman::tex_rewind;
}

mute_button::mute_button(game_scene* scene, hud* owner) : hud_button(scene, owner, true) {}

void mute_button::clicked(int, int)
{
    sound_sink::toggle_mute();
}

const float* mute_button::texture()
{
    const sound_sink* sink = sound_sink::current();
    return sink && sink->muted() ? spriteman::tex_sound_off : spriteman::tex_sound_on;
}

drawer_switch::drawer_switch(game_scene* scene, hud* owner) : hud_button(scene, owner, true) {}

void drawer_switch::clicked(int, int)
{
    world->toggle_drawing();
}

const float* drawer_switch::texture()
{
    return spriteman::tex_brush;
}

bool drawer_switch::lit() const
{
    return world->drawer && world->drawer_kind == cfg::drawer_drawer_type;
}

character_switch::character_switch(game_scene* scene, hud* owner) : hud_button(scene, owner, true)
{
}

void character_switch::clicked(int, int)
{
    send(input::intent::switch_character);
}

const float* character_switch::texture()
{
    stockchar* focused = world->focused_char();
    return spriteman::tex_switch_char[focused ? focused->color_index % 4 : 0];
}

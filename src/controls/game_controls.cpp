#include "game_controls.h"

#include "cfg.h"
#include "controlling_drawer.h"
#include "drawing_drawer.h"
#include "game_scene.h"
#include "hud.h"
#include "in_game_menu.h"
#include "menu_rows.h"
#include "moving_drawer.h"
#include "play_marks.h"
#include "spriteman.h"
#include "stockchar.h"

void game_controls::install()
{
    static const game_controls controls;
    scene_controls::install(&controls);
}

void game_controls::make_hud(game_scene& scene) const
{
    scene.top_hud = new hud(&scene, 0, 0, 0, 68, 50);
    new play_marks(&scene, scene.top_hud); // the bar owns it
}

void game_controls::make_drawer(game_scene& scene, unsigned char kind) const
{
    if (kind & cfg::drawer_drawer_type)
        new drawing_drawer(&scene);
    else if (kind & cfg::drawer_mv_type)
        new moving_drawer(&scene);
    else
        new controlling_drawer(&scene);
}

void game_controls::open_menu(game_scene& scene, menu which) const
{
    // Read afresh: the sprite tables are rebuilt with every GL context.
    const struct {
        menu which;
        float* banner;
        bool resume, restart;
    } menus[] = {{menu::pause, spriteman::tex_level_paused, true, true},
                 {menu::failed, spriteman::tex_level_failed, false, true},
                 {menu::passed, spriteman::tex_level_passed, false, false}};
    for (const auto& m : menus) {
        if (m.which != which)
            continue;
        auto* open = new in_game_menu(&scene, 50);
        new igm_just_tex(&scene, open, m.banner);
        if (m.resume)
            new igm_resume(&scene, open);
        new igm_tom_mm(&scene, open);
        if (m.restart)
            new igm_restart(&scene, open);
        new igm_help(&scene, open);
    }
}

myglitem* game_controls::item(hud* bar) const
{
    return bar;
}

myglitem* game_controls::item(in_game_menu* open) const
{
    return open;
}

// While the right stick is held the view pans and no longer follows the
// character, which keeps walking as the other hand steers it. Let go, the
// glance ends and the camera follows again; a view scrolled by V stays.
bool game_controls::look(game_scene& scene, input::intent way, bool pressed) const
{
    if (scene.drawer_kind & cfg::drawer_drawer_type)
        return false;
    auto* mover = dynamic_cast<moving_drawer*>(scene.drawer);
    if (!mover && !pressed)
        return false;
    stockchar* ch = scene.focused_char();
    const bool left = ch && ch->left_held, right = ch && ch->right_held;
    const bool jump = ch && ch->jump_held, down = ch && ch->down_held;
    if (!mover) {
        scene.switch_drawer(cfg::drawer_mv_type);
        scene.set_held_keys(left, right, jump, down);
        mover = static_cast<moving_drawer*>(scene.drawer);
        mover->glance = true;
    }
    mover->look(way, pressed);
    if (mover->glance && !mover->looking()) {
        scene.switch_drawer(cfg::drawer_ctrl_type);
        scene.set_held_keys(left, right, jump, down);
    }
    return true;
}

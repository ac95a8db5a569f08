#include "level_scene.h"

#include "cfg.h"
#include "hud_buttons.h"
#include "in_game_menu.h"
#include "menu_rows.h"
#include "progress_manager.h"
#include "sound_sink.h"
#include "stock_strip.h"

#include <algorithm>

level_scene::level_scene(const std::string& name, progress_manager* progress)
    : level_scene(name, cfg::levels_directory + name + cfg::level_suffix, progress)
{
}

level_scene::level_scene(const std::string& name, const std::string& path,
                         progress_manager* progress)
    : game_scene(nullptr), file_path(path), progress(progress)
{
    level_name = name;
    load_from_file(level_path());
    new go_menu(this, top_hud);
    new ::zoom_in(this, top_hud);
    new ::zoom_out(this, top_hud);
    new ctrl_switch(this, top_hud);
    new mv_switch(this, top_hud);
    new open_the_door(this, top_hud);
    new drawer_switch(this, top_hud);
    new character_switch(this, top_hud);
    new rewind_button(this, top_hud);
    new stock_strip(this, top_hud); // under the bar, the bar owns it
    history.begin(tick_counter, this);
    add_listener(&history);
}

level_scene::~level_scene()
{
    remove_listener(&history);
}

std::string level_scene::level_path() const
{
    return file_path;
}

void level_scene::mark_as_passed()
{
    if (progress)
        progress->set_level_passed(level_name);
}

void level_scene::restart()
{
    remove_listener(&history);
    flush_blocks();
    load_from_file(level_path());
    close_menu_request = true;
    switch_drawer(cfg::drawer_ctrl_type);
    resume_request = running;
    rewind_held_ticks = -1;
    gauge_left = 0;
    history.begin(tick_counter, this);
    add_listener(&history);
}

void level_scene::rewind()
{
    sound_sink::cue(sounds::rewind);
    ++rewinds;
    history.restore_played(*this, level_path(), history.before_last_move());
    // The player's hands are not rewound: keys let go meanwhile count as
    // released, so nobody walks on by himself.
    set_held_keys(left_down, right_down, jump_down, down_down);
    history.mark_carried();
    gauge_left = gauge_ticks;
}

game_scene::rewind_position level_scene::rewind_gauge() const
{
    rewind_position p;
    const long long furthest = history.furthest_world_ticks();
    p.moment = furthest > 0 ? static_cast<double>(history.world_ticks()) / furthest : 0.0;
    p.shown = rewind_held_ticks >= 0
                  ? 1.0
                  : std::min(1.0, static_cast<double>(gauge_left) / gauge_fade_ticks);
    return p;
}

void level_scene::advance()
{
    if (rewind_held_ticks >= 0 && menu)
        rewind_held_ticks = -1; // a menu takes the keys, the release too
    if (rewind_held_ticks >= 0) {
        ++rewind_held_ticks;
        if (rewind_held_ticks >= rewind_delay &&
            (rewind_held_ticks - rewind_delay) % rewind_period == 0)
            rewind();
        repaint_request = repaint::if_focused;
        return;
    }
    game_scene::advance();
    if (gauge_left > 0)
        --gauge_left;
}

void level_scene::open_pause_menu()
{
    game_scene::open_pause_menu();
    new igm_rewind(this, menu, false);
}

void level_scene::open_failed_menu()
{
    game_scene::open_failed_menu();
    new igm_rewind(this, menu, true);
}

bool level_scene::intent_event(const input::meaning& m, bool pressed, bool repeat)
{
    // The player's hands, whatever the world does with them: a rewind
    // restores exactly these.
    if (!repeat) {
        switch (m.play) {
        case input::intent::walk_left:
            left_down = pressed;
            break;
        case input::intent::walk_right:
            right_down = pressed;
            break;
        case input::intent::jump:
            jump_down = pressed;
            break;
        case input::intent::hold_down:
            down_down = pressed;
            break;
        default:
            break;
        }
    }
    // The keyboard's repeat lets go and presses again while the key is
    // held: only a real release ends the hold.
    if (m.play == input::intent::rewind && !pressed && !repeat)
        rewind_held_ticks = -1;
    const unsigned int rewinds_before = rewinds;
    const bool taken = game_scene::intent_event(m, pressed, repeat);
    // Only a held key or button steps on; the keyboard's own repeat is not
    // the pace.
    if (m.play == input::intent::rewind && pressed && rewinds != rewinds_before)
        rewind_held_ticks = 0;
    return taken;
}

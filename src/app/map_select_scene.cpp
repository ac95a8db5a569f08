#include "map_select_scene.h"

#include "catalogue.h"
#include "cfg.h"
#include "hud_buttons.h"
#include "level_entrance.h"
#include "level_scene.h"
#include "progress_manager.h"
#include "stockchar.h"

map_select_scene::map_select_scene(progress_manager* progress)
    : game_scene(nullptr), progress(progress)
{
    if (progress)
        for (const std::string& path : progress->get_all_menuses())
            load_from_file(path);
    new go_back(this, top_hud);
    new ::zoom_in(this, top_hud);
    new ::zoom_out(this, top_hud);
    new ctrl_switch(this, top_hud);
    new mv_switch(this, top_hud);
    new open_the_door(this, top_hud);
    // The map's right end is free: sound is switched off and on here.
    new mute_button(this, top_hud);
    if (top_hud)
        passed_count = std::make_unique<passed_count_sign>(this, top_hud);
    show_passed_levels();
    stand_at_last_door();
    announce_new_page();
}

void map_select_scene::reactivated()
{
    if (progress)
        for (const std::string& path : progress->get_new_menuses())
            load_from_file(path);
    show_passed_levels();
    announce_new_page();
}

void map_select_scene::show_passed_levels()
{
    for (stockblock* door : entrances) {
        auto* entrance = static_cast<level_entrance*>(door);
        entrance->passed = progress && progress->check_if_passed(entrance->level_name);
        entrance->par_mark = entrance->passed && progress->at_or_under_par(entrance->level_name);
    }
    if (passed_count && progress)
        passed_count->text = std::to_string(progress->passed_count) + " / " +
                             std::to_string(progress->levels.size());
}

void map_select_scene::announce_new_page()
{
    if (progress && progress->take_page_announcement())
        banner = std::make_unique<page_banner>(this, cf_tr("menu", "A NEW PAGE JOINS THE MAP"));
}

void map_select_scene::stand_at_last_door()
{
    stockchar* ch = focused_char();
    if (!progress || !ch || progress->last_played().empty())
        return;
    for (stockblock* door : entrances) {
        if (static_cast<level_entrance*>(door)->level_name != progress->last_played())
            continue;
        // The door's picture is its upper half: stand on the floor under it,
        // in the middle, where Space opens it.
        ch->x = door->x + (door->size - ch->size) / 2;
        ch->y = door->y + door->size / 2 - ch->size;
        ch->vx = ch->vy = 0;
        ch->calculate_size();
        return;
    }
}

void map_select_scene::advance()
{
    game_scene::advance();
    if (banner && !banner->tick())
        banner.reset();
}

void map_select_scene::settle_requests()
{
    game_scene::settle_requests();
    if (!enter_level_request.empty() && !enter_request)
        enter_request = level_from_here(enter_level_request);
    enter_level_request.clear();
}

level_scene* map_select_scene::level_from_here(const std::string& name)
{
    auto* level = new level_scene(name, progress);
    // The passed menu's next level is entered from here, once the level
    // has been left.
    level->enter_next = [this](const std::string& next) { enter_level_request = next; };
    if (progress)
        progress->set_last_played(name);
    return level;
}

bool map_select_scene::intent_event(const input::meaning& m, bool pressed, bool repeat)
{
    // Escape means back in menus and pause while playing, Backspace only
    // pause: the menu half tells them apart. An open menu and the drawing
    // cursor take back themselves.
    const bool drawing = (drawer_kind & cfg::drawer_drawer_type) != 0;
    if (m.menu == input::intent::back && pressed && !menu && !drawing) {
        if (!repeat)
            leave_request = true;
        return true;
    }
    return game_scene::intent_event(m, pressed, repeat);
}

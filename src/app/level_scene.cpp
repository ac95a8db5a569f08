#include "level_scene.h"

#include "cfg.h"
#include "hud_buttons.h"
#include "progress_manager.h"
#include "scene_manager.h"

level_scene::level_scene(const std::string& name) : game_scene(nullptr)
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
}

std::string level_scene::level_path() const
{
    return cfg::levels_directory + level_name + cfg::level_suffix;
}

void level_scene::mark_as_passed()
{
    if (progress_manager* progress = scene_manager::_progress_manager_static_ptr)
        progress->set_level_passed(level_name);
}

void level_scene::restart()
{
    flush_blocks();
    load_from_file(level_path());
    close_menu_request = true;
    switch_drawer(cfg::drawer_ctrl_type);
    resume_request = running;
}

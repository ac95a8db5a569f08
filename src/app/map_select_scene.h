#ifndef CRUMBLEFORD_APP_MAP_SELECT_SCENE_H
#define CRUMBLEFORD_APP_MAP_SELECT_SCENE_H

// The walkable map screen: one world built from every unlocked map page,
// whose doors lead into levels. It grows as levels are passed.

#include "game_scene.h"
#include "map_signs.h"
#include "world_ear.h"

#include <memory>

class level_scene;
class progress_manager;

class map_select_scene : public game_scene
{
    Q_OBJECT
  public:
    // Its pages and doors come from `progress`, when there is one.
    explicit map_select_scene(progress_manager* progress = nullptr);

    // Back from a level: add the pages unlocked meanwhile, re-read the doors.
    void reactivated() override;
    // Escape leaves for the title as the back button does; Backspace still
    // opens the map's menu.
    bool intent_event(const input::meaning& m, bool pressed, bool repeat) override;
    // A door asked for its level: it is entered on top of the map.
    void settle_requests() override;
    // The world's tick, and the banner of a new page ages.
    void advance() override;
    // A level entered from this map, as its doors enter them: leaving it
    // comes back here. Owned by the caller until pushed.
    level_scene* level_from_here(const std::string& name);

    world_ear ear{*this, sounds::menu_music};
    std::unique_ptr<passed_count_sign> passed_count;
    std::unique_ptr<page_banner> banner; // while a new page is announced

  private:
    // Each door shows whether its level is passed, and at or under par, from
    // the progress store, and the bar counts them.
    void show_passed_levels();
    void announce_new_page();
    // A new map screen: its character waits at the door of the level last
    // played, not at the start of the first page.
    void stand_at_last_door();

    progress_manager* progress; // not owned
};

#endif

#ifndef CRUMBLEFORD_APP_MAP_SELECT_SCENE_H
#define CRUMBLEFORD_APP_MAP_SELECT_SCENE_H

// The walkable map screen: one world built from every unlocked map page,
// whose doors lead into levels. It grows as levels are passed.

#include "game_scene.h"
#include "world_ear.h"

class map_select_scene : public game_scene
{
    Q_OBJECT
  public:
    map_select_scene();

    // Back from a level: add the pages unlocked meanwhile, re-read the doors.
    void reactivated() override;
    // Escape leaves for the title as the back button does; Backspace still
    // opens the map's menu.
    bool intent_event(const input::meaning& m, bool pressed, bool repeat) override;

    world_ear ear{*this, sounds::menu_music};
};

#endif

#ifndef CRUMBLEFORD_APP_LEVEL_SCENE_H
#define CRUMBLEFORD_APP_LEVEL_SCENE_H

// One playable level, loaded from its level file; passing it is recorded in
// the progress store. Pushed by a door on the map screen.

#include "game_scene.h"

#include <string>

class level_scene : public game_scene
{
    Q_OBJECT
  public:
    explicit level_scene(const std::string& name);

    void mark_as_passed() override;
    void restart() override;

    std::string level_name;

  private:
    std::string level_path() const;
};

#endif

#ifndef CRUMBLEFORD_WORLD_SCENE_CONTROLS_H
#define CRUMBLEFORD_WORLD_SCENE_CONTROLS_H

// The on-screen controls a world owns (its HUD, its one active drawer, the
// in-game menus) are made by the controls layer above the world; the world
// asks for them through this seam. The game, the simulator and the tests
// install the controls once at start; with none installed a world has no
// controls at all.

#include "input_table.h"

class game_scene;
class hud;
class in_game_menu;
class myglitem;

class scene_controls
{
  public:
    enum class menu { pause, failed, passed };

    virtual ~scene_controls() = default;
    // The HUD bar, kept by the scene as its HUD.
    virtual void make_hud(game_scene& scene) const = 0;
    // A drawer of the kind (a drawer type flag); it installs itself.
    virtual void make_drawer(game_scene& scene, unsigned char kind) const = 0;
    // Opens one of the in-game menus over the scene.
    virtual void open_menu(game_scene& scene, menu which) const = 0;
    // The HUD and the open menu as the items they are, for the routing.
    virtual myglitem* item(hud* bar) const = 0;
    virtual myglitem* item(in_game_menu* open) const = 0;
    // The right stick's glance, through the scroll drawer; false when the
    // stick means nothing now.
    virtual bool look(game_scene& scene, input::intent way, bool pressed) const = 0;

    static const scene_controls* installed() { return slot(); }
    static void install(const scene_controls* c) { slot() = c; }

  private:
    static const scene_controls*& slot()
    {
        static const scene_controls* controls = nullptr;
        return controls;
    }
};

#endif

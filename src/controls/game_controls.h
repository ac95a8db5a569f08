#ifndef CRUMBLEFORD_CONTROLS_GAME_CONTROLS_H
#define CRUMBLEFORD_CONTROLS_GAME_CONTROLS_H

// The controls every world of the game has: the HUD bar, the three drawers,
// the in-game menus and the right stick's glance. Installed once at start
// by the game, the simulator and the tests.

#include "scene_controls.h"

class game_controls : public scene_controls
{
  public:
    void make_hud(game_scene& scene) const override;
    void make_drawer(game_scene& scene, unsigned char kind) const override;
    void open_menu(game_scene& scene, menu which) const override;
    myglitem* item(hud* bar) const override;
    myglitem* item(in_game_menu* open) const override;
    bool look(game_scene& scene, input::intent way, bool pressed) const override;

    // The one instance, installed for the scenes made from now on.
    static void install();
};

#endif

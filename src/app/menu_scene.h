#ifndef CRUMBLEFORD_APP_MENU_SCENE_H
#define CRUMBLEFORD_APP_MENU_SCENE_H

// The main menu: play, help, credits, quit and the level editor over the
// grassy background. Pushed by the intro scene and never popped; the screens
// it opens wait above it on the stack.

#include "menu_buttons.h"
#include "myscene.h"

#include <cstdint>

class menu_scene : public myscene
{
    Q_OBJECT
  public:
    explicit menu_scene(QObject* parent = nullptr);

    void resizeGL() override;
    // Also re-lays the buttons every 16th frame, so that a viewport size
    // change is picked up without a resize notification.
    void updateGL() override;

    quit_button quit;
    play_button play;
    help_button help;
    credits_button credits;
    editor_button editor;
    uint8_t relayout_counter = 0;
    uint8_t relayout_period = 15;

  public slots:
    void advance() override {}
};

#endif

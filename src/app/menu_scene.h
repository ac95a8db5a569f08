#ifndef CRUMBLEFORD_APP_MENU_SCENE_H
#define CRUMBLEFORD_APP_MENU_SCENE_H

// The main menu: play, help, credits, quit, the level editor and the
// settings over the grassy background. Pushed by the intro scene and never popped; the screens
// it opens wait above it on the stack. Keys move a focus over the buttons.

#include "menu_buttons.h"
#include "myscene.h"

#include <cstdint>
#include <vector>

class menu_scene : public myscene
{
    Q_OBJECT
  public:
    explicit menu_scene(QObject* parent = nullptr);

    void resizeGL() override;
    // Also re-lays the buttons every 16th frame, so that a viewport size
    // change is picked up without a resize notification.
    void updateGL() override;
    // Arrows move the focus to the nearest button that way, Tab and
    // Shift+Tab through the buttons in turn; confirm presses the focused
    // one and back only moves the focus to quit.
    bool intent_event(const input::meaning& m, bool pressed, bool repeat) override;
    std::vector<layout_box> layout_boxes() const override;

    quit_button quit;
    play_button play;
    help_button help;
    credits_button credits;
    editor_button editor;
    continue_button continue_choice; // shown while an attempt can be continued
    settings_button settings;
    uint8_t relayout_counter = 0;
    uint8_t relayout_period = 15;
    menu_button* focused = &play;

    // Back on the title: the attempt continued has ended or goes on, so the
    // choice is looked for again.
    void reactivated() override;

  public slots:
    // Under CF_ATTEMPT_TEST the attempt is continued at once, as the tests
    // of the real game cannot press keys.
    void advance() override;

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* e) override;

  private:
    void redraw_soon();
    // Every button shown, in the Tab order.
    std::vector<menu_button*> buttons();
    // The nearest button in the arrow's direction, or nullptr.
    menu_button* neighbour(input::intent arrow);
    // The button `step` places on in the Tab order, wrapping round.
    menu_button* in_turn(int step);
};

#endif

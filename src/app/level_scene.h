#ifndef CRUMBLEFORD_APP_LEVEL_SCENE_H
#define CRUMBLEFORD_APP_LEVEL_SCENE_H

// One playable level, loaded from its level file; passing it is recorded in
// the progress store. Pushed by a door on the map screen. It keeps the
// history of the current attempt beside its world, so that any mistake can
// be rewound.

#include "failure_watch.h"
#include "game_scene.h"
#include "rewind_log.h"
#include "world_ear.h"

#include <functional>
#include <string>

class progress_manager;
class title_card;

class level_scene : public game_scene
{
    Q_OBJECT
  public:
    // Passing it is recorded in `progress`, when there is one.
    explicit level_scene(const std::string& name, progress_manager* progress = nullptr);
    // A level read from any file, such as one made in the editor.
    level_scene(const std::string& name, const std::string& path, progress_manager* progress);
    ~level_scene() override;

    void mark_as_passed() override;
    void restart() override;
    // Takes back the last move (see rewind_log::before_last_move), or goes
    // to the level's start when there is none.
    void rewind() override;
    rewind_position rewind_gauge() const override;
    void open_pause_menu() override;
    void open_failed_menu() override;
    void open_passed_menu() override;
    void resizeGL() override;
    // Lets every row of the level be brought out from under the HUD bar,
    // which covers its height times the interface scale of the screen.
    void fit_band();

    bool intent_event(const input::meaning& m, bool pressed, bool repeat) override;
    // The world's tick, then the title card's camera, and a character that
    // fell out of the world loses the level. While the rewind key is held
    // the world waits instead, and a move more is taken back every
    // rewind_period ticks after the first rewind_delay.
    void advance() override;

    static constexpr int rewind_delay = 12;
    static constexpr int rewind_period = 8;
    // The gauge stays this long after the last step back, fading at the end.
    static constexpr int gauge_ticks = 90;
    static constexpr int gauge_fade_ticks = 30;

    // The attempt as the passed menu tells it: "TIME 0:42  TICKS 1260  BLOCKS 3".
    std::string attempt_summary() const;
    // Ends the title card at once, at the usual view; nothing when it is gone.
    void end_title_card();

    std::string level_name;
    rewind_log history;
    failure_watch failures{*this};
    // Shown from the level's opening until it ends or any input skips it.
    title_card* card = nullptr; // owned
    // Set by the map that entered the level: leaving for the map enters the
    // named level from there. Without it the passed menu offers no next level.
    std::function<void(const std::string&)> enter_next;
    world_ear ear{*this, sounds::level_music};

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* e) override;
    // A window that loses the keyboard never hears the rewind key let go.
    void focusOutEvent(QFocusEvent* e) override;

  private:
    std::string level_path() const;
    std::string file_path;
    progress_manager* progress; // not owned
    // The movement keys the player holds down now, whatever reached the
    // character: a rewind hands these back to the restored character.
    bool left_down = false;
    bool right_down = false;
    bool jump_down = false;
    bool down_down = false;
    // Ticks the rewind key has been held, or -1 when it is not.
    int rewind_held_ticks = -1;
    unsigned int rewinds = 0;
    int gauge_left = 0;
};

#endif

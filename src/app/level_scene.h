#ifndef CRUMBLEFORD_APP_LEVEL_SCENE_H
#define CRUMBLEFORD_APP_LEVEL_SCENE_H

// One playable level, loaded from its level file; passing it is recorded in
// the progress store. Pushed by a door on the map screen. It keeps the
// history of the current attempt beside its world, so that any mistake can
// be rewound, and a stuck player can watch a shipped level's recorded
// solution played in it.

#include "failure_watch.h"
#include "game_scene.h"
#include "records_store.h"
#include "rewind_log.h"
#include "world_ear.h"

#include <functional>
#include <memory>
#include <string>

class attempt_keeper;
struct attempt_record;
class progress_manager;
struct replay_script;
class solution_note;
class solution_player;
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

    // Where every level made from now on keeps its attempt; "" (as in
    // tests) keeps none. The game sets it as it starts.
    static std::string attempt_path;
    // Takes up a kept attempt at this level: the world becomes the one at
    // its moment, and play goes on from there.
    void continue_attempt(const attempt_record& record);
    const std::string& level_file() const { return file_path; }
    // Whether this attempt has been rewound, as the records tell it.
    bool attempt_was_rewound() const { return attempt_rewound; }
    // Rewinds and restarts so far: the way changes without growing.
    unsigned int attempt_changes() const { return rewinds + restarts; }

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
    // The passed menu's line under it when a record fell: "NEW BEST TIME",
    // "NEW BEST BLOCKS" or both.
    static std::string new_best_words(const new_bests& beaten);
    // Ends the title card at once, at the usual view; nothing when it is gone.
    void end_title_card();

    // Plays the level's recorded solution from the level's start, at the
    // usual pace. Watching is read-only: the player's first press of a key,
    // button or the pointer stops it and restarts the level, and so does
    // the end of the solution, which records no pass. Nothing happens when
    // the level has no solution or it cannot be read (one line on stderr).
    void watch_solution();
    bool watching() const { return player != nullptr; }
    // Only the shipped levels come with a recorded solution.
    bool has_solution() const { return !solution_path.empty(); }

    // From this many attempts of a visit ended by a failure or a restart,
    // the failed menu offers the solution first; the pause menu always does.
    static constexpr unsigned int attempts_before_help = 3;
    // A solution that has not passed the level this long after its last
    // event no longer fits the level: watching ends.
    static constexpr long long watch_grace_ticks = 300;

    std::string level_name;
    rewind_log history;
    failure_watch failures{*this};
    // Shown from the level's opening until it ends or any input skips it.
    title_card* card = nullptr; // owned
    // Set by the map that entered the level: leaving for the map enters the
    // named level from there. Without it the passed menu offers no next level.
    std::function<void(const std::string&)> enter_next;
    world_ear ear{*this, sounds::level_music};
    // Attempts of this visit that ended unpassed: each failure, and each
    // restart not straight after a failure. A new visit counts afresh, as
    // the player may come back rested; the pause menu offers help anyway.
    unsigned int unsuccessful_attempts = 0;
    // Set when a watch starts and kept for the rest of the visit: a later
    // pass is recorded as one passed after watching.
    bool solution_watched = false;
    // The records the last pass beat, for the passed menu's NEW BEST.
    new_bests beaten;

    // Leaving for the map or the title gives the attempt up.
    void settle_requests() override;

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* e) override;
    // A window that loses the keyboard never hears the rewind key let go.
    void focusOutEvent(QFocusEvent* e) override;

  private:
    std::string level_path() const;
    // The level as its file has it, the menu closing and the world running
    // after the tick: what a restart does, without counting an attempt.
    void reload();
    // The watch chosen begins with the level's start, once no menu is open.
    void start_watching();
    void stop_watching();
    std::string solution_path;               // empty: the level has none
    std::unique_ptr<solution_player> player; // while watching
    solution_note* note = nullptr;           // owned, while watching
    bool watch_started = false;
    long long ticks_after_script = 0;
    // The script's own keys pass into the world while it is fed.
    bool feeding = false;
    // The present attempt's failure has been counted already.
    bool failure_counted = false;
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
    unsigned int restarts = 0;
    // A new attempt after RESTART or a watch: kept afresh, counted at its
    // first tick.
    void begin_attempt();
    // The attempt since the level's start or last restart has been rewound.
    bool attempt_rewound = false;
    // Entering a level or restarting it starts an attempt, counted at its
    // first tick: an attempt continued after the game ended was counted then.
    bool attempt_counted = false;
    int gauge_left = 0;
    std::unique_ptr<attempt_keeper> keeper;
    // Under CF_ATTEMPT_TEST: the world's trace words after every world tick,
    // as a fingerprint on standard error, and a script of inputs played in.
    void trace_attempt(const char* what);
    std::unique_ptr<replay_script> test_script;
    long long traced_ticks = -1;
};

#endif

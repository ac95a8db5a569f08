#ifndef CRUMBLEFORD_WORLD_GAME_SCENE_H
#define CRUMBLEFORD_WORLD_GAME_SCENE_H

// The world of one level or of the map screen: it owns every world object
// (in its grid and per-kind lists), its HUD, its one active drawer and the
// open in-game menu, runs the tick, and routes keys and presses. The
// controls themselves are made by the controls layer (scene_controls); the
// tick raises requests (a menu, leaving, entering a level) that the scene
// and the shell meet after it.

#include "myscene.h"
#include "replay.h"
#include "world_event.h"

#include <iostream>
#include <list>
#include <string>
#include <vector>

struct level_record;

class QKeyEvent;
class QGraphicsSceneMouseEvent;
class stockblock;
class stockchar;
class hud;
class in_game_menu;
class myglitem;
class scene_controls;
class world_listener;

class game_scene : public myscene
{
    Q_OBJECT
  public:
    // Takes the controls installed now (scene_controls::install).
    explicit game_scene(QObject* parent = nullptr);
    ~game_scene() override;

    void add_gl_item(myglitem* item) override;
    void remove_gl_item(myglitem* item) override;
    void resizeGL() override;
    // An open menu's rows; otherwise the HUD's buttons and the drawer's.
    std::vector<layout_box> layout_boxes() const override;
    bool world_view() const override { return true; }
    virtual void mark_as_passed() {}
    virtual void restart() {}
    // Steps the world back in time; only a level can.
    virtual void rewind() {}
    // For the rewind gauge: the present moment's place in the attempt, from
    // its start (0) to the furthest moment played (1), and how much the
    // gauge shows (0: not at all).
    struct rewind_position {
        double moment = 0;
        double shown = 0;
    };
    virtual rewind_position rewind_gauge() const { return {}; }

    // Reads a level or map file record by record into the scene; `log` gets
    // one line saying which file and whether it was read.
    bool load_from_file(const std::string& path, std::ostream& log = std::cout);
    void mkframe();
    void flush_blocks();
    void calculate_sizes();
    // The scene rectangle for the grid at the current block size.
    void set_scene_rect();
    // Above the default block size the atlas is sampled texel by texel.
    bool smooth_atlas() const override { return block_size <= 60; }

    // Grid bookkeeping. A scene has no grid until its first map size.
    bool has_grid() const { return !grid.empty(); }
    bool in_grid(long long column, long long row) const;
    // Makes (or grows) the grid to width x height cells; never shrinks it.
    void set_map_size(int width_cells, int height_cells);
    // Empties a cell for a new grid object: an earlier occupant is deleted.
    void clear_cell(long long column, long long row);

    // The character that receives keys, or nullptr when there is none.
    stockchar* focused_char();

    void zoom_in();
    void zoom_out();
    // The menus come from the controls; a level adds its own last rows to
    // them.
    virtual void open_pause_menu();
    virtual void open_failed_menu();
    virtual void open_passed_menu();
    // A new control surface registers and becomes the one active drawer;
    // dropping it unregisters it again.
    void adopt_drawer(myglitem* surface, unsigned char kind);
    void drop_drawer(myglitem* surface);
    // Clears the focused character's steering flags, so that a touch made
    // under one surface does not keep it going under the next.
    void stop_focused_character();
    // Sets the focused character's held-key flags as touches do, telling
    // the listener which keys that pressed or released.
    void set_held_keys(bool left, bool right, bool jump, bool down);
    // C: the focus moves on and the held keys go with it.
    void switch_character();

    // Listeners are told in the order they were added; a listener removes
    // itself before it goes.
    void add_listener(world_listener* l);
    void remove_listener(world_listener* l);
    // Tells every listener an input that changed the world, or what just
    // happened in it.
    void tell(const replay_event& input) const;
    void tell(const world_event& e) const;

    // The two halves of a tick that change the world: the movers (only
    // while it runs), then the exits and deletions queued meanwhile.
    void move_world();
    void settle_queues();
    // Destroys the active drawer and installs a new one of the given kind.
    void switch_drawer(unsigned char kind);
    // P key and the brush button: drawing toggles back to steering.
    void toggle_drawing();

    // Keys and pad buttons: the open menu takes them all, the drawing
    // cursor its own, the rest act on the scene or the focused character.
    bool intent_event(const input::meaning& m, bool pressed, bool repeat) override;

    // Pointer routing in interface pixels (view pixels divided by the
    // interface scale); the graphics-scene mouse handlers convert and call
    // these.
    void press_at(int x, int y);
    void move_to(int x, int y);
    void release_at(int x, int y);

    std::vector<std::vector<stockblock*>> grid; // [column][row], nullptr when empty
    int grid_width = 50;
    int grid_height = 50;
    long long gravity;
    long long gravity_per_tick;
    double px_per_unit; // scene pixels per world unit
    unsigned int block_size = 60;
    // Height of the bar laid over the top of the view, in pixels: the scene
    // reaches that much further up, so that the view can bring the top rows
    // out from under the bar.
    int band_px = 0;
    unsigned char tick_counter = 0;
    bool failed_request = false;
    bool close_menu_request = false;
    bool passed_request = false;
    bool resume_request = false;
    // A door asked to enter the named level; the map screen enters it.
    std::string enter_level_request;
    // Whether the last tick opened (or would have opened) the failed or
    // passed menu: read by the simulator and by tests.
    bool handled_failed = false;
    bool handled_passed = false;
    bool released = false;
    unsigned char drawer_kind = 0;
    const scene_controls* controls = nullptr; // not owned; nullptr: no controls
    std::vector<world_listener*> listeners;   // not owned
    // Counts the times the world was emptied (a restart, a rewind): a
    // listener must not take what happened in the old world for the new.
    unsigned int flushes = 0;
    in_game_menu* menu = nullptr;
    myglitem* drawer = nullptr;
    // The pointer capture names a field, not an object: if the field's
    // object is replaced mid-drag, later moves reach the new one.
    enum class capture_slot { none, menu, drawer, hud };
    capture_slot capture = capture_slot::none;
    hud* top_hud = nullptr;
    std::vector<stockchar*> characters;
    std::list<stockchar*> removal_queue;
    std::list<stockblock*> deletion_queue;
    unsigned int focused = 0;
    std::list<stockblock*> clouds[4];
    std::list<stockblock*> entrances;
    std::list<stockblock*> exits[4];
    std::list<stockblock*> fallings[4];
    std::list<stockblock*> spikes_list;
    std::list<stockblock*> bombs;

    // The world's half of the tick: the movers, the drawer, the queues; it
    // asks for a repaint. The menus it asks for open in settle_requests.
    void advance() override;
    void settle_requests() override;
    void finish_tick() override;

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* e) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* e) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* e) override;

  private:
    myglitem* captured() const;
    void process_removal_queue();
    void process_deletion_queue();
    void tell_input(replay_event::kind_t kind, int key);
    void load_record(const level_record& r);
};

#endif

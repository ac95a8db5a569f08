#ifndef CRUMBLEFORD_EDITOR_EDITOR_SCENE_H
#define CRUMBLEFORD_EDITOR_EDITOR_SCENE_H

// The level editor: shows a level document with the game's sprites, places
// and erases objects by pointer or keyboard, keeps undo and redo steps, and
// saves to the player's own levels. Opened from the main menu; a test-play
// pushes a real level scene above it, read from the written text.

#include "editor_layout.h"
#include "editor_menu.h"
#include "editor_palette.h"
#include "level_document.h"
#include "level_store.h"
#include "myscene.h"
#include "name_picker.h"

#include <string>
#include <vector>

class QKeyEvent;
class QGraphicsSceneMouseEvent;
class QGraphicsSceneWheelEvent;

class editor_scene : public myscene
{
    Q_OBJECT
  public:
    explicit editor_scene(const std::string& store_directory, QObject* parent = nullptr);

    // Editing steps; each one that changes the document can be undone.
    bool place_at(int column, int row);
    bool erase_at(int column, int row);
    bool resize_map(int width, int height);
    // Stock slot k of the selected character: next type, colour or count.
    enum class slot_part { type, colour, count };
    bool change_slot(int k, slot_part part);
    bool undo();
    bool redo();

    bool save();
    bool save_as(const std::string& name);
    // Replaces the document with a saved level; false when it cannot be read.
    bool open_level(const std::string& name);
    void new_level();
    // Writes the document and pushes a level scene that plays it; what the
    // level checker finds in it is shown first, unless the player already
    // chose to try despite it.
    bool try_level(bool despite_findings = false);
    // Asks for a new name for the level, the current one offered.
    void rename();
    // Pushes the list of own levels above the editor.
    void open_list();
    // Leaves the editor, asking first when there are unsaved changes.
    void leave();
    bool has_unsaved_changes() const;

    // Letters, Ctrl and Shift shortcuts and typed names; every other key
    // goes through the key table to intent_event, as a pad's buttons do.
    void keyPressEvent(QKeyEvent* e) override;
    bool intent_event(const input::meaning& m, bool pressed, bool repeat) override;
    void move_cursor(int columns, int rows);
    // Pointer handling in viewport pixels; the mouse handlers call these.
    void press_at(int x, int y, bool erase_button);
    void move_to(int x, int y);
    void release_at(int x, int y);

    void updateGL() override;
    void resizeGL() override;
    bool smooth_atlas() const override { return block_px <= 60; }
    bool takes_text() const override { return mode == mode_t::naming; }
    // The open menu's rows, or the prompt's answers, or the strips' buttons
    // and a chosen character's stock.
    std::vector<layout_box> layout_boxes() const override;

    // The cell under a viewport pixel; false outside the map.
    bool cell_at(int x, int y, int& column, int& row) const;
    void zoom(int step);

    enum class mode_t { editing, naming, confirm_leave, confirm_try };
    // Opens the name prompt or a question, with its default.
    void ask(mode_t question);
    // A press on the name prompt's key k (see name_picker).
    void press_name_key(int k);

    level_document doc;
    std::string name; // empty until the level is first saved or opened
    level_store store;
    editor_palette palette;
    std::vector<level_document> undo_steps;
    std::vector<level_document> redo_steps;
    mode_t mode = mode_t::editing;
    // A question's highlighted answer: 0 the left one (LEAVE, TRY ANYWAY),
    // 1 the right one (STAY, BACK), where a question starts.
    int prompt_choice = 0;
    editor_menu menu;
    std::string typed_name;
    name_picker picker;
    std::vector<std::string> try_findings; // what the question before a try shows
    // Records a refused placement would have covered, marked while its message shows.
    std::vector<level_record> in_the_way;
    std::string message;
    int message_ticks = 0;
    int cursor_column = 1;
    int cursor_row = 1;
    int selected_char = -1; // record index of the character whose stock shows
    int chosen_slot = 0;    // the stock slot the keyboard changes
    int block_px = 40;
    double origin_x = 0, origin_y = 0; // viewport pixel of the map's top-left corner

    static constexpr size_t max_undo_steps = 500;
    static constexpr int bar = editor_layout::bar; // height of the top and bottom strips
    static constexpr int long_press_ticks = 15;

  public slots:
    void advance() override;

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* e) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* e) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* e) override;
    void wheelEvent(QGraphicsSceneWheelEvent* e) override;

  private:
    void edit(const level_document& changed);
    void show_message(const std::string& text);
    void center_map();
    void keep_cursor_visible();
    void select_character_at(int column, int row);
    void top_bar_press(int x, int y);
    bool stock_panel_press(int x, int y);

    std::string saved_text; // the text of the last save or open
    bool pressing = false;
    bool dragged = false;
    bool long_pressed = false;
    int press_ticks = 0;
    int press_x = 0, press_y = 0, last_x = 0, last_y = 0;
};

#endif

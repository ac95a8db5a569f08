#ifndef CRUMBLEFORD_EDITOR_EDITOR_MENU_H
#define CRUMBLEFORD_EDITOR_EDITOR_MENU_H

// The editor's own menu, opened by a pad's Start: every editor command as a
// row, so that a player with neither keyboard nor pointer reaches them all.
// Up and down choose a row, confirm runs it, left and right change the value
// rows. The editor scene owns it and draws it over the map.

#include "input_table.h"

#include <string>

class editor_scene;

class editor_menu
{
  public:
    enum class row {
        try_level,
        save,
        rename,
        open_list,
        undo,
        redo,
        colour,
        direction,
        slot,
        slot_type,
        slot_colour,
        slot_count,
        width,
        height,
        zoom,
        leave,
        count
    };
    static constexpr int row_count = static_cast<int>(row::count);

    // A menu intent while the menu is open; true when taken.
    bool navigate(editor_scene& e, input::intent i);
    // Runs a row: `step` is -1 for left, +1 for right or confirm.
    void run(editor_scene& e, row r, int step);
    // A pointer press: a row runs, a press beside the panel closes the menu.
    void press(editor_scene& e, int x, int y);
    std::string label(const editor_scene& e, row r) const;
    void draw(const editor_scene& e) const;

    bool open = false;
    int chosen = 0; // kept while closed, so a value row is found again
};

#endif

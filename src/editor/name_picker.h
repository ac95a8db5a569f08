#ifndef CRUMBLEFORD_EDITOR_NAME_PICKER_H
#define CRUMBLEFORD_EDITOR_NAME_PICKER_H

// The name prompt's keys on the screen, for a player with no keyboard: the
// characters a level name may hold, a case shift, delete, save and cancel.
// A pointer presses them; arrows, a D-pad and the next and previous buttons
// move a focus over them. The editor scene owns it; the canvas draws it.

#include "editor_layout.h"

#include <string>
#include <vector>

class name_picker
{
  public:
    enum class key_kind { character, shift, erase, save, cancel };
    struct key {
        key_kind kind;
        char ch;                  // the capital or other character a character key adds
        int column, row, columns; // in key units on the picker's grid
    };
    static constexpr int grid_columns = 13;
    static constexpr int grid_rows = 4;
    static const std::vector<key>& keys();

    // The panel with the name above the keys, and each key, in viewport pixels.
    static screen_rect panel(int viewport_width, int viewport_height);
    static screen_rect key_rect(int k, int viewport_width, int viewport_height);
    // The key under a viewport pixel, or -1.
    static int key_at(int x, int y, int viewport_width, int viewport_height);

    // Opens with the focus on SAVE and capitals: Enter saves what was typed.
    void reset();
    // The focus one key along a row or to the key above or below, round the edges.
    void move(int columns, int rows);
    // The next and previous buttons jump to SAVE, then between SAVE and CANCEL.
    void jump_to_answers();

    enum class outcome { typed, save, cancel };
    // Presses key k: a character key adds its character to the name in the
    // chosen case, unless the name is full.
    outcome press(int k, std::string& name);
    // What key k shows: a character in the chosen case, or the key's word.
    std::string label(int k) const;

    int focus = 0;
    bool lower_case = false;
};

#endif

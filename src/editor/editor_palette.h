#ifndef CRUMBLEFORD_EDITOR_EDITOR_PALETTE_H
#define CRUMBLEFORD_EDITOR_EDITOR_PALETTE_H

// The editor's palette strip along the bottom of the screen: the seven kinds
// of object a level holds, the four colours and a cloud's direction. It
// knows the chosen object and where its cells are; the editor scene owns it.

#include "editor_layout.h"
#include "level_document.h"

class editor_palette
{
  public:
    static constexpr int kind_count = editor_layout::kind_count;
    static constexpr int cell = editor_layout::cell; // pixels

    // What a press at (x, y) in viewport pixels chose; false when it missed.
    bool press(int x, int y, int viewport_height);
    bool contains(int x, int y, int viewport_height) const;
    // Number keys: 1 to 7 a kind (again: its next colour), 8 the next
    // colour, 9 the next direction.
    bool number_key(int digit);
    void next_colour() { step_colour(1); }
    void next_direction() { step_direction(1); }
    // Steps through the kinds, colours or directions, round at either end;
    // a pad steps where a keyboard names the entry by its number.
    void step_kind(int delta);
    void step_colour(int delta);
    void step_direction(int delta);

    // The record the chosen object makes in cell (column, row).
    level_record record_for(int column, int row) const;
    void draw(int viewport_height) const;

    level_record::kind_t kind = level_record::stockblock;
    unsigned char colour = 0;
    unsigned char direction = 0x10; // right

    // The picture of an object of the kind and colour, or of a stock type.
    static const float* sprite(level_record::kind_t kind, unsigned char colour);
    static const float* stock_sprite(unsigned int type, unsigned char colour);
    static const char* direction_letter(unsigned char direction);
};

#endif

#ifndef CRUMBLEFORD_EDITOR_LEVEL_DOCUMENT_H
#define CRUMBLEFORD_EDITOR_LEVEL_DOCUMENT_H

// A level as the records of its file: what the editor changes, undoes and
// writes back with the loader's own words. It never holds world objects; a
// test-play loads the written text like any shipped level.

#include "level_format.h"

#include <string>
#include <vector>

class level_document
{
  public:
    // Reads level text with the loader's rules (frame, replacement, delete),
    // so the document holds the world that text would build.
    static level_document from_text(const std::string& text);
    std::string to_text() const;

    // A record of the given kind whose object stands in cell (column, row):
    // a character stands on the cell's floor, an exit spans 2 x 2 cells.
    static level_record make(level_record::kind_t kind, int column, int row, unsigned char colour,
                             unsigned char direction = 0);

    // Puts r in, replacing what stands in the cell of its top-left corner;
    // false when it would not fit inside the map or would cover anything else.
    bool place(const level_record& r);
    bool fits(const level_record& r) const;
    // The records r would cover outside its own cell, which a placement must
    // not wipe unseen: an exit's other three cells must be free.
    std::vector<int> in_the_way(const level_record& r) const;
    // Removes what covers the cell; false when nothing did.
    bool erase_at(int column, int row);
    // Index of the topmost record covering the cell, or -1.
    int record_at(int column, int row) const;
    // Records outside the new map are dropped: the loader would refuse them.
    bool resize(int new_width, int new_height);

    int character_count() const;
    bool operator==(const level_document& o) const;
    bool operator!=(const level_document& o) const { return !(*this == o); }

    static constexpr int min_edge = 3;
    static constexpr int max_edge = 200;

    int width = 16;
    int height = 10;
    std::vector<std::string> notes;    // the file's leading comment lines, kept as written
    std::vector<level_record> records; // in file order
    unsigned int focused = 0;
};

#endif

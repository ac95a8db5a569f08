#ifndef CRUMBLEFORD_WORLD_DATA_TEXT_H
#define CRUMBLEFORD_WORLD_DATA_TEXT_H

// Numbers and text in the game's data files (levels, map pages, lists, the
// progress file, simulator scripts) are C text: "2.5", never "2,5", whatever
// locale the player's desktop sets. Every reader of such a file goes through
// these, never through the process locale.

#include <istream>
#include <string>

class data_text
{
  public:
    // The whole word as a decimal number in the C library's grammar, read
    // in the "C" locale; false when it is empty, has anything left over or
    // is out of the double range.
    static bool read_double(const std::string& word, double& value);

    // The whole word as a signed decimal integer (an optional sign, then
    // digits only); false when it is empty, not a number or out of range.
    static bool read_integer(const std::string& word, long long& value);

    // Editors on some systems start UTF-8 files with a byte-order mark;
    // skips it so the first record reads like any other. Leaves the stream
    // at its start when there is none.
    static void skip_byte_order_mark(std::istream& in);
};

#endif

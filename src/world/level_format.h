#ifndef CRUMBLEFORD_WORLD_LEVEL_FORMAT_H
#define CRUMBLEFORD_WORLD_LEVEL_FORMAT_H

// The level and map file format: one record a line, read into a level_record
// and written back with the same words. The loader, the level checker and
// the editor's document all read here, so they agree on what a line says;
// what a record does to a world is each reader's own business.

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct level_record {
    // The first seven are the objects the editor places.
    enum kind_t {
        stockblock,
        stock_expendable,
        spikes,
        falling,
        cloud,
        exit,
        character,
        level_entrance,
        mapsize,
        mkframe,
        focusedchar,
        erase // "delete"
    };
    struct slot {
        unsigned char colour = 0;
        unsigned int type = 0; // object-type flag, 0 for an empty slot
        unsigned char count = 0;
        bool operator==(const slot& o) const
        {
            return colour == o.colour && type == o.type && count == o.count;
        }
    };

    kind_t kind = stockblock;
    long long x = 0, y = 0;      // world units, the object's top-left corner
    unsigned char colour = 0;    // colour number, 0 (white) to 3
    unsigned char direction = 0; // clouds only
    bool menu_motion = false;    // a "menuchar": map-screen walking values
    slot stock_slots[3];
    std::string level;               // level_entrance: where the door leads
    long long columns = 0, rows = 0; // mapsize
    unsigned int index = 0;          // focusedchar

    // World units covered on each axis, as the object's constructor sets it.
    long long extent() const;
    bool is_grid_object() const;
    bool covers(long long left, long long top, long long size) const;
    bool operator==(const level_record& o) const;
};

// One row per keyword. `arguments` has a letter for each word after the
// keyword: x and y a coordinate, c the colour, d a direction, l a level name,
// w and h the map's columns and rows, i an index, and C T N a stock slot's
// colour, type and count.
struct level_kind {
    const char* keyword;
    level_record::kind_t kind;
    const char* arguments;
    bool grid;         // lives in the map cell holding its corner
    long long size;    // world units on each axis, 0 for records that place nothing
    unsigned int type; // the object-type flag of what it places, 0 for none
};

struct level_finding {
    long long line = 0;
    std::string message;
};

class level_format
{
  public:
    // Beyond these a coordinate would overflow world arithmetic, and a grid
    // would not fit in memory; such records are skipped like unreadable ones.
    static constexpr double max_coordinate = 1e9; // blocks
    static constexpr long long max_grid_edge = 10000;
    static constexpr long long max_grid_cells = 4000000;
    static const char* const bad_mapsize; // the finding for a mapsize that is skipped

    static const std::vector<level_kind>& kinds();
    static const level_kind* find(const std::string& keyword);
    static const level_kind& of(const level_record& r);
    // What the table says of the objects carrying an object-type flag: the
    // blocks take their size from here, and the grid its kinds.
    static long long size_of_type(unsigned int type);
    static unsigned int grid_types();

    // The record a line holds, or none when the line is blank, a comment, or
    // a record the loader skips. What the words do not say plainly goes to
    // `findings` (when given) with `line`, in the order the words stand.
    static std::optional<level_record> read_record(const std::string& text, long long line,
                                                   std::vector<level_finding>* findings);
    // The line, without its end, that reads back as r.
    static std::string write_record(const level_record& r);

    // The cells mkframe fills when they are empty, in the loader's order.
    static std::vector<std::pair<long long, long long>> frame_cells(long long columns,
                                                                    long long rows);

    static std::vector<std::string> split(const std::string& line);
    // A decimal coordinate in blocks, converted to world units by truncation.
    static std::optional<long long> coordinate(const std::string& word);
    // The word for a coordinate in world units that reads back to it.
    static std::string coordinate_word(long long units);
    // An unsigned decimal integer; `modulo` > 0 reduces it as it is read, so
    // a count of any length wraps like an 8-bit store; otherwise values
    // above `limit` are unreadable.
    static std::optional<unsigned long long>
    unsigned_number(const std::string& word, unsigned long long modulo, unsigned long long limit);
    // A signed map size; negative sizes are readable but never valid.
    static std::optional<long long> size(const std::string& word);

    // Unknown words read as white, no direction and an empty slot.
    static unsigned char colour_number(const std::string& word);
    static unsigned char direction_number(const std::string& word);
    static unsigned int stock_type(const std::string& word);

    // A word as a finding quotes it, made printable and short.
    static std::string shown(const std::string& word);

    // The value of a header line "# key: value" among the comment lines that
    // open a level's text ("# title: First steps"), or "" when it has none.
    static std::string header_value(const std::string& text, const std::string& key);
};

#endif

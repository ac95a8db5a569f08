#ifndef CRUMBLEFORD_WORLD_LEVEL_WORDS_H
#define CRUMBLEFORD_WORLD_LEVEL_WORDS_H

// How the words of a level or map record are split and read as numbers.
// The loader and the level checker share these, so that the checker calls
// unreadable exactly what the loader skips.

#include <optional>
#include <string>
#include <vector>

class level_words
{
  public:
    // Beyond these a coordinate would overflow world arithmetic, and a grid
    // would not fit in memory; such records are skipped like unreadable ones.
    static constexpr double max_coordinate = 1e9; // blocks
    static constexpr long long max_grid_edge = 10000;
    static constexpr long long max_grid_cells = 4000000;

    static std::vector<std::string> split(const std::string& line);
    // A decimal coordinate in blocks, converted to world units by truncation.
    static std::optional<long long> coordinate(const std::string& word);
    // An unsigned decimal integer; `modulo` > 0 reduces it as it is read, so
    // a count of any length wraps like an 8-bit store; otherwise values
    // above `limit` are unreadable.
    static std::optional<unsigned long long>
    unsigned_number(const std::string& word, unsigned long long modulo, unsigned long long limit);
    // A signed map size; negative sizes are readable but never valid.
    static std::optional<long long> size(const std::string& word);
};

#endif

// Reading level and map files into a game scene: one record a line, each
// record creating its object at once.

#include "game_scene.h"

#include "bomb.h"
#include "cfg.h"
#include "cloud.h"
#include "data_text.h"
#include "extra_functions.h"
#include "fakeblock.h"
#include "falling_block.h"
#include "level_entrance.h"
#include "level_exit.h"
#include "spikes.h"
#include "stock_expendable.h"
#include "stockchar.h"

#include <cmath>
#include <fstream>
#include <iostream>
#include <optional>

namespace
{

// Beyond these a coordinate would overflow world arithmetic, and a grid
// would not fit in memory; such records are skipped like unreadable ones.
constexpr double max_coordinate = 1e9; // blocks
constexpr long long max_grid_edge = 10000;
constexpr long long max_grid_cells = 4000000;

std::vector<std::string> split_words(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    for (char ch : line) {
        if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\v' || ch == '\f') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += ch;
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

// A decimal coordinate in blocks, converted to world units by truncation.
std::optional<long long> read_coordinate(const std::string& word)
{
    double blocks = 0;
    if (!data_text::read_double(word, blocks) || !std::isfinite(blocks) ||
        std::fabs(blocks) > max_coordinate)
        return std::nullopt;
    return static_cast<long long>(blocks * static_cast<double>(cfg::multiplier));
}

// An unsigned decimal integer; `modulo` > 0 reduces it as it is read, so a
// count of any length wraps like an 8-bit store.
std::optional<unsigned long long> read_unsigned(const std::string& word, unsigned long long modulo,
                                                unsigned long long limit)
{
    size_t i = word.size() > 1 && word[0] == '+' ? 1 : 0;
    if (i == word.size())
        return std::nullopt;
    unsigned long long value = 0;
    for (; i < word.size(); ++i) {
        if (word[i] < '0' || word[i] > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned long long>(word[i] - '0');
        if (modulo)
            value %= modulo;
        else if (value > limit)
            return std::nullopt;
    }
    return value;
}

std::optional<long long> read_size(const std::string& word)
{
    std::string digits = word;
    if (!digits.empty() && digits[0] == '-') {
        // A negative size is readable but never a valid map size.
        auto v = read_unsigned(digits.substr(1), 0, max_grid_edge);
        if (!v)
            return std::nullopt;
        return -static_cast<long long>(*v);
    }
    auto v = read_unsigned(digits, 0, max_grid_edge + 1);
    if (!v)
        return std::nullopt;
    return static_cast<long long>(*v);
}

} // namespace

bool game_scene::load_from_file(const std::string& path)
{
    std::ifstream file(path);
    bool ok = file.is_open();
    if (ok) {
        data_text::skip_byte_order_mark(file);
        std::string line;
        while (std::getline(file, line))
            load_record(split_words(line));
        // A directory opens but cannot be read: that is not a level.
        ok = !file.bad();
    }
    std::cout << "loading: " << path << (ok ? " SUCCES" : " FAILED") << std::endl;
    return ok;
}

void game_scene::mkframe()
{
    if (!has_grid())
        return;
    const long long m = cfg::multiplier;
    auto fill = [&](int column, int row) {
        if (!grid[column][row])
            new stock_expendable(this, column * m, row * m, 0);
    };
    for (int column = 0; column < grid_width; ++column)
        fill(column, 0);
    for (int column = 0; column < grid_width; ++column)
        fill(column, grid_height - 1);
    for (int row = 0; row < grid_height; ++row)
        fill(0, row);
    for (int row = 0; row < grid_height; ++row)
        fill(grid_width - 1, row);
}

void game_scene::load_record(const std::vector<std::string>& words)
{
    if (words.empty())
        return;
    // Missing trailing words read as empty words.
    auto word = [&](size_t i) -> std::string {
        return i < words.size() ? words[i] : std::string();
    };
    const std::string& keyword = words[0];

    std::optional<long long> x, y;
    if (keyword != "mapsize" && keyword != "mkframe" && keyword != "focusedchar") {
        x = read_coordinate(word(1));
        y = read_coordinate(word(2));
    }
    // Grid objects go into the cell holding their corner, which must lie
    // inside the map declared so far; the cell's old occupant is replaced.
    auto grid_cell_ok = [&]() {
        return x && y && in_grid(*x / cfg::multiplier, *y / cfg::multiplier);
    };

    if (keyword == "stockblock") {
        if (grid_cell_ok())
            new stockblock(this, *x, *y, extra_functions::string_to_colornum(word(3)));
    } else if (keyword == "level_entrance") {
        if (x && y)
            new level_entrance(this, *x, *y, word(3));
    } else if (keyword == "cloud") {
        if (x && y)
            new cloud(this, *x, *y, extra_functions::string_to_dir(word(3)),
                      extra_functions::string_to_colornum(word(4)), 10000000);
    } else if (keyword == "char" || keyword == "menuchar") {
        if (!x || !y)
            return;
        std::optional<unsigned long long> counts[3];
        for (int k = 0; k < 3; ++k) {
            counts[k] = read_unsigned(word(6 + 3 * k), 256, 0);
            if (!counts[k])
                return;
        }
        auto* ch = new stockchar(this, *x, *y, extra_functions::string_to_colornum(word(3)));
        for (int k = 0; k < 3; ++k) {
            ch->stock_slots[k]->colornum = extra_functions::string_to_colornum(word(4 + 3 * k));
            ch->stock_slots[k]->type = extra_functions::string_to_blocktype(word(5 + 3 * k));
            ch->stock_slots[k]->count = static_cast<unsigned char>(*counts[k]);
        }
        if (keyword == "menuchar") {
            ch->walk_speed = 6 * cfg::multiplier;
            ch->ground_accel = cfg::multiplier;
            ch->air_accel = cfg::multiplier / 2;
            ch->jump_speed = -10 * cfg::multiplier;
        }
    } else if (keyword == "focusedchar") {
        if (auto index = read_unsigned(word(1), 0, 0xFFFFFFFFULL))
            focused = static_cast<unsigned int>(*index);
    } else if (keyword == "mapsize") {
        auto w = read_size(word(1));
        auto h = read_size(word(2));
        if (!w || !h || *w < 1 || *h < 1 || *w > max_grid_edge || *h > max_grid_edge)
            return;
        const long long new_w = std::max<long long>(*w, has_grid() ? grid_width : 0);
        const long long new_h = std::max<long long>(*h, has_grid() ? grid_height : 0);
        if (new_w * new_h > max_grid_cells)
            return;
        set_map_size(static_cast<int>(*w), static_cast<int>(*h));
    } else if (keyword == "mkframe") {
        mkframe();
    } else if (keyword == "exit") {
        if (x && y)
            new level_exit(this, *x, *y, extra_functions::string_to_colornum(word(3)));
    } else if (keyword == "spikes") {
        if (grid_cell_ok())
            new spikes(this, *x, *y, extra_functions::string_to_colornum(word(3)));
    } else if (keyword == "falling") {
        if (x && y)
            new falling_block(this, *x, *y, extra_functions::string_to_colornum(word(3)));
    } else if (keyword == "stock_expendable") {
        if (grid_cell_ok())
            new stock_expendable(this, *x, *y, extra_functions::string_to_colornum(word(3)));
    } else if (keyword == "delete") {
        if (!x || !y)
            return;
        fakeblock probe(this, *x, *y, 0, cfg::multiplier);
        const std::list<stockblock*> found = probe.colliding_blocks(*x, *y, *x, *y, cfg::all);
        for (stockblock* b : found) {
            b->destroyed();
            delete b;
        }
    }
}

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
#include "level_words.h"
#include "spikes.h"
#include "stock_expendable.h"
#include "stockchar.h"

#include <fstream>
#include <iostream>
#include <optional>

bool game_scene::load_from_file(const std::string& path)
{
    std::ifstream file(path);
    bool ok = file.is_open();
    if (ok) {
        data_text::skip_byte_order_mark(file);
        std::string line;
        while (std::getline(file, line))
            load_record(level_words::split(line));
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
        x = level_words::coordinate(word(1));
        y = level_words::coordinate(word(2));
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
            counts[k] = level_words::unsigned_number(word(6 + 3 * k), 256, 0);
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
        if (auto index = level_words::unsigned_number(word(1), 0, 0xFFFFFFFFULL))
            focused = static_cast<unsigned int>(*index);
    } else if (keyword == "mapsize") {
        auto w = level_words::size(word(1));
        auto h = level_words::size(word(2));
        if (!w || !h || *w < 1 || *h < 1 || *w > level_words::max_grid_edge ||
            *h > level_words::max_grid_edge)
            return;
        const long long new_w = std::max<long long>(*w, has_grid() ? grid_width : 0);
        const long long new_h = std::max<long long>(*h, has_grid() ? grid_height : 0);
        if (new_w * new_h > level_words::max_grid_cells)
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

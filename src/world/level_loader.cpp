// Reading level and map files into a game scene: one record a line, each
// record creating its object at once.

#include "game_scene.h"

#include "cfg.h"
#include "cloud.h"
#include "data_text.h"
#include "fakeblock.h"
#include "falling_block.h"
#include "level_entrance.h"
#include "level_exit.h"
#include "level_format.h"
#include "spikes.h"
#include "stock_expendable.h"
#include "stockchar.h"

#include <fstream>

bool game_scene::load_from_file(const std::string& path, std::ostream& log)
{
    std::ifstream file(path);
    bool ok = file.is_open();
    if (ok) {
        data_text::skip_byte_order_mark(file);
        std::string line;
        while (std::getline(file, line))
            if (const auto r = level_format::read_record(line, 0, nullptr))
                load_record(*r);
        // A directory opens but cannot be read: that is not a level.
        ok = !file.bad();
    }
    log << "loading: " << path << (ok ? " SUCCES" : " FAILED") << std::endl;
    return ok;
}

void game_scene::mkframe()
{
    if (!has_grid())
        return;
    for (const auto& [column, row] : level_format::frame_cells(grid_width, grid_height))
        if (!grid[column][row])
            new stock_expendable(this, column * cfg::multiplier, row * cfg::multiplier, 0);
}

void game_scene::load_record(const level_record& r)
{
    // Grid objects go into the cell holding their corner, which must lie
    // inside the map declared so far; the cell's old occupant is replaced.
    if (r.is_grid_object() && !in_grid(r.x / cfg::multiplier, r.y / cfg::multiplier))
        return;
    switch (r.kind) {
    case level_record::stockblock:
        new stockblock(this, r.x, r.y, r.colour);
        break;
    case level_record::spikes:
        new spikes(this, r.x, r.y, r.colour);
        break;
    case level_record::stock_expendable:
        new stock_expendable(this, r.x, r.y, r.colour);
        break;
    case level_record::falling:
        new falling_block(this, r.x, r.y, r.colour);
        break;
    case level_record::cloud:
        new cloud(this, r.x, r.y, r.direction, r.colour, 10000000);
        break;
    case level_record::exit:
        new level_exit(this, r.x, r.y, r.colour);
        break;
    case level_record::level_entrance:
        new level_entrance(this, r.x, r.y, r.level);
        break;
    case level_record::character: {
        auto* ch = new stockchar(this, r.x, r.y, r.colour);
        for (int k = 0; k < 3; ++k) {
            ch->stock_slots[k]->colornum = r.stock_slots[k].colour;
            ch->stock_slots[k]->type = r.stock_slots[k].type;
            ch->stock_slots[k]->count = r.stock_slots[k].count;
        }
        if (r.menu_motion) {
            ch->walk_speed = 6 * cfg::multiplier;
            ch->ground_accel = cfg::multiplier;
            ch->air_accel = cfg::multiplier / 2;
            ch->jump_speed = -10 * cfg::multiplier;
        }
        break;
    }
    case level_record::focusedchar:
        focused = r.index;
        break;
    case level_record::mapsize: {
        const long long new_w = std::max<long long>(r.columns, has_grid() ? grid_width : 0);
        const long long new_h = std::max<long long>(r.rows, has_grid() ? grid_height : 0);
        if (new_w * new_h > level_format::max_grid_cells)
            return;
        set_map_size(static_cast<int>(r.columns), static_cast<int>(r.rows));
        break;
    }
    case level_record::mkframe:
        mkframe();
        break;
    case level_record::erase: {
        fakeblock probe(this, r.x, r.y, 0, cfg::multiplier);
        const std::list<stockblock*> found = probe.colliding_blocks(r.x, r.y, r.x, r.y, cfg::all);
        for (stockblock* b : found) {
            b->destroyed();
            delete b;
        }
        break;
    }
    }
}

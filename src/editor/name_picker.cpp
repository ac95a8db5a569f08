#include "name_picker.h"

#include "catalogue.h"
#include "level_store.h"

#include <algorithm>

namespace
{

std::vector<name_picker::key> make_keys()
{
    using kind = name_picker::key_kind;
    std::vector<name_picker::key> keys;
    const std::string rows[3] = {"ABCDEFGHIJKLM", "NOPQRSTUVWXYZ", "0123456789-_"};
    for (int row = 0; row < 3; ++row)
        for (size_t column = 0; column < rows[row].size(); ++column)
            keys.push_back({kind::character, rows[row][column], static_cast<int>(column), row, 1});
    keys.push_back({kind::erase, 0, 12, 2, 1});
    keys.push_back({kind::shift, 0, 0, 3, 3});
    keys.push_back({kind::save, 0, 3, 3, 5});
    keys.push_back({kind::cancel, 0, 8, 3, 5});
    return keys;
}

int index_of(name_picker::key_kind kind)
{
    const auto& keys = name_picker::keys();
    for (size_t k = 0; k < keys.size(); ++k)
        if (keys[k].kind == kind)
            return static_cast<int>(k);
    return 0;
}

// Key units in pixels: as large as fits beside the name, up to a palette cell.
int unit(int viewport_width, int viewport_height)
{
    const int by_width = (viewport_width - 40) / name_picker::grid_columns;
    const int by_height = (viewport_height - 110) / name_picker::grid_rows;
    return std::clamp(std::min(by_width, by_height), 20, editor_layout::cell);
}

constexpr int title_height = 80; // the name and a message above the keys
constexpr int margin = 10;

} // namespace

const std::vector<name_picker::key>& name_picker::keys()
{
    static const std::vector<key> all = make_keys();
    return all;
}

screen_rect name_picker::panel(int viewport_width, int viewport_height)
{
    const int u = unit(viewport_width, viewport_height);
    const int width = grid_columns * u + 2 * margin;
    const int height = title_height + grid_rows * u + margin;
    const int left = (viewport_width - width) / 2;
    const int top = std::max(0, (viewport_height - height) / 2);
    return {left, top, left + width, top + height};
}

screen_rect name_picker::key_rect(int k, int viewport_width, int viewport_height)
{
    const key& c = keys()[k];
    const int u = unit(viewport_width, viewport_height);
    const screen_rect p = panel(viewport_width, viewport_height);
    const int left = p.left + margin + c.column * u;
    const int top = p.top + title_height + c.row * u;
    // A gap between keys keeps neighbours apart under a finger.
    return {left + 2, top + 2, left + c.columns * u - 2, top + u - 2};
}

int name_picker::key_at(int x, int y, int viewport_width, int viewport_height)
{
    for (size_t k = 0; k < keys().size(); ++k)
        if (key_rect(static_cast<int>(k), viewport_width, viewport_height).contains(x, y))
            return static_cast<int>(k);
    return -1;
}

void name_picker::reset()
{
    focus = index_of(key_kind::save);
    lower_case = false;
}

void name_picker::move(int columns, int rows)
{
    const auto& all = keys();
    const key& from = all[focus];
    if (columns != 0) {
        // Along the row, round from its last key to its first.
        std::vector<int> row;
        for (size_t k = 0; k < all.size(); ++k)
            if (all[k].row == from.row)
                row.push_back(static_cast<int>(k));
        const int at = static_cast<int>(std::find(row.begin(), row.end(), focus) - row.begin());
        const int n = static_cast<int>(row.size());
        focus = row[((at + columns) % n + n) % n];
        return;
    }
    // Straight up or down: the key under the middle of this one. Every row
    // fills the grid's width, so there is one.
    const int row = ((from.row + rows) % grid_rows + grid_rows) % grid_rows;
    const int middle = 2 * from.column + from.columns; // in half units
    for (size_t k = 0; k < all.size(); ++k)
        if (all[k].row == row && 2 * all[k].column <= middle &&
            middle < 2 * (all[k].column + all[k].columns))
            focus = static_cast<int>(k);
}

void name_picker::jump_to_answers()
{
    const int save = index_of(key_kind::save);
    focus = focus == save ? index_of(key_kind::cancel) : save;
}

name_picker::outcome name_picker::press(int k, std::string& name)
{
    const key& c = keys()[k];
    switch (c.kind) {
    case key_kind::character:
        if (name.size() < level_store::max_name_length)
            name += lower_case && c.ch >= 'A' && c.ch <= 'Z' ? static_cast<char>(c.ch - 'A' + 'a')
                                                             : c.ch;
        return outcome::typed;
    case key_kind::shift:
        lower_case = !lower_case;
        return outcome::typed;
    case key_kind::erase:
        if (!name.empty())
            name.pop_back();
        return outcome::typed;
    case key_kind::save:
        return outcome::save;
    case key_kind::cancel:
        return outcome::cancel;
    }
    return outcome::typed;
}

std::string name_picker::label(int k) const
{
    const key& c = keys()[k];
    switch (c.kind) {
    case key_kind::character:
        if (lower_case && c.ch >= 'A' && c.ch <= 'Z')
            return std::string(1, static_cast<char>(c.ch - 'A' + 'a'));
        return std::string(1, c.ch);
    case key_kind::shift:
        // The case the letters take when it is pressed.
        return lower_case ? "ABC" : "abc";
    case key_kind::erase:
        return cf_tr("editor", "DEL");
    case key_kind::save:
        return cf_tr("editor", "SAVE");
    case key_kind::cancel:
        return cf_tr("editor", "CANCEL");
    }
    return {};
}

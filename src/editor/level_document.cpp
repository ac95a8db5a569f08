#include "level_document.h"

#include "cfg.h"
#include "data_text.h"

#include <algorithm>
#include <iterator>
#include <list>
#include <optional>
#include <sstream>
#include <unordered_map>

namespace
{

const long long m = cfg::multiplier;

} // namespace

level_record level_document::make(level_record::kind_t kind, int column, int row,
                                  unsigned char colour, unsigned char direction)
{
    level_record r;
    r.kind = kind;
    r.x = column * m;
    r.y = row * m;
    if (kind == level_record::character)
        r.y += m - r.extent(); // standing on the floor of its cell
    r.colour = colour;
    r.direction = kind == level_record::cloud ? direction : 0;
    return r;
}

level_document level_document::from_text(const std::string& text)
{
    level_document doc;
    doc.width = 0;
    doc.height = 0;
    bool notes_open = true;
    auto in_grid = [&](long long column, long long row) {
        return column >= 0 && row >= 0 && column < doc.width && row < doc.height;
    };
    // Read into a list with an index of grid cells, so that a big framed
    // map reads in time proportional to its records.
    std::list<level_record> records;
    std::unordered_map<long long, std::list<level_record>::iterator> grid;
    auto cell_key = [](long long column, long long row) {
        return row * level_format::max_grid_edge + column;
    };
    auto remove = [&](std::list<level_record>::iterator it) {
        if (it->is_grid_object())
            grid.erase(cell_key(it->x / m, it->y / m));
        return records.erase(it);
    };

    std::istringstream in(text);
    // The loader skips a byte order mark before the first record.
    data_text::skip_byte_order_mark(in);
    std::string line;
    while (std::getline(in, line)) {
        const std::vector<std::string> words = level_format::split(line);
        if (notes_open && !words.empty() && words[0][0] == '#') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            doc.notes.push_back(line);
            continue;
        }
        if (words.empty())
            continue;
        notes_open = false;
        std::optional<level_record> read = level_format::read_record(line, 0, nullptr);
        if (!read)
            continue;
        level_record& r = *read;

        switch (r.kind) {
        case level_record::mapsize:
            if (std::max<long long>(r.columns, doc.width) *
                    std::max<long long>(r.rows, doc.height) >
                level_format::max_grid_cells)
                continue;
            // A grid grows but never shrinks under a second size.
            doc.width = std::max<int>(doc.width, static_cast<int>(r.columns));
            doc.height = std::max<int>(doc.height, static_cast<int>(r.rows));
            continue;
        case level_record::mkframe:
            for (const auto& [column, row] : level_format::frame_cells(doc.width, doc.height)) {
                if (!grid.count(cell_key(column, row))) {
                    records.push_back(make(level_record::stock_expendable, static_cast<int>(column),
                                           static_cast<int>(row), 0));
                    grid[cell_key(column, row)] = std::prev(records.end());
                }
            }
            continue;
        case level_record::focusedchar:
            doc.focused = r.index;
            continue;
        case level_record::erase:
            for (auto it = records.begin(); it != records.end();)
                it = it->covers(r.x, r.y, m) ? remove(it) : std::next(it);
            continue;
        case level_record::level_entrance:
            // Map-screen doors are no part of a level.
            continue;
        default:
            break;
        }
        if (r.is_grid_object()) {
            const long long column = r.x / m;
            const long long row = r.y / m;
            if (!in_grid(column, row))
                continue;
            // Grid objects snap to their cell and take it over.
            r.x = column * m;
            r.y = row * m;
            const auto old = grid.find(cell_key(column, row));
            if (old != grid.end())
                remove(old->second);
        }
        records.push_back(r);
        if (r.is_grid_object())
            grid[cell_key(r.x / m, r.y / m)] = std::prev(records.end());
    }
    doc.records.assign(records.begin(), records.end());
    if (doc.width < 1 || doc.height < 1) {
        doc.width = std::max(doc.width, 1);
        doc.height = std::max(doc.height, 1);
    }
    return doc;
}

std::string level_document::to_text() const
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    for (const std::string& note : notes)
        out << note << '\n';
    auto write = [&](const level_record& r) { out << level_format::write_record(r) << '\n'; };
    level_record size;
    size.kind = level_record::mapsize;
    size.columns = width;
    size.rows = height;
    write(size);
    // A closed frame is written as the loader's one word for it.
    std::vector<std::vector<bool>> border_held(width, std::vector<bool>(height, false));
    for (const level_record& r : records)
        if (r.is_grid_object() && r.x >= 0 && r.y >= 0 && r.x / m < width && r.y / m < height)
            border_held[r.x / m][r.y / m] = true;
    bool framed = true;
    for (const auto& [column, row] : level_format::frame_cells(width, height))
        framed = framed && border_held[column][row];
    auto frame_block = [&](const level_record& r) {
        const long long column = r.x / m, row = r.y / m;
        return framed && r.kind == level_record::stock_expendable && r.colour == 0 &&
               (column == 0 || row == 0 || column == width - 1 || row == height - 1);
    };
    // Grid objects on the border go before the frame, which then fills only
    // the cells still empty: no record of the file replaces another.
    auto on_border = [&](const level_record& r) {
        const long long column = r.x / m, row = r.y / m;
        return framed && r.is_grid_object() && !frame_block(r) &&
               (column == 0 || row == 0 || column == width - 1 || row == height - 1);
    };
    for (const level_record& r : records)
        if (on_border(r))
            write(r);
    level_record frame;
    frame.kind = level_record::mkframe;
    if (framed)
        write(frame);
    for (const level_record& r : records)
        if (!frame_block(r) && !on_border(r))
            write(r);
    level_record focus;
    focus.kind = level_record::focusedchar;
    focus.index = focused;
    if (focused != 0)
        write(focus);
    return out.str();
}

bool level_document::fits(const level_record& r) const
{
    return r.x >= 0 && r.y >= 0 && r.x + r.extent() <= width * m && r.y + r.extent() <= height * m;
}

std::vector<int> level_document::in_the_way(const level_record& r) const
{
    const long long own_left = r.x / m * m, own_top = r.y / m * m;
    std::vector<int> found;
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i].covers(r.x, r.y, r.extent()) && !records[i].covers(own_left, own_top, m))
            found.push_back(static_cast<int>(i));
    return found;
}

bool level_document::place(const level_record& r)
{
    if (!fits(r) || !in_the_way(r).empty())
        return false;
    records.erase(
        std::remove_if(records.begin(), records.end(),
                       [&](const level_record& o) { return o.covers(r.x, r.y, r.extent()); }),
        records.end());
    records.push_back(r);
    if (focused >= static_cast<unsigned int>(character_count()))
        focused = 0;
    return true;
}

int level_document::record_at(int column, int row) const
{
    for (int i = static_cast<int>(records.size()) - 1; i >= 0; --i)
        if (records[i].covers(column * m, row * m, m))
            return i;
    return -1;
}

bool level_document::erase_at(int column, int row)
{
    const size_t before = records.size();
    records.erase(
        std::remove_if(records.begin(), records.end(),
                       [&](const level_record& o) { return o.covers(column * m, row * m, m); }),
        records.end());
    if (focused >= static_cast<unsigned int>(character_count()))
        focused = 0;
    return records.size() != before;
}

bool level_document::resize(int new_width, int new_height)
{
    if (new_width < min_edge || new_height < min_edge || new_width > max_edge ||
        new_height > max_edge)
        return false;
    width = new_width;
    height = new_height;
    records.erase(std::remove_if(records.begin(), records.end(),
                                 [&](const level_record& o) {
                                     return o.x + o.extent() > width * m ||
                                            o.y + o.extent() > height * m;
                                 }),
                  records.end());
    if (focused >= static_cast<unsigned int>(character_count()))
        focused = 0;
    return true;
}

int level_document::character_count() const
{
    return static_cast<int>(
        std::count_if(records.begin(), records.end(),
                      [](const level_record& r) { return r.kind == level_record::character; }));
}

bool level_document::operator==(const level_document& o) const
{
    return width == o.width && height == o.height && notes == o.notes && records == o.records &&
           focused == o.focused;
}

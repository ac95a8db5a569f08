#include "level_document.h"

#include "cfg.h"
#include "extra_functions.h"
#include "level_words.h"

#include <algorithm>
#include <iterator>
#include <list>
#include <optional>
#include <sstream>
#include <unordered_map>

namespace
{

const long long m = cfg::multiplier;

// The loader's own readers: what it skips, the document skips too.
bool read_coordinate(const std::string& word, long long& units)
{
    const std::optional<long long> read = level_words::coordinate(word);
    if (read)
        units = *read;
    return read.has_value();
}

bool read_unsigned(const std::string& word, unsigned long long modulo, unsigned long long limit,
                   unsigned long long& value)
{
    const std::optional<unsigned long long> read =
        level_words::unsigned_number(word, modulo, limit);
    if (read)
        value = *read;
    return read.has_value();
}

const char* colour_word(unsigned char colour)
{
    static const char* const words[] = {"white", "red", "green", "blue"};
    return colour < 4 ? words[colour] : "white";
}

const char* direction_word(unsigned char direction)
{
    switch (direction) {
    case cfg::l:
        return "left";
    case cfg::p:
        return "right";
    case cfg::g:
        return "up";
    case cfg::d:
        return "down";
    default:
        return "none";
    }
}

const char* type_word(unsigned int type)
{
    switch (type) {
    case cfg::character:
        return "char";
    case cfg::static0:
        return "stockblock";
    case cfg::cloud:
        return "cloud";
    case cfg::spike:
        return "spikes";
    case cfg::falling:
        return "falling";
    case cfg::destroyer:
        return "destroyer";
    default:
        return "null";
    }
}

const char* keyword(const level_record& r)
{
    switch (r.kind) {
    case level_record::stockblock:
        return "stockblock";
    case level_record::stock_expendable:
        return "stock_expendable";
    case level_record::spikes:
        return "spikes";
    case level_record::falling:
        return "falling";
    case level_record::cloud:
        return "cloud";
    case level_record::exit:
        return "exit";
    case level_record::character:
        return r.menu_motion ? "menuchar" : "char";
    }
    return "";
}

bool overlaps(long long a, long long a_size, long long b, long long b_size)
{
    // Strict: objects that only touch do not overlap, as in collisions.
    return a < b + b_size && b < a + a_size;
}

} // namespace

long long level_record::extent() const
{
    switch (kind) {
    case exit:
        return 2 * m;
    case character:
        return m * 7 / 10;
    default:
        return m;
    }
}

bool level_record::is_grid_object() const
{
    return kind == stockblock || kind == stock_expendable || kind == spikes;
}

bool level_record::covers(long long left, long long top, long long size) const
{
    return overlaps(x, extent(), left, size) && overlaps(y, extent(), top, size);
}

bool level_record::operator==(const level_record& o) const
{
    return kind == o.kind && x == o.x && y == o.y && colour == o.colour &&
           direction == o.direction && menu_motion == o.menu_motion &&
           stock_slots[0] == o.stock_slots[0] && stock_slots[1] == o.stock_slots[1] &&
           stock_slots[2] == o.stock_slots[2];
}

std::string coordinate_word(long long units)
{
    auto write = [](long long value, bool trim) {
        std::string text = value < 0 ? "-" : "";
        const unsigned long long magnitude = value < 0
                                                 ? 0ULL - static_cast<unsigned long long>(value)
                                                 : static_cast<unsigned long long>(value);
        text += std::to_string(magnitude / static_cast<unsigned long long>(m));
        std::string fraction = std::to_string(magnitude % static_cast<unsigned long long>(m));
        fraction.insert(0, 7 - fraction.size(), '0');
        while (trim && !fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
        if (!fraction.empty())
            text += "." + fraction;
        else if (!trim)
            text += ".0000000";
        return text;
    };
    std::string word = write(units, true);
    long long back = 0;
    if (read_coordinate(word, back) && back == units)
        return word;
    // A decimal just below the value can truncate one unit short; half a
    // unit further from zero always truncates back to the value.
    return write(units, false) + "5";
}

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
        return row * level_words::max_grid_edge + column;
    };
    auto remove = [&](std::list<level_record>::iterator it) {
        if (it->is_grid_object())
            grid.erase(cell_key(it->x / m, it->y / m));
        return records.erase(it);
    };

    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const std::vector<std::string> words = level_words::split(line);
        if (notes_open && !words.empty() && words[0][0] == '#') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            doc.notes.push_back(line);
            continue;
        }
        if (words.empty())
            continue;
        notes_open = false;
        auto word = [&](size_t i) { return i < words.size() ? words[i] : std::string(); };
        const std::string& key = words[0];

        if (key == "mapsize") {
            const std::optional<long long> read_w = level_words::size(word(1));
            const std::optional<long long> read_h = level_words::size(word(2));
            if (!read_w || !read_h)
                continue;
            const long long w = *read_w, h = *read_h;
            if (w < 1 || h < 1 || w > level_words::max_grid_edge ||
                h > level_words::max_grid_edge ||
                std::max<long long>(w, doc.width) * std::max<long long>(h, doc.height) >
                    level_words::max_grid_cells)
                continue;
            // A grid grows but never shrinks under a second size.
            doc.width = std::max<int>(doc.width, static_cast<int>(w));
            doc.height = std::max<int>(doc.height, static_cast<int>(h));
            continue;
        }
        if (key == "mkframe") {
            auto fill = [&](int column, int row) {
                if (!grid.count(cell_key(column, row))) {
                    records.push_back(make(level_record::stock_expendable, column, row, 0));
                    grid[cell_key(column, row)] = std::prev(records.end());
                }
            };
            for (int column = 0; column < doc.width; ++column)
                fill(column, 0);
            for (int column = 0; column < doc.width; ++column)
                fill(column, doc.height - 1);
            for (int row = 0; row < doc.height; ++row)
                fill(0, row);
            for (int row = 0; row < doc.height; ++row)
                fill(doc.width - 1, row);
            continue;
        }
        if (key == "focusedchar") {
            unsigned long long index = 0;
            if (read_unsigned(word(1), 0, 0xFFFFFFFFULL, index))
                doc.focused = static_cast<unsigned int>(index);
            continue;
        }

        level_record r;
        if (!read_coordinate(word(1), r.x) || !read_coordinate(word(2), r.y))
            continue;
        if (key == "delete") {
            for (auto it = records.begin(); it != records.end();)
                it = it->covers(r.x, r.y, m) ? remove(it) : std::next(it);
            continue;
        }
        if (key == "stockblock" || key == "spikes" || key == "stock_expendable") {
            r.kind = key == "stockblock" ? level_record::stockblock
                     : key == "spikes"   ? level_record::spikes
                                         : level_record::stock_expendable;
            const long long column = r.x / m;
            const long long row = r.y / m;
            if (!in_grid(column, row))
                continue;
            // Grid objects snap to their cell and take it over.
            r.x = column * m;
            r.y = row * m;
            r.colour = extra_functions::string_to_colornum(word(3));
            const auto old = grid.find(cell_key(column, row));
            if (old != grid.end())
                remove(old->second);
        } else if (key == "cloud") {
            r.kind = level_record::cloud;
            r.direction = extra_functions::string_to_dir(word(3));
            r.colour = extra_functions::string_to_colornum(word(4));
        } else if (key == "falling" || key == "exit") {
            r.kind = key == "falling" ? level_record::falling : level_record::exit;
            r.colour = extra_functions::string_to_colornum(word(3));
        } else if (key == "char" || key == "menuchar") {
            r.kind = level_record::character;
            r.menu_motion = key == "menuchar";
            r.colour = extra_functions::string_to_colornum(word(3));
            bool counts_ok = true;
            for (int k = 0; k < 3; ++k) {
                unsigned long long count = 0;
                counts_ok = counts_ok && read_unsigned(word(6 + 3 * k), 256, 0, count);
                r.stock_slots[k].colour = extra_functions::string_to_colornum(word(4 + 3 * k));
                r.stock_slots[k].type = extra_functions::string_to_blocktype(word(5 + 3 * k));
                r.stock_slots[k].count = static_cast<unsigned char>(count);
            }
            if (!counts_ok)
                continue;
        } else {
            // Map-screen doors and unknown words are no part of a level.
            continue;
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
    out << "mapsize " << width << ' ' << height << '\n';
    // A closed frame is written as the loader's one word for it.
    std::vector<std::vector<bool>> border_held(width, std::vector<bool>(height, false));
    for (const level_record& r : records)
        if (r.is_grid_object() && r.x >= 0 && r.y >= 0 && r.x / m < width && r.y / m < height)
            border_held[r.x / m][r.y / m] = true;
    bool framed = true;
    for (int column = 0; column < width; ++column)
        framed = framed && border_held[column][0] && border_held[column][height - 1];
    for (int row = 0; row < height; ++row)
        framed = framed && border_held[0][row] && border_held[width - 1][row];
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
    auto write = [&](const level_record& r) {
        out << keyword(r) << ' ' << coordinate_word(r.x) << ' ' << coordinate_word(r.y);
        if (r.kind == level_record::cloud)
            out << ' ' << direction_word(r.direction);
        out << ' ' << colour_word(r.colour);
        if (r.kind == level_record::character)
            for (const level_record::slot& s : r.stock_slots)
                out << ' ' << colour_word(s.colour) << ' ' << type_word(s.type) << ' '
                    << static_cast<int>(s.count);
        out << '\n';
    };
    for (const level_record& r : records)
        if (on_border(r))
            write(r);
    if (framed)
        out << "mkframe\n";
    for (const level_record& r : records)
        if (!frame_block(r) && !on_border(r))
            write(r);
    if (focused != 0)
        out << "focusedchar " << focused << '\n';
    return out.str();
}

bool level_document::place(const level_record& r)
{
    if (r.x < 0 || r.y < 0 || r.x + r.extent() > width * m || r.y + r.extent() > height * m)
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

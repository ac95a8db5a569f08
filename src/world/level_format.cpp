#include "level_format.h"

#include "cfg.h"
#include "data_text.h"

#include <cctype>
#include <cmath>
#include <cstring>

namespace
{

const long long M = cfg::multiplier;

const char* const colour_words[] = {"white", "red", "green", "blue"};

struct named {
    const char* word;
    unsigned int value;
};
const named directions[] = {{"left", cfg::l}, {"right", cfg::p}, {"up", cfg::g}, {"down", cfg::d}};
// A character's stock; the HUD has no picture for a stocked character.
const named stock_types[] = {{"null", 0},
                             {"stockblock", cfg::static0},
                             {"cloud", cfg::cloud},
                             {"spikes", cfg::spike},
                             {"falling", cfg::falling},
                             {"destroyer", cfg::destroyer},
                             {"char", cfg::character}};
const char* const undrawable_stock = "char";

// A table's word for a value (`none` for a value it lacks) and its value for
// a word (0 for a word it lacks).
template <size_t N>
const char* word_of(const named (&table)[N], unsigned int value, const char* none)
{
    for (const named& n : table)
        if (n.value == value)
            return n.word;
    return none;
}

template <size_t N> unsigned int value_of(const named (&table)[N], const std::string& word)
{
    for (const named& n : table)
        if (word == n.word)
            return n.value;
    return 0;
}

const char* const slot_letters = "xycCTNCTNCTN";

std::string lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The stock slot a word of a character record belongs to.
int slot_of(size_t word_index)
{
    return word_index >= 4 ? static_cast<int>((word_index - 4) / 3) : 0;
}

std::string slot_name(size_t word_index)
{
    return "slot " + std::to_string(slot_of(word_index) + 1);
}

} // namespace

const char* const level_format::bad_mapsize =
    "mapsize needs two whole numbers from 1 to 10000; the line is skipped";

const std::vector<level_kind>& level_format::kinds()
{
    static const std::vector<level_kind> table = {
        {"stockblock", level_record::stockblock, "xyc", true, M, cfg::static0},
        {"stock_expendable", level_record::stock_expendable, "xyc", true, M, cfg::stock_expendable},
        {"spikes", level_record::spikes, "xyc", true, M, cfg::spike},
        {"falling", level_record::falling, "xyc", false, M, cfg::falling},
        {"cloud", level_record::cloud, "xydc", false, M, cfg::cloud},
        {"exit", level_record::exit, "xyc", false, 2 * M, cfg::exit},
        {"char", level_record::character, slot_letters, false, M * 7 / 10, cfg::character},
        {"menuchar", level_record::character, slot_letters, false, M * 7 / 10, cfg::character},
        {"level_entrance", level_record::level_entrance, "xyl", false, 2 * M, cfg::entrance},
        {"mapsize", level_record::mapsize, "wh", false, 0, 0},
        {"mkframe", level_record::mkframe, "", false, 0, 0},
        {"focusedchar", level_record::focusedchar, "i", false, 0, 0},
        // Clears the square of one block at its position.
        {"delete", level_record::erase, "xy", false, M, 0},
    };
    return table;
}

const level_kind* level_format::find(const std::string& keyword)
{
    for (const level_kind& k : kinds())
        if (keyword == k.keyword)
            return &k;
    return nullptr;
}

long long level_format::size_of_type(unsigned int type)
{
    for (const level_kind& k : kinds())
        if (k.type != 0 && k.type == type)
            return k.size;
    return M; // a kind only drawn from a stock, such as the bomb: one block
}

unsigned int level_format::grid_types()
{
    unsigned int types = 0;
    for (const level_kind& k : kinds())
        if (k.grid)
            types |= k.type;
    return types;
}

const level_kind& level_format::of(const level_record& r)
{
    for (const level_kind& k : kinds())
        if (k.kind == r.kind && (r.kind != level_record::character ||
                                 r.menu_motion == !std::strcmp(k.keyword, "menuchar")))
            return k;
    return kinds().front();
}

long long level_record::extent() const
{
    return level_format::of(*this).size;
}

bool level_record::is_grid_object() const
{
    return level_format::of(*this).grid;
}

bool level_record::covers(long long left, long long top, long long size) const
{
    // Strict: objects that only touch do not overlap, as in collisions.
    return x < left + size && left < x + extent() && y < top + size && top < y + extent();
}

bool level_record::operator==(const level_record& o) const
{
    return kind == o.kind && x == o.x && y == o.y && colour == o.colour &&
           direction == o.direction && menu_motion == o.menu_motion &&
           stock_slots[0] == o.stock_slots[0] && stock_slots[1] == o.stock_slots[1] &&
           stock_slots[2] == o.stock_slots[2] && level == o.level && columns == o.columns &&
           rows == o.rows && index == o.index;
}

std::optional<level_record> level_format::read_record(const std::string& text, long long line,
                                                      std::vector<level_finding>* findings)
{
    const std::vector<std::string> words = split(text);
    if (words.empty() || words[0][0] == '#')
        return std::nullopt;
    auto say = [&](const std::string& message) {
        if (findings)
            findings->push_back({line, message});
    };
    const std::string& kw = words[0];
    const level_kind* kind = find(kw);
    if (!kind) {
        std::string hint;
        if (find(lower(kw)))
            hint = " (keywords are lower case)";
        else if (kw == "level_exit")
            hint = " (a level's door is \"exit\")";
        say("unknown keyword \"" + shown(kw) + "\"; the line is ignored" + hint);
        return std::nullopt;
    }
    const size_t used = std::strlen(kind->arguments);
    if (words.size() > used + 1 && words[used + 1][0] != '#')
        say("words after the record are ignored, from \"" + shown(words[used + 1]) + "\"");
    // Missing trailing words read as empty words.
    static const std::string no_word;
    auto word = [&](size_t i) -> const std::string& {
        return i < words.size() ? words[i] : no_word;
    };

    level_record r;
    r.kind = kind->kind;
    r.menu_motion = kw == "menuchar";

    // First the words whose misreading makes the loader skip the line.
    for (size_t i = 1; i <= used; ++i) {
        const char letter = kind->arguments[i - 1];
        if (letter == 'x' || letter == 'y') {
            const char* what = letter == 'x' ? "X" : "Y";
            if (i >= words.size()) {
                say(kw + ": missing " + what + "; the line is skipped");
                return std::nullopt;
            }
            const std::optional<long long> v = coordinate(words[i]);
            if (!v) {
                say(kw + ": unreadable number \"" + shown(words[i]) + "\" for " + what +
                    "; the line is skipped");
                return std::nullopt;
            }
            (letter == 'x' ? r.x : r.y) = *v;
        } else if (letter == 'w' || letter == 'h') {
            const std::optional<long long> v = size(word(i));
            if (!v || *v < 1 || *v > max_grid_edge) {
                say(bad_mapsize);
                return std::nullopt;
            }
            (letter == 'w' ? r.columns : r.rows) = *v;
        } else if (letter == 'i') {
            const auto v = unsigned_number(word(i), 0, 0xFFFFFFFFULL);
            if (!v) {
                say(word(i).empty() ? kw + ": missing index; the line is skipped"
                                    : kw + ": unreadable index \"" + shown(word(i)) +
                                          "\"; the line is skipped");
                return std::nullopt;
            }
            r.index = static_cast<unsigned int>(*v);
        } else if (letter == 'N') {
            const auto v = unsigned_number(word(i), 256, 0);
            if (!v) {
                say(word(i).empty()
                        ? kw + ": missing count of " + slot_name(i) + "; the line is skipped"
                        : kw + ": unreadable count \"" + shown(word(i)) + "\" in " + slot_name(i) +
                              "; the line is skipped");
                return std::nullopt;
            }
            r.stock_slots[slot_of(i)].count = static_cast<unsigned char>(*v);
        }
    }

    // Then the words read as a default when the loader does not know them.
    auto colour = [&](size_t i, bool say_it) {
        const unsigned char number = colour_number(word(i));
        if (!say_it || number != 0 || word(i) == colour_words[0])
            return number;
        const std::string what = kind->arguments[i - 1] == 'C' ? "the colour of " + slot_name(i)
                                 : r.kind == level_record::character ? "the character's colour"
                                                                     : "the colour";
        if (i >= words.size())
            say(kw + ": missing " + what + "; it is read as white");
        else
            say(kw + ": unknown colour \"" + shown(words[i]) + "\" for " + what +
                "; it is read as white");
        return number;
    };
    for (size_t i = 1; i <= used; ++i) {
        const char letter = kind->arguments[i - 1];
        level_record::slot& s = r.stock_slots[slot_of(i)];
        if (letter == 'c') {
            r.colour = colour(i, true);
        } else if (letter == 'C') {
            // An empty slot's colour is never used.
            s.colour = colour(i, word(i + 1) != "null");
        } else if (letter == 'd') {
            r.direction = direction_number(word(i));
            if (!r.direction)
                say(word(i).empty() ? kw + ": missing direction; the cloud will not move"
                                    : kw + ": unknown direction \"" + shown(word(i)) +
                                          "\"; the cloud will not move");
        } else if (letter == 'T') {
            s.type = stock_type(word(i));
            if ((!s.type && word(i) != "null") || word(i) == undrawable_stock)
                say(kw + ": " + slot_name(i) + " has the type \"" + shown(word(i)) +
                    "\", which cannot be drawn; the slot stays empty");
        } else if (letter == 'N') {
            // Read again without wrapping, to tell how far past 9 it goes.
            const unsigned long long full = *unsigned_number(word(i), 0, ~0ULL);
            if (full > 9)
                say(kw + ": " + slot_name(i) + " holds " + shown(word(i)) + ", more than 9" +
                    (full > 255 ? "; it is stored as " + std::to_string(full % 256)
                                : std::string()));
        } else if (letter == 'l') {
            r.level = word(i);
            if (r.level.empty() || r.level[0] == '#')
                say(kw + ": missing level name");
        }
    }
    return r;
}

std::string level_format::write_record(const level_record& r)
{
    const level_kind& kind = of(r);
    std::string out = kind.keyword;
    auto colour_word = [](unsigned char colour) {
        return colour < 4 ? colour_words[colour] : "white";
    };
    for (size_t i = 1; i <= std::strlen(kind.arguments); ++i) {
        const level_record::slot& s = r.stock_slots[slot_of(i)];
        out += ' ';
        switch (kind.arguments[i - 1]) {
        case 'x':
            out += coordinate_word(r.x);
            break;
        case 'y':
            out += coordinate_word(r.y);
            break;
        case 'c':
            out += colour_word(r.colour);
            break;
        case 'd':
            out += word_of(directions, r.direction, "none");
            break;
        case 'l':
            out += r.level;
            break;
        case 'w':
            out += std::to_string(r.columns);
            break;
        case 'h':
            out += std::to_string(r.rows);
            break;
        case 'i':
            out += std::to_string(r.index);
            break;
        case 'C':
            out += colour_word(s.colour);
            break;
        case 'T':
            out += word_of(stock_types, s.type, "null");
            break;
        case 'N':
            out += std::to_string(static_cast<int>(s.count));
            break;
        }
    }
    return out;
}

std::vector<std::pair<long long, long long>> level_format::frame_cells(long long columns,
                                                                       long long rows)
{
    std::vector<std::pair<long long, long long>> cells;
    for (long long column = 0; column < columns; ++column)
        cells.emplace_back(column, 0);
    for (long long column = 0; column < columns; ++column)
        cells.emplace_back(column, rows - 1);
    for (long long row = 0; row < rows; ++row)
        cells.emplace_back(0, row);
    for (long long row = 0; row < rows; ++row)
        cells.emplace_back(columns - 1, row);
    return cells;
}

std::vector<std::string> level_format::split(const std::string& line)
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

std::optional<long long> level_format::coordinate(const std::string& word)
{
    double blocks = 0;
    if (!data_text::read_double(word, blocks) || !std::isfinite(blocks) ||
        std::fabs(blocks) > max_coordinate)
        return std::nullopt;
    return static_cast<long long>(blocks * static_cast<double>(M));
}

std::string level_format::coordinate_word(long long units)
{
    auto write = [](long long value, bool trim) {
        std::string text = value < 0 ? "-" : "";
        const unsigned long long magnitude = value < 0
                                                 ? 0ULL - static_cast<unsigned long long>(value)
                                                 : static_cast<unsigned long long>(value);
        text += std::to_string(magnitude / static_cast<unsigned long long>(M));
        std::string fraction = std::to_string(magnitude % static_cast<unsigned long long>(M));
        fraction.insert(0, 7 - fraction.size(), '0');
        while (trim && !fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
        if (!fraction.empty())
            text += "." + fraction;
        else if (!trim)
            text += ".0000000";
        return text;
    };
    const std::string word = write(units, true);
    const std::optional<long long> back = coordinate(word);
    if (back && *back == units)
        return word;
    // A decimal just below the value can truncate one unit short; half a
    // unit further from zero always truncates back to the value.
    return write(units, false) + "5";
}

std::optional<unsigned long long> level_format::unsigned_number(const std::string& word,
                                                                unsigned long long modulo,
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

std::optional<long long> level_format::size(const std::string& word)
{
    if (!word.empty() && word[0] == '-') {
        auto v = unsigned_number(word.substr(1), 0, max_grid_edge);
        if (!v)
            return std::nullopt;
        return -static_cast<long long>(*v);
    }
    auto v = unsigned_number(word, 0, max_grid_edge + 1);
    if (!v)
        return std::nullopt;
    return static_cast<long long>(*v);
}

unsigned char level_format::colour_number(const std::string& word)
{
    for (int c = 0; c < 4; ++c)
        if (word == colour_words[c])
            return static_cast<unsigned char>(c);
    return 0;
}

unsigned char level_format::direction_number(const std::string& word)
{
    return static_cast<unsigned char>(value_of(directions, word));
}

unsigned int level_format::stock_type(const std::string& word)
{
    return value_of(stock_types, word);
}

std::string level_format::shown(const std::string& word)
{
    std::string s;
    for (char ch : word) {
        const auto u = static_cast<unsigned char>(ch);
        s += u >= 0x20 && u < 0x7f ? ch : '?';
        if (s.size() == 40)
            return s + "...";
    }
    return s;
}

std::string level_format::header_value(const std::string& text, const std::string& key)
{
    const std::string prefix = "# " + key + ":";
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // The header ends at the first record.
        if (line.empty() || line[0] != '#')
            break;
        if (line.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::size_t first = line.find_first_not_of(" \t", prefix.size());
        if (first == std::string::npos)
            return "";
        const std::size_t last = line.find_last_not_of(" \t");
        return line.substr(first, last - first + 1);
    }
    return "";
}

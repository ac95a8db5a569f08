#include "checked_world.h"

#include "cfg.h"
#include "level_words.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace
{

const long long M = cfg::multiplier;

// Words the loader knows, with the number of arguments each record reads.
const std::map<std::string, size_t> arguments = {
    {"stockblock", 3},  {"level_entrance", 3},   {"cloud", 4},   {"char", 12}, {"menuchar", 12},
    {"focusedchar", 1}, {"mapsize", 2},          {"mkframe", 0}, {"exit", 3},  {"spikes", 3},
    {"falling", 3},     {"stock_expendable", 3}, {"delete", 2}};

const char* colour_words[] = {"white", "red", "green", "blue"};
const unsigned char colour_flags[] = {7, 1, 2, 4};
const char* stock_types[] = {"null", "stockblock", "cloud", "spikes", "falling", "destroyer"};

bool is_grid_kind(const std::string& kind)
{
    return kind == "stockblock" || kind == "spikes" || kind == "stock_expendable" ||
           kind == "frame";
}

bool is_mover(const std::string& kind)
{
    return kind == "char" || kind == "menuchar" || kind == "cloud" || kind == "falling";
}

std::string colour_name(unsigned char flags)
{
    for (int i = 0; i < 4; ++i)
        if (colour_flags[i] == flags)
            return colour_words[i];
    return "mixed";
}

std::string blocks(long long units)
{
    std::ostringstream s;
    s << static_cast<double>(units) / static_cast<double>(M);
    return s.str();
}

std::string lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

checked_world::checked_world(std::vector<check_finding>& findings, bool pages,
                             bool deletes_may_miss)
    : findings(findings), page(pages), deletes_may_miss(deletes_may_miss)
{
}

std::string checked_world::shown(const std::string& word)
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

void checked_world::report(const std::string& file, long long line, const std::string& message)
{
    findings.push_back({file, line, message});
}

std::vector<std::pair<std::string, long long>> checked_world::characters() const
{
    std::vector<std::pair<std::string, long long>> found;
    for (const thing& t : things)
        if (t.alive && (t.kind == "char" || t.kind == "menuchar"))
            found.emplace_back(t.file, t.line);
    return found;
}

bool checked_world::read_file(const std::string& path, unsigned page_number)
{
    std::ifstream in(path);
    if (!in) {
        report(path, 1, "cannot open the file");
        return false;
    }
    grid_object_in_file = false;
    long long number = 0;
    for (std::string line; std::getline(in, line);)
        read_record(path, ++number, level_words::split(line), page_number);
    if (in.bad()) {
        report(path, 1, "cannot read the file");
        return false;
    }
    return true;
}

void checked_world::read_record(const std::string& path, long long line,
                                const std::vector<std::string>& words, unsigned page_number)
{
    if (words.empty() || words[0][0] == '#')
        return;
    const std::string& kw = words[0];
    auto say = [&](const std::string& message) { report(path, line, message); };
    const auto known = arguments.find(kw);
    if (known == arguments.end()) {
        std::string hint;
        if (arguments.count(lower(kw)))
            hint = " (keywords are lower case)";
        else if (kw == "level_exit")
            hint = " (a level's door is \"exit\")";
        say("unknown keyword \"" + shown(kw) + "\"; the line is ignored" + hint);
        return;
    }
    const size_t used = known->second;
    if (words.size() > used + 1 && words[used + 1][0] != '#')
        say("words after the record are ignored, from \"" + shown(words[used + 1]) + "\"");
    auto word = [&](size_t i) { return i < words.size() ? words[i] : std::string(); };

    // A number the loader cannot read makes it skip the whole record.
    auto number = [&](size_t i, const char* what) -> std::optional<long long> {
        if (i >= words.size()) {
            say(kw + ": missing " + what + "; the line is skipped");
            return std::nullopt;
        }
        auto v = level_words::coordinate(words[i]);
        if (!v)
            say(kw + ": unreadable number \"" + shown(words[i]) + "\" for " + what +
                "; the line is skipped");
        return v;
    };
    // Unknown or missing colour words read as white without a word from the loader.
    auto colour = [&](size_t i, const std::string& what) -> unsigned char {
        for (int c = 0; c < 4; ++c)
            if (word(i) == colour_words[c])
                return colour_flags[c];
        if (i >= words.size())
            say(kw + ": missing " + what + "; it is read as white");
        else
            say(kw + ": unknown colour \"" + shown(words[i]) + "\" for " + what +
                "; it is read as white");
        return 7;
    };

    if (kw == "mapsize") {
        auto columns = level_words::size(word(1));
        auto rows = level_words::size(word(2));
        if (!columns || !rows || *columns < 1 || *rows < 1 ||
            *columns > level_words::max_grid_edge || *rows > level_words::max_grid_edge ||
            std::max(*columns, width) * std::max(*rows, height) > level_words::max_grid_cells) {
            say("mapsize needs two whole numbers from 1 to " +
                std::to_string(level_words::max_grid_edge) + "; the line is skipped");
            return;
        }
        if (grid_object_in_file)
            say("mapsize after grid objects of this file");
        if (has_grid && (*columns < width || *rows < height))
            say("the map is already " + std::to_string(width) + " x " + std::to_string(height) +
                " and never shrinks");
        width = std::max(*columns, width);
        height = std::max(*rows, height);
        has_grid = true;
        return;
    }
    if (kw == "mkframe") {
        if (!has_grid) {
            say("mkframe before any mapsize does nothing");
            return;
        }
        auto fill = [&](long long c, long long r) {
            if (cells.count({c, r}))
                return;
            thing t;
            t.kind = "frame";
            t.x = c * M, t.y = r * M, t.size = M;
            t.file = path, t.line = line;
            cells[{c, r}] = things.size();
            things.push_back(t);
        };
        for (long long c = 0; c < width; ++c)
            fill(c, 0), fill(c, height - 1);
        for (long long r = 0; r < height; ++r)
            fill(0, r), fill(width - 1, r);
        return;
    }
    if (kw == "focusedchar") {
        auto index = level_words::unsigned_number(word(1), 0, 0xFFFFFFFFULL);
        if (!index) {
            say(word(1).empty() ? "focusedchar: missing index; the line is skipped"
                                : "focusedchar: unreadable index \"" + shown(word(1)) +
                                      "\"; the line is skipped");
            return;
        }
        focused = static_cast<long long>(*index);
        focused_line = line;
        return;
    }

    // Every other record starts with a position.
    auto x = number(1, "X");
    if (!x)
        return;
    auto y = number(2, "Y");
    if (!y)
        return;
    const long long column = *x / M, row = *y / M;
    const std::string where = "column " + std::to_string(column) + ", row " + std::to_string(row);

    if (kw == "delete") {
        // The square (X, Y) to (X + 1, Y + 1): grid cells it meets, and
        // every other object overlapping it strictly.
        std::vector<size_t> hit;
        const long long c_end = std::min((*x + M + M - 1) / M, width);
        const long long r_end = std::min((*y + M + M - 1) / M, height);
        for (long long c = std::max(*x / M, 0LL); c < c_end; ++c)
            for (long long r = std::max(*y / M, 0LL); r < r_end; ++r)
                if (auto it = cells.find({c, r}); it != cells.end())
                    hit.push_back(it->second);
        for (size_t i = 0; i < things.size(); ++i) {
            const thing& t = things[i];
            if (t.alive && !is_grid_kind(t.kind) && t.x < *x + M && t.x > *x - t.size &&
                t.y < *y + M && t.y > *y - t.size)
                hit.push_back(i);
        }
        if (hit.empty() && !deletes_may_miss)
            say("delete removes nothing");
        for (size_t i : hit) {
            thing& t = things[i];
            t.alive = false;
            if (is_grid_kind(t.kind))
                cells.erase({t.x / M, t.y / M});
            if (!page && (t.kind == "char" || t.kind == "menuchar"))
                say("delete removes the character of line " + std::to_string(t.line) +
                    ", which fails the level");
        }
        return;
    }

    thing t;
    t.kind = kw;
    t.x = *x, t.y = *y;
    t.file = path, t.line = line;

    if (kw == "stockblock" || kw == "spikes" || kw == "stock_expendable") {
        t.colour = colour(3, "the colour");
        t.size = M;
        if (!has_grid) {
            say(kw + " before any mapsize; the line is skipped");
            return;
        }
        // Truncation puts a corner just left of or above the map in its first cell.
        if (column < 0 || row < 0 || column >= width || row >= height) {
            say(kw + " at " + where + " is outside the " + std::to_string(width) + " x " +
                std::to_string(height) + " map; the line is skipped");
            return;
        }
        grid_object_in_file = true;
        if (auto it = cells.find({column, row}); it != cells.end()) {
            thing& old = things[it->second];
            std::string by = old.kind == "frame" ? "the frame" : "the " + old.kind;
            by += old.file == path ? " of line " + std::to_string(old.line)
                                   : " of " + old.file + ":" + std::to_string(old.line);
            say(kw + " on " + where + ", which " + by + " already holds; it replaces it");
            old.alive = false;
        }
        t.x = column * M, t.y = row * M;
        cells[{column, row}] = things.size();
        things.push_back(t);
        return;
    }

    if (kw == "cloud") {
        const std::string dir = word(3);
        if (dir != "left" && dir != "right" && dir != "up" && dir != "down")
            say(dir.empty()
                    ? "cloud: missing direction; the cloud will not move"
                    : "cloud: unknown direction \"" + shown(dir) + "\"; the cloud will not move");
        t.colour = colour(4, "the colour");
        t.size = M;
    } else if (kw == "falling") {
        t.colour = colour(3, "the colour");
        t.size = M;
    } else if (kw == "exit") {
        t.colour = colour(3, "the colour");
        t.size = 2 * M;
        if (page)
            say("an exit on a map page leads nowhere");
    } else if (kw == "level_entrance") {
        t.size = 2 * M;
        if (word(3).empty() || word(3)[0] == '#') {
            say("level_entrance: missing level name");
        } else if (!page) {
            say("level_entrance in a level: a door to another level from inside one");
        } else {
            doors.push_back({word(3), path, line, page_number});
        }
    } else { // char, menuchar
        t.size = M * 7 / 10;
        // The loader skips the whole character when a count is unreadable.
        unsigned long long counts[3] = {0, 0, 0};
        for (int k = 0; k < 3; ++k) {
            const std::string slot = "slot " + std::to_string(k + 1);
            auto count = level_words::unsigned_number(word(6 + 3 * k), 0, ~0ULL);
            if (!count) {
                say(word(6 + 3 * k).empty()
                        ? kw + ": missing count of " + slot + "; the line is skipped"
                        : kw + ": unreadable count \"" + shown(word(6 + 3 * k)) + "\" in " + slot +
                              "; the line is skipped");
                return;
            }
            counts[k] = *count;
        }
        t.colour = colour(3, "the character's colour");
        for (int k = 0; k < 3; ++k) {
            const std::string slot = "slot " + std::to_string(k + 1);
            const std::string type = word(5 + 3 * k);
            // An empty slot's colour is never used.
            if (type != "null")
                colour(4 + 3 * k, "the colour of " + slot);
            if (std::find(std::begin(stock_types), std::end(stock_types), type) ==
                std::end(stock_types))
                say(kw + ": " + slot + " has the type \"" + shown(type) +
                    "\", which cannot be drawn; the slot stays empty");
            if (counts[k] > 9)
                say(kw + ": " + slot + " holds " + shown(word(6 + 3 * k)) + ", more than 9" +
                    (counts[k] > 255 ? "; it is stored as " + std::to_string(counts[k] % 256)
                                     : std::string()));
        }
        if (kw == "menuchar" && !page)
            say("menuchar in a level: it moves at the map's speed");
        if (kw == "char" && page)
            say("char on a map page: only a menuchar moves at the map's speed");
    }
    if (has_grid && (t.x < 0 || t.y < 0 || t.x + t.size > width * M || t.y + t.size > height * M))
        say(kw + " at " + blocks(t.x) + ", " + blocks(t.y) + " reaches outside the " +
            std::to_string(width) + " x " + std::to_string(height) + " map");
    things.push_back(t);
}

void checked_world::check_starts()
{
    for (const thing& t : things) {
        if (!t.alive || !is_mover(t.kind))
            continue;
        const long long c_end = (t.x + t.size + M - 1) / M;
        const long long r_end = (t.y + t.size + M - 1) / M;
        for (long long c = std::max(t.x / M, 0LL); c < c_end; ++c) {
            for (long long r = std::max(t.y / M, 0LL); r < r_end; ++r) {
                auto it = cells.find({c, r});
                if (it == cells.end())
                    continue;
                const thing& b = things[it->second];
                if (!(b.colour & t.colour) || !(b.x < t.x + t.size && b.x + b.size > t.x &&
                                                b.y < t.y + t.size && b.y + b.size > t.y))
                    continue;
                const std::string what = b.kind == "frame" ? "the frame" : "the " + b.kind;
                report(t.file, t.line,
                       t.kind + " starts inside " + what + " at column " + std::to_string(c) +
                           ", row " + std::to_string(r));
            }
        }
    }
}

void checked_world::check_level_end(const std::string& path)
{
    check_starts();
    if (!has_grid)
        report(path, 1, "no mapsize: the level has no grid");
    std::vector<const thing*> characters, exits;
    for (const thing& t : things) {
        if (!t.alive)
            continue;
        if (t.kind == "char" || t.kind == "menuchar")
            characters.push_back(&t);
        else if (t.kind == "exit")
            exits.push_back(&t);
    }
    if (characters.empty())
        report(path, 1, "the level has no character");
    if (exits.empty())
        report(path, 1, "the level has no exit");
    if (focused_line && focused >= static_cast<long long>(characters.size()))
        report(path, focused_line,
               "focusedchar " + std::to_string(focused) + ", but the level has " +
                   std::to_string(characters.size()) + " character(s)");
    for (const thing* e : characters.empty() ? std::vector<const thing*>() : exits) {
        const bool usable = std::any_of(characters.begin(), characters.end(),
                                        [&](const thing* c) { return c->colour & e->colour; });
        if (!usable)
            report(path, e->line, colour_name(e->colour) + " exit: no character can use it");
    }
    // The level is passed when the last character leaves.
    for (const thing* c : characters) {
        const bool can_leave = std::any_of(exits.begin(), exits.end(),
                                           [&](const thing* e) { return c->colour & e->colour; });
        if (!can_leave && !exits.empty())
            report(path, c->line,
                   colour_name(c->colour) + " character: no exit it can use, so the level "
                                            "cannot be passed");
    }
}

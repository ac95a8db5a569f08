#include "level_checker.h"

#include "cfg.h"
#include "level_words.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
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

// A word as a finding quotes it: control bytes and binary noise would garble
// the listing, and a line may be very long.
std::string shown(const std::string& word)
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

std::string base_name(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

std::string beside(const std::string& list_path, const std::string& file)
{
    return (std::filesystem::path(list_path).parent_path() / file).string();
}

std::string key_of(const std::string& path)
{
    return std::filesystem::path(path).lexically_normal().string();
}

bool ends_with(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The words of a list file with the line each stands on.
std::vector<std::pair<std::string, long long>> list_words(std::istream& in)
{
    std::vector<std::pair<std::string, long long>> words;
    long long number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        std::istringstream s(line);
        for (std::string w; s >> w;)
            words.emplace_back(w, number);
    }
    return words;
}

} // namespace

void level_checker::report(const std::string& file, long long line, const std::string& message)
{
    findings.push_back({file, line, message});
}

std::vector<check_finding> level_checker::check(const std::vector<std::string>& paths)
{
    *this = level_checker(); // each call checks its files afresh
    std::vector<std::string> pages, levels;
    for (const std::string& p : paths) {
        const std::string name = base_name(p);
        if (name == "levels.list") {
            if (have_levels_list)
                report(p, 1, "a second levels.list; only the first is read");
            else
                read_levels_list(p);
        } else if (name == "menus.list") {
            if (have_menus_list)
                report(p, 1, "a second menus.list; only the first is read");
            else
                menus_list_path = p, have_menus_list = true;
        } else if (ends_with(name, ".list")) {
            report(p, 1, "not a list the game reads (menus.list or levels.list)");
        } else if (ends_with(name, ".menu")) {
            pages.push_back(p);
        } else {
            levels.push_back(p);
        }
    }
    if (have_menus_list)
        read_menus_list(menus_list_path);
    // Pages given without their list stand alone: their deletes may aim at
    // what earlier pages built, and their numbers are unknown.
    for (const std::string& p : pages) {
        if (checked.count(key_of(p)))
            continue;
        checked.insert(key_of(p));
        world w;
        w.delete_may_miss = true;
        const auto number = level_words::unsigned_number(std::filesystem::path(p).stem().string(),
                                                         0, 0xFFFFFFFFULL);
        read_file(p, w, true, number ? static_cast<unsigned>(*number) : 0);
        check_starts(w);
    }
    std::vector<std::string> level_paths;
    // A listed level that cannot be opened is reported against its list line.
    for (const auto& [name, line] : listed_levels)
        if (const std::string file = beside(levels_list_path, name + cfg::level_suffix);
            std::ifstream(file))
            level_paths.push_back(file);
    level_paths.insert(level_paths.end(), levels.begin(), levels.end());
    for (const std::string& p : level_paths) {
        if (checked.count(key_of(p)))
            continue;
        checked.insert(key_of(p));
        world w;
        const size_t first = findings.size();
        if (read_file(p, w, false, 0))
            check_level_end(p, w);
        // End-of-file findings name earlier lines: keep the file in line order.
        std::stable_sort(
            findings.begin() + static_cast<long>(first), findings.end(),
            [](const check_finding& a, const check_finding& b) { return a.line < b.line; });
    }
    check_doors();
    return findings;
}

void level_checker::read_levels_list(const std::string& path)
{
    have_levels_list = true;
    levels_list_path = path;
    std::ifstream in(path);
    if (!in) {
        report(path, 1, "cannot open the file");
        return;
    }
    std::map<std::string, long long> first_line;
    for (const auto& [name, line] : list_words(in)) {
        if (first_line.count(name)) {
            report(path, line,
                   "level " + name + " is listed twice (first on line " +
                       std::to_string(first_line[name]) + ")");
            continue;
        }
        first_line[name] = line;
        for (char ch : name) {
            if (!std::isdigit(static_cast<unsigned char>(ch)) &&
                !std::isupper(static_cast<unsigned char>(ch))) {
                report(path, line,
                       "level name " + name + " cannot be shown on its door (digits and capitals)");
                break;
            }
        }
        const std::string file = beside(path, name + cfg::level_suffix);
        if (!std::ifstream(file))
            report(path, line, "level " + name + ": cannot open " + file);
        listed_levels.emplace_back(name, line);
    }
}

void level_checker::read_menus_list(const std::string& path)
{
    std::ifstream in(path);
    if (!in) {
        report(path, 1, "cannot open the file");
        return;
    }
    std::set<unsigned> seen;
    long long last_line = 1;
    for (const auto& [word, line] : list_words(in)) {
        last_line = line;
        const auto n = level_words::unsigned_number(word, 0, 0xFFFFFFFFULL);
        if (!n) {
            report(path, line,
                   "\"" + shown(word) + "\" is not a page number; the game reads no further");
            break;
        }
        if (!seen.insert(static_cast<unsigned>(*n)).second) {
            report(path, line, "page " + word + " is listed twice; it would be built twice");
            continue;
        }
        listed_pages.emplace_back(static_cast<unsigned>(*n), line);
    }
    if (!seen.count(0))
        report(path, 1, "no page 0: the map is empty until a level is passed");

    // The pages in list order make one map, as the map screen reads them.
    world w;
    std::vector<std::string> files;
    const size_t first = findings.size();
    for (const auto& [n, line] : listed_pages) {
        const std::string file = beside(path, std::to_string(n) + cfg::menu_suffix);
        if (!std::ifstream(file)) {
            report(path, line, "page " + std::to_string(n) + ": cannot open " + file);
            continue;
        }
        checked.insert(key_of(file));
        files.push_back(file);
        read_file(file, w, true, n);
    }
    check_starts(w);
    size_t characters = 0;
    for (const thing& t : w.things) {
        if (!t.alive || (t.kind != "char" && t.kind != "menuchar"))
            continue;
        if (++characters == 2)
            report(t.file, t.line, "a second map character");
    }
    if (characters == 0 && !files.empty())
        report(path, last_line, "the map has no character");
    // Keep each page's findings together and in line order.
    auto rank = [&](const std::string& f) {
        return std::find(files.begin(), files.end(), f) - files.begin();
    };
    std::stable_sort(findings.begin() + static_cast<long>(first), findings.end(),
                     [&](const check_finding& a, const check_finding& b) {
                         if (rank(a.file) != rank(b.file))
                             return rank(a.file) < rank(b.file);
                         return a.line < b.line;
                     });
}

bool level_checker::read_file(const std::string& path, world& w, bool page, unsigned page_number)
{
    std::ifstream in(path);
    if (!in) {
        report(path, 1, "cannot open the file");
        return false;
    }
    w.grid_object_in_file = false;
    long long number = 0;
    for (std::string line; std::getline(in, line);)
        read_record(path, ++number, level_words::split(line), w, page, page_number);
    if (in.bad()) {
        report(path, 1, "cannot read the file");
        return false;
    }
    return true;
}

void level_checker::read_record(const std::string& path, long long line,
                                const std::vector<std::string>& words, world& w, bool page,
                                unsigned page_number)
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
        auto width = level_words::size(word(1));
        auto height = level_words::size(word(2));
        if (!width || !height || *width < 1 || *height < 1 || *width > level_words::max_grid_edge ||
            *height > level_words::max_grid_edge ||
            std::max(*width, w.width) * std::max(*height, w.height) > level_words::max_grid_cells) {
            say("mapsize needs two whole numbers from 1 to " +
                std::to_string(level_words::max_grid_edge) + "; the line is skipped");
            return;
        }
        if (w.grid_object_in_file)
            say("mapsize after grid objects of this file");
        if (w.has_grid && (*width < w.width || *height < w.height))
            say("the map is already " + std::to_string(w.width) + " x " + std::to_string(w.height) +
                " and never shrinks");
        w.width = std::max(*width, w.width);
        w.height = std::max(*height, w.height);
        w.has_grid = true;
        return;
    }
    if (kw == "mkframe") {
        if (!w.has_grid) {
            say("mkframe before any mapsize does nothing");
            return;
        }
        auto fill = [&](long long c, long long r) {
            if (w.cells.count({c, r}))
                return;
            thing t;
            t.kind = "frame";
            t.x = c * M, t.y = r * M, t.size = M;
            t.file = path, t.line = line;
            w.cells[{c, r}] = w.things.size();
            w.things.push_back(t);
        };
        for (long long c = 0; c < w.width; ++c)
            fill(c, 0), fill(c, w.height - 1);
        for (long long r = 0; r < w.height; ++r)
            fill(0, r), fill(w.width - 1, r);
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
        w.focused = static_cast<long long>(*index);
        w.focused_line = line;
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
        const long long c_end = std::min((*x + M + M - 1) / M, w.width);
        const long long r_end = std::min((*y + M + M - 1) / M, w.height);
        for (long long c = std::max(*x / M, 0LL); c < c_end; ++c)
            for (long long r = std::max(*y / M, 0LL); r < r_end; ++r)
                if (auto it = w.cells.find({c, r}); it != w.cells.end())
                    hit.push_back(it->second);
        for (size_t i = 0; i < w.things.size(); ++i) {
            const thing& t = w.things[i];
            if (t.alive && !is_grid_kind(t.kind) && t.x < *x + M && t.x > *x - t.size &&
                t.y < *y + M && t.y > *y - t.size)
                hit.push_back(i);
        }
        if (hit.empty() && !w.delete_may_miss)
            say("delete removes nothing");
        for (size_t i : hit) {
            thing& t = w.things[i];
            t.alive = false;
            if (is_grid_kind(t.kind))
                w.cells.erase({t.x / M, t.y / M});
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
        if (!w.has_grid) {
            say(kw + " before any mapsize; the line is skipped");
            return;
        }
        // Truncation puts a corner just left of or above the map in its first cell.
        if (column < 0 || row < 0 || column >= w.width || row >= w.height) {
            say(kw + " at " + where + " is outside the " + std::to_string(w.width) + " x " +
                std::to_string(w.height) + " map; the line is skipped");
            return;
        }
        w.grid_object_in_file = true;
        if (auto it = w.cells.find({column, row}); it != w.cells.end()) {
            thing& old = w.things[it->second];
            std::string by = old.kind == "frame" ? "the frame" : "the " + old.kind;
            by += old.file == path ? " of line " + std::to_string(old.line)
                                   : " of " + old.file + ":" + std::to_string(old.line);
            say(kw + " on " + where + ", which " + by + " already holds; it replaces it");
            old.alive = false;
        }
        t.x = column * M, t.y = row * M;
        w.cells[{column, row}] = w.things.size();
        w.things.push_back(t);
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
                t.slot_colours[k] = colour(4 + 3 * k, "the colour of " + slot);
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
    if (w.has_grid &&
        (t.x < 0 || t.y < 0 || t.x + t.size > w.width * M || t.y + t.size > w.height * M))
        say(kw + " at " + blocks(t.x) + ", " + blocks(t.y) + " reaches outside the " +
            std::to_string(w.width) + " x " + std::to_string(w.height) + " map");
    w.things.push_back(t);
}

void level_checker::check_starts(const world& w)
{
    for (const thing& t : w.things) {
        if (!t.alive || !is_mover(t.kind))
            continue;
        const long long c_end = (t.x + t.size + M - 1) / M;
        const long long r_end = (t.y + t.size + M - 1) / M;
        for (long long c = std::max(t.x / M, 0LL); c < c_end; ++c) {
            for (long long r = std::max(t.y / M, 0LL); r < r_end; ++r) {
                auto it = w.cells.find({c, r});
                if (it == w.cells.end())
                    continue;
                const thing& b = w.things[it->second];
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

void level_checker::check_level_end(const std::string& path, const world& w)
{
    check_starts(w);
    if (!w.has_grid)
        report(path, 1, "no mapsize: the level has no grid");
    std::vector<const thing*> characters, exits;
    for (const thing& t : w.things) {
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
    if (w.focused_line && w.focused >= static_cast<long long>(characters.size()))
        report(path, w.focused_line,
               "focusedchar " + std::to_string(w.focused) + ", but the level has " +
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

void level_checker::check_doors()
{
    std::map<std::string, const door*> first;
    for (const door& d : doors) {
        auto [it, fresh] = first.emplace(d.level, &d);
        if (!fresh)
            report(d.file, d.line,
                   "a second door to level " + d.level + " (the first is at " + it->second->file +
                       ":" + std::to_string(it->second->line) + ")");
        if (have_levels_list && std::none_of(listed_levels.begin(), listed_levels.end(),
                                             [&](const auto& l) { return l.first == d.level; }))
            report(d.file, d.line,
                   "door to level " + d.level + ", which levels.list does not list");
    }
    if (!have_levels_list || !have_menus_list)
        return;
    for (const auto& [name, line] : listed_levels)
        if (!first.count(name))
            report(levels_list_path, line, "level " + name + " has no door on the map pages");

    // With k levels passed, the pages numbered up to k are open; passed
    // levels were entered through open doors, so more than k listed doors
    // must be open or the player is stuck.
    for (size_t k = 0; k < listed_levels.size(); ++k) {
        size_t open = 0;
        for (const auto& [name, line] : listed_levels)
            if (auto it = first.find(name); it != first.end() && it->second->page <= k)
                ++open;
        if (open <= k) {
            long long line = listed_pages.empty() ? 1 : listed_pages.back().second;
            for (const auto& [n, l] : listed_pages)
                if (n > k) {
                    line = l;
                    break;
                }
            report(menus_list_path, line,
                   "after " + std::to_string(k) + " passed level(s) only " + std::to_string(open) +
                       " listed level(s) have an open door: the player "
                       "is stuck");
            break;
        }
    }
}

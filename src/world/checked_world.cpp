#include "checked_world.h"

#include "catalogue.h"

#include "cfg.h"
#include "data_text.h"
#include "level_format.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace
{

const long long M = cfg::multiplier;

// The editor says these in the player's language.
const char* colour_words[] = {CF_TR_NOOP("checker", "white"), CF_TR_NOOP("checker", "red"),
                              CF_TR_NOOP("checker", "green"), CF_TR_NOOP("checker", "blue")};
const unsigned char colour_flags[] = {7, 1, 2, 4};

bool is_mover(const std::string& kind)
{
    return kind == "char" || kind == "menuchar" || kind == "cloud" || kind == "falling";
}

std::string colour_name(unsigned char flags)
{
    for (int i = 0; i < 4; ++i)
        if (colour_flags[i] == flags)
            return colour_words[i];
    return CF_TR_NOOP("checker", "mixed");
}

std::string blocks(long long units)
{
    std::ostringstream s;
    s << static_cast<double>(units) / static_cast<double>(M);
    return s.str();
}

} // namespace

checked_world::checked_world(std::vector<check_finding>& findings, bool pages,
                             bool deletes_may_miss)
    : findings(findings), page(pages), deletes_may_miss(deletes_may_miss)
{
}

void checked_world::report(const std::string& file, long long line, const std::string& message)
{
    findings.push_back({file, line, message, {}, {}});
}

void checked_world::report(const std::string& file, long long line, const char* pattern,
                           const std::vector<std::string>& args)
{
    findings.push_back({file, line, lang::fill(pattern, args), pattern, args});
}

std::vector<std::pair<std::string, long long>> checked_world::characters() const
{
    std::vector<std::pair<std::string, long long>> found;
    for (const thing& t : things)
        if (t.alive && t.character)
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
    // The loader skips a byte order mark before the first record.
    data_text::skip_byte_order_mark(in);
    long long number = 0;
    std::vector<level_finding> read;
    for (std::string line; std::getline(in, line);) {
        read.clear();
        const std::optional<level_record> r = level_format::read_record(line, ++number, &read);
        for (const level_finding& f : read)
            report(path, f.line, f.message);
        if (r)
            check_record(path, number, *r, page_number);
    }
    if (in.bad()) {
        report(path, 1, "cannot read the file");
        return false;
    }
    return true;
}

void checked_world::check_record(const std::string& path, long long line, const level_record& r,
                                 unsigned page_number)
{
    const std::string kw = level_format::of(r).keyword;
    auto say = [&](const std::string& message) { report(path, line, message); };

    if (r.kind == level_record::mapsize) {
        if (std::max(r.columns, width) * std::max(r.rows, height) > level_format::max_grid_cells) {
            say(level_format::bad_mapsize);
            return;
        }
        if (grid_object_in_file)
            say("mapsize after grid objects of this file");
        if (has_grid && (r.columns < width || r.rows < height))
            say("the map is already " + std::to_string(width) + " x " + std::to_string(height) +
                " and never shrinks");
        width = std::max(r.columns, width);
        height = std::max(r.rows, height);
        has_grid = true;
        return;
    }
    if (r.kind == level_record::mkframe) {
        if (!has_grid) {
            say("mkframe before any mapsize does nothing");
            return;
        }
        for (const auto& cell : level_format::frame_cells(width, height)) {
            if (cells.count(cell))
                continue;
            thing t;
            t.kind = "frame";
            t.grid = true;
            t.x = cell.first * M, t.y = cell.second * M, t.size = M;
            t.file = path, t.line = line;
            cells[cell] = things.size();
            things.push_back(t);
        }
        return;
    }
    if (r.kind == level_record::focusedchar) {
        focused = r.index;
        focused_line = line;
        return;
    }

    const long long column = r.x / M, row = r.y / M;
    const std::string where = "column " + std::to_string(column) + ", row " + std::to_string(row);

    if (r.kind == level_record::erase) {
        // The square (X, Y) to (X + 1, Y + 1): grid cells it meets, and
        // every other object overlapping it strictly.
        std::vector<size_t> hit;
        const long long c_end = std::min((r.x + M + M - 1) / M, width);
        const long long r_end = std::min((r.y + M + M - 1) / M, height);
        for (long long c = std::max(r.x / M, 0LL); c < c_end; ++c)
            for (long long rw = std::max(r.y / M, 0LL); rw < r_end; ++rw)
                if (auto it = cells.find({c, rw}); it != cells.end())
                    hit.push_back(it->second);
        for (size_t i = 0; i < things.size(); ++i) {
            const thing& t = things[i];
            if (t.alive && !t.grid && t.x < r.x + M && t.x > r.x - t.size && t.y < r.y + M &&
                t.y > r.y - t.size)
                hit.push_back(i);
        }
        if (hit.empty() && !deletes_may_miss)
            say("delete removes nothing");
        for (size_t i : hit) {
            thing& t = things[i];
            t.alive = false;
            if (t.grid)
                cells.erase({t.x / M, t.y / M});
            if (!page && t.character)
                say("delete removes the character of line " + std::to_string(t.line) +
                    ", which fails the level");
        }
        return;
    }

    thing t;
    t.kind = kw;
    t.grid = r.is_grid_object();
    t.character = r.kind == level_record::character;
    t.colour = colour_flags[r.colour < 4 ? r.colour : 0];
    t.x = r.x, t.y = r.y, t.size = r.extent();
    t.file = path, t.line = line;

    if (t.grid) {
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

    if (r.kind == level_record::exit) {
        if (page)
            say("an exit on a map page leads nowhere");
    } else if (r.kind == level_record::level_entrance) {
        // A missing name is the format's finding.
        const bool named = !r.level.empty() && r.level[0] != '#';
        if (named && !page)
            say("level_entrance in a level: a door to another level from inside one");
        else if (named)
            doors.push_back({r.level, path, line, page_number});
    } else if (t.character) {
        if (r.menu_motion && !page)
            say("menuchar in a level: it moves at the map's speed");
        if (!r.menu_motion && page)
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
                       CF_TR_NOOP("checker", "%1 starts inside %2 at column %3, row %4"),
                       {t.kind, what, std::to_string(c), std::to_string(r)});
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
        if (t.character)
            characters.push_back(&t);
        else if (t.kind == "exit")
            exits.push_back(&t);
    }
    if (characters.empty())
        report(path, 1, CF_TR_NOOP("checker", "the level has no character"), {});
    if (exits.empty())
        report(path, 1, CF_TR_NOOP("checker", "the level has no exit"), {});
    if (focused_line && focused >= static_cast<long long>(characters.size()))
        report(path, focused_line,
               "focusedchar " + std::to_string(focused) + ", but the level has " +
                   std::to_string(characters.size()) + " character(s)");
    for (const thing* e : characters.empty() ? std::vector<const thing*>() : exits) {
        const bool usable = std::any_of(characters.begin(), characters.end(),
                                        [&](const thing* c) { return c->colour & e->colour; });
        if (!usable)
            report(path, e->line, CF_TR_NOOP("checker", "%1 exit: no character can use it"),
                   {colour_name(e->colour)});
    }
    // Below the map there is nothing: a character with nothing under it that
    // it meets falls out of the world before the player can act. One stuck
    // in a block has its own finding.
    for (const thing* c : characters) {
        const bool held = std::any_of(things.begin(), things.end(), [&](const thing& t) {
            return t.alive && !t.character && t.kind != "exit" && (t.colour & c->colour) &&
                   t.x < c->x + c->size && c->x < t.x + t.size && t.y + t.size > c->y + c->size;
        });
        if (!held)
            report(path, c->line,
                   CF_TR_NOOP("checker", "%1 character at column %2, row %3: nothing below it, "
                                         "it falls out of the world"),
                   {colour_name(c->colour), std::to_string(c->x / M), std::to_string(c->y / M)});
    }
    // The level is passed when the last character leaves.
    for (const thing* c : characters) {
        const bool can_leave = std::any_of(exits.begin(), exits.end(),
                                           [&](const thing* e) { return c->colour & e->colour; });
        if (!can_leave && !exits.empty())
            report(path, c->line,
                   CF_TR_NOOP("checker",
                              "%1 character: no exit it can use, so the level cannot be passed"),
                   {colour_name(c->colour)});
    }
}

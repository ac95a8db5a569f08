#include "level_checker.h"

#include "cfg.h"
#include "data_text.h"
#include "level_format.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{

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
    // The game skips a byte order mark before the first name.
    data_text::skip_byte_order_mark(in);
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
    findings.push_back({file, line, message, {}, {}});
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
        checked_world w(findings, true, true);
        const auto number = level_format::unsigned_number(std::filesystem::path(p).stem().string(),
                                                          0, 0xFFFFFFFFULL);
        w.read_file(p, number ? static_cast<unsigned>(*number) : 0);
        w.check_starts();
        collect_doors(w);
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
        checked_world w(findings, false, false);
        const size_t first = findings.size();
        if (w.read_file(p, 0))
            w.check_level_end(p);
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
        const auto n = level_format::unsigned_number(word, 0, 0xFFFFFFFFULL);
        if (!n) {
            report(path, line,
                   "\"" + level_format::shown(word) +
                       "\" is not a page number; the game reads no further");
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
    checked_world w(findings, true, false);
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
        w.read_file(file, n);
    }
    w.check_starts();
    collect_doors(w);
    const auto characters = w.characters();
    if (characters.size() >= 2)
        report(characters[1].first, characters[1].second, "a second map character");
    if (characters.empty() && !files.empty())
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

void level_checker::collect_doors(const checked_world& w)
{
    doors.insert(doors.end(), w.doors.begin(), w.doors.end());
}

void level_checker::check_doors()
{
    std::map<std::string, const checked_world::door*> first;
    for (const checked_world::door& d : doors) {
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

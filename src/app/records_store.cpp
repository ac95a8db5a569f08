#include "records_store.h"

#include "durable_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <sys/stat.h>
#include <vector>

namespace
{

// Far more than every level's line; a larger file is not ours.
constexpr long long largest_file = 1 << 20;
constexpr unsigned long most_attempts = 999999999;
constexpr long long most_ticks = 999999999999999LL;

// Digits only, whatever the locale, and no larger than `highest`.
bool read_count(const std::string& word, long long highest, long long& out)
{
    if (word.empty() || word.size() > 15)
        return false;
    for (char c : word)
        if (c < '0' || c > '9')
            return false;
    out = std::strtoll(word.c_str(), nullptr, 10);
    return out <= highest;
}

bool read_flag(const std::string& word, bool& out)
{
    if (word != "0" && word != "1")
        return false;
    out = word == "1";
    return true;
}

// "-" before the first pass, a count after it.
bool read_best(const std::string& word, bool passed, long long highest, long long& out)
{
    if (!passed) {
        out = -1;
        return word == "-";
    }
    return read_count(word, highest, out);
}

bool read_line(const std::string& line, std::string& name, records_entry& r)
{
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string word; in >> word && w.size() < 9;)
        w.push_back(word);
    if (w.size() != 8 || !records_store::valid_name(w[0]))
        return false;
    name = w[0];
    long long attempts = 0;
    if (!read_count(w[1], most_attempts, attempts) || !read_flag(w[2], r.passed) ||
        !read_best(w[3], r.passed, most_ticks, r.best_ticks) ||
        !read_best(w[4], r.passed, most_attempts, r.fewest_placements) ||
        !read_flag(w[5], r.without_rewind) || !read_flag(w[6], r.unaided) ||
        !read_flag(w[7], r.after_watching))
        return false;
    r.attempts = static_cast<unsigned long>(attempts);
    // How a pass was made says nothing before there is one.
    return r.passed || (!r.without_rewind && !r.unaided && !r.after_watching);
}

} // namespace

bool records_entry::operator==(const records_entry& o) const
{
    return attempts == o.attempts && passed == o.passed && best_ticks == o.best_ticks &&
           fewest_placements == o.fewest_placements && without_rewind == o.without_rewind &&
           unaided == o.unaided && after_watching == o.after_watching;
}

records_store::records_store(std::string path) : path(std::move(path))
{
    load();
}

bool records_store::valid_name(const std::string& name)
{
    if (name.empty() || name.size() > 255 || name[0] == '#')
        return false;
    for (char c : name)
        if (static_cast<unsigned char>(c) <= ' ' || c == 0x7f)
            return false;
    return true;
}

records_store::contents records_store::read_text(const std::string& text)
{
    contents got;
    std::istringstream in(text);
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (first) {
            first = false;
            if (line == header)
                continue;
            // A later version of the game wrote it: leave it for that one.
            const std::string prefix = "crumbleford records ";
            long long version = 0;
            if (line.rfind(prefix, 0) == 0 &&
                read_count(line.substr(prefix.size()), most_ticks, version) && version > 1) {
                got.later_version = true;
                return got;
            }
            // A damaged header costs itself; the level lines may still read.
            ++got.damaged_lines;
            continue;
        }
        if (line.empty() || line[0] == '#')
            continue;
        std::string name;
        records_entry r;
        if (!read_line(line, name, r) || got.levels.count(name)) {
            ++got.damaged_lines;
            continue;
        }
        got.levels[name] = r;
    }
    return got;
}

std::string records_store::write_text(const std::map<std::string, records_entry>& levels)
{
    std::string text = std::string(header) + "\n";
    text += "# level attempts passed best_ticks fewest_placements without_rewind unaided "
            "after_watching\n";
    for (const auto& [name, r] : levels) {
        text += name + " " + std::to_string(r.attempts) + (r.passed ? " 1 " : " 0 ");
        text += r.passed ? std::to_string(r.best_ticks) + " " + std::to_string(r.fewest_placements)
                         : std::string("- -");
        text += r.without_rewind ? " 1" : " 0";
        text += r.unaided ? " 1" : " 0";
        text += r.after_watching ? " 1\n" : " 0\n";
    }
    return text;
}

void records_store::load()
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT)
            std::cerr << "Crumbleford: cannot read the records " << path << ": none are shown"
                      << std::endl;
        return;
    }
    // A directory or a device is no records file, and one past any size
    // ours reaches is not read whole.
    std::ifstream in;
    if (S_ISREG(st.st_mode) && st.st_size <= largest_file)
        in.open(path, std::ios::binary);
    std::ostringstream text;
    if (in.is_open())
        text << in.rdbuf();
    if (!in.is_open() || in.bad()) {
        std::cerr << "Crumbleford: cannot read the records " << path << ": none are shown"
                  << std::endl;
        return;
    }
    contents got = read_text(text.str());
    if (got.later_version) {
        keep_file = true;
        std::cerr << "Crumbleford: the records " << path
                  << " are from a later version: kept as they are, and this game's are not saved"
                  << std::endl;
        return;
    }
    if (got.damaged_lines > 0)
        std::cerr << "Crumbleford: the records " << path << " have " << got.damaged_lines
                  << " damaged line(s): left out" << std::endl;
    levels = std::move(got.levels);
}

void records_store::save()
{
    if (keep_file)
        return;
    const std::string dir = durable_file::directory_of(path);
    ::mkdir(dir.c_str(), 0755); // ~/.crumbleford may not exist yet
    if (durable_file::replace(path, write_text(levels), path + ".new"))
        return;
    // The records stay in memory for this run; play goes on.
    if (!reported_save_failure)
        std::cerr << "Crumbleford: cannot save the records to " << path << std::endl;
    reported_save_failure = true;
}

records_entry records_store::of(const std::string& name) const
{
    const auto it = levels.find(name);
    return it == levels.end() ? records_entry{} : it->second;
}

void records_store::count_attempt(const std::string& name)
{
    if (!valid_name(name))
        return;
    records_entry& r = levels[name];
    if (r.attempts < most_attempts)
        ++r.attempts;
    save();
}

new_bests records_store::record_pass(const std::string& name, const level_pass& pass)
{
    new_bests fell;
    if (!valid_name(name))
        return fell;
    records_entry& r = levels[name];
    const long long ticks = std::min(std::max(pass.ticks, 0LL), most_ticks);
    const long long placements =
        std::min(std::max(pass.placements, 0LL), static_cast<long long>(most_attempts));
    if (r.passed) {
        fell.time = ticks < r.best_ticks;
        fell.placements = placements < r.fewest_placements;
        r.best_ticks = std::min(r.best_ticks, ticks);
        r.fewest_placements = std::min(r.fewest_placements, placements);
    } else {
        r.passed = true;
        r.best_ticks = ticks;
        r.fewest_placements = placements;
    }
    // A pass is an attempt, even one begun before the records were lost.
    if (r.attempts == 0)
        r.attempts = 1;
    r.without_rewind = r.without_rewind || !pass.rewound;
    r.unaided = r.unaided || !pass.watched;
    r.after_watching = r.after_watching || pass.watched;
    save();
    return fell;
}

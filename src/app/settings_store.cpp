#include "settings_store.h"

#include "durable_file.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

bool valid_word(const std::string& w)
{
    if (w.empty())
        return false;
    for (char c : w)
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\0')
            return false;
    return true;
}

} // namespace

settings_store::settings_store(std::string path) : path(std::move(path))
{
    load(false);
}

void settings_store::load(bool quietly)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return;
    std::map<std::string, std::string> read;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.empty())
            continue;
        std::istringstream words(line);
        std::string key, value, extra;
        if (!(words >> key >> value) || (words >> extra) || !valid_word(key) ||
            !valid_word(value)) {
            if (!quietly)
                std::cerr << "Crumbleford: " << path << " line " << number
                          << " is not a \"key value\" pair: left out" << std::endl;
            continue;
        }
        read[key] = value;
    }
    if (in.bad())
        return;
    values = std::move(read);
}

void settings_store::report_bad(const std::string& key, const std::string& expected) const
{
    // Every screen that shows a setting reads it anew: the player hears of
    // a bad value once.
    static std::set<std::string> reported;
    if (!reported.insert(path + '\n' + key).second)
        return;
    std::cerr << "Crumbleford: " << path << ": " << key << " \"" << values.at(key) << "\" is not "
              << expected << ": using the default" << std::endl;
}

int settings_store::get_number(const std::string& key, int lowest, int highest, int fallback) const
{
    const auto it = values.find(key);
    if (it == values.end())
        return fallback;
    // Digits only, whatever the locale: a sign or a decimal mark is no number here.
    const std::string& text = it->second;
    bool digits = !text.empty() && text.size() <= 9;
    for (char c : text)
        digits = digits && c >= '0' && c <= '9';
    const long n = digits ? std::strtol(text.c_str(), nullptr, 10) : -1;
    if (!digits || n < lowest || n > highest) {
        report_bad(key, "a whole number from " + std::to_string(lowest) + " to " +
                            std::to_string(highest));
        return fallback;
    }
    return static_cast<int>(n);
}

std::string settings_store::get_choice(const std::string& key,
                                       const std::vector<std::string>& choices,
                                       const std::string& fallback) const
{
    const auto it = values.find(key);
    if (it == values.end())
        return fallback;
    std::string names;
    for (const std::string& c : choices) {
        if (it->second == c)
            return it->second;
        names += names.empty() ? c : " or " + c;
    }
    report_bad(key, names);
    return fallback;
}

std::string settings_store::get(const std::string& key, const std::string& fallback) const
{
    const auto it = values.find(key);
    return it == values.end() ? fallback : it->second;
}

bool settings_store::set(const std::string& key, const std::string& value)
{
    if (!valid_word(key) || !valid_word(value))
        return false;
    // Another store may have changed the file since: start from it.
    load(true);
    const auto old = values;
    values[key] = value;
    if (save())
        return true;
    values = old;
    return false;
}

bool settings_store::save() const
{
    const std::string dir = durable_file::directory_of(path);
    ::mkdir(dir.c_str(), 0755); // ~/.crumbleford may not exist yet
    std::string text;
    for (const auto& [key, value] : values)
        text += key + " " + value + "\n";
    return durable_file::replace(path, text, path + ".new");
}

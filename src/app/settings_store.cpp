#include "settings_store.h"

#include "durable_file.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
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
    load();
}

void settings_store::load()
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return;
    std::map<std::string, std::string> read;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty())
            continue;
        std::istringstream words(line);
        std::string key, value, extra;
        // Anything but two words a line is not a file of ours: defaults.
        if (!(words >> key >> value) || (words >> extra))
            return;
        read[key] = value;
    }
    if (in.bad())
        return;
    values = std::move(read);
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

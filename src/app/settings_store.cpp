#include "settings_store.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

std::string directory_of(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool write_all(int fd, const std::string& text)
{
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

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
    const std::string dir = directory_of(path);
    ::mkdir(dir.c_str(), 0755); // ~/.crumbleford may not exist yet
    std::string text;
    for (const auto& [key, value] : values)
        text += key + " " + value + "\n";
    const std::string temp = path + ".new";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = write_all(fd, text) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // The rename itself is made durable; best effort, the data is synced.
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

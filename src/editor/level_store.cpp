#include "level_store.h"

#include "catalogue.h"
#include "cfg.h"
#include "durable_file.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// Creates the directory and its missing parents.
bool make_directories(const std::string& dir)
{
    for (size_t end = 1; end <= dir.size(); ++end) {
        if (end < dir.size() && dir[end] != '/')
            continue;
        if (::mkdir(dir.substr(0, end).c_str(), 0755) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st;
    return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool is_name_char(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
}

} // namespace

level_store::level_store(std::string dir) : directory(std::move(dir))
{
    if (directory.empty() || directory.back() != '/')
        directory += '/';
}

bool level_store::name_is_safe(const std::string& name)
{
    if (name.empty() || name.size() > max_name_length)
        return false;
    if (name[0] == '-' || name[0] == '_')
        return false;
    return std::all_of(name.begin(), name.end(), is_name_char);
}

std::string level_store::path_of(const std::string& name) const
{
    return directory + name + cfg::level_suffix;
}

std::vector<std::string> level_store::names() const
{
    std::vector<std::string> found;
    DIR* dir = ::opendir(directory.c_str());
    if (!dir)
        return found;
    const std::string suffix = cfg::level_suffix;
    while (dirent* entry = ::readdir(dir)) {
        const std::string file = entry->d_name;
        if (file.size() <= suffix.size() ||
            file.compare(file.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        const std::string name = file.substr(0, file.size() - suffix.size());
        // Temporaries, names we would not write and directories are not
        // levels of ours.
        struct stat st;
        if (name_is_safe(name) && ::stat((directory + file).c_str(), &st) == 0 &&
            S_ISREG(st.st_mode))
            found.push_back(name);
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end());
    return found;
}

bool level_store::read(const std::string& name, std::string& text) const
{
    if (!name_is_safe(name))
        return false;
    struct stat st;
    if (::stat(path_of(name).c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    std::ifstream in(path_of(name), std::ios::binary);
    if (!in.is_open())
        return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return !in.bad();
}

bool level_store::save(const std::string& name, const std::string& text, std::string& error) const
{
    if (!name_is_safe(name)) {
        error = cf_tr("editor", "UNSAFE NAME");
        return false;
    }
    if (!make_directory()) {
        error = cf_tr("editor", "CANNOT MAKE LEVEL FOLDER");
        return false;
    }
    if (!write_file(path_of(name), text)) {
        error = cf_tr("editor", "SAVE FAILED");
        return false;
    }
    error.clear();
    return true;
}

bool level_store::make_directory() const
{
    return make_directories(directory.substr(0, directory.size() - 1));
}

bool level_store::write_file(const std::string& path, const std::string& text)
{
    const std::string::size_type slash = path.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    // The leading dot keeps a leftover temporary out of the level list.
    const std::string temporary = dir + "." + file + ".tmp";
    return durable_file::replace(path, text, temporary);
}

bool level_store::remove(const std::string& name) const
{
    if (!name_is_safe(name))
        return false;
    const bool ok = ::unlink(path_of(name).c_str()) == 0;
    if (ok)
        durable_file::sync_directory(directory);
    return ok;
}

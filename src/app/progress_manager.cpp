#include "progress_manager.h"

#include "cfg.h"
#include "data_text.h"
#include "durable_file.h"
#include "extra_functions.h"
#include "level_format.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <locale>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

enum class open_result { opened, missing, failed };

open_result open_for_reading(const std::string& path, std::ifstream& in)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return errno == ENOENT ? open_result::missing : open_result::failed;
    // A directory opens like a file but yields nothing to read, and a device
    // such as /dev/zero would never end: only a regular file is read.
    if (!S_ISREG(st.st_mode))
        return open_result::failed;
    in.open(path);
    if (!in.is_open())
        return open_result::failed;
    in.imbue(std::locale::classic());
    data_text::skip_byte_order_mark(in);
    return open_result::opened;
}

void report_open_error(const std::string& path)
{
    std::cout << "error opening: " << path << std::endl;
}

} // namespace

progress_manager::progress_manager()
    : progress_manager(cfg::menus_list, cfg::levels_list, cfg::passed_levels, cfg::menu_directory)
{
}

progress_manager::progress_manager(const std::string& menus_list_path,
                                   const std::string& levels_list_path,
                                   const std::string& progress_path,
                                   const std::string& menu_directory)
    : menus_list_path(menus_list_path), levels_list_path(levels_list_path),
      progress_path(progress_path), menu_directory(menu_directory),
      map_memory(std::make_unique<settings_store>(durable_file::directory_of(progress_path) +
                                                  "/map_state")),
      // Beside the progress file: cfg::records_file for the player's own.
      records(durable_file::directory_of(progress_path) + "/records")
{
    levels_directory = cfg::levels_directory;
    load();
    const std::string page = map_memory->get("announced_page", "");
    if (!page.empty() && page.size() <= 9 &&
        std::all_of(page.begin(), page.end(), [](char c) { return c >= '0' && c <= '9'; }))
        announced_page = std::stoi(page);
    last_level = map_memory->get("last_played", "");
}

void progress_manager::load()
{
    std::ifstream levels_in;
    std::ifstream menus_in;
    std::ifstream progress_in;
    const open_result levels_state = open_for_reading(levels_list_path, levels_in);
    const open_result menus_state = open_for_reading(menus_list_path, menus_in);
    const open_result progress_state = open_for_reading(progress_path, progress_in);

    // No progress file yet means a first start: nothing passed, no complaint.
    // One that exists but cannot be read is reported like the lists.
    if (progress_state == open_result::failed) {
        report_open_error(progress_path);
        return;
    }
    if (menus_state != open_result::opened) {
        report_open_error(menus_list_path);
        return;
    }
    if (levels_state != open_result::opened) {
        report_open_error(levels_list_path);
        return;
    }

    unsigned int number;
    while (menus_in >> number)
        menus.push_back(number);

    std::string name;
    if (progress_state == open_result::opened)
        while (progress_in >> name)
            passed_names.push_back(name);

    while (levels_in >> name) {
        lvl_struct level;
        level.name = name;
        level.passed =
            std::find(passed_names.begin(), passed_names.end(), name) != passed_names.end();
        if (level.passed)
            ++passed_count;
        levels.push_back(level);
    }
}

bool progress_manager::check_if_passed(const std::string& name) const
{
    for (const lvl_struct& level : levels)
        if (level.name == name)
            return level.passed;
    return false;
}

void progress_manager::set_level_passed(const std::string& name)
{
    for (lvl_struct& level : levels) {
        if (level.name != name)
            continue;
        if (level.passed)
            return;
        level.passed = true;
        ++passed_count;
        // The level stays passed for this run even if it could not be saved.
        if (!append_line(name))
            std::cout << "error saving progress to: " << progress_path << std::endl;
        return;
    }
}

bool progress_manager::append_line(const std::string& line)
{
    const std::string dir = durable_file::directory_of(progress_path);
    bool dir_created = false;
    if (::mkdir(dir.c_str(), 0755) == 0)
        dir_created = true;
    else if (errno != EEXIST)
        return false;

    bool file_created = false;
    int fd = ::open(progress_path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
    if (fd < 0 && errno == EACCES)
        fd = ::open(progress_path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd =
            ::open(progress_path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        file_created = fd >= 0;
    }
    if (fd < 0)
        return false;

    std::string text = line + '\n';
    // A hand-edited file may end without a line end; our name must not run
    // into the last one there.
    const off_t end = ::lseek(fd, 0, SEEK_END);
    char last = '\n';
    if (end > 0 && ::pread(fd, &last, 1, end - 1) == 1 && last != '\n')
        text.insert(text.begin(), '\n');

    // The pass must survive a crash or a power cut right after it.
    bool ok = durable_file::write_all(fd, text) && ::fsync(fd) == 0;
    if (::close(fd) != 0)
        ok = false;
    if (file_created)
        durable_file::sync_directory(dir);
    if (dir_created)
        durable_file::sync_directory(durable_file::directory_of(dir));
    return ok;
}

std::vector<std::string> progress_manager::get_new_menuses()
{
    std::vector<std::string> paths;
    for (unsigned int number : menus)
        if (static_cast<long long>(number) > last_unlocked && number <= passed_count)
            paths.push_back(menu_directory + extra_functions::uint_to_string(number) +
                            cfg::menu_suffix);
    last_unlocked = static_cast<int>(passed_count);
    return paths;
}

std::vector<std::string> progress_manager::get_all_menuses()
{
    last_unlocked = -1;
    return get_new_menuses();
}

int progress_manager::newest_page() const
{
    int newest = -1;
    for (unsigned int number : menus)
        if (number <= passed_count)
            newest = std::max(newest, static_cast<int>(number));
    return newest;
}

bool progress_manager::take_page_announcement()
{
    const int newest = newest_page();
    if (newest < 0 || newest <= announced_page)
        return false;
    const bool first_map = announced_page < 0;
    announced_page = newest;
    map_memory->set("announced_page",
                    extra_functions::uint_to_string(static_cast<unsigned>(newest)));
    return !first_map;
}

void progress_manager::set_last_played(const std::string& name)
{
    if (name == last_level)
        return;
    last_level = name;
    map_memory->set("last_played", name);
}

std::string progress_manager::next_level(const std::string& after) const
{
    // The doors a player can reach: those on the pages unlocked by now.
    std::vector<std::string> doors;
    for (unsigned int number : menus) {
        if (number > passed_count)
            continue;
        std::ifstream page(menu_directory + extra_functions::uint_to_string(number) +
                           cfg::menu_suffix);
        long long line_number = 0;
        for (std::string line; std::getline(page, line);) {
            const auto r = level_format::read_record(line, ++line_number, nullptr);
            if (r && r->kind == level_record::level_entrance)
                doors.push_back(r->level);
        }
    }
    const auto here = std::find_if(levels.begin(), levels.end(),
                                   [&](const lvl_struct& l) { return l.name == after; });
    const std::size_t start = here == levels.end() ? 0 : (here - levels.begin()) + 1;
    for (std::size_t k = 0; k < levels.size(); ++k) {
        const lvl_struct& level = levels[(start + k) % levels.size()];
        if (level.passed || level.name == after)
            continue;
        if (std::find(doors.begin(), doors.end(), level.name) != doors.end())
            return level.name;
    }
    return "";
}

bool progress_manager::is_listed(const std::string& name) const
{
    return std::any_of(levels.begin(), levels.end(),
                       [&](const lvl_struct& l) { return l.name == name; });
}

void progress_manager::count_attempt(const std::string& name)
{
    if (is_listed(name))
        records.count_attempt(name);
}

new_bests progress_manager::record_pass(const std::string& name, const level_pass& pass)
{
    return is_listed(name) ? records.record_pass(name, pass) : new_bests{};
}

records_entry progress_manager::record_of(const std::string& name) const
{
    return records.of(name);
}

int progress_manager::par_of(const std::string& name) const
{
    const auto known = pars.find(name);
    if (known != pars.end())
        return known->second;
    std::ifstream in(levels_directory + name + cfg::level_suffix, std::ios::binary);
    std::string header;
    // The header is the comment lines at the top: a few short lines.
    for (std::string line; header.size() < 4096 && std::getline(in, line);) {
        if (line.empty() || line[0] != '#')
            break;
        header += line + "\n";
    }
    const std::string word = level_format::header_value(header, "par");
    const auto par = level_format::unsigned_number(word, 0, 1000000);
    const int value = par ? static_cast<int>(*par) : -1;
    pars[name] = value;
    return value;
}

bool progress_manager::at_or_under_par(const std::string& name) const
{
    if (!check_if_passed(name))
        return false;
    const records_entry r = records.of(name);
    const int par = r.passed ? par_of(name) : -1;
    return par >= 0 && r.fewest_placements <= par;
}

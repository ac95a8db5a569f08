#ifndef CRUMBLEFORD_TESTS_CAMPAIGN_FILES_H
#define CRUMBLEFORD_TESTS_CAMPAIGN_FILES_H

// The shipped campaign as the tests read it: the staged level list and
// whole files.

#include <cstddef>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace campaign_files
{

inline const std::string levels_dir = CF_STAGE_DIR "maps/levels/";
// List position of level 13, the first puzzle level: from here on a level
// has a par and must not fall to thoughtless play.
constexpr std::size_t first_puzzle = 12;

inline std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The names of levels.list, from list position `from` on.
inline std::vector<std::string> level_names(std::size_t from = 0)
{
    std::istringstream in(read_file(levels_dir + "levels.list"));
    std::vector<std::string> names;
    std::size_t position = 0;
    for (std::string name; in >> name; ++position)
        if (position >= from)
            names.push_back(name);
    return names;
}

} // namespace campaign_files

#endif

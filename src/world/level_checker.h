#ifndef CRUMBLEFORD_WORLD_LEVEL_CHECKER_H
#define CRUMBLEFORD_WORLD_LEVEL_CHECKER_H

// Reads level files, map pages and their lists the way the game reads them
// and lists what would go wrong or go unnoticed: words the loader skips or
// reads as a default, objects outside the map or on a taken cell, exits no
// character can use, stock the HUD cannot show, and doors that do not match
// the level list. It builds no world objects, so it needs no scene.

#include "checked_world.h"

#include <set>
#include <string>
#include <vector>

class level_checker
{
  public:
    // Checks the files. A file named menus.list brings in its pages (N.menu
    // beside it), read in list order into one map as the map screen reads
    // them; levels.list brings in its levels (NAME.level beside it). Other
    // files are checked alone: .menu as a map page, anything else as a level.
    std::vector<check_finding> check(const std::vector<std::string>& paths);

  private:
    void report(const std::string& file, long long line, const std::string& message);
    void read_levels_list(const std::string& path);
    void read_menus_list(const std::string& path);
    void collect_doors(const checked_world& w);
    void check_doors();

    std::vector<check_finding> findings;
    std::vector<checked_world::door> doors;
    // The level list, when given: names in order with their lines.
    bool have_levels_list = false;
    std::string levels_list_path;
    std::vector<std::pair<std::string, long long>> listed_levels;
    // The map list, when given: page numbers in order with their lines.
    bool have_menus_list = false;
    std::string menus_list_path;
    std::vector<std::pair<unsigned, long long>> listed_pages;
    std::set<std::string> checked; // paths already read
};

#endif

#ifndef CRUMBLEFORD_WORLD_LEVEL_CHECKER_H
#define CRUMBLEFORD_WORLD_LEVEL_CHECKER_H

// Reads level files, map pages and their lists the way the game reads them
// and lists what would go wrong or go unnoticed: words the loader skips or
// reads as a default, objects outside the map or on a taken cell, exits no
// character can use, stock the HUD cannot show, and doors that do not match
// the level list. It builds no world objects, so it needs no scene.

#include <map>
#include <set>
#include <string>
#include <vector>

struct check_finding {
    std::string file;
    long long line = 0;
    std::string message;
};

class level_checker
{
  public:
    // Checks the files. A file named menus.list brings in its pages (N.menu
    // beside it), read in list order into one map as the map screen reads
    // them; levels.list brings in its levels (NAME.level beside it). Other
    // files are checked alone: .menu as a map page, anything else as a level.
    std::vector<check_finding> check(const std::vector<std::string>& paths);

  private:
    // One object of the world being read, as far as the checks need it.
    struct thing {
        std::string kind;         // the record's keyword, or "frame"
        unsigned char colour = 7; // colour flags
        long long x = 0, y = 0, size = 0;
        std::string file;
        long long line = 0;
        bool alive = true;
        unsigned char slot_colours[3] = {0, 0, 0}; // characters only
    };
    // The map as one file or a run of pages builds it.
    struct world {
        bool has_grid = false;
        long long width = 0, height = 0;
        std::map<std::pair<long long, long long>, size_t> cells; // -> index in things
        std::vector<thing> things;
        bool delete_may_miss = false; // pages alone may delete what earlier pages built
        long long focused = 0, focused_line = 0;
        bool grid_object_in_file = false;
    };
    struct door {
        std::string level, file;
        long long line = 0;
        unsigned page = 0;
    };

    void report(const std::string& file, long long line, const std::string& message);
    // Reads one file's records into `w`; `page` says it is a map page. False when
    // the file cannot be read.
    bool read_file(const std::string& path, world& w, bool page, unsigned page_number);
    void read_record(const std::string& path, long long line, const std::vector<std::string>& words,
                     world& w, bool page, unsigned page_number);
    void check_level_end(const std::string& path, const world& w);
    // Movers that start inside a block they meet are stuck, or dead, from the start.
    void check_starts(const world& w);
    void read_levels_list(const std::string& path);
    void read_menus_list(const std::string& path);
    void check_doors();

    std::vector<check_finding> findings;
    std::vector<door> doors;
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

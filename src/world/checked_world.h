#ifndef CRUMBLEFORD_WORLD_CHECKED_WORLD_H
#define CRUMBLEFORD_WORLD_CHECKED_WORLD_H

// One world as the level checker reads it: a level file, or a run of map
// pages read into one map, kept as records with their places rather than as
// live objects. Reading reports what the loader would skip, read as a default
// or misplace; the end checks report what makes the world unplayable. The
// findings go to a list the caller owns.

#include <map>
#include <string>
#include <utility>
#include <vector>

struct level_record;

struct check_finding {
    std::string file;
    long long line = 0;
    std::string message;
    // For the findings a level drawn in the editor can have: the message's
    // English pattern ("%1 exit: ...") and what fills it, so the editor can
    // say it in the player's language. Empty for the others.
    std::string pattern;
    std::vector<std::string> args;
};

class checked_world
{
  public:
    // `pages`: the files are map pages. `deletes_may_miss`: earlier pages are
    // not known, so a delete that hits nothing is no finding.
    checked_world(std::vector<check_finding>& findings, bool pages, bool deletes_may_miss);

    // Reads one more file's records; false when it cannot be read.
    bool read_file(const std::string& path, unsigned page_number);
    // Movers that start inside a block they meet are stuck, or dead, from the start.
    void check_starts();
    // What a level needs to be passable: a grid, characters, exits they can use.
    void check_level_end(const std::string& path);
    // The characters left at the end, by file and line.
    std::vector<std::pair<std::string, long long>> characters() const;

    struct door {
        std::string level, file;
        long long line = 0;
        unsigned page = 0;
    };
    std::vector<door> doors; // level_entrance records of map pages, in order

  private:
    struct thing {
        std::string kind;  // the record's keyword, or "frame"
        bool grid = false; // held in a map cell
        bool character = false;
        unsigned char colour = 7; // colour flags
        long long x = 0, y = 0, size = 0;
        std::string file;
        long long line = 0;
        bool alive = true;
    };

    void report(const std::string& file, long long line, const std::string& message);
    void report(const std::string& file, long long line, const char* pattern,
                const std::vector<std::string>& args);
    void check_record(const std::string& path, long long line, const level_record& r,
                      unsigned page_number);

    std::vector<check_finding>& findings;
    bool page;
    bool deletes_may_miss;
    bool has_grid = false;
    long long width = 0, height = 0;
    std::map<std::pair<long long, long long>, size_t> cells; // -> index in things
    std::vector<thing> things;
    long long focused = 0, focused_line = 0;
    bool grid_object_in_file = false;
};

#endif

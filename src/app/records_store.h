#ifndef CRUMBLEFORD_APP_RECORDS_STORE_H
#define CRUMBLEFORD_APP_RECORDS_STORE_H

// How the player did in each level: attempts, best time, fewest placements
// and how the passes were made. Kept in its own text file beside the
// progress file and rewritten whole (temporary, sync, rename) whenever a
// record changes. The progress file, not this one, says what is passed: a
// records file lost or damaged costs records, never progress. The progress
// store owns the one instance.
//
// The file (docs/records.md):
//   crumbleford records 1
//   # level attempts passed best_ticks fewest_placements without_rewind unaided after_watching
//   14 5 1 1260 3 1 1 0
//   15 2 0 - - 0 0 0
// One level a line, its name first (no blanks, not starting with '#').
// attempts counts starts and restarts; best_ticks and fewest_placements are
// "-" until the level is passed; the last three are 0 or 1: some pass used
// no rewind, some pass came without watching the solution, some pass came
// after watching it. Lines starting with '#' are comments. A line that does
// not read so is left out and the others still count.

#include <map>
#include <string>

struct records_entry {
    unsigned long attempts = 0;
    bool passed = false;
    long long best_ticks = -1;        // world ticks; -1 until passed
    long long fewest_placements = -1; // -1 until passed
    bool without_rewind = false;
    bool unaided = false;
    bool after_watching = false;

    bool operator==(const records_entry& o) const;
};

// One passing attempt, as the level saw it.
struct level_pass {
    long long ticks = 0;
    long long placements = 0;
    bool rewound = false;
    bool watched = false;
};

// Which records a pass beat; a first pass beats none.
struct new_bests {
    bool time = false;
    bool placements = false;
    bool any() const { return time || placements; }
};

class records_store
{
  public:
    static constexpr const char* header = "crumbleford records 1";

    // Reads the file; a missing one is no records yet.
    explicit records_store(std::string path);

    // The level's record; all zeros when it has none.
    records_entry of(const std::string& name) const;
    // A new attempt began; saved at once.
    void count_attempt(const std::string& name);
    // A pass: keeps the better time and count and sets the flags; saved at once.
    new_bests record_pass(const std::string& name, const level_pass& pass);

    // What a file's text holds, with how many lines were left out and
    // whether it is of a later version this one must not overwrite.
    struct contents {
        std::map<std::string, records_entry> levels;
        int damaged_lines = 0;
        bool later_version = false;
    };
    static contents read_text(const std::string& text);
    static std::string write_text(const std::map<std::string, records_entry>& levels);
    static bool valid_name(const std::string& name);

  private:
    void load();
    void save();

    std::string path;
    std::map<std::string, records_entry> levels;
    // A file this version cannot read is not replaced by what it knows.
    bool keep_file = false;
    bool reported_save_failure = false;
};

#endif

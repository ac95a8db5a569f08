#ifndef CRUMBLEFORD_APP_PROGRESS_MANAGER_H
#define CRUMBLEFORD_APP_PROGRESS_MANAGER_H

// Which levels the player has passed, and which map files make up the map
// screen. Reads the map list, the level list and the per-user progress file
// once; appends to the progress file as levels are passed. The view creates
// the one instance and owns it for the life of the program.

#include "records_store.h"
#include "settings_store.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

struct lvl_struct {
    std::string name;
    bool passed = false;
};

class progress_manager
{
  public:
    // The installed lists and the progress file in the player's home.
    progress_manager();
    // Explicit files; map N is read from menu_directory + N + the map suffix.
    progress_manager(const std::string& menus_list_path, const std::string& levels_list_path,
                     const std::string& progress_path, const std::string& menu_directory);

    bool check_if_passed(const std::string& name) const;
    // Marks a listed level as passed and appends it to the progress file.
    void set_level_passed(const std::string& name);
    // Paths of the map files unlocked since the last call of either query.
    std::vector<std::string> get_new_menuses();
    // Paths of every unlocked map file.
    std::vector<std::string> get_all_menuses();
    // The level to play after `after`: the first one after it in list order,
    // wrapping round, that is not passed and has its door on an unlocked
    // map page; "" when none is left.
    std::string next_level(const std::string& after) const;

    // The newest map page joined so far (-1: none). A page N joins when N
    // levels are passed.
    int newest_page() const;
    // True once for each newly joined page, and remembered beside the
    // progress file. The first map ever shown announces nothing: its pages
    // were there from the start.
    bool take_page_announcement();
    // The level last entered from the map, so that a new map screen puts
    // its character back at that door; "" when none.
    const std::string& last_played() const { return last_level; }
    void set_last_played(const std::string& name);

    // Records are kept for listed levels only, as progress is.
    void count_attempt(const std::string& name);
    new_bests record_pass(const std::string& name, const level_pass& pass);
    records_entry record_of(const std::string& name) const;
    // The level's par from its file's header ("# par: 3"), -1 when it has none.
    int par_of(const std::string& name) const;
    // Passed, and passed once with no more placements than its par.
    bool at_or_under_par(const std::string& name) const;
    // Where par_of reads the level files.
    std::string levels_directory;

    std::vector<lvl_struct> levels;        // level list order
    std::vector<unsigned int> menus;       // map list order
    std::vector<std::string> passed_names; // as read at start-up
    unsigned int passed_count = 0;
    int last_unlocked = -1; // passed_count when maps were last handed out

  private:
    void load();
    bool is_listed(const std::string& name) const;
    // Appends one line and forces it to disk; false if any step failed.
    bool append_line(const std::string& line);

    std::string menus_list_path;
    std::string levels_list_path;
    std::string progress_path;
    std::string menu_directory;
    // The map screen's memory: its own small file, since the progress file
    // is only ever appended to. Kept here too, for when it cannot be saved.
    std::unique_ptr<settings_store> map_memory;
    records_store records;
    mutable std::map<std::string, int> pars; // read once a level
    int announced_page = -1;
    std::string last_level;
};

#endif

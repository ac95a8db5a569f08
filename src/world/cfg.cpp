#include "cfg.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

#ifndef CF_MAIN_DIRECTORY
#define CF_MAIN_DIRECTORY "/opt/crumbleford/"
#endif

namespace
{

// The progress file lives in the home of whoever plays, not of a fixed user.
std::string home_directory()
{
    const char* home = std::getenv("HOME");
    if (home && *home)
        return home;
    if (const passwd* pw = getpwuid(getuid()))
        if (pw->pw_dir)
            return pw->pw_dir;
    return ".";
}

// CRUMBLEFORD_DATA_DIR points the game at data elsewhere than where it was
// built to be installed: a package's tests run before anything is installed.
std::string data_directory()
{
    const char* dir = std::getenv("CRUMBLEFORD_DATA_DIR");
    if (!dir || !*dir)
        return CF_MAIN_DIRECTORY;
    std::string path = dir;
    if (path.back() != '/')
        path += '/';
    return path;
}

} // namespace

namespace cfg
{

// Defined in one translation unit, in dependency order, so each derived
// string is built after the one it extends.
const unsigned int all_expendables = stock_expendable;
const std::string main_directory = data_directory();
const std::string tex_directory = main_directory + "textures/";
const std::string maps_directory = main_directory + "maps/";
const std::string levels_directory = maps_directory + "levels/";
const std::string menu_directory = maps_directory + "menu/";
const std::string menu_suffix = ".menu";
const std::string level_suffix = ".level";
const std::string menus_list = menu_directory + "menus.list";
const std::string levels_list = levels_directory + "levels.list";
const std::string solutions_directory = main_directory + "solutions/";
const std::string solution_suffix = ".script";
const std::string passed_levels = home_directory() + "/.crumbleford/passed_levels";
const std::string records_file = home_directory() + "/.crumbleford/records";
const std::string settings_file = home_directory() + "/.crumbleford/settings";
const std::string attempt_file = home_directory() + "/.crumbleford/attempt";
const std::string instance_lock = home_directory() + "/.crumbleford/running.lock";
const std::string sounds_directory = main_directory + "sounds/";
const std::string translations_directory = main_directory + "translations/";
const std::string own_levels_directory = home_directory() + "/.crumbleford/levels/";
const unsigned char white = red | green | blue;
const long long max_speed = (multiplier * 8 - multiplier) / 10 * 60 - 1;

} // namespace cfg

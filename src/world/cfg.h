#ifndef CRUMBLEFORD_WORLD_CFG_H
#define CRUMBLEFORD_WORLD_CFG_H

// The fixed vocabulary of the world: units, type flags, directions, colours,
// drawer kinds, the speed limit and the installed file names.

#include <string>

namespace cfg
{

// One block edge in world units.
constexpr long long multiplier = 10000000;

// Object-type flags; each world object carries exactly one.
constexpr unsigned int static0 = 0x1;
constexpr unsigned int spike = 0x2;
constexpr unsigned int stock_expendable = 0x4;
constexpr unsigned int cloud = 0x100;
constexpr unsigned int character = 0x200;
constexpr unsigned int entrance = 0x400;
constexpr unsigned int exit = 0x800;
constexpr unsigned int destroyer = 0x1000; // a stock slot type that places bombs
constexpr unsigned int falling = 0x2000;
constexpr unsigned int bomb = 0x4000;

constexpr unsigned int all = 0xFFFFF;
constexpr unsigned int all_static = 0xFF;
extern const unsigned int all_expendables;

// Direction bits.
constexpr unsigned char p = 0x10; // right, +x
constexpr unsigned char l = 0x20; // left, -x
constexpr unsigned char d = 0x40; // down, +y
constexpr unsigned char g = 0x80; // up, -y

// Colour flags; colour numbers are 0 white, 1 red, 2 green, 3 blue.
constexpr unsigned char red = 0x1;
constexpr unsigned char green = 0x2;
constexpr unsigned char blue = 0x4;
extern const unsigned char white;

// Drawer kinds.
constexpr unsigned char drawer_drawer_type = 0x1;
constexpr unsigned char drawer_mv_type = 0x2;
constexpr unsigned char drawer_ctrl_type = 0x4;

extern const long long max_speed;

extern const std::string main_directory;
extern const std::string tex_directory;
extern const std::string maps_directory;
extern const std::string levels_directory;
extern const std::string menu_directory;
extern const std::string menu_suffix;
extern const std::string level_suffix;
extern const std::string menus_list;
extern const std::string levels_list;
// The recorded solution of each shipped level, by the level's name: a
// stuck player can watch it.
extern const std::string solutions_directory;
extern const std::string solution_suffix;
extern const std::string passed_levels;
// How each level went: attempts, best time, fewest placements.
extern const std::string records_file;
extern const std::string settings_file;
// The attempt in progress, kept while a level is played.
extern const std::string attempt_file;
// Held by the running game: a second start finds it taken.
extern const std::string instance_lock;
extern const std::string sounds_directory;
extern const std::string translations_directory; // the compiled catalogues
// The player's own levels, made in the editor.
extern const std::string own_levels_directory;

} // namespace cfg

#endif

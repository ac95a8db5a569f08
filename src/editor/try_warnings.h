#ifndef CRUMBLEFORD_EDITOR_TRY_WARNINGS_H
#define CRUMBLEFORD_EDITOR_TRY_WARNINGS_H

// What the level checker finds in a level about to be tried, as the lines of
// the editor's warning. The player never saw the file, so its name and line
// numbers are left out; the messages say where in the map.

#include <string>
#include <vector>

class try_warnings
{
  public:
    // The checker's messages for the level file, each once, in file order.
    static std::vector<std::string> of_file(const std::string& path);
    // Breaks text at spaces into lines of at most `width` characters; a word
    // longer than that gets a line of its own.
    static std::vector<std::string> wrap(const std::string& text, size_t width);
};

#endif

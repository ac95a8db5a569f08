#ifndef CRUMBLEFORD_EDITOR_LEVEL_STORE_H
#define CRUMBLEFORD_EDITOR_LEVEL_STORE_H

// The player's own levels: one ".level" file each in one directory. A save
// goes through a synced temporary file and a rename, so a crash leaves the
// old file or the new one, never half of one.

#include <string>
#include <vector>

class level_store
{
  public:
    explicit level_store(std::string directory);

    // Letters, digits, '-' and '_', starting with a letter or digit: nothing
    // that could leave the directory, hide the file or confuse a shell.
    static bool name_is_safe(const std::string& name);
    static constexpr size_t max_name_length = 24;

    std::string path_of(const std::string& name) const;
    // The names of the saved levels, sorted.
    std::vector<std::string> names() const;
    bool read(const std::string& name, std::string& text) const;
    // On failure `error` holds the message to show and any earlier file of
    // that name is left as it was.
    bool save(const std::string& name, const std::string& text, std::string& error) const;
    bool remove(const std::string& name) const;
    // The file a test-play reads; hidden from the list of names.
    std::string tryout_path() const { return directory + ".tryout" + ".level"; }
    // Writes text to path through a synced temporary beside it and a rename.
    static bool write_file(const std::string& path, const std::string& text);
    // Makes the directory (and its parents) when missing.
    bool make_directory() const;

    std::string directory; // with a trailing slash
};

#endif

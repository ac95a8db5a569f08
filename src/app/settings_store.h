#ifndef CRUMBLEFORD_APP_SETTINGS_STORE_H
#define CRUMBLEFORD_APP_SETTINGS_STORE_H

// The player's settings in one small text file, a "key value" pair a line.
// A file that cannot be read counts as no settings: the defaults; a line
// that is not a pair is left out with one line on standard error, and the
// others still count. Keys this version does not know are kept. Saving
// writes a temporary file beside it, syncs it and renames it over the old
// one, so a crash leaves either the old file or the new, never half of one.
// Several stores may share a file (the sound player's, the settings
// screen's): each change is made to the file as it is on disk then.

#include <map>
#include <string>
#include <vector>

class settings_store
{
  public:
    explicit settings_store(std::string path);

    // The value of key, or fallback when the file does not set it.
    std::string get(const std::string& key, const std::string& fallback) const;
    // A whole number from lowest to highest; a value that is not one says
    // so on standard error (once a key and file, however many stores read
    // it) and gives fallback.
    int get_number(const std::string& key, int lowest, int highest, int fallback) const;
    // One of the choices; anything else says so and gives fallback.
    std::string get_choice(const std::string& key, const std::vector<std::string>& choices,
                           const std::string& fallback) const;
    // Sets key and saves the whole file; false (and the old file kept) if
    // the new one could not be written.
    bool set(const std::string& key, const std::string& value);

  private:
    void load(bool quietly);
    bool save() const;
    void report_bad(const std::string& key, const std::string& expected) const;

    std::string path;
    std::map<std::string, std::string> values;
};

#endif

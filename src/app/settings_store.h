#ifndef CRUMBLEFORD_APP_SETTINGS_STORE_H
#define CRUMBLEFORD_APP_SETTINGS_STORE_H

// The player's settings in one small text file, a "key value" pair a line
// (for now only "sound on" or "sound off"). A file that cannot be read or
// parsed counts as no settings: the defaults. Saving writes a temporary
// file beside it, syncs it and renames it over the old one, so a crash
// leaves either the old file or the new, never half of one.

#include <map>
#include <string>

class settings_store
{
  public:
    explicit settings_store(std::string path);

    // The value of key, or fallback when the file does not set it.
    std::string get(const std::string& key, const std::string& fallback) const;
    // Sets key and saves the whole file; false (and the old file kept) if
    // the new one could not be written.
    bool set(const std::string& key, const std::string& value);

  private:
    void load();
    bool save() const;

    std::string path;
    std::map<std::string, std::string> values;
};

#endif

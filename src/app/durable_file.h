#ifndef CRUMBLEFORD_APP_DURABLE_FILE_H
#define CRUMBLEFORD_APP_DURABLE_FILE_H

// The one way the game writes the player's files so that a crash or a full
// disk never leaves one half written: appends are synced before they count,
// and a rewritten file goes to a temporary beside it, is synced and renamed
// over the old one. Used by the progress store, the settings and the
// player's own levels.

#include <string>

class durable_file
{
  public:
    // Writes all of text to the descriptor, going on after interruptions.
    static bool write_all(int fd, const std::string& text);
    // Makes a new or renamed directory entry durable; best effort, the data
    // itself is already synced when this runs.
    static void sync_directory(const std::string& dir);
    // The directory part of a path: "." for a bare name, "/" for the root.
    static std::string directory_of(const std::string& path);
    // Replaces the file at path with text through `temporary`, a path in the
    // same directory. On any failure the old file is left as it was and the
    // temporary is removed.
    static bool replace(const std::string& path, const std::string& text,
                        const std::string& temporary);
};

#endif

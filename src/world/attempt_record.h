#ifndef CRUMBLEFORD_WORLD_ATTEMPT_RECORD_H
#define CRUMBLEFORD_WORLD_ATTEMPT_RECORD_H

// An attempt at a level as kept between two runs of the game: which level,
// a fingerprint of its file, and the way played from its start to the
// present moment. Its text is a version line, the level, and the inputs in
// the words of the simulator's scripts, numbered by played tick:
//
//   crumbleford attempt 1
//   level 17
//   file /opt/crumbleford/maps/levels/17.level
//   fingerprint 8c3f0a9d5e7b2410
//   start 0
//   moment 95 90
//   rewound no
//   12 press Right
//   40 release Right held
//   41 place 0 5 3 right
//   stop 60 5
//   end
//
// "moment" gives the played ticks and the world ticks on the way; "rewound"
// whether the player has rewound in this attempt (records tell a pass
// without rewind); "stop T N"
// the N played ticks from T on in which the world waited (paused, drawing);
// "held" marks a key held across a rewind; "end" closes a whole file.

#include "rewind_log.h"

#include <iosfwd>
#include <string>

struct attempt_record {
    std::string level_name;
    std::string level_path;
    std::string fingerprint; // of the level file's bytes, see fingerprint_of
    played_way way;
    bool rewound = false; // in this attempt, before it was kept

    // Whether the level is one of ours, read from the installed levels.
    bool shipped() const;

    std::string text() const;
    // Reads a whole record; on false `why` says in a few words what is wrong
    // and the record is left unspecified. Never throws, whatever the text.
    bool read(std::istream& in, std::string& why);

    // Sixteen hex digits, FNV-1a over the bytes.
    static std::string fingerprint_of(const std::string& bytes);
    // The fingerprint of a file's contents, "" when it cannot be read.
    static std::string fingerprint_of_file(const std::string& path);

    static constexpr const char* header = "crumbleford attempt 1";
};

#endif

#ifndef CRUMBLEFORD_APP_ATTEMPT_KEEPER_H
#define CRUMBLEFORD_APP_ATTEMPT_KEEPER_H

// Keeps the attempt at a level in a file while it is played, at most a
// second behind, so that a game ended in any way can take the player back
// to the same moment. The file is rewritten whole (a rewind changes the
// way, not only its end) and is removed when the attempt ends for good:
// the level passed, or left for the map or the title. The level scene owns
// its keeper.

#include "attempt_record.h"

#include <string>

class level_scene;
class progress_manager;

class attempt_keeper
{
  public:
    attempt_keeper(const std::string& file, level_scene& level);

    // Once a tick: writes every `period` ticks when the way has changed.
    void tick();
    // Writes now when the way has changed since the last write.
    void save();
    // The attempt ended: the file goes, and nothing is written until a new
    // attempt begins.
    void forget();
    // RESTART: a new attempt at the same level, written at the next tick.
    void begin_again();

    static constexpr int period = 30;

    // The attempt kept in `file`, if it can be continued: a whole record of
    // this version, for a level in `progress`'s list or a level file of the
    // player's, whose file is as it was. On false, `why` is the reason.
    static bool load(const std::string& file, const progress_manager* progress,
                     attempt_record& record, std::string& why);

  private:
    struct signature {
        long long world_ticks = -1;
        std::size_t inputs = 0;
        unsigned int changes = 0; // rewinds and restarts
        bool operator==(const signature& o) const
        {
            return world_ticks == o.world_ticks && inputs == o.inputs && changes == o.changes;
        }
    };
    signature now() const;

    std::string file;
    level_scene& level;
    std::string fingerprint;
    signature written;
    int ticks_since_write = 0;
    bool ended = false;
    bool ever_written = false;
};

#endif

#ifndef CRUMBLEFORD_WORLD_REPLAY_H
#define CRUMBLEFORD_WORLD_REPLAY_H

// Replaying a level headless: a script of key and placement events applied
// between ticks, and a trace of the world after every tick. The simulator,
// the recorded solutions of our levels and the physics tests use it.

#include <iosfwd>
#include <string>
#include <vector>

struct replay_event {
    enum kind_t { press, release, place, rewind } kind = press;
    long long tick = 0; // applied before this tick runs
    int key = 0;        // toolkit key code, for press and release
    std::string key_text;
    long long slot = 0, column = 0, row = 0;
    unsigned char direction = 0;
    long long back = 0; // rewind: the world becomes the one after tick `tick` - 1 - back

    // A block drawn from stock slot `slot` into a cell.
    static replay_event placement(long long tick, long long slot, long long column, long long row,
                                  unsigned char direction)
    {
        replay_event e;
        e.kind = place;
        e.tick = tick;
        e.slot = slot;
        e.column = column;
        e.row = row;
        e.direction = direction;
        return e;
    }
};

struct replay_script {
    std::vector<replay_event> events; // in file order
    std::string error;                // "line N: ..." when the script is malformed
    bool ok() const { return error.empty(); }
};

replay_script parse_replay_script(std::istream& in);

class game_scene;

// Delivers one event to a scene as the player would; a placement prints its
// "place" trace line to `trace`. A rewind needs the scene's history and is
// only understood by run_replay.
void apply_replay_event(game_scene& scene, const replay_event& e, std::ostream& trace);

// The trace's lines for the world after tick `t`: the focus, then every
// character, cloud, falling block and bomb.
void print_world_state(game_scene& scene, long long t, std::ostream& out);

enum class replay_outcome { running, passed, failed };

struct replay_result {
    replay_outcome outcome = replay_outcome::running;
    long long ticks = 0; // ticks run
};

// Loads the level into a fresh game scene and runs up to `ticks` ticks,
// writing the trace to `trace`. Needs a QApplication.
replay_result run_replay(const std::string& level_path, const replay_script& script,
                         long long ticks, std::ostream& trace);

// The same run without a trace, for playing many scripts quickly.
replay_result run_replay_quietly(const std::string& level_path, const replay_script& script,
                                 long long ticks);

#endif

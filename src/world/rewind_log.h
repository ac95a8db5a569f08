#ifndef CRUMBLEFORD_WORLD_REWIND_LOG_H
#define CRUMBLEFORD_WORLD_REWIND_LOG_H

// The history of one attempt at a level: every input that changed the world
// and every tick played, as a tree, since a rewind leaves the ticks it goes
// back over where they are.
// The world is deterministic, so replaying this from the level file rebuilds
// any earlier moment exactly. It listens to its scene and lives beside it;
// the level scene owns it.

#include "world_listener.h"

#include <cstdint>
#include <string>
#include <vector>

class game_scene;

// The way from the level as loaded to the present moment, all a restore
// needs: what is kept of an attempt between two runs of the game.
struct played_way {
    unsigned char first_tick_counter = 0;
    std::vector<bool> world_moved; // [t - 1]: whether the world ran in played tick t
    // In order; an input's tick is the played tick it came before.
    std::vector<replay_event> inputs;
    std::vector<bool> carried; // per input: a key held across a rewind
    long long world_ticks() const;
};

class rewind_log : public world_listener
{
  public:
    // A new attempt: the level has just been loaded, with the scene's tick
    // counter at this value (the once-a-tick claims compare against it).
    // With a scene to watch, every tick also notes where its characters
    // stand, so that the moves can be told apart from idle time.
    void begin(unsigned char tick_counter, const game_scene* watched = nullptr);

    void input_applied(const replay_event& e) override;
    void tick_ended(bool world_moved) override;

    // Ticks in which the world ran on the way to the present moment.
    long long world_ticks() const;
    // The present moment: the played tick the next one follows (0: the
    // level as loaded).
    long long moment() const { return now; }
    // Ticks played since the attempt began, rewound ones included.
    long long played_ticks() const { return static_cast<long long>(ticks.size()); }
    // Inputs on the way to the present moment, for tests and for the cost
    // of a restore.
    std::size_t input_count() const;
    // The world ticks of the furthest moment the attempt reached.
    long long furthest_world_ticks() const { return furthest; }

    // The played tick right before the last move on the way to the present
    // moment (0: the level as loaded, when there is none). A move is a key
    // press, a switch or a drawn block after which the characters did not
    // stay as they were until the next one; releases, keys handed back
    // after a rewind and presses that changed nothing (walking into a wall)
    // are no moves, and the time between moves is skipped over with them.
    // Key presses less than chord_ticks apart make one move.
    long long before_last_move() const;
    static constexpr long long chord_ticks = 8;
    // The inputs waiting for the next tick are keys still held across a
    // rewind, not a new move.
    void mark_carried();
    // Blocks drawn from the stock on the way to the present moment.
    std::size_t placement_count() const;

    // Rebuilds the scene's world as it was right after world tick
    // `world_tick` of the way to the present moment (the level as loaded
    // for 0) by loading `level_path` again and replaying the history up to
    // there; later play is rewound over. Controls, the running flag and the
    // zoom are left alone. A tick beyond the last restores the last one.
    void restore(game_scene& scene, const std::string& level_path, long long world_tick);
    // The same for the moment right after played tick `played_tick`, which
    // may lie on a way a rewind has since gone back over: played ticks are
    // never forgotten. The simulator's rewind event is this.
    void restore_played(game_scene& scene, const std::string& level_path, long long played_tick);

    // The way to the present moment, rewound branches left out.
    played_way way() const;
    // Starts the history over as `way`, and the scene's world at its end,
    // replayed from the level file. A way that ends in a lost world leaves
    // the scene's failed request set, as the tick that lost it did.
    void resume(game_scene& scene, const std::string& level_path, const played_way& way);

  private:
    // One played tick: the inputs applied before it and the tick it
    // followed (0: the level as loaded, t: played tick t).
    struct tick {
        long long after;
        std::size_t inputs_begin, inputs_end;
        bool world_moved;
        long long world_ticks; // on the way to the moment after it
        std::uint64_t stance;  // the characters' places and stocks after it
    };
    // The moment after played tick t; 0 is the level as loaded.
    long long world_ticks_at(long long t) const
    {
        return t == 0 ? 0 : ticks[static_cast<std::size_t>(t - 1)].world_ticks;
    }
    std::uint64_t stance_at(long long t) const
    {
        return t == 0 ? first_stance : ticks[static_cast<std::size_t>(t - 1)].stance;
    }
    bool begins_move(const tick& k) const;
    bool only_presses(const tick& k) const;
    void rebuild(game_scene& scene, const std::string& level_path, long long played_tick);

    std::vector<replay_event> inputs; // every input ever applied, in order
    std::vector<bool> carried;        // per input: held across a rewind
    std::vector<tick> ticks;          // ticks[t - 1] is played tick t
    long long now = 0;                // the moment the next tick starts from
    std::size_t pending = 0;          // inputs from here on wait for the next tick
    unsigned char first_tick_counter = 0;
    const game_scene* watched = nullptr; // not owned
    std::uint64_t first_stance = 0;
    long long furthest = 0;
};

// Applies one remembered input to the world as it took effect when played:
// the running flag and any open menu do not stand in its way.
void replay_input(game_scene& scene, const replay_event& e);

#endif

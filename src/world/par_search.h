#ifndef CRUMBLEFORD_WORLD_PAR_SEARCH_H
#define CRUMBLEFORD_WORLD_PAR_SEARCH_H

// A search for a cheaper way through a level: a pass that spends fewer
// placements than the level's par. A level whose idea is needed has none,
// so the level tools run this on every puzzle level and any find is a flaw
// of the level, printed as a script in the simulator's words.
//
// The search plays macro actions a player performs: waits, walks, jumps
// (short hops and full jumps, with and without steering; a macro can end in
// mid-air), switching character, opening doors, and every placement within
// reach (clouds in all four directions), drawn between any two macros, so
// in mid-air too. It is a greedy best-first search with lazy evaluation,
// taking turns with a novelty search: a node is played only when it is
// taken from a queue (from a copy of its parent's world while that is kept,
// else from the level file, as the world is deterministic), and its
// children wait with its score. States already seen, by a coarse signature
// of the world, are not expanded again. It is deterministic: the same level
// and budget give the same result on every machine.

#include <string>

struct par_budget {
    long long evaluations = 4000; // nodes played before giving up
    long long max_ticks = 3000;   // a node older than this is not expanded
};

struct par_result {
    bool found = false;
    std::string script;         // the pass, when found
    int placements = 0;         // spent by the pass
    long long evaluations = 0;  // nodes played
    long long ticks_played = 0; // world ticks run, rebuilding included
    long long distinct = 0;     // distinct states reached
};

// The "# par: N" header line of a level file: N placements, or -1 when the
// level has none (or the file cannot be read).
int read_par(const std::string& level_path);

// Searches for a pass of the level with at most `par - 1` placements.
// Needs a QApplication.
par_result search_cheaper_pass(const std::string& level_path, int par,
                               const par_budget& budget = {});

#endif

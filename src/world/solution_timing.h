#ifndef CRUMBLEFORD_WORLD_SOLUTION_TIMING_H
#define CRUMBLEFORD_WORLD_SOLUTION_TIMING_H

// Whether a recorded solution survives the timing of a real hand: its events
// are grouped into the units a player performs as one, the units are moved
// a few ticks early or late, and the level is replayed. crumbleford-sim
// --timing and the campaign tests use it; it owns nothing between calls.

#include "replay.h"

#include <string>
#include <vector>

namespace solution_timing
{

// A press and release of Up this close together are one tap; held longer,
// they are two separate acts of the hand.
constexpr long long tap_ticks = 12;
// A finger needs this long to press and let go.
constexpr long long shortest_fair_tap = 4;
// How far one unit alone may drift, and all of them at once.
constexpr long long single_reach = 3;
constexpr long long random_reach = 2;
constexpr int random_runs = 200;
constexpr int random_runs_to_pass = 190;
// A player who stands still for this long must not be killed.
constexpr long long idle_ticks = 900;
constexpr long long max_ticks = 3600;

// The events a hand performs as one: events [begin, end) of a timed_solution.
struct unit {
    size_t begin = 0, end = 0;
    long long first_tick = 0, last_tick = 0;
};

// A script's events in the order the replay applies them (by tick, file
// order within a tick), grouped into units that follow one another.
struct timed_solution {
    std::vector<replay_event> events;
    std::vector<unit> units;
};

timed_solution group_into_units(const replay_script& script);

// The script with unit i moved by shifts[i] ticks (missing entries are 0).
// Units are moved in order and a unit stops at its neighbours: never before
// the one before it has ended (as moved), never after the one after it
// begins (as recorded), never before tick 1. Units that meet on one tick
// keep their order.
replay_script shift_units(const timed_solution& solution, const std::vector<long long>& shifts);

// A shift from -random_reach to random_reach for each of `count` units,
// the same on every platform for the same seed.
std::vector<long long> random_shifts(size_t count, unsigned seed);

// The shortest time from a press of Up to its release, in ticks; -1 when
// Up is never released after a press.
long long shortest_up_press(const replay_script& script);

struct failed_shift {
    size_t unit = 0;
    long long tick = 0; // where the unit begins in the script
    long long shift = 0;
    replay_outcome outcome = replay_outcome::running;
};

struct report {
    replay_outcome as_recorded = replay_outcome::running;
    replay_outcome idle = replay_outcome::running; // nothing pressed for idle_ticks
    long long shortest_up = -1;
    size_t units = 0;
    std::vector<failed_shift> failed_shifts;
    int random_passed = 0;

    bool fair() const
    {
        return as_recorded == replay_outcome::passed && idle != replay_outcome::failed &&
               (shortest_up < 0 || shortest_up >= shortest_fair_tap) && failed_shifts.empty() &&
               random_passed >= random_runs_to_pass;
    }
};

// Plays the level with the script as recorded, idle, with each unit moved
// alone by every shift up to single_reach either way, and random_runs times
// with all units moved at random (seeds 1 to random_runs). Needs a
// QApplication.
report check(const std::string& level_path, const replay_script& script);

} // namespace solution_timing

#endif

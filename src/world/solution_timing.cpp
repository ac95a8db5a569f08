#include "solution_timing.h"

#include <QtCore/qnamespace.h>
#include <algorithm>
#include <random>

namespace solution_timing
{

namespace
{

bool is_up(const replay_event& e, replay_event::kind_t kind)
{
    return e.kind == kind && e.key == Qt::Key_Up;
}

// The release of Up that ends the press at `press`, or events.size().
size_t release_of(const std::vector<replay_event>& events, size_t press)
{
    for (size_t j = press + 1; j < events.size(); ++j) {
        if (is_up(events[j], replay_event::release))
            return j;
        if (is_up(events[j], replay_event::press))
            break; // pressed again before letting go: no release of its own
    }
    return events.size();
}

} // namespace

timed_solution group_into_units(const replay_script& script)
{
    timed_solution s;
    s.events = script.events;
    std::stable_sort(s.events.begin(), s.events.end(),
                     [](const replay_event& a, const replay_event& b) { return a.tick < b.tick; });
    const size_t n = s.events.size();

    // joined[i]: event i belongs to the unit of event i - 1. A tap takes in
    // everything the hand did between its press and its release, so that
    // units never interleave.
    std::vector<bool> joined(n, false);
    for (size_t i = 1; i < n; ++i)
        joined[i] = s.events[i].tick == s.events[i - 1].tick;
    for (size_t i = 0; i < n; ++i) {
        if (!is_up(s.events[i], replay_event::press))
            continue;
        const size_t j = release_of(s.events, i);
        if (j < n && s.events[j].tick - s.events[i].tick <= tap_ticks)
            for (size_t k = i + 1; k <= j; ++k)
                joined[k] = true;
    }

    for (size_t i = 0; i < n; ++i) {
        if (!joined[i])
            s.units.push_back({i, i, s.events[i].tick, s.events[i].tick});
        unit& u = s.units.back();
        u.end = i + 1;
        u.last_tick = s.events[i].tick;
    }
    return s;
}

replay_script shift_units(const timed_solution& solution, const std::vector<long long>& shifts)
{
    replay_script out;
    long long previous_end = 1; // the earliest tick the next unit may take
    for (size_t i = 0; i < solution.units.size(); ++i) {
        const unit& u = solution.units[i];
        const long long wanted = i < shifts.size() ? shifts[i] : 0;
        const long long earliest = previous_end - u.first_tick;
        const long long latest =
            i + 1 < solution.units.size() ? solution.units[i + 1].first_tick - u.last_tick : wanted;
        const long long by = std::clamp(wanted, std::min(earliest, 0LL), std::max(latest, 0LL));
        for (size_t e = u.begin; e < u.end; ++e) {
            out.events.push_back(solution.events[e]);
            out.events.back().tick += by;
        }
        previous_end = u.last_tick + by;
    }
    return out;
}

std::vector<long long> random_shifts(size_t count, unsigned seed)
{
    // The engine's raw numbers are fixed by the standard; the standard
    // distributions are not, so the range is cut from them by hand.
    std::mt19937 engine(seed);
    const unsigned long long span = 2 * random_reach + 1;
    std::vector<long long> shifts(count);
    for (long long& s : shifts)
        s = static_cast<long long>(engine() % span) - random_reach;
    return shifts;
}

long long shortest_up_press(const replay_script& script)
{
    const timed_solution s = group_into_units(script);
    long long shortest = -1;
    for (size_t i = 0; i < s.events.size(); ++i) {
        if (!is_up(s.events[i], replay_event::press))
            continue;
        const size_t j = release_of(s.events, i);
        if (j == s.events.size())
            continue;
        const long long held = s.events[j].tick - s.events[i].tick;
        if (shortest < 0 || held < shortest)
            shortest = held;
    }
    return shortest;
}

report check(const std::string& level_path, const replay_script& script)
{
    report r;
    r.as_recorded = run_replay_quietly(level_path, script, max_ticks).outcome;
    r.idle = run_replay_quietly(level_path, replay_script{}, idle_ticks).outcome;
    r.shortest_up = shortest_up_press(script);

    const timed_solution s = group_into_units(script);
    r.units = s.units.size();
    for (size_t i = 0; i < s.units.size(); ++i) {
        for (long long by = -single_reach; by <= single_reach; ++by) {
            if (by == 0)
                continue;
            std::vector<long long> shifts(s.units.size(), 0);
            shifts[i] = by;
            const replay_outcome o =
                run_replay_quietly(level_path, shift_units(s, shifts), max_ticks).outcome;
            if (o != replay_outcome::passed)
                r.failed_shifts.push_back({i, s.units[i].first_tick, by, o});
        }
    }
    for (int run = 1; run <= random_runs; ++run) {
        const std::vector<long long> shifts =
            random_shifts(s.units.size(), static_cast<unsigned>(run));
        if (run_replay_quietly(level_path, shift_units(s, shifts), max_ticks).outcome ==
            replay_outcome::passed)
            ++r.random_passed;
    }
    return r;
}

} // namespace solution_timing

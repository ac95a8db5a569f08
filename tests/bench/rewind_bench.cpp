// One rewind on the largest level we ship after ten minutes of play: the
// world is rebuilt from the level file through the whole history, and that
// must stay within one frame (33 ms).
//
//   ./tests/cf_bench --benchmark_filter=rewind

#include "cfg.h"
#include "level_scene.h"

#include <QKeyEvent>
#include <benchmark/benchmark.h>
#include <iostream>
#include <memory>
#include <sstream>

namespace
{

constexpr long long ten_minutes = 10 * 60 * 30;

void key(level_scene& level, QEvent::Type type, int k)
{
    QKeyEvent e(type, k, Qt::NoModifier);
    if (type == QEvent::KeyPress)
        level.keyPressEvent(&e);
    else
        level.keyReleaseEvent(&e);
}

// Level 40 (the largest grid, four characters): the characters pace left
// and right, jump and take turns, for ten minutes of world ticks. Returns false if the play ended
// the attempt, which would leave nothing to measure.
bool play_ten_minutes(level_scene& level)
{
    for (long long t = 0; t < ten_minutes; ++t) {
        switch (t % 90) {
        case 0:
            key(level, QEvent::KeyPress, Qt::Key_Left);
            break;
        case 25:
            key(level, QEvent::KeyRelease, Qt::Key_Left);
            break;
        case 30:
            key(level, QEvent::KeyPress, Qt::Key_Right);
            break;
        case 50:
            key(level, QEvent::KeyRelease, Qt::Key_Right);
            break;
        case 60:
            key(level, QEvent::KeyPress, Qt::Key_Up);
            break;
        case 62:
            key(level, QEvent::KeyRelease, Qt::Key_Up);
            break;
        case 80:
            if (t % 900 == 800)
                key(level, QEvent::KeyPress, Qt::Key_C);
            break;
        default:
            break;
        }
        level.tick();
        if (level.menu)
            return false;
    }
    return true;
}

void BM_rewind_after_ten_minutes(benchmark::State& state)
{
    std::ostringstream sink;
    std::streambuf* const out = std::cout.rdbuf(sink.rdbuf()); // the loading line
    auto level = std::make_unique<level_scene>("40");
    std::cout.rdbuf(out);
    if (level->characters.empty()) {
        state.SkipWithError("level 40 did not load; build the data first");
        return;
    }
    if (!play_ten_minutes(*level)) {
        state.SkipWithError("the play ended the attempt");
        return;
    }
    const rewind_log played = level->history;
    for (auto _ : state) {
        state.PauseTiming();
        level->history = played;
        state.ResumeTiming();
        level->rewind();
    }
    state.counters["world_ticks_played"] = static_cast<double>(played.world_ticks());
    state.counters["inputs"] = static_cast<double>(played.input_count());
    state.counters["ticks_replayed"] = static_cast<double>(level->history.world_ticks());
}
BENCHMARK(BM_rewind_after_ten_minutes)->Unit(benchmark::kMillisecond);

} // namespace

// One world tick, on a generated stress level and on a typical small level.
//
//   ./tests/cf_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "game_controls.h"
#include "game_scene.h"
#include "scene_manager.h"
#include "stockchar.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

namespace
{

QTemporaryDir* scratch = nullptr;

std::string write_level(const std::string& name, const std::string& text)
{
    const std::string path = scratch->filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path) << text;
    return path;
}

// 100 x 60 cells: floors every ten rows with gaps, 50 clouds shuttling in
// all four directions, 100 falling blocks dropping from the top rows and six
// characters walking and jumping, in all four colours.
std::string stress_level()
{
    std::ostringstream s;
    const char* colours[] = {"white", "red", "green", "blue"};
    s << "mapsize 100 60\nmkframe\n";
    for (int row = 10; row < 60; row += 10)
        for (int column = 1; column < 99; ++column)
            if (column % 12 != 0)
                s << "stockblock " << column << ' ' << row << ' ' << colours[column % 4] << '\n';
    const char* dirs[] = {"right", "left", "up", "down"};
    for (int i = 0; i < 50; ++i)
        s << "cloud " << 2 + (i * 7) % 95 << ' ' << 2 + (i % 5) * 10 + (i % 3) << ' ' << dirs[i % 4]
          << ' ' << colours[i % 4] << '\n';
    for (int i = 0; i < 100; ++i)
        s << "falling " << 1 + (i * 13) % 98 << ' ' << 1 + (i % 4) << ' ' << colours[i % 4] << '\n';
    for (int i = 0; i < 6; ++i)
        s << "char " << 5 + i * 15 << ".5 " << 8 + (i % 5) * 10 << ".3 " << colours[i % 4]
          << " null null 0 null null 0 null null 0\n";
    return s.str();
}

const char* small_level = "mapsize 16 9\nmkframe\n"
                          "stockblock 4 6 white\nstockblock 5 6 white\nstockblock 9 5 red\n"
                          "spikes 7 7 white\ncloud 10 3 right blue\nfalling 6 2 white\n"
                          "char 2 6.3 red red stockblock 3 blue cloud 2 white destroyer 1\n"
                          "exit 13 6 white\n";

class world
{
  public:
    explicit world(const std::string& path) : path(path) { reload(); }
    void reload()
    {
        scene = std::make_unique<game_scene>();
        std::ostream quiet(nullptr); // the loading line
        scene->load_from_file(path, quiet);
        // Everybody walks and jumps; half of them to the left.
        for (size_t i = 0; i < scene->characters.size(); ++i) {
            stockchar* c = scene->characters[i];
            c->jump_held = true;
            (i % 2 ? c->left_held : c->right_held) = true;
        }
        ticks = 0;
    }
    std::string path;
    std::unique_ptr<game_scene> scene;
    int ticks = 0;
};

void run_ticks(benchmark::State& state, world& w, int reload_every)
{
    for (auto _ : state) {
        if (w.ticks == reload_every) {
            state.PauseTiming();
            w.reload();
            state.ResumeTiming();
        }
        w.scene->tick();
        ++w.ticks;
    }
}

void BM_tick_stress(benchmark::State& state)
{
    static world w(write_level("stress.level", stress_level()));
    // Reloaded before the falling blocks have all landed, so they keep moving.
    run_ticks(state, w, 60);
}
BENCHMARK(BM_tick_stress);

void BM_tick_small(benchmark::State& state)
{
    static world w(write_level("small.level", small_level));
    run_ticks(state, w, 300);
}
BENCHMARK(BM_tick_small);

} // namespace

int main(int argc, char** argv)
{
    // Every world made here has the game's own controls.
    game_controls::install();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    scratch = &dir;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// crumbleford-frame-bench: what one drawn frame costs, through the game's own
// view, GL widget and scenes on the X display it is given.
//
//   crumbleford-frame-bench SCENE WIDTHxHEIGHT BLOCK_SIZE FRAMES [OUT.png|-] [SCRIPT]
//
// SCENE is "menu", "map" (every page the player's progress unlocks),
// "level:NAME", "help", "credits", "editor" or "own" (the editor's list of
// the player's levels). Prints the time from the process's start to its first drawn
// frame, the process CPU time per frame (all threads, so the software
// rasteriser's too), the frames per second drawn back to back and the peak
// memory. OUT.png keeps the last frame as the X server shows it, for
// comparing pictures before and after a change to the drawing code. With a simulator SCRIPT the
// level is played, one tick a frame.

#include "MainWindow.h"
#include "cfg.h"
#include "editor_scene.h"
#include "game_scene.h"
#include "level_scene.h"
#include "map_select_scene.h"
#include "menu_scene.h"
#include "myglitem.h"
#include "myglwidget.h"
#include "own_levels_scene.h"
#include "replay.h"
#include "scene_manager.h"
#include "spriteman.h"
#include "tex_scrolling_view.h"
#include "view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace
{

// Seconds since the process started, at the kernel's clock-tick resolution.
double seconds_since_start()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double started = std::atof(field.c_str()) / static_cast<double>(sysconf(_SC_CLK_TCK));
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9 - started;
}

double cpu_seconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

bool wait_for(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// Lets the scene's own timer tick and ask for frames for `seconds`.
int run_paced(myscene& scene, myglwidget& gl, int seconds)
{
    QElapsedTimer wall;
    qint64 last = -1;
    std::vector<double> gaps_ms;
    QObject::connect(&gl, &myglwidget::frameSwapped, [&] {
        const qint64 now = wall.nsecsElapsed();
        if (last >= 0)
            gaps_ms.push_back(static_cast<double>(now - last) / 1e6);
        last = now;
    });
    scene.self_drawing = true;
    MainWindow::window_focused = true; // the game draws only a focused window
    QEventLoop loop;
    const double cpu_start = cpu_seconds();
    wall.start();
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    scene.timer->start(scene.tick_period());
    loop.exec();
    scene.timer->stop();
    const double elapsed = static_cast<double>(wall.elapsed()) / 1000.0;
    const int frames = static_cast<int>(gaps_ms.size()) + (last >= 0 ? 1 : 0);
    std::sort(gaps_ms.begin(), gaps_ms.end());
    auto gap_at = [&](double share) {
        return gaps_ms.empty() ? 0.0 : gaps_ms[static_cast<size_t>(share * (gaps_ms.size() - 1))];
    };
    std::printf("paced: %d frames in %.1f s, %.1f frames/s, gaps between frames %.1f ms median, "
                "%.1f ms at the 99th percentile, longest gap %.1f ms, %.2f ms CPU per frame\n",
                frames, elapsed, frames / elapsed, gap_at(0.5), gap_at(0.99), gap_at(1.0),
                (cpu_seconds() - cpu_start) * 1000.0 / std::max(frames, 1));
    return 0;
}

int usage()
{
    std::cerr << "usage: crumbleford-frame-bench menu|map|level:NAME|help|credits|editor|own "
                 "WIDTHxHEIGHT BLOCK_SIZE FRAMES|SECONDSs [OUT.png|-] [SCRIPT]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5)
        return usage();
    const std::string what = argv[1];
    int width = 0, height = 0;
    if (std::sscanf(argv[2], "%dx%d", &width, &height) != 2 || width < 1 || height < 1)
        return usage();
    const int block_size = std::atoi(argv[3]);
    const int frames = std::atoi(argv[4]);
    const bool paced = std::string(argv[4]).back() == 's';
    if (block_size < 10 || frames < 1)
        return usage();

    QApplication app(argc, argv);
    std::cout.setstate(std::ios::failbit); // the game's own start-up lines
    view v;
    // Pictures are taken at 100 %, whatever interface size the player chose.
    myglitem::set_interface_scale(1.0);
    v.resize(width, height);
    v.show();
    auto* gl = qobject_cast<myglwidget*>(v.viewport());
    if (!gl || !wait_for(
                   [&] {
                       return spriteman::ready() && gl->atlas_texture != 0 && v.windowHandle() &&
                              v.windowHandle()->isExposed();
                   },
                   20000)) {
        std::cerr << "crumbleford-frame-bench: no GL window\n";
        return 1;
    }

    myscene* scene = nullptr;
    if (what == "menu")
        scene = new menu_scene(nullptr);
    else if (what == "map")
        scene = new map_select_scene(v.progress);
    else if (what.rfind("level:", 0) == 0)
        scene = new level_scene(what.substr(6));
    else if (what == "help")
        scene = new tex_scrolling_view(spriteman::tex_help_first, spriteman::tex_help_second);
    else if (what == "credits")
        scene = new tex_scrolling_view(spriteman::tex_credits, nullptr);
    else if (what == "editor" || what == "own")
        scene = new editor_scene(cfg::own_levels_directory);
    else
        return usage();
    scene_manager::current()->add_scene(scene);
    if (what == "own") {
        scene->timer->stop();
        scene = new own_levels_scene(static_cast<editor_scene*>(scene));
        scene_manager::current()->add_scene(scene);
    }
    if (auto* world = dynamic_cast<game_scene*>(scene)) {
        world->block_size = static_cast<unsigned int>(block_size);
        world->calculate_sizes();
    }
    // Frames are asked for here, one after the other, not by the scene's tick.
    scene->timer->stop();
    scene->self_drawing = false;

    replay_script script;
    if (argc > 6) {
        std::ifstream in(argv[6]);
        if (in)
            script = parse_replay_script(in);
        if (!in.is_open() || !script.ok()) {
            std::cerr << "crumbleford-frame-bench: bad script " << argv[6] << "\n";
            return 2;
        }
    }
    auto* world = dynamic_cast<game_scene*>(scene);
    long long tick = 0;
    auto next_event = script.events.begin();
    std::ostream no_trace(nullptr);

    int swapped = 0;
    QObject::connect(gl, &myglwidget::frameSwapped, [&] { ++swapped; });
    auto one_frame = [&] {
        if (world && !script.events.empty()) {
            ++tick;
            for (; next_event != script.events.end() && next_event->tick == tick; ++next_event)
                apply_replay_event(*world, *next_event, no_trace);
            world->tick();
        }
        const int before = swapped;
        v.repaint_viewport();
        wait_for([&] { return swapped > before; }, 5000);
    };
    one_frame();
    const double first_frame = seconds_since_start();
    for (int i = 0; i < 10; ++i) // warm-up: shaders, caches, first uploads
        one_frame();
    if (paced)
        return run_paced(*scene, *gl, frames);
    const double cpu_start = cpu_seconds();
    QElapsedTimer wall;
    wall.start();
    for (int i = 0; i < frames; ++i)
        one_frame();
    const double cpu_ms = (cpu_seconds() - cpu_start) * 1000.0 / frames;
    const double fps = frames * 1000.0 / static_cast<double>(std::max<qint64>(1, wall.elapsed()));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%s %dx%d block %d: first frame %.2f s, %.2f ms CPU per frame, %.1f frames/s, "
                "peak memory %.0f MB\n",
                what.c_str(), width, height, block_size, first_frame, cpu_ms, fps,
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    // What the X server shows, not what the GL surface holds: the window's
    // composition is part of what a change to the drawing must keep.
    const QPoint corner = gl->mapToGlobal(QPoint(0, 0));
    if (argc > 5 && std::string(argv[5]) != "-" &&
        !v.screen()->grabWindow(0, corner.x(), corner.y(), width, height).save(argv[5])) {
        std::cerr << "crumbleford-frame-bench: cannot write " << argv[5] << "\n";
        return 1;
    }
    return 0;
}

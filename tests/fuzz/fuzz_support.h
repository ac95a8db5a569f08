#ifndef CRUMBLEFORD_TESTS_FUZZ_FUZZ_SUPPORT_H
#define CRUMBLEFORD_TESTS_FUZZ_FUZZ_SUPPORT_H

// What every fuzz target needs: one offscreen application for the whole run,
// a viewport size for the controls a game scene lays out, and input bytes
// as files, because the readers under test read files by path.

#include "game_controls.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace fuzz_support
{

inline void start_application()
{
    static int argc = 1;
    static char name[] = "crumbleford-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: Qt's teardown at exit is not what is under test.
    new QApplication(argc, argv);
    game_controls::install();
    // The loader's one line per file would drown the fuzzer's own output.
    std::freopen("/dev/null", "w", stdout);
}

// A scratch file per process, rewritten for every input.
class scratch_file
{
  public:
    explicit scratch_file(const char* suffix)
        : path(std::string("/tmp/crumbleford-fuzz-") + std::to_string(::getpid()) + suffix)
    {
    }
    ~scratch_file() { std::remove(path.c_str()); }
    const std::string& write(const char* data, size_t size)
    {
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            if (size)
                std::fwrite(data, 1, size, f);
            std::fclose(f);
        }
        return path;
    }
    const std::string path;
};

// A small level with every kind of object, written once per process, on
// which fuzzed inputs are played so that they reach the whole world.
inline const std::string& every_kind_level()
{
    static const char text[] = "mapsize 12 8\n"
                               "mkframe\n"
                               "stockblock 4 6 red\n"
                               "spikes 6 6 green\n"
                               "cloud 3 3 right blue\n"
                               "falling 8 2 white\n"
                               "exit 9 5 white\n"
                               "char 2 5 white white destroyer 3 red cloud 2 blue falling 9\n"
                               "char 5 4 green green spikes 4 white stockblock 5 null null 0\n";
    static scratch_file level(".level");
    static const std::string& path = level.write(text, sizeof text - 1);
    return path;
}

} // namespace fuzz_support

#endif

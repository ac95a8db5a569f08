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

} // namespace fuzz_support

#endif

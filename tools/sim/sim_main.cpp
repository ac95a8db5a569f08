// crumbleford-sim: replays a level headless and prints the world's trace.
//
//   crumbleford-sim LEVEL_FILE [SCRIPT_FILE] [--ticks N]

#include "replay.h"

#include <QApplication>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

namespace
{

int usage()
{
    std::cerr << "usage: crumbleford-sim LEVEL_FILE [SCRIPT_FILE] [--ticks N]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::string level, script_path;
    long long ticks = 600;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--ticks") {
            if (i + 1 >= argc)
                return usage();
            char* end = nullptr;
            ticks = std::strtoll(argv[++i], &end, 10);
            if (*end != '\0' || ticks < 0) {
                std::cerr << "crumbleford-sim: --ticks needs a whole number from 0 up\n";
                return 2;
            }
        } else if (level.empty()) {
            level = arg;
        } else if (script_path.empty()) {
            script_path = arg;
        } else {
            return usage();
        }
    }
    if (level.empty())
        return usage();

    replay_script script;
    if (!script_path.empty()) {
        std::ifstream in(script_path);
        if (!in) {
            std::cerr << "crumbleford-sim: cannot open script " << script_path << "\n";
            return 2;
        }
        script = parse_replay_script(in);
        if (!script.ok()) {
            std::cerr << "crumbleford-sim: " << script_path << ": " << script.error << "\n";
            return 2;
        }
    }

    // No display is needed, whatever the environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::ios::sync_with_stdio(false);
    run_replay(level, script, ticks, std::cout);
    std::cout.flush();
    return 0;
}

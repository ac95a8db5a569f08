// crumbleford-sim: replays a level headless and prints the world's trace.
//
//   crumbleford-sim LEVEL_FILE [SCRIPT_FILE] [--ticks N]
//   crumbleford-sim --check FILE...
//   crumbleford-sim --thoughtless LEVEL_FILE [--scripts N] [--ticks N]
//   crumbleford-sim --thoughtless-script rhythmic|random SEED LEVEL_FILE [--ticks N]

#include "level_checker.h"
#include "replay.h"
#include "thoughtless_player.h"

#include <QApplication>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace
{

int usage()
{
    std::cerr << "usage: crumbleford-sim LEVEL_FILE [SCRIPT_FILE] [--ticks N]\n"
                 "       crumbleford-sim --check FILE...\n"
                 "       crumbleford-sim --thoughtless LEVEL_FILE [--scripts N] [--ticks N]\n"
                 "       crumbleford-sim --thoughtless-script rhythmic|random SEED LEVEL_FILE "
                 "[--ticks N]\n";
    return 2;
}

bool read_count(const char* word, long long& value)
{
    char* end = nullptr;
    value = std::strtoll(word, &end, 10);
    return *word != '\0' && *end == '\0' && value >= 0;
}

// Plays the thoughtless players on one level and says how many passed,
// with the seeds that did, so that their scripts can be printed and replayed.
int thoughtless(int argc, char** argv)
{
    std::string level;
    long long scripts = 100, ticks = thoughtless_player::default_ticks;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--scripts" || arg == "--ticks") && i + 1 < argc) {
            if (!read_count(argv[++i], arg == "--scripts" ? scripts : ticks))
                return usage();
        } else if (level.empty()) {
            level = arg;
        } else {
            return usage();
        }
    }
    if (level.empty())
        return usage();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const thoughtless_tally tally =
        thoughtless_player::play(level, static_cast<int>(scripts), ticks);
    const std::pair<const char*, const std::vector<unsigned>*> kinds[] = {
        {"rhythmic", &tally.rhythmic_passes}, {"random", &tally.random_passes}};
    for (const auto& [name, passes] : kinds) {
        std::cout << name << ": " << passes->size() << " of " << tally.played << " passed";
        if (!passes->empty()) {
            std::cout << " (seeds";
            for (unsigned seed : *passes)
                std::cout << ' ' << seed;
            std::cout << ')';
        }
        std::cout << '\n';
    }
    return 0;
}

int thoughtless_script(int argc, char** argv)
{
    std::string kind, level;
    long long seed = -1, ticks = thoughtless_player::default_ticks;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--ticks" && i + 1 < argc) {
            if (!read_count(argv[++i], ticks))
                return usage();
        } else if (kind.empty()) {
            kind = arg;
        } else if (seed < 0) {
            if (!read_count(argv[i], seed))
                return usage();
        } else if (level.empty()) {
            level = arg;
        } else {
            return usage();
        }
    }
    if (kind == "rhythmic" && seed >= 0) {
        std::cout << thoughtless_player::rhythmic_script(static_cast<unsigned>(seed), ticks);
        return 0;
    }
    if (kind != "random" || seed < 0 || level.empty())
        return usage();
    // The random player draws its cells from the level's grid.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::cout << thoughtless_player::random_script_for(static_cast<unsigned>(seed), ticks, level);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::string(argv[1]) == "--check") {
        if (argc == 2)
            return usage();
        // Findings read like a compiler's: FILE:LINE: message.
        level_checker checker;
        const auto findings = checker.check(std::vector<std::string>(argv + 2, argv + argc));
        for (const check_finding& f : findings)
            std::cout << f.file << ':' << f.line << ": " << f.message << '\n';
        return findings.empty() ? 0 : 1;
    }

    if (argc >= 2 && std::string(argv[1]) == "--thoughtless")
        return thoughtless(argc, argv);
    if (argc >= 2 && std::string(argv[1]) == "--thoughtless-script")
        return thoughtless_script(argc, argv);

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

// crumbleford-sim: replays a level headless and prints the world's trace.
//
//   crumbleford-sim LEVEL_FILE [SCRIPT_FILE] [--ticks N]
//   crumbleford-sim --check FILE...
//   crumbleford-sim --thoughtless LEVEL_FILE [--scripts N] [--ticks N]
//   crumbleford-sim --thoughtless-script rhythmic|random SEED LEVEL_FILE [--ticks N]
//   crumbleford-sim --par LEVEL_FILE... [--budget N] [--at-par]
//   crumbleford-sim --timing LEVEL_FILE SCRIPT_FILE

#include "game_controls.h"
#include "level_checker.h"
#include "par_search.h"
#include "replay.h"
#include "solution_timing.h"
#include "thoughtless_player.h"

#include <QApplication>
#include <algorithm>
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
                 "[--ticks N]\n"
                 "       crumbleford-sim --par LEVEL_FILE... [--budget N]\n"
                 "       crumbleford-sim --timing LEVEL_FILE SCRIPT_FILE\n";
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

// Searches each level for a pass cheaper than its par. A find is printed
// as a script the simulator replays; the effort goes to standard error.
int par(int argc, char** argv)
{
    std::vector<std::string> levels;
    par_budget budget;
    bool at_par = false;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--budget" && i + 1 < argc) {
            if (!read_count(argv[++i], budget.evaluations))
                return usage();
        } else if (arg == "--at-par") {
            // How hard the intended way is to find: a pass with par placements.
            at_par = true;
        } else {
            levels.push_back(arg);
        }
    }
    if (levels.empty())
        return usage();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int status = 0;
    for (const std::string& level : levels) {
        const int level_par = read_par(level);
        if (level_par < 0) {
            std::cerr << level << ": no \"# par:\" line\n";
            status = std::max(status, 2);
            continue;
        }
        const par_result r = search_cheaper_pass(level, level_par + (at_par ? 1 : 0), budget);
        std::cerr << level << ": par " << level_par << ", " << r.evaluations << " nodes played, "
                  << r.distinct << " states, " << r.ticks_played << " ticks: "
                  << (at_par ? (r.found ? "a pass at par" : "no pass at par found")
                             : (r.found ? "a cheaper pass" : "none cheaper"))
                  << '\n';
        if (r.found && !at_par) {
            std::cout << "# " << level << ": passed with " << r.placements << " placement(s), par "
                      << level_par << '\n'
                      << r.script;
            status = std::max(status, 1);
        }
    }
    return status;
}

const char* outcome_name(replay_outcome o)
{
    static const char* names[] = {"running", "passed", "failed"};
    return names[static_cast<int>(o)];
}

// Says whether a recorded solution survives a player's timing, one finding
// a line, and exits 1 when it does not.
int timing(int argc, char** argv)
{
    if (argc != 4)
        return usage();
    const std::string level = argv[2], script_path = argv[3];
    std::ifstream in(script_path);
    if (!in) {
        std::cerr << "crumbleford-sim: cannot open script " << script_path << "\n";
        return 2;
    }
    const replay_script script = parse_replay_script(in);
    if (!script.ok()) {
        std::cerr << "crumbleford-sim: " << script_path << ": " << script.error << "\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    namespace st = solution_timing;
    const st::report r = st::check(level, script);
    std::cout << "as recorded: " << outcome_name(r.as_recorded) << '\n'
              << "idle for " << st::idle_ticks << " ticks: " << outcome_name(r.idle) << '\n'
              << "shortest Up press: ";
    if (r.shortest_up < 0)
        std::cout << "none\n";
    else
        std::cout << r.shortest_up << " ticks"
                  << (r.shortest_up < st::shortest_fair_tap ? " (too short)" : "") << '\n';
    std::cout << "units: " << r.units << '\n';
    for (const st::failed_shift& f : r.failed_shifts)
        std::cout << "unit " << f.unit << " at tick " << f.tick << " moved "
                  << (f.shift > 0 ? "+" : "") << f.shift << ": " << outcome_name(f.outcome) << '\n';
    std::cout << "random shifts: " << r.random_passed << " of " << st::random_runs << " passed, "
              << st::random_runs_to_pass << " needed\n"
              << (r.fair() ? "fair" : "unfair") << '\n';
    return r.fair() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    // Every world made here has the game's own controls.
    game_controls::install();
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
    if (argc >= 2 && std::string(argv[1]) == "--par")
        return par(argc, argv);
    if (argc >= 2 && std::string(argv[1]) == "--timing")
        return timing(argc, argv);
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

// Random worlds and random play: the world must never crash, whatever the
// level and the input, and must replay identically every time.

#include "replay.h"
#include "world_fixture.h"

#include <random>
#include <sstream>

namespace {

const char* colours[] = {"white", "red", "green", "blue", "purple", ""};
const char* dirs[] = {"left", "right", "up", "down", "sideways"};
const char* types[] = {"stockblock", "cloud", "spikes", "falling", "destroyer", "null", "char"};
const char* keys[] = {"Left", "Right", "Up", "Down", "Space", "Backspace", "C", "P", "R",
                      "V", "Q", "A", "O", "E", "D", "L", "Z"};

std::string random_level(std::mt19937& rng)
{
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    auto coord = [&](int limit) {
        std::ostringstream s;
        s << (pick(limit * 10 + 40) - 20) / 10.0;
        return s.str();
    };
    const int w = 3 + pick(14), h = 3 + pick(10);
    std::ostringstream level;
    if (pick(8))
        level << "mapsize " << w << ' ' << h << "\n";
    if (pick(3))
        level << "mkframe\n";
    const int records = 5 + pick(40);
    for (int i = 0; i < records; ++i) {
        switch (pick(12)) {
        case 0:
        case 1:
            level << "stockblock " << coord(w) << ' ' << coord(h) << ' ' << colours[pick(6)];
            break;
        case 2:
            level << "stock_expendable " << coord(w) << ' ' << coord(h) << ' ' << colours[pick(6)];
            break;
        case 3:
            level << "spikes " << coord(w) << ' ' << coord(h) << ' ' << colours[pick(6)];
            break;
        case 4:
            level << "cloud " << coord(w) << ' ' << coord(h) << ' ' << dirs[pick(5)] << ' '
                  << colours[pick(6)];
            break;
        case 5:
            level << "falling " << coord(w) << ' ' << coord(h) << ' ' << colours[pick(6)];
            break;
        case 6:
        case 7:
            level << (pick(4) ? "char " : "menuchar ") << coord(w) << ' ' << coord(h) << ' '
                  << colours[pick(6)];
            for (int k = 0; k < 3; ++k)
                level << ' ' << colours[pick(6)] << ' ' << types[pick(7)] << ' ' << pick(300);
            break;
        case 8:
            level << "exit " << coord(w) << ' ' << coord(h) << ' ' << colours[pick(6)];
            break;
        case 9:
            level << "delete " << coord(w) << ' ' << coord(h);
            break;
        case 10:
            level << "focusedchar " << pick(5);
            break;
        default:
            level << "mapsize " << 1 + pick(20) << ' ' << 1 + pick(12);
            break;
        }
        level << "\n";
    }
    return level.str();
}

std::string random_script(std::mt19937& rng, int ticks)
{
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    std::ostringstream script;
    for (int t = 1; t <= ticks; t += 1 + pick(6)) {
        if (pick(3) == 0)
            script << t << " place " << pick(5) - 1 << ' ' << pick(22) - 2 << ' ' << pick(16) - 2
                   << ' ' << dirs[pick(4)] << "\n";
        else
            script << t << (pick(2) ? " press " : " release ") << keys[pick(17)] << "\n";
    }
    return script.str();
}

} // namespace

using world_fuzz = world_test;

TEST_F(world_fuzz, RandomWorldsNeverCrashAndReplayIdentically)
{
    std::mt19937 rng(20261208);
    const int ticks = 240;
    for (int round = 0; round < 200; ++round) {
        const std::string level = write_file(random_level(rng));
        std::istringstream script_text(random_script(rng, ticks));
        const replay_script script = parse_replay_script(script_text);
        ASSERT_TRUE(script.ok()) << script.error;
        std::ostringstream first, second;
        testing::internal::CaptureStdout();
        run_replay(level, script, ticks, first);
        run_replay(level, script, ticks, second);
        testing::internal::GetCapturedStdout();
        ASSERT_EQ(first.str(), second.str()) << "round " << round;
        EXPECT_NE(first.str().find("\nend "), std::string::npos);
    }
}

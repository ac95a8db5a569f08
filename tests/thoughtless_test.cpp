// Thoughtless players: their scripts are fixed by the seed, they do stumble
// through a level that needs no thought, and they never pass a campaign
// level from the thirteenth on.

#include "campaign_files.h"
#include "replay.h"
#include "thoughtless_player.h"

#include <QProcess>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using campaign_files::levels_dir;
constexpr int scripts_each = 100;

replay_script parsed(const std::string& text)
{
    std::istringstream in(text);
    return parse_replay_script(in);
}

std::string seeds(const std::vector<unsigned>& list)
{
    std::string s;
    for (unsigned seed : list)
        s += ' ' + std::to_string(seed);
    return s;
}

} // namespace

TEST(thoughtless_player, ScriptsAreFixedByTheSeedAndStayInTheGrid)
{
    EXPECT_EQ(thoughtless_player::rhythmic_script(7, 900),
              thoughtless_player::rhythmic_script(7, 900));
    EXPECT_NE(thoughtless_player::rhythmic_script(7, 900),
              thoughtless_player::rhythmic_script(8, 900));
    EXPECT_EQ(thoughtless_player::random_script(7, 900, 20, 10),
              thoughtless_player::random_script(7, 900, 20, 10));
    EXPECT_NE(thoughtless_player::random_script(7, 900, 20, 10),
              thoughtless_player::random_script(8, 900, 20, 10));

    for (unsigned seed = 1; seed <= 50; ++seed) {
        SCOPED_TRACE(seed);
        const replay_script rhythmic = parsed(thoughtless_player::rhythmic_script(seed, 900));
        ASSERT_TRUE(rhythmic.ok()) << rhythmic.error;
        const replay_script random = parsed(thoughtless_player::random_script(seed, 900, 20, 10));
        ASSERT_TRUE(random.ok()) << random.error;
        int places = 0;
        for (const replay_event& e : random.events) {
            EXPECT_GE(e.tick, 1);
            EXPECT_LE(e.tick, 900);
            if (e.kind != replay_event::place)
                continue;
            ++places;
            EXPECT_TRUE(e.column >= 0 && e.column < 20 && e.row >= 0 && e.row < 10 && e.slot >= 0 &&
                        e.slot <= 2);
        }
        EXPECT_GT(places, 5) << "the random player hardly draws";
    }
}

TEST(thoughtless_player, StumblesThroughALevelThatNeedsNoThought)
{
    // Right, over one low step, to a white door: charging ahead finds it.
    QTemporaryDir dir;
    const std::string path = dir.filePath("easy.level").toStdString();
    std::ofstream(path) << "mapsize 14 6\nmkframe\nstockblock 5 4 white\n"
                           "char 1 3.3 white null null 0 null null 0 null null 0\n"
                           "exit 10 3 white\n";
    const thoughtless_tally tally = thoughtless_player::play(path, 20, 900);
    EXPECT_EQ(tally.played, 20);
    EXPECT_GE(tally.rhythmic_passes.size(), 15u);
    EXPECT_GE(tally.random_passes.size(), 1u);
}

TEST(thoughtless_player, SimulatorCountsPassesAndPrintsTheScriptOfASeed)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("easy.level").toStdString();
    std::ofstream(path) << "mapsize 14 6\nmkframe\n"
                           "char 1 3.3 white null null 0 null null 0 null null 0\n"
                           "exit 10 3 white\n";
    auto run = [](const QStringList& args) {
        QProcess sim;
        sim.start(CF_SIM_BINARY, args);
        EXPECT_TRUE(sim.waitForFinished(60000));
        EXPECT_EQ(sim.exitCode(), 0);
        return sim.readAllStandardOutput().toStdString();
    };
    const thoughtless_tally tally = thoughtless_player::play(path, 4, 600);
    std::string expected;
    for (const auto& [kind, passes] : {std::pair{"rhythmic", &tally.rhythmic_passes},
                                       std::pair{"random", &tally.random_passes}}) {
        expected += std::string(kind) + ": " + std::to_string(passes->size()) + " of 4 passed";
        if (!passes->empty())
            expected += " (seeds" + seeds(*passes) + ")";
        expected += "\n";
    }
    EXPECT_EQ(
        run({"--thoughtless", QString::fromStdString(path), "--scripts", "4", "--ticks", "600"}),
        expected);
    EXPECT_EQ(run({"--thoughtless-script", "rhythmic", "5", "--ticks", "600"}),
              thoughtless_player::rhythmic_script(5, 600));
    EXPECT_EQ(
        run({"--thoughtless-script", "random", "5", QString::fromStdString(path)}),
        thoughtless_player::random_script(5, thoughtless_player::default_ticks, 14, 6, {{1, 3}}));
}

class campaign_thoughtless : public ::testing::TestWithParam<std::string>
{
};

TEST_P(campaign_thoughtless, NoThoughtlessScriptPasses)
{
    const std::string level = levels_dir + GetParam() + ".level";
    ASSERT_TRUE(std::ifstream(level).good()) << level;
    const thoughtless_tally tally =
        thoughtless_player::play(level, scripts_each, thoughtless_player::default_ticks);
    EXPECT_EQ(tally.played, scripts_each);
    EXPECT_TRUE(tally.rhythmic_passes.empty())
        << "rhythmic seeds that pass:" << seeds(tally.rhythmic_passes)
        << " (crumbleford-sim --thoughtless-script rhythmic SEED LEVEL prints one)";
    EXPECT_TRUE(tally.random_passes.empty())
        << "random seeds that pass:" << seeds(tally.random_passes)
        << " (crumbleford-sim --thoughtless-script random SEED LEVEL prints one)";
}

// One test a level, so that the suite spreads over the cores.
INSTANTIATE_TEST_SUITE_P(
    levels, campaign_thoughtless,
    ::testing::ValuesIn(campaign_files::level_names(campaign_files::first_puzzle)),
    [](const ::testing::TestParamInfo<std::string>& info) { return "level_" + info.param; });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(campaign_thoughtless);

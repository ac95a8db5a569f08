// The shared vocabulary and the two numeric helpers the collision code
// relies on.

#include "cfg.h"
#include "extra_functions.h"

#include <QString>
#include <gtest/gtest.h>
#include <limits>

TEST(Constants, ComputedValuesFollowTheirDefinitions)
{
    EXPECT_EQ(cfg::multiplier, 10000000);
    EXPECT_EQ(cfg::white, 0x7);
    EXPECT_EQ(cfg::white, cfg::red | cfg::green | cfg::blue);
    EXPECT_EQ(cfg::all_expendables, cfg::stock_expendable);
    // Truncating integer arithmetic, one below the rounded value.
    EXPECT_EQ(cfg::max_speed, 419999999);
}

TEST(Constants, TypeFlagsAreDistinctSingleBits)
{
    const unsigned int types[] = {
        cfg::static0,  cfg::spike, cfg::stock_expendable, cfg::cloud,   cfg::character,
        cfg::entrance, cfg::exit,  cfg::destroyer,        cfg::falling, cfg::bomb};
    unsigned int seen = 0;
    for (unsigned int t : types) {
        EXPECT_EQ(t & (t - 1), 0u) << t;
        EXPECT_EQ(seen & t, 0u) << t;
        EXPECT_EQ(t & cfg::all, t);
        seen |= t;
    }
    // The grid kinds are exactly the ones the static mask matches.
    EXPECT_EQ(seen & cfg::all_static, cfg::static0 | cfg::spike | cfg::stock_expendable);
}

TEST(Constants, DataPathsExtendTheMainDirectory)
{
    const std::string& m = cfg::main_directory;
    ASSERT_FALSE(m.empty());
    EXPECT_EQ(m.back(), '/');
    EXPECT_EQ(cfg::tex_directory, m + "textures/");
    EXPECT_EQ(cfg::levels_directory, m + "maps/levels/");
    EXPECT_EQ(cfg::menu_directory, m + "maps/menu/");
    EXPECT_EQ(cfg::levels_list, m + "maps/levels/levels.list");
    EXPECT_EQ(cfg::menus_list, m + "maps/menu/menus.list");
    EXPECT_EQ(cfg::menu_suffix, ".menu");
    EXPECT_EQ(cfg::level_suffix, ".level");
    EXPECT_EQ(cfg::solutions_directory, m + "solutions/");
    EXPECT_EQ(cfg::solution_suffix, ".script");
    // Progress belongs to whoever plays, in their home directory.
    const std::string home = qEnvironmentVariable("HOME").toStdString();
    EXPECT_EQ(cfg::passed_levels, home + "/.crumbleford/passed_levels");
    // The progress store reads the records beside the progress file.
    EXPECT_EQ(cfg::records_file, home + "/.crumbleford/records");
}

TEST(NumericHelpers, AbsAtTheEdges)
{
    EXPECT_EQ(extra_functions::abs(0), 0);
    EXPECT_EQ(extra_functions::abs(-10000000), 10000000);
    EXPECT_EQ(extra_functions::abs(10000000), 10000000);
    const long long most_negative = std::numeric_limits<long long>::min();
    // Two's complement: it has no positive counterpart and maps to itself.
    EXPECT_EQ(extra_functions::abs(most_negative), most_negative);
    EXPECT_EQ(extra_functions::abs(most_negative + 1), std::numeric_limits<long long>::max());
}

TEST(NumericHelpers, BigtoceiledRoundsUpToWholeCells)
{
    EXPECT_EQ(extra_functions::bigtoceiled(0), 0);
    EXPECT_EQ(extra_functions::bigtoceiled(1), 1);
    EXPECT_EQ(extra_functions::bigtoceiled(10000000), 1);
    EXPECT_EQ(extra_functions::bigtoceiled(10000001), 2);
    EXPECT_EQ(extra_functions::bigtoceiled(19999999), 2);
    EXPECT_EQ(extra_functions::bigtoceiled(20000000), 2);
    // Negative values that are not multiples end one above the truncated quotient.
    EXPECT_EQ(extra_functions::bigtoceiled(-5000000), 1);
    EXPECT_EQ(extra_functions::bigtoceiled(-15000000), 0);
    EXPECT_EQ(extra_functions::bigtoceiled(-20000000), -2);
    const long long most_negative = std::numeric_limits<long long>::min();
    EXPECT_EQ(extra_functions::bigtoceiled(most_negative), most_negative / cfg::multiplier + 1);
    const long long largest = std::numeric_limits<long long>::max();
    EXPECT_EQ(extra_functions::bigtoceiled(largest), largest / cfg::multiplier + 1);
}

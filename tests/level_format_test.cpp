// The level format on its own: every keyword reads and writes back the same
// line, and each kind of malformed line gets its one finding.

#include "cfg.h"
#include "data_text.h"
#include "level_format.h"

#include <gtest/gtest.h>
#include <set>

namespace
{

const long long m = cfg::multiplier;

} // namespace

TEST(level_format, EveryKeywordReadsAndWritesBackItsLine)
{
    const char* lines[] = {
        "stockblock 2 3 red",
        "stock_expendable 1 0 white",
        "spikes 4 5 green",
        "falling 2.5 1 blue",
        "cloud 3 4 left green",
        "exit -1.25 2 white",
        "char 3 3.3 red blue destroyer 2 white null 0 green spikes 9",
        "menuchar 1 1 white white null 0 white null 0 white null 0",
        "level_entrance 4 2 12",
        "mapsize 16 10",
        "mkframe",
        "focusedchar 2",
        "delete 3 4",
    };
    std::set<std::string> covered;
    for (const char* line : lines) {
        std::vector<level_finding> findings;
        const auto r = level_format::read_record(line, 7, &findings);
        ASSERT_TRUE(r) << line;
        EXPECT_TRUE(findings.empty()) << line << ": " << findings.front().message;
        EXPECT_EQ(level_format::write_record(*r), line);
        covered.insert(level_format::of(*r).keyword);
    }
    // A keyword added to the table needs its line here.
    for (const level_kind& k : level_format::kinds())
        EXPECT_TRUE(covered.count(k.keyword)) << k.keyword;

    const auto ch = level_format::read_record(lines[6], 1, nullptr);
    EXPECT_EQ(ch->y, 33000000);
    EXPECT_EQ(ch->colour, 1);
    EXPECT_EQ(ch->stock_slots[0].type, cfg::destroyer);
    EXPECT_EQ(ch->stock_slots[2].count, 9);
    EXPECT_EQ(ch->extent(), m * 7 / 10);
    EXPECT_EQ(level_format::read_record("cloud 0 0 up red", 1, nullptr)->direction, cfg::g);
    EXPECT_TRUE(level_format::read_record("spikes 0 0 red", 1, nullptr)->is_grid_object());
    EXPECT_FALSE(level_format::read_record("falling 0 0 red", 1, nullptr)->is_grid_object());
}

TEST(level_format, EachMalformedLineGetsOneFindingOnItsLine)
{
    const struct {
        const char* line;
        bool read; // the loader still builds the record
        const char* finding;
    } cases[] = {
        {"stockblock 2", false, "stockblock: missing Y; the line is skipped"},
        {"spikes x 1 red", false, "spikes: unreadable number \"x\" for X; the line is skipped"},
        {"falling 1e10 1 red", false,
         "falling: unreadable number \"1e10\" for X; the line is skipped"},
        {"delete 1", false, "delete: missing Y; the line is skipped"},
        {"char 1 1 red white null 0 white null 0 white null", false,
         "char: missing count of slot 3; the line is skipped"},
        {"char 1 1 red white null -1 white null 0 white null 0", false,
         "char: unreadable count \"-1\" in slot 1; the line is skipped"},
        {"mapsize 0 5", false, level_format::bad_mapsize},
        {"mapsize 5 10001", false, level_format::bad_mapsize},
        {"focusedchar", false, "focusedchar: missing index; the line is skipped"},
        {"focusedchar -1", false, "focusedchar: unreadable index \"-1\"; the line is skipped"},
        {"Stockblock 1 1 red", false,
         "unknown keyword \"Stockblock\"; the line is ignored (keywords are lower case)"},
        {"level_exit 1 1 red", false,
         "unknown keyword \"level_exit\"; the line is ignored (a level's door is \"exit\")"},
        {"mkframe now", true, "words after the record are ignored, from \"now\""},
        {"exit 1 1 purple", true,
         "exit: unknown colour \"purple\" for the colour; it is read as white"},
        {"falling 1 1", true, "falling: missing the colour; it is read as white"},
        {"cloud 1 1 sideways red", true,
         "cloud: unknown direction \"sideways\"; the cloud will not move"},
        {"char 1 1 red pink cloud 1 white null 0 white null 0", true,
         "char: unknown colour \"pink\" for the colour of slot 1; it is read as white"},
        {"menuchar 1 1 white white null 0 white char 1 white null 0", true,
         "menuchar: slot 2 has the type \"char\", which cannot be drawn; the slot stays empty"},
        {"char 1 1 red white null 0 white null 0 white cloud 300", true,
         "char: slot 3 holds 300, more than 9; it is stored as 44"},
        {"level_entrance 1 1", true, "level_entrance: missing level name"},
    };
    for (const auto& c : cases) {
        std::vector<level_finding> findings;
        const auto r = level_format::read_record(c.line, 12, &findings);
        EXPECT_EQ(r.has_value(), c.read) << c.line;
        ASSERT_EQ(findings.size(), 1u) << c.line;
        EXPECT_EQ(findings[0].line, 12);
        EXPECT_EQ(findings[0].message, c.finding);
    }
    // The stored count wraps like the 8-bit store it goes to.
    EXPECT_EQ(level_format::read_record(cases[18].line, 1, nullptr)->stock_slots[2].count, 44);
    // Blank and comment lines are no records and no findings.
    std::vector<level_finding> none;
    EXPECT_FALSE(level_format::read_record(" \t\r", 1, &none));
    EXPECT_FALSE(level_format::read_record("# stockblock 1 1", 1, &none));
    EXPECT_TRUE(none.empty());
}

TEST(level_format, WordConversionsUseWholeCaseSensitiveWordsWithDefaults)
{
    EXPECT_EQ(level_format::colour_number("red"), 1);
    EXPECT_EQ(level_format::colour_number("blue"), 3);
    EXPECT_EQ(level_format::colour_number("Red"), 0);
    EXPECT_EQ(level_format::colour_number("purple"), 0);
    EXPECT_EQ(level_format::colour_number(""), 0);
    EXPECT_EQ(level_format::direction_number("left"), cfg::l);
    EXPECT_EQ(level_format::direction_number("up"), cfg::g);
    EXPECT_EQ(level_format::direction_number("sideways"), 0);
    EXPECT_EQ(level_format::stock_type("destroyer"), cfg::destroyer);
    EXPECT_EQ(level_format::stock_type("spikes"), cfg::spike);
    EXPECT_EQ(level_format::stock_type("null"), 0u);
    EXPECT_EQ(level_format::stock_type("stock_expendable"), 0u);
}

TEST(level_format, CoordinatesReadBackToTheSameWorldUnits)
{
    const long long values[] = {0,         1,         -1,       m,          25000000,
                                73000000,  -10000000, 2999999,  3000001,    12345678,
                                -12345678, 999999999, m * 9999, m / 10 * 3, -m * 7 / 10};
    for (long long units : values) {
        const std::string word = level_format::coordinate_word(units);
        double blocks = 0;
        ASSERT_TRUE(data_text::read_double(word, blocks)) << word;
        EXPECT_EQ(static_cast<long long>(blocks * static_cast<double>(m)), units) << word;
    }
    EXPECT_EQ(level_format::coordinate_word(73000000), "7.3");
    EXPECT_EQ(level_format::coordinate_word(-m), "-1");
}

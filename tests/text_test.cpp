// Placement and glyph choice of the atlas font, and the number formatter.

#include "extra_functions.h"
#include "gl_recorder.h"
#include "spriteman.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

namespace
{

class AtlasText : public ::testing::Test
{
  protected:
    void SetUp() override { spriteman::init(2048, 2048); }
    void TearDown() override { spriteman::deinit(); }
    gl_recorder gl;
};

} // namespace

TEST_F(AtlasText, ResumeIsCentredWithSquareGlyphsSideBySide)
{
    extra_functions::print_gl_text("RESUME", 400, 240, 40);
    ASSERT_EQ(gl.draws.size(), 6u);
    for (size_t i = 0; i < gl.draws.size(); ++i) {
        const recorded_draw& d = gl.draws[i];
        EXPECT_EQ(d.count, 4);
        EXPECT_FLOAT_EQ(d.left(), 280 + 40 * i);
        EXPECT_FLOAT_EQ(d.right(), 320 + 40 * i);
        EXPECT_FLOAT_EQ(d.top(), 220);
        EXPECT_FLOAT_EQ(d.bottom(), 260);
    }
    const int glyphs[] = {27, 14, 28, 30, 22, 14}; // R E S U M E
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(gl.draws[i].uses(spriteman::tex_alphabet[glyphs[i]])) << i;
    // Text waits for nothing: a finish would stall the GL pipeline mid-frame.
    EXPECT_EQ(std::count(gl.events.begin(), gl.events.end(), "finish"), 0);
}

TEST_F(AtlasText, OddSizesAndLengthsTruncateTheHalves)
{
    extra_functions::print_gl_text("RESUME", 400, 240, 41);
    ASSERT_EQ(gl.draws.size(), 6u);
    EXPECT_FLOAT_EQ(gl.draws[0].top(), 220);
    EXPECT_FLOAT_EQ(gl.draws[0].bottom(), 261);
    EXPECT_FLOAT_EQ(gl.draws[0].left(), 400 - 123);
    EXPECT_FLOAT_EQ(gl.draws[5].right(), 400 - 123 + 6 * 41);

    gl.clear();
    extra_functions::print_gl_text("A1B", 100, 50, 41); // 3 x 41 = 123, half 61
    ASSERT_EQ(gl.draws.size(), 3u);
    EXPECT_FLOAT_EQ(gl.draws[0].left(), 39);
    EXPECT_FLOAT_EQ(gl.draws[2].right(), 39 + 123);
}

TEST_F(AtlasText, DigitsLettersAndTheSpaceMark)
{
    extra_functions::print_gl_text("09AZ[", 0, 0, 10);
    ASSERT_EQ(gl.draws.size(), 5u);
    EXPECT_TRUE(gl.draws[0].uses(spriteman::tex_alphabet[0]));
    EXPECT_TRUE(gl.draws[1].uses(spriteman::tex_alphabet[9]));
    EXPECT_TRUE(gl.draws[2].uses(spriteman::tex_alphabet[10]));
    EXPECT_TRUE(gl.draws[3].uses(spriteman::tex_alphabet[35]));
    EXPECT_TRUE(gl.draws[4].uses(spriteman::tex_alphabet[36]));
}

TEST_F(AtlasText, LowerCaseDrawsTheUpperCaseGlyphs)
{
    extra_functions::print_gl_text("abcz", 0, 0, 10);
    const std::vector<recorded_draw> lower = gl.draws;
    gl.clear();
    extra_functions::print_gl_text("ABCZ", 0, 0, 10);
    ASSERT_EQ(lower.size(), 4u);
    ASSERT_EQ(gl.draws.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(lower[i].tex, gl.draws[i].tex) << i;
        EXPECT_EQ(lower[i].positions, gl.draws[i].positions) << i;
    }
}

TEST_F(AtlasText, BytesWithoutAGlyphDrawTheBlankInTheirPlace)
{
    // "\\" and "]" would land on digits by the letter arithmetic; a space,
    // punctuation and a UTF-8 byte on no glyph at all.
    const std::string text = std::string("A \\]!.") + static_cast<char>(0xC3) + "B";
    extra_functions::print_gl_text(text, 400, 240, 20);
    ASSERT_EQ(gl.draws.size(), text.size());
    EXPECT_TRUE(gl.draws.front().uses(spriteman::tex_alphabet[10]));
    for (size_t i = 1; i + 1 < text.size(); ++i)
        EXPECT_TRUE(gl.draws[i].uses(spriteman::tex_alphabet[36])) << "byte " << i;
    EXPECT_TRUE(gl.draws.back().uses(spriteman::tex_alphabet[11]));
    // Positions still advance by one glyph per byte.
    EXPECT_FLOAT_EQ(gl.draws.back().left() - gl.draws.front().left(), 20 * (text.size() - 1));
}

TEST_F(AtlasText, EmptyTextDrawsNothing)
{
    extra_functions::print_gl_text("", 400, 240, 40);
    EXPECT_TRUE(gl.draws.empty());
    EXPECT_TRUE(gl.events.empty());
}

TEST_F(AtlasText, TextLeavesTheTintAlone)
{
    const float red[4] = {0.5f, 0, 0, 0};
    gl.uniform4(gl_backend::color_location, red);
    extra_functions::print_gl_text("GO", 100, 100, 30);
    ASSERT_EQ(gl.draws.size(), 2u);
    EXPECT_EQ(gl.draws[1].tint[0], 0.5f);
    EXPECT_EQ(gl.tint[0], 0.5f);
}

TEST(UintToString, PlainDecimalAtBothEnds)
{
    EXPECT_EQ(extra_functions::uint_to_string(0), "0");
    EXPECT_EQ(extra_functions::uint_to_string(7), "7");
    EXPECT_EQ(extra_functions::uint_to_string(1000000), "1000000");
    EXPECT_EQ(extra_functions::uint_to_string(std::numeric_limits<unsigned int>::max()),
              "4294967295");
}

TEST_F(AtlasText, LabelsDrawPunctuationSpacesAndSmallCapitals)
{
    // A label reads a space and the three marks; with keep_case a small
    // letter is a smaller capital on the same baseline and in its own cell.
    extra_functions::print_gl_label("3 /:-a?", 400, 240, 60, true);
    ASSERT_EQ(gl.draws.size(), 7u);
    const float* expected[] = {spriteman::tex_alphabet[3],    spriteman::tex_alphabet[36],
                               spriteman::tex_punctuation[0], spriteman::tex_punctuation[1],
                               spriteman::tex_punctuation[2], spriteman::tex_alphabet[10],
                               spriteman::tex_alphabet[36]};
    for (size_t i = 0; i < gl.draws.size(); ++i)
        EXPECT_TRUE(gl.draws[i].uses(expected[i])) << i;
    const recorded_draw& capital = gl.draws[0];
    const recorded_draw& small = gl.draws[5];
    EXPECT_FLOAT_EQ(small.right() - small.left(), 45);
    EXPECT_FLOAT_EQ(small.bottom() - small.top(), 45);
    EXPECT_NEAR(small.top() + 45 * 5 / 6.0, capital.top() + 50, 1);
    EXPECT_GE(small.left(), capital.left() + 5 * 60);
    EXPECT_LE(small.right(), capital.left() + 6 * 60);

    // An underscore, which names may hold, is the dash set down on the baseline.
    gl.draws.clear();
    extra_functions::print_gl_label("-_", 400, 240, 60, true);
    ASSERT_EQ(gl.draws.size(), 2u);
    EXPECT_TRUE(gl.draws[1].uses(spriteman::tex_punctuation[2]));
    EXPECT_FLOAT_EQ(gl.draws[1].top() - gl.draws[0].top(), 20);
    EXPECT_FLOAT_EQ(gl.draws[1].left() - gl.draws[0].left(), 60);

    // Without keep_case the same letter is a full capital, as print_gl_text has it.
    gl.draws.clear();
    extra_functions::print_gl_label("a", 400, 240, 60);
    ASSERT_EQ(gl.draws.size(), 1u);
    EXPECT_FLOAT_EQ(gl.draws[0].bottom() - gl.draws[0].top(), 60);
}

// Placement and glyph choice of the atlas font, and the number formatter.

#include "atlas_table.h"
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

// The texture entry of a character of the font's second part.
const float* latin_tex(char32_t ch)
{
    for (int i = 0; i < atlas::latin_count; ++i)
        if (atlas::latin_glyph(i).ch == ch)
            return spriteman::tex_latin[i];
    return nullptr;
}

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

TEST_F(AtlasText, CharactersWithoutAGlyphDrawTheBlankInTheirPlace)
{
    // "\\" and "]" would land on digits by the letter arithmetic; "#", the
    // euro sign and a stray UTF-8 lead byte have no glyph at all.
    const std::string text = "A \\]#\u20AC" + std::string(1, static_cast<char>(0xC3)) + "B";
    extra_functions::print_gl_text(text, 400, 240, 20);
    ASSERT_EQ(gl.draws.size(), 8u);
    EXPECT_TRUE(gl.draws.front().uses(spriteman::tex_alphabet[10]));
    for (size_t i = 1; i + 1 < gl.draws.size(); ++i)
        EXPECT_TRUE(gl.draws[i].uses(spriteman::tex_alphabet[36])) << "character " << i;
    EXPECT_TRUE(gl.draws.back().uses(spriteman::tex_alphabet[11]));
    // Positions advance by one glyph per character, whatever its bytes.
    EXPECT_FLOAT_EQ(gl.draws.back().left() - gl.draws.front().left(), 20 * 7);
    EXPECT_FLOAT_EQ(gl.draws.front().left(), 400 - 8 * 20 / 2);
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
    const float* expected[] = {spriteman::tex_alphabet[3],
                               spriteman::tex_alphabet[36],
                               spriteman::tex_punctuation[0],
                               spriteman::tex_punctuation[1],
                               spriteman::tex_punctuation[2],
                               spriteman::tex_alphabet[10],
                               latin_tex(U'?')};
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

TEST_F(AtlasText, AccentedLettersAndMarksHaveTheirGlyphsOnePerCharacter)
{
    // Size 60: one texel of the atlas is one pixel, so a picture's place in
    // the square reads directly. Each row: the character, its picture, and
    // where the quad stands in the glyph's square (left, top, right, bottom).
    struct row {
        const char* text;
        const float* tex;
        int left, top, right, bottom;
    };
    const row rows[] = {
        {"\u00C9", latin_tex(U'\u00C9'), 0, 0, 60, 60},        // E acute
        {"\u00E9", latin_tex(U'\u00C9'), 0, 0, 60, 60},        // e acute shows the capital
        {"\u00DF", latin_tex(U'\u00DF'), 0, 0, 60, 60},        // sharp s
        {"\u00FE", latin_tex(U'\u00DE'), 0, 0, 60, 60},        // small thorn
        {"?", latin_tex(U'?'), 0, 0, 60, 60},                  //
        {"\u00BF", latin_tex(U'\u00BF'), 0, 0, 60, 60},        // turned question mark
        {"!", latin_tex(U'!'), 15, 0, 45, 60},                 // narrow: half a cell, centred
        {"\u00A1", latin_tex(U'\u00A1'), 15, 0, 45, 60},       //
        {";", latin_tex(U';'), 15, 0, 45, 60},                 //
        {"'", latin_tex(U'\''), 15, 0, 45, 60},                //
        {"\u2019", latin_tex(U'\''), 15, 0, 45, 60},           // the typographer's apostrophe
        {".", spriteman::tex_period, 0, 36, 60, 60},           // below the cut of ":"
        {",", spriteman::tex_comma, 15, 36, 45, 60},           // below the cut of ";"
        {"\u00A0", spriteman::tex_alphabet[36], 0, 0, 60, 60}, // no-break space
    };
    for (const row& r : rows) {
        gl.clear();
        // Between two letters, to see that it takes one place whatever its bytes.
        extra_functions::print_gl_label(std::string("A") + r.text + "B", 90, 30, 60);
        ASSERT_EQ(gl.draws.size(), 3u) << r.text;
        const recorded_draw& d = gl.draws[1];
        EXPECT_TRUE(d.uses(r.tex)) << r.text;
        EXPECT_FLOAT_EQ(d.left(), 60 + r.left) << r.text;
        EXPECT_FLOAT_EQ(d.top(), r.top) << r.text;
        EXPECT_FLOAT_EQ(d.right(), 60 + r.right) << r.text;
        EXPECT_FLOAT_EQ(d.bottom(), r.bottom) << r.text;
        EXPECT_FLOAT_EQ(gl.draws[2].left(), 120) << r.text;
    }
}

TEST_F(AtlasText, SmallAccentedLettersAreSmallCapitalsWhenTheCaseIsKept)
{
    // "\u00C9t\u00E9": E acute, t, e acute. The small ones share the capital's
    // baseline, as a-z do.
    extra_functions::print_gl_label("\u00C9t\u00E9", 400, 240, 60, true);
    ASSERT_EQ(gl.draws.size(), 3u);
    const std::vector<recorded_draw> accented = gl.draws;
    gl.clear();
    extra_functions::print_gl_label("Ete", 400, 240, 60, true);
    ASSERT_EQ(gl.draws.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(accented[i].positions, gl.draws[i].positions) << i;
    EXPECT_TRUE(accented[0].uses(latin_tex(U'\u00C9')));
    EXPECT_TRUE(accented[2].uses(latin_tex(U'\u00C9')));
    EXPECT_FLOAT_EQ(accented[2].bottom() - accented[2].top(), 45);
}

TEST(AtlasFont, HasTheLatinLettersAndMarksAndNothingElse)
{
    struct row {
        char32_t ch;
        bool has;
    };
    const row rows[] = {
        {U'A', true},       {U'z', true},       {U'0', true},       {U' ', true},
        {U'[', true},       {U'/', true},       {U'_', true},       {U'.', true},
        {U',', true},       {U'\'', true},      {U'!', true},       {U'?', true},
        {U';', true},       {U'\u00A1', true},  {U'\u00BF', true},  {U'\u00C0', true},
        {U'\u00DE', true},  {U'\u00DF', true},  {U'\u00E7', true},  {U'\u00F1', true},
        {U'\u00FE', true},  {U'\u2019', true},  {U'\u00A0', true},  {U'#', false},
        {U'(', false},      {U'\u00D7', false}, {U'\u00F7', false}, {U'\u00FF', false},
        {U'\u0152', false}, {U'\u20AC', false}, {U'\u0301', false}, {0xFFFD, false},
    };
    for (const row& r : rows)
        EXPECT_EQ(extra_functions::font_has(r.ch), r.has)
            << "U+" << std::hex << static_cast<unsigned>(r.ch);
}

TEST(CodePoints, DecodesUtf8AndCountsEachBadByteAsOneReplacement)
{
    constexpr char32_t bad = 0xFFFD;
    struct row {
        const char* what;
        std::string bytes;
        std::vector<char32_t> chars;
    };
    const row rows[] = {
        {"empty", "", {}},
        {"ASCII", "A1 ", {U'A', U'1', U' '}},
        {"two bytes", "\xC3\x89", {0xC9}},
        {"smallest two bytes", "\xC2\x80", {0x80}},
        {"three bytes", "\xE2\x80\x99", {0x2019}},
        {"four bytes", "\xF0\x9F\x98\x80", {0x1F600}},
        {"largest", "\xF4\x8F\xBF\xBF", {0x10FFFF}},
        {"truncated at the end", "A\xC3", {U'A', bad}},
        {"truncated before ASCII",
         "\xE2\x80"
         "B",
         {bad, bad, U'B'}},
        {"overlong slash", "\xC0\xAF", {bad, bad}},
        {"overlong three bytes", "\xE0\x80\xAF", {bad, bad, bad}},
        {"surrogate", "\xED\xA0\x80", {bad, bad, bad}},
        {"past U+10FFFF", "\xF4\x90\x80\x80", {bad, bad, bad, bad}},
        {"stray continuation",
         "\x80"
         "A\xBF",
         {bad, U'A', bad}},
        {"invalid lead", "\xFF\xFE", {bad, bad}},
    };
    for (const row& r : rows) {
        EXPECT_EQ(extra_functions::code_points(r.bytes), r.chars) << r.what;
        EXPECT_EQ(extra_functions::glyph_count(r.bytes), static_cast<int>(r.chars.size()))
            << r.what;
    }
}

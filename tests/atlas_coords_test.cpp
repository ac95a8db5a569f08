// Texture coordinates of the atlas cells, and the loader's failure path.

#include "cfg.h"
#include "extra_functions.h"
#include "spriteman.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

class AtlasCoordinates : public ::testing::Test
{
  protected:
    void SetUp() override { spriteman::init(2048, 2048); }
    void TearDown() override { spriteman::deinit(); }
};

// u of a texel column and v of a texel row on a 2048 atlas.
float u(float x)
{
    return x / 2048;
}
float v(float y)
{
    return 1 - y / 2048;
}

void expect_cell(const float* t, float x, float y, float w, float h)
{
    ASSERT_NE(t, nullptr);
    EXPECT_FLOAT_EQ(t[0], u(x)); // top-left
    EXPECT_FLOAT_EQ(t[1], v(y));
    EXPECT_FLOAT_EQ(t[2], u(x + w)); // top-right
    EXPECT_FLOAT_EQ(t[3], v(y));
    EXPECT_FLOAT_EQ(t[4], u(x)); // bottom-left
    EXPECT_FLOAT_EQ(t[5], v(y + h));
    EXPECT_FLOAT_EQ(t[6], u(x + w)); // bottom-right
    EXPECT_FLOAT_EQ(t[7], v(y + h));
}

} // namespace

TEST_F(AtlasCoordinates, CellsSitWhereTheTableSays)
{
    EXPECT_EQ(spriteman::sprite_width, 2048);
    EXPECT_EQ(spriteman::sprite_height, 2048);
    // Colour 2, frame 3 of the walk: u 186..246, v from 1 - 124 down to 1 - 184.
    expect_cell(spriteman::tex_char[2 * 6 + 3], 186, 124, 60, 60);
    expect_cell(spriteman::tex_bomb[3 * 9 + 8], 496, 1054, 60, 60);
    expect_cell(spriteman::tex_door_out[3], 496, 558, 120, 120);
    expect_cell(spriteman::tex_alphabet[36], 992, 1178, 60, 60);
    expect_cell(spriteman::tex_alphabet[10], 620, 1054, 60, 60);
    expect_cell(spriteman::tex_bg_non_grassy, 620, 496, 800, 480);
    expect_cell(spriteman::tex_credits, 1426, 0, 622, 1240);
    // One texel, so any stretch of it shows a single colour.
    expect_cell(spriteman::tex_blank, 530, 30, 1, 1);
    ASSERT_NE(spriteman::color_blank, nullptr);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(spriteman::color_blank[i], 0);
}

TEST_F(AtlasCoordinates, BackReverseIsTheBackArrowTurnedHalfway)
{
    const float* back = spriteman::tex_back;
    const float* reverse = spriteman::tex_back_reverse;
    // Each corner of the reversed cell is the opposite corner of the original.
    const int opposite[4] = {3, 2, 1, 0};
    for (int corner = 0; corner < 4; ++corner) {
        EXPECT_FLOAT_EQ(reverse[2 * corner], back[2 * opposite[corner]]);
        EXPECT_FLOAT_EQ(reverse[2 * corner + 1], back[2 * opposite[corner] + 1]);
    }
}

TEST_F(AtlasCoordinates, RotateRightTurnsAQuarterAndLogsBothSides)
{
    float t[8];
    spriteman::apply_coords(t, 0, 496, 60, 60);
    const float l = u(0), r = u(60), top = v(496), bottom = v(556);

    testing::internal::CaptureStdout();
    spriteman::rotate_right(t);
    const std::string log = testing::internal::GetCapturedStdout();

    // Top-left now shows the old bottom-left, top-right the old top-left, ...
    EXPECT_FLOAT_EQ(t[0], l);
    EXPECT_FLOAT_EQ(t[1], bottom);
    EXPECT_FLOAT_EQ(t[2], l);
    EXPECT_FLOAT_EQ(t[3], top);
    EXPECT_FLOAT_EQ(t[4], r);
    EXPECT_FLOAT_EQ(t[5], bottom);
    EXPECT_FLOAT_EQ(t[6], r);
    EXPECT_FLOAT_EQ(t[7], top);
    EXPECT_NE(log.find("arg_tex[0] = "), std::string::npos);
    EXPECT_NE(log.find("OUT arg_tex[7] = "), std::string::npos);
    EXPECT_LT(log.find("arg_tex[0] = "), log.find("OUT arg_tex[0] = "));

    // Four quarter turns give the original mapping back.
    testing::internal::CaptureStdout();
    for (int i = 0; i < 3; ++i)
        spriteman::rotate_right(t);
    testing::internal::GetCapturedStdout();
    float original[8];
    spriteman::apply_coords(original, 0, 496, 60, 60);
    for (int i = 0; i < 8; ++i)
        EXPECT_FLOAT_EQ(t[i], original[i]) << i;
}

TEST(AtlasLoading, MissingImagePrintsItsPathAndBuildsNoTables)
{
    spriteman::deinit();
    testing::internal::CaptureStdout();
    const unsigned int texture = extra_functions::make_texture("no_such_atlas.png");
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(texture, 0u);
    EXPECT_EQ(out, cfg::tex_directory + "no_such_atlas.png\n");
    EXPECT_FALSE(spriteman::ready());
    EXPECT_EQ(spriteman::tex_alphabet[0], nullptr);
}

TEST(AtlasLoading, UnmakeFreesTheTables)
{
    spriteman::init(2048, 2048);
    unsigned int texture = 0;
    extra_functions::unmake_texture(&texture);
    EXPECT_FALSE(spriteman::ready());
    EXPECT_EQ(spriteman::tex_char[0], nullptr);
    EXPECT_EQ(spriteman::tex_bg_non_grassy, nullptr);
}

// crumbleford-shot: a level's start drawn through the game's GL path into a
// PNG of the size asked for, the world's colours where the level puts them.

#include "gl_game.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

namespace
{

// Pixels that read clearly as one of the game's colours.
int pixels_like(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - qRed(colour)) < 40 &&
                std::abs(qGreen(p) - qGreen(colour)) < 40 &&
                std::abs(qBlue(p) - qBlue(colour)) < 40)
                ++count;
        }
    return count;
}

} // namespace

TEST(shot_tool, DrawsTheLevelsBlocksAtTheSizeAskedFor)
{
    if (!gl_game::have_display())
        GTEST_SKIP() << "no X display";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QRgb red = qRgb(0xE0, 0x46, 0x3C), blue = qRgb(0x3F, 0x73, 0xD9);
    const struct {
        const char* colour;
        const char* size;
        int width, height;
        bool red_row;
    } cases[] = {
        {"red", nullptr, 400, 240, true},
        {"blue", "300x180", 300, 180, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.colour);
        const QString level = dir.filePath(QString("%1.level").arg(c.colour));
        std::ofstream text(level.toStdString());
        text << "mapsize 10 6\nmkframe\n";
        for (int column = 1; column < 9; ++column)
            text << "stockblock " << column << " 4 " << c.colour << "\n";
        text << "char 1 3.3 white null null 0 null null 0 null null 0\nexit 7 2 white\n";
        text.close();

        const QString out = dir.filePath(QString("%1.png").arg(c.colour));
        QStringList args{level, out};
        if (c.size)
            args << c.size;
        QProcess shot;
        shot.setProcessEnvironment(gl_game::game_environment(dir.path()));
        shot.start(CF_SHOT_BINARY, args);
        ASSERT_TRUE(shot.waitForFinished(60000));
        ASSERT_EQ(shot.exitCode(), 0) << shot.readAllStandardError().toStdString();

        const QImage image(out);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(c.width, c.height));
        // Eight blocks in a row (their colour marks take a share of each): a
        // few thousand pixels of their colour, and next to none of the other.
        const double area = c.width * c.height;
        const int reds = pixels_like(image, red), blues = pixels_like(image, blue);
        EXPECT_GT((c.red_row ? reds : blues) / area, 0.025);
        EXPECT_LT((c.red_row ? blues : reds) / area, 0.01);
    }
}

TEST(shot_tool, RefusesAMalformedSize)
{
    QProcess shot;
    shot.start(CF_SHOT_BINARY, {"a.level", "a.png", "wide"});
    ASSERT_TRUE(shot.waitForFinished(30000));
    EXPECT_EQ(shot.exitCode(), 2);
}

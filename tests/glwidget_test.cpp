// What the GL widget decides without a GL context: the projection it
// uploads, and whether the atlas is fit to start the game with.

#include "myglwidget.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

// Row vector (x, y, 0, 1) times the row-major matrix, as the vertex shader
// computes vPosition*Projection.
void project(const float* m, float x, float y, float* out)
{
    for (int row = 0; row < 4; ++row)
        out[row] = x * m[row * 4 + 0] + y * m[row * 4 + 1] + m[row * 4 + 3];
}

} // namespace

TEST(Projection, MapsViewportPixelsToTheScreenCorners)
{
    float m[16];
    myglwidget::ortho_matrix(m, 0, 800, 480, 0, 0, 1);
    EXPECT_FLOAT_EQ(m[0], 2.0f / 800);
    EXPECT_FLOAT_EQ(m[3], -1);
    EXPECT_FLOAT_EQ(m[5], -2.0f / 480);
    EXPECT_FLOAT_EQ(m[7], 1);
    EXPECT_FLOAT_EQ(m[10], -2);
    EXPECT_FLOAT_EQ(m[11], -1);
    EXPECT_FLOAT_EQ(m[15], 1);
    for (int i : {1, 2, 4, 6, 8, 9, 12, 13, 14})
        EXPECT_EQ(m[i], 0) << i;

    float p[4];
    project(m, 0, 0, p); // top-left pixel: top-left of the screen
    EXPECT_FLOAT_EQ(p[0], -1);
    EXPECT_FLOAT_EQ(p[1], 1);
    EXPECT_FLOAT_EQ(p[2], -1);
    EXPECT_FLOAT_EQ(p[3], 1);
    project(m, 800, 480, p);
    EXPECT_FLOAT_EQ(p[0], 1);
    EXPECT_FLOAT_EQ(p[1], -1);
    project(m, 200, 360, p);
    EXPECT_FLOAT_EQ(p[0], -0.5f);
    EXPECT_FLOAT_EQ(p[1], -0.5f);
}

TEST(AtlasCheck, AcceptsOnlyAnImageThatDecodesAtTheAtlasSize)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string base = dir.path().toStdString() + "/";
    std::string reason;

    EXPECT_FALSE(myglwidget::atlas_loadable(base + "missing.png", &reason));
    EXPECT_FALSE(reason.empty());

    EXPECT_FALSE(myglwidget::atlas_loadable(base, &reason)); // a directory

    QFile text(dir.filePath("text.png"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not an image at all\n");
    text.close();
    EXPECT_FALSE(myglwidget::atlas_loadable(base + "text.png", &reason));

    QImage small(64, 64, QImage::Format_RGBA8888);
    small.fill(Qt::green);
    ASSERT_TRUE(small.save(dir.filePath("small.png")));
    EXPECT_FALSE(myglwidget::atlas_loadable(base + "small.png", &reason));
    EXPECT_EQ(reason, "it is 64 x 64 texels, not 2048 x 2048");

    QImage image(2048, 2048, QImage::Format_RGBA8888);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(dir.filePath("good.png")));
    EXPECT_TRUE(myglwidget::atlas_loadable(base + "good.png", &reason));

    // A file cut short keeps a valid header but does not decode.
    QFile good(dir.filePath("good.png"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();
    QFile cut(dir.filePath("cut.png"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() / 2));
    cut.close();
    EXPECT_FALSE(myglwidget::atlas_loadable(base + "cut.png", &reason));
}

// The game built to read its data from CF_TEST_DATA_DIR, which this test
// fills: without a readable atlas it must refuse to start, naming the path.
TEST(GameStart, RefusesToStartWithoutAReadableAtlas)
{
    const QString data_dir = QStringLiteral(CF_TEST_DATA_DIR);
    QLockFile lock(QDir::cleanPath(data_dir) + ".lock");
    ASSERT_TRUE(lock.lock());
    const QString textures = data_dir + "textures/";
    const QString atlas = textures + "cf_2048.png";
    QDir(data_dir).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(textures));

    auto run = [&](const char* what) {
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        // The directory this game was built for, not one a package's test
        // run names.
        env.remove("CRUMBLEFORD_DATA_DIR");
        game.setProcessEnvironment(env);
        game.start(QStringLiteral(CF_TEST_DATA_GAME_BINARY), {});
        EXPECT_TRUE(game.waitForStarted(10000)) << what;
        if (!game.waitForFinished(20000)) {
            game.kill();
            game.waitForFinished();
            ADD_FAILURE() << what << ": the game started anyway";
            return;
        }
        const QString out = QString::fromLocal8Bit(game.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(game.readAllStandardError());
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit) << what;
        EXPECT_NE(game.exitCode(), 0) << what;
        EXPECT_TRUE(out.startsWith("Crumbleford v1.1.4\n")) << what << ": " << out.toStdString();
        EXPECT_FALSE(out.contains("Max texture units")) << what;
        EXPECT_TRUE(err.contains(atlas)) << what << ": " << err.toStdString();
    };

    run("no atlas");

    QFile garbage(atlas);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("\x89PNG\r\n\x1a\n then nothing useful");
    garbage.close();
    run("unreadable atlas");

    QDir(data_dir).removeRecursively();
}

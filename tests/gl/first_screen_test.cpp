// The real game on an X display with Mesa: its start-up lines, and a
// screenshot of the first screen compared with the atlas it was drawn from.

#include "atlas_table.h"
#include "cfg.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLockFile>
#include <QProcess>
#include <QStringList>
#include <QThread>
#include <cstdlib>
#include <gtest/gtest.h>

namespace
{

const QString artifacts = QStringLiteral(CF_ARTIFACTS_DIR);

bool have_display()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY");
}

QProcessEnvironment game_environment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    // Mesa's disk cache can hide shader compile errors.
    env.insert("MESA_SHADER_CACHE_DISABLE", "true");
    return env;
}

void save_text(const QString& name, const QByteArray& text)
{
    QDir().mkpath(artifacts);
    QFile f(artifacts + "/" + name);
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
}

// The whole X screen, through ImageMagick.
QImage take_screenshot(const QString& name)
{
    QDir().mkpath(artifacts);
    const QString path = artifacts + "/" + name;
    QFile::remove(path);
    QProcess import;
    import.start("import", {"-window", "root", path});
    if (!import.waitForFinished(20000) || import.exitCode() != 0)
        return QImage();
    return QImage(path);
}

// Share of sample points where the two images agree within a tolerance.
double agreement(const QImage& a, const QImage& b)
{
    const int columns = 40, rows = 24, tolerance = 24;
    int same = 0;
    for (int i = 0; i < columns; ++i) {
        for (int j = 0; j < rows; ++j) {
            // Keep off the outer pixels, where filtering meets the cell's edge.
            const int x = 4 + (a.width() - 8) * i / (columns - 1);
            const int y = 4 + (a.height() - 8) * j / (rows - 1);
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) <= tolerance &&
                std::abs(p.green() - q.green()) <= tolerance &&
                std::abs(p.blue() - q.blue()) <= tolerance)
                ++same;
        }
    }
    return double(same) / (columns * rows);
}

// Runs the game until stdout holds `until` (or a timeout), then `settle_ms`
// longer.
class running_game
{
  public:
    explicit running_game(const QString& binary)
    {
        process.setProcessEnvironment(game_environment());
        process.start(binary, {});
    }
    ~running_game() { stop(); }

    bool wait_for_output(const QString& until, int timeout_ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeout_ms) {
            process.waitForReadyRead(100);
            out += process.readAllStandardOutput();
            err += process.readAllStandardError();
            if (QString::fromLocal8Bit(out).contains(until))
                return true;
            if (process.state() == QProcess::NotRunning)
                return false;
        }
        return false;
    }

    void pause(int ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            process.waitForReadyRead(50);
            out += process.readAllStandardOutput();
            err += process.readAllStandardError();
        }
    }

    void stop()
    {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(5000)) {
                process.kill();
                process.waitForFinished(5000);
            }
        }
        out += process.readAllStandardOutput();
        err += process.readAllStandardError();
    }

    QStringList out_lines() const
    {
        return QString::fromLocal8Bit(out).split('\n', Qt::SkipEmptyParts);
    }

    QProcess process;
    QByteArray out;
    QByteArray err;
};

} // namespace

TEST(FirstScreen, PrintsTheStartLinesAndShowsTheLevelBackground)
{
    if (!have_display())
        GTEST_SKIP() << "no X display";
    const QString atlas_path = QString::fromStdString(cfg::tex_directory + "cf_2048.png");
    const QImage atlas(atlas_path);
    ASSERT_FALSE(atlas.isNull()) << atlas_path.toStdString();

    running_game game(QStringLiteral(CF_GAME_BINARY));
    ASSERT_TRUE(game.process.waitForStarted(10000));
    const bool loaded = game.wait_for_output("tex: w,h: ", 30000);
    // Ticks repaint the screen; give the first frames time to land.
    game.pause(2000);
    const QImage shot = take_screenshot("first_screen.png");
    const bool still_running = game.process.state() == QProcess::Running;
    game.stop();
    save_text("first_screen.stdout.txt", game.out);
    save_text("first_screen.stderr.txt", game.err);
    ASSERT_TRUE(loaded) << "stdout:\n"
                        << game.out.toStdString() << "stderr:\n"
                        << game.err.toStdString();
    EXPECT_TRUE(still_running);

    const QStringList lines = game.out_lines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0], "Crumbleford v1.1.4");
    int gl_line = -1;
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith("Max texture units: ")) {
            gl_line = i;
            break;
        }
    ASSERT_GE(gl_line, 0) << game.out.toStdString();
    EXPECT_TRUE(lines[gl_line].contains(" size: "));
    // No compile or link log comes between the GL line and the atlas lines.
    ASSERT_GT(lines.size(), gl_line + 2) << game.out.toStdString();
    EXPECT_EQ(lines[gl_line + 1], atlas_path);
    EXPECT_EQ(lines[gl_line + 2], "tex: w,h: 2048,2048");

    ASSERT_FALSE(shot.isNull()) << "no screenshot (is ImageMagick installed?)";
    // The level background, stretched over the whole screen.
    const QImage cell = atlas
                            .copy(atlas::bg_non_grassy.x, atlas::bg_non_grassy.y,
                                  atlas::bg_non_grassy.w, atlas::bg_non_grassy.h)
                            .convertToFormat(QImage::Format_RGB32)
                            .scaled(shot.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage screen = shot.convertToFormat(QImage::Format_RGB32);
    const double match = agreement(screen, cell);
    EXPECT_GE(match, 0.95) << "screenshot: " << artifacts.toStdString() << "/first_screen.png";

    // The picture must also be the right way up: an upside-down upload
    // would not match unless the picture is symmetric.
    const QImage flipped = cell.mirrored(false, true);
    if (agreement(cell, flipped) < 0.8) {
        EXPECT_LT(agreement(screen, flipped), 0.8);
    }
}

TEST(FirstScreen, RefusesToOpenAWindowWithoutTheAtlas)
{
    if (!have_display())
        GTEST_SKIP() << "no X display";
    const QString data_dir = QStringLiteral(CF_TEST_DATA_DIR);
    QLockFile lock(QDir::cleanPath(data_dir) + ".lock");
    ASSERT_TRUE(lock.lock());
    QDir(data_dir).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(data_dir + "textures"));

    running_game game(QStringLiteral(CF_TEST_DATA_GAME_BINARY));
    ASSERT_TRUE(game.process.waitForStarted(10000));
    const bool finished = game.process.waitForFinished(20000);
    game.stop();
    QDir(data_dir).removeRecursively();
    ASSERT_TRUE(finished) << "the game started without its atlas";
    EXPECT_EQ(game.process.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(game.process.exitCode(), 0);
    EXPECT_TRUE(QString::fromLocal8Bit(game.err).contains(data_dir + "textures/cf_2048.png"))
        << game.err.toStdString();
    // It stopped before creating any GL context.
    EXPECT_FALSE(QString::fromLocal8Bit(game.out).contains("Max texture units"));
}

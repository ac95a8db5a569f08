// The real game on an X display with Mesa: its start-up lines, and a
// screenshot of the first screen, the main menu, compared with the atlas it
// was drawn from.

#include "atlas_table.h"
#include "cfg.h"
#include "gl/gl_game.h"

#include <QLockFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace gl_game;

namespace
{

struct placed_cell {
    const char* name;
    atlas::rect cell;
    QRect area;
};

// The main menu on an 800 x 480 screen: the three background strips, then
// the buttons over them.
const placed_cell menu_background[] = {
    {"grassy_up", atlas::grassy_up, QRect(0, 0, 800, 193)},
    {"grassy_center", atlas::grassy_center, QRect(0, 193, 800, 42)},
    {"grassy_down", atlas::grassy_down, QRect(0, 235, 800, 245)},
};
const placed_cell menu_buttons[] = {
    {"quit", atlas::quit, QRect(30, 180, 120, 120)},
    {"play", atlas::play, QRect(650, 180, 120, 120)},
    {"help", atlas::help_icon, QRect(340, 120, 120, 120)},
    {"credits", atlas::credits_icon, QRect(370, 260, 60, 60)},
    {"editor", atlas::pencil, QRect(330, 340, 60, 60)},
    {"settings", atlas::gear, QRect(410, 340, 60, 60)},
};

// The menu as the atlas says it must look, composed independently of the
// game's GL code.
QImage expected_menu(const QImage& atlas_image)
{
    QImage frame(800, 480, QImage::Format_RGB32);
    frame.fill(Qt::white);
    QPainter p(&frame);
    for (const placed_cell& strip : menu_background)
        p.drawImage(strip.area.topLeft(), drawn_cell(atlas_image, strip.cell, strip.area.size()));
    for (const placed_cell& button : menu_buttons)
        p.drawImage(button.area.topLeft(),
                    drawn_cell(atlas_image, button.cell, button.area.size()));
    return frame;
}

} // namespace

TEST(FirstScreen, PrintsTheStartLinesAndShowsTheMainMenu)
{
    if (!have_display())
        GTEST_SKIP() << "no X display";
    const QString atlas_path = QString::fromStdString(cfg::tex_directory + "cf_2048.png");
    const QImage atlas_image(atlas_path);
    ASSERT_FALSE(atlas_image.isNull()) << atlas_path.toStdString();
    const QImage expected = expected_menu(atlas_image);
    const QRect screen_rect(0, 0, 800, 480);

    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    running_game game(QStringLiteral(CF_GAME_BINARY), game_environment(home.path()));
    ASSERT_TRUE(game.process.waitForStarted(10000));
    const bool loaded = game.wait_for_output("tex: w,h: ", 30000);
    // The intro hands over to the menu on its third tick; poll until the
    // menu has landed rather than guessing how long a loaded machine takes.
    QImage shot;
    const bool shown = game.wait_for_screen(
        "first_screen.png",
        [&](const QImage& s) {
            return s.size() == screen_rect.size() &&
                   agreement(s, screen_rect, expected, 4, 7) >= 0.95;
        },
        15000, shot);
    const bool still_running = game.running();
    game.stop();
    save_text("first_screen.stdout.txt", game.out);
    save_text("first_screen.stderr.txt", game.err);
    ASSERT_TRUE(loaded) << game.output();
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

    const std::string where = "screenshot: " + artifacts().toStdString() + "/first_screen.png";
    ASSERT_FALSE(shot.isNull()) << "no screenshot (is ImageMagick installed?)";
    ASSERT_EQ(shot.size(), screen_rect.size()) << "the X screen must be 800 x 480";
    EXPECT_TRUE(shown) << where;
    // Each part on its own: one missing button would hardly dent the whole.
    for (const placed_cell& strip : menu_background)
        EXPECT_GE(agreement(shot, strip.area, expected.copy(strip.area)), 0.95)
            << strip.name << ", " << where;
    for (const placed_cell& button : menu_buttons)
        EXPECT_GE(agreement(shot, button.area, expected.copy(button.area)), 0.9)
            << button.name << ", " << where;

    // The picture must also be the right way up: an upside-down upload
    // shows the sky at the bottom.
    const QImage flipped = expected.mirrored(false, true);
    EXPECT_LT(agreement(shot, screen_rect, flipped, 4, 7), 0.8) << where;
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

    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    running_game game(QStringLiteral(CF_TEST_DATA_GAME_BINARY), game_environment(home.path()));
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

TEST(FirstScreen, RefusesToStartOnADisplayWithoutOpenGL)
{
    if (!have_display())
        GTEST_SKIP() << "no X display";
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcessEnvironment env = game_environment(home.path());
    // Qt's X platform with no GL integration at all: no context can be made.
    env.insert("QT_XCB_GL_INTEGRATION", "none");
    running_game game(QStringLiteral(CF_GAME_BINARY), env);
    ASSERT_TRUE(game.process.waitForStarted(10000));
    const bool finished = game.process.waitForFinished(20000);
    game.stop();
    ASSERT_TRUE(finished) << "the game kept running without OpenGL";
    EXPECT_EQ(game.process.exitStatus(), QProcess::NormalExit) << "it crashed";
    EXPECT_EQ(game.process.exitCode(), 1);
    EXPECT_TRUE(QString::fromLocal8Bit(game.err).contains(
        "Crumbleford: cannot start: no OpenGL context could be made"))
        << game.err.toStdString();
}

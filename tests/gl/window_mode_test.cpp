// F11 on a real X display: the game leaves full screen for a window, the
// window is resized like a player drags it, and the main menu is drawn
// again, laid out for the new size; F11 brings full screen back.

#include "atlas_table.h"
#include "cfg.h"
#include "gl/gl_game.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace gl_game;

TEST(WindowMode, F11GivesAWindowThatRedrawsAtEverySize)
{
    if (!have_display())
        GTEST_SKIP() << "no X display";
    const QImage atlas_image(QString::fromStdString(cfg::tex_directory + "cf_2048.png"));
    ASSERT_FALSE(atlas_image.isNull());
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcessEnvironment env = game_environment(home.path());
    env.insert("CF_INPUT_TRACE", "1");
    running_game game(QStringLiteral(CF_GAME_BINARY), env);
    ASSERT_TRUE(game.process.waitForStarted(10000));

    // The play button sits 150 pixels from the right edge, centred in height.
    auto play_at = [&](int w, int h) {
        return [&atlas_image, w, h](const QImage& s) {
            return cell_agreement(s, atlas_image, atlas::play,
                                  QRect(w - 150, h / 2 - 60, 120, 120)) >= 0.9;
        };
    };
    QImage shot;
    ASSERT_TRUE(game.wait_for_screen("window-full.png", play_at(800, 480), 20000, shot))
        << game.output();

    ASSERT_TRUE(xdotool({"key", "F11"}));
    ASSERT_TRUE(game.wait_for(
        [&] { return QString::fromLocal8Bit(game.err).contains("window: windowed"); }, 5000))
        << game.output();
    QByteArray id;
    ASSERT_TRUE(xdotool({"search", "--onlyvisible", "--class", "crumbleford"}, &id));
    const QString window = QString::fromLatin1(id).split('\n', Qt::SkipEmptyParts).value(0);
    ASSERT_FALSE(window.isEmpty());
    ASSERT_TRUE(xdotool({"windowsize", window, "640", "400"}));
    EXPECT_TRUE(game.wait_for_screen("window-640x400.png", play_at(640, 400), 15000, shot))
        << "the resized window does not show the menu laid out for it";

    ASSERT_TRUE(xdotool({"key", "F11"}));
    EXPECT_TRUE(game.wait_for_screen("window-full-again.png", play_at(800, 480), 15000, shot))
        << "full screen did not come back";
    EXPECT_TRUE(game.running());
    game.stop();
}

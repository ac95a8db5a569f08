// Headless test runner: one QApplication on the offscreen platform, so
// scenes, items and views work without a display.

#include "game_controls.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Every world made here has the game's own controls.
    game_controls::install();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Tests are never heard: OpenAL's null output stands in for the sound
    // card, here and in the games the tests start.
    qputenv("ALSOFT_DRIVERS", "null");
    // The tests read the game's English texts, whatever the desktop speaks;
    // the catalogue tests load other languages themselves.
    qunsetenv("LANGUAGE");
    qunsetenv("LC_ALL");
    qputenv("LC_MESSAGES", "C.UTF-8");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

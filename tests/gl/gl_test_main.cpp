// Runner of the tests that drive the game on an X display. Most of them run
// the real game as a child process; the few that read GL state back from the
// game's own widget need a GUI application, which needs a display. Listing
// the tests works without one.

#include <QApplication>
#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>

int main(int argc, char** argv)
{
    // Tests are never heard: OpenAL's null output stands in for the sound
    // card, here and in the games the tests start.
    qputenv("ALSOFT_DRIVERS", "null");
    std::unique_ptr<QCoreApplication> app;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

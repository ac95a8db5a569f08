// Runner of the tests that drive the real game on an X display. The tests
// themselves need no GUI of their own, so a core application is enough, and
// listing the tests works without a display.

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The main window's focus tracking, which gates every repaint.

#include "MainWindow.h"

#include <QScreen>
#include <QStringList>
#include <gtest/gtest.h>

namespace
{

QStringList* captured = nullptr;

void capture(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg && captured)
        captured->append(message);
}

class FocusTracking : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        captured = &messages;
        previous = qInstallMessageHandler(capture);
        MainWindow::window_focused = false;
    }
    void TearDown() override
    {
        qInstallMessageHandler(previous);
        captured = nullptr;
    }
    QStringList messages;
    QtMessageHandler previous = nullptr;
    MainWindow window;
    QWidget elsewhere;
};

} // namespace

TEST_F(FocusTracking, GainingAndLosingTheApplicationFocus)
{
    window.onApplicationFocusChanged(nullptr, &window.main_view);
    EXPECT_TRUE(MainWindow::window_focused);
    window.onApplicationFocusChanged(window.main_view.viewport(), nullptr);
    EXPECT_FALSE(MainWindow::window_focused);
    window.onApplicationFocusChanged(nullptr, &window);
    EXPECT_TRUE(MainWindow::window_focused);
    EXPECT_EQ(messages, (QStringList{"focus IN", "focus OUT", "focus IN"}));
}

TEST_F(FocusTracking, MovesThatDoNotCrossTheApplicationBoundaryChangeNothing)
{
    MainWindow::window_focused = true;
    // Between two widgets of this window.
    window.onApplicationFocusChanged(&window.main_view, window.main_view.viewport());
    EXPECT_TRUE(MainWindow::window_focused);
    // From this window to another window of the application.
    window.onApplicationFocusChanged(&window.main_view, &elsewhere);
    EXPECT_TRUE(MainWindow::window_focused);

    MainWindow::window_focused = false;
    // Another window gaining or losing the focus.
    window.onApplicationFocusChanged(nullptr, &elsewhere);
    window.onApplicationFocusChanged(&elsewhere, nullptr);
    EXPECT_FALSE(MainWindow::window_focused);
    EXPECT_TRUE(messages.isEmpty());
}

TEST(MainWindowShape, FillsTheScreenWithTheView)
{
    MainWindow window;
    ASSERT_NE(window.screen(), nullptr);
    EXPECT_EQ(window.geometry(), window.screen()->geometry());
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_EQ(window.centralWidget(), &window.main_view);
}

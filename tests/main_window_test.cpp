// The main window's focus tracking, which gates every repaint.

#include "MainWindow.h"
#include "menu_scene.h"
#include "scene_manager.h"
#include "settings_store.h"

#include <QCoreApplication>
#include <QScreen>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace
{

QStringList* captured = nullptr;

// A settings file of the test's own: changing the window mode writes it.
std::string settings_in(const QTemporaryDir& home)
{
    return home.filePath("settings").toStdString();
}

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
    QTemporaryDir home;
    MainWindow window(nullptr, settings_in(home));
    ASSERT_NE(window.screen(), nullptr);
    EXPECT_EQ(window.geometry(), window.screen()->geometry());
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_EQ(window.centralWidget(), &window.main_view);
}

TEST(MainWindowShape, WindowModeOpensAt800x480AndComesBackWhereItWasLeft)
{
    QTemporaryDir home;
    MainWindow window(nullptr, settings_in(home));
    auto* menu = new menu_scene;
    window.main_view.manager->add_scene(menu);
    window.toggle_window_mode();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isFullScreen());
    EXPECT_EQ(window.size(), QSize(800, 480));
    // The scenes were laid out for the new viewport.
    EXPECT_EQ(menu->play.pos(), QPointF(650, 180));

    window.resize(1000, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(menu->play.pos(), QPointF(850, 240));
    window.toggle_window_mode();
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_EQ(window.geometry(), window.screen()->geometry());
    window.toggle_window_mode();
    EXPECT_EQ(window.size(), QSize(1000, 600));
}

TEST(MainWindowShape, StartsInTheModeLastChosen)
{
    QTemporaryDir home;
    {
        MainWindow window(nullptr, settings_in(home));
        EXPECT_TRUE(window.isFullScreen()) << "full screen the first time";
        window.toggle_window_mode();
    }
    EXPECT_EQ(settings_store(settings_in(home)).get("full_screen", ""), "no");
    {
        MainWindow window(nullptr, settings_in(home));
        EXPECT_FALSE(window.isFullScreen());
        EXPECT_EQ(window.size(), QSize(800, 480));
        window.toggle_window_mode();
    }
    EXPECT_TRUE(MainWindow(nullptr, settings_in(home)).isFullScreen());
    // A value this version cannot read means full screen.
    ASSERT_TRUE(settings_store(settings_in(home)).set("full_screen", "sometimes"));
    testing::internal::CaptureStderr();
    EXPECT_TRUE(MainWindow(nullptr, settings_in(home)).isFullScreen());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("full_screen"), std::string::npos);
}

TEST(MainWindowShape, AWindowIsNeverMadeSmallerThanEveryScreenNeeds)
{
    QTemporaryDir home;
    MainWindow window(nullptr, settings_in(home));
    window.toggle_window_mode();
    const QSize smallest(MainWindow::minimum_width, MainWindow::minimum_height);
    for (const QSize asked : {QSize(320, 480), QSize(640, 480), QSize(480, 320), QSize(1, 1)}) {
        window.resize(asked);
        QCoreApplication::processEvents();
        EXPECT_EQ(window.size(), smallest.expandedTo(asked))
            << asked.width() << "x" << asked.height();
    }
}

TEST(MainWindowShape, ClosingTheWindowEndsTheEventLoop)
{
    QTemporaryDir home;
    MainWindow window(nullptr, settings_in(home));
    window.toggle_window_mode();
    QTimer::singleShot(0, &window, &QWidget::close);
    QTimer give_up;
    give_up.setSingleShot(true);
    QObject::connect(&give_up, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    give_up.start(2000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST(MainWindowShape, ASmallScreenShrinksTheInterfaceUntilTheSmallestWindowFits)
{
    struct case_t {
        QSize available;
        double shrink;
    };
    const case_t cases[] = {
        {{1920, 1080}, 1},   {{800, 480}, 1},   {{640, 480}, 0.8},
        {{800, 450}, 0.937}, {{480, 320}, 0.6}, {{0, 0}, 1},
    };
    for (const case_t& c : cases) {
        const double f = MainWindow::shrink_to_fit(c.available);
        EXPECT_DOUBLE_EQ(f, c.shrink) << c.available.width() << "x" << c.available.height();
        // The scaled screen holds the smallest window.
        if (f < 1) {
            EXPECT_GE(c.available.width() / f, MainWindow::minimum_width);
            EXPECT_GE(c.available.height() / f, MainWindow::minimum_height);
        }
    }
}

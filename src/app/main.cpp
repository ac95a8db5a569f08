// Crumbleford: the application and its one window.

#include "MainWindow.h"
#include "cfg.h"
#include "level_scene.h"
#include "myglwidget.h"
#include "single_instance.h"

#include <QApplication>
#include <QScreen>
#include <iostream>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    std::cout << "Crumbleford v1.1.4" << std::endl;
    // QApplication takes its own options out of argv: a restart needs them.
    std::vector<char*> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    QApplication app(argc, argv);

    // Qt scales the interface only as it starts: on a screen too small for
    // the smallest window the game starts again, drawn smaller to fit.
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double shrink = MainWindow::shrink_to_fit(screen ? screen->availableSize() : QSize());
        if (shrink < 1) {
            qputenv("QT_SCALE_FACTOR", QByteArray::number(shrink, 'f', 3));
            std::cout << "Crumbleford: a small screen: the interface is drawn at "
                      << QByteArray::number(shrink, 'f', 3).constData() << " of its size"
                      << std::endl;
            execv("/proc/self/exe", arguments.data());
            // Without a restart the window is larger than the screen, but it works.
            qunsetenv("QT_SCALE_FACTOR");
        }
    }
    // Lets the desktop match the window with the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.crumbleford.Crumbleford"));

    // Every drawable draws from the atlas: without it there is no game to show.
    std::string reason;
    if (!myglwidget::atlas_loadable(myglwidget::atlas_path(), &reason)) {
        std::cerr << "Crumbleford: cannot start: the sprite atlas " << myglwidget::atlas_path()
                  << " cannot be loaded (" << reason << ")" << std::endl;
        return 1;
    }

    // A second copy would write the same progress and settings files as the
    // first: it brings the running window to the front instead.
    single_instance instance(QString::fromStdString(cfg::instance_lock));
    if (!instance.first()) {
        std::cerr << "Crumbleford is already running: bringing its window to the front"
                  << std::endl;
        instance.ask_to_raise();
        return 0;
    }

    // The game, unlike the tests and tools, keeps the attempt in progress.
    level_scene::attempt_path = cfg::attempt_file;
    int code = 0;
    {
        MainWindow window;
        instance.serve([&window] {
            if (window.isMinimized())
                window.showNormal();
            window.raise();
            window.activateWindow();
        });
        window.show();
        code = app.exec();
    }
    return code;
}

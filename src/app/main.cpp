// Crumbleford: the application and its one window.

#include "MainWindow.h"
#include "cfg.h"
#include "myglwidget.h"
#include "single_instance.h"

#include <QApplication>
#include <iostream>

int main(int argc, char** argv)
{
    std::cout << "Crumbleford v1.1.4" << std::endl;
    QApplication app(argc, argv);
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

// Crumbleford: the application and its one window.

#include "MainWindow.h"
#include "myglwidget.h"

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

    int code = 0;
    {
        MainWindow window;
        window.show();
        code = app.exec();
    }
    return code;
}

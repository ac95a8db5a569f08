#include "MainWindow.h"

#include <QApplication>
#include <QDebug>
#include <QScreen>

bool MainWindow::window_focused = false;

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent, Qt::WindowFlags()), main_view(nullptr)
{
    window_focused = isActiveWindow();
    setCentralWidget(&main_view);
    // Without a window manager a full-screen window keeps the size it had.
    if (QScreen* s = screen())
        setGeometry(s->geometry());
    showFullScreen();
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::onApplicationFocusChanged);
}

bool MainWindow::holds(const QWidget* w) const
{
    return w && (w == this || isAncestorOf(w));
}

void MainWindow::onApplicationFocusChanged(QWidget* old, QWidget* now)
{
    if (!old && holds(now)) {
        qDebug("focus IN");
        window_focused = true;
    } else if (holds(old) && !now) {
        qDebug("focus OUT");
        window_focused = false;
    }
}

#include "MainWindow.h"

#include "bindings.h"
#include "cfg.h"
#include "input_table.h"
#include "settings_store.h"

#include <QApplication>
#include <QDebug>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cmath>
#include <cstdio>

bool MainWindow::window_focused = false;

MainWindow::MainWindow(QWidget* parent, const std::string& settings_path)
    : QMainWindow(parent, Qt::WindowFlags()), main_view(nullptr), settings_path(settings_path)
{
    window_focused = isActiveWindow();
    setCentralWidget(&main_view);
    if (settings_store(settings_path).get_choice("full_screen", {"yes", "no"}, "yes") == "no")
        show_windowed();
    else
        show_full_screen();
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::onApplicationFocusChanged);
    input::bindings own;
    own.read(settings_store(settings_path));
    input::use_bindings(own);
    bind_window_keys();
    input::on_bindings_changed([this] { bind_window_keys(); });
    setWindowTitle(QStringLiteral("Crumbleford"));
    setMinimumSize(minimum_width, minimum_height);
}

MainWindow::~MainWindow()
{
    input::on_bindings_changed(nullptr);
}

void MainWindow::bind_window_keys()
{
    for (QShortcut* old : window_keys)
        delete old;
    window_keys.clear();
    // A shortcut, not a key handler: the view hands every key to the scenes.
    for (int key : input::keys_for(input::intent::full_screen)) {
        auto* window_key = new QShortcut(QKeySequence(key), this);
        connect(window_key, &QShortcut::activated, this, &MainWindow::toggle_window_mode);
        window_keys.push_back(window_key);
    }
}

void MainWindow::toggle_window_mode()
{
    // Named under CF_INPUT_TRACE like the keys, for tests to wait on.
    if (qEnvironmentVariableIsSet("CF_INPUT_TRACE")) {
        std::fprintf(stderr, "window: %s\n", isFullScreen() ? "windowed" : "full screen");
        std::fflush(stderr);
    }
    const bool full_screen = !isFullScreen();
    if (full_screen) {
        window_geometry = geometry();
        show_full_screen();
    } else {
        show_windowed();
    }
    if (!settings_store(settings_path).set("full_screen", full_screen ? "yes" : "no"))
        std::fprintf(stderr, "Could not save the window mode.\n");
}

void MainWindow::show_windowed()
{
    showNormal();
    if (window_geometry.isEmpty())
        resize(first_window_width, first_window_height);
    else
        setGeometry(window_geometry);
}

void MainWindow::show_full_screen()
{
    // Without a window manager a full-screen window keeps the size it had.
    if (QScreen* s = screen())
        setGeometry(s->geometry());
    showFullScreen();
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

double MainWindow::shrink_to_fit(QSize available)
{
    if (available.isEmpty())
        return 1;
    const double f = std::min({1.0, available.width() / double(minimum_width),
                               available.height() / double(minimum_height)});
    return std::floor(f * 1000) / 1000;
}

#ifndef CRUMBLEFORD_APP_MAINWINDOW_H
#define CRUMBLEFORD_APP_MAINWINDOW_H

// The one window; F11 turns full screen into a resizable window and back,
// and the next start comes up in the mode last chosen (full screen the
// first time). It holds the view and tracks whether the application has
// the input focus, which gates all repainting. main() creates it and
// destroys it when the event loop ends.

#include "cfg.h"
#include "view.h"

#include <QMainWindow>
#include <QRect>
#include <QSize>
#include <string>
#include <vector>

class QShortcut;

class MainWindow : public QMainWindow
{
    Q_OBJECT
  public:
    // settings_path: the file the window mode is remembered in.
    explicit MainWindow(QWidget* parent = nullptr,
                        const std::string& settings_path = cfg::settings_file);
    ~MainWindow() override;

    static bool window_focused;
    static constexpr int first_window_width = 800; // pixels
    static constexpr int first_window_height = 480;
    // The smallest window every screen is laid out for without overlap or
    // clipping: the editor's palette strip (740 pixels) and its top bar
    // need the width, the pause menu's six rows the height.
    static constexpr int minimum_width = 800; // pixels
    static constexpr int minimum_height = 480;
    // On a screen with less room than that (a 640 x 480 handheld), the
    // factor the whole interface is drawn smaller by so that the smallest
    // window fits it: 1 where it fits already. Three decimals, rounded
    // down, so that the scaled screen never ends up a pixel short.
    static double shrink_to_fit(QSize available);

    // Full screen to window (where the window last was, 800 x 480 the first
    // time) or back, remembered for the next start. Only the viewport's
    // size changes: every scene lays itself out again through the view's
    // resize.
    void toggle_window_mode();

    view main_view;

  public slots:
    void onApplicationFocusChanged(QWidget* old, QWidget* now);

  private:
    bool holds(const QWidget* w) const;
    void show_windowed();
    void show_full_screen();
    // The full-screen keys follow the player's bindings.
    void bind_window_keys();

    std::vector<QShortcut*> window_keys; // children of the window

    QRect window_geometry; // empty until the window mode is first left
    std::string settings_path;
};

#endif

#ifndef CRUMBLEFORD_APP_MAINWINDOW_H
#define CRUMBLEFORD_APP_MAINWINDOW_H

// The one full-screen window. It holds the view and tracks whether the
// application has the input focus, which gates all repainting. main() creates
// it and destroys it when the event loop ends.

#include "view.h"

#include <QMainWindow>

class MainWindow : public QMainWindow
{
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);

    static bool window_focused;

    view main_view;

  public slots:
    void onApplicationFocusChanged(QWidget* old, QWidget* now);

  private:
    bool holds(const QWidget* w) const;
};

#endif

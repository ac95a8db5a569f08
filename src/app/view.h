#ifndef CRUMBLEFORD_APP_VIEW_H
#define CRUMBLEFORD_APP_VIEW_H

// The one graphics view. Its viewport is the GL widget on a real display, a
// plain widget headless; it forwards keys to the top scene and owns the
// progress store and the scene manager.

#include <QGraphicsView>

class scene_manager;
class progress_manager;

class view : public QGraphicsView
{
    Q_OBJECT
  public:
    explicit view(QWidget* parent = nullptr);
    ~view() override;

    scene_manager* manager = nullptr;
    progress_manager* progress = nullptr;

    static QWidget* _static_viewport_ptr;

    bool eventFilter(QObject* watched, QEvent* event) override;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    // Set while the top scene's tick runs: the repaints a self-drawing scene
    // asks for then are the only ones drawn for it.
    bool in_tick = false;
};

#endif

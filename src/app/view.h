#ifndef CRUMBLEFORD_APP_VIEW_H
#define CRUMBLEFORD_APP_VIEW_H

// The one graphics view. Its viewport is the GL widget on a real display, a
// plain widget headless; it forwards keys to the top scene and owns the
// progress store, the sound player and the scene manager. M, the mute key,
// works on every screen and is the one key it keeps for itself.

#include <QGraphicsView>

class scene_manager;
class progress_manager;
class sound_board;

class view : public QGraphicsView
{
    Q_OBJECT
  public:
    explicit view(QWidget* parent = nullptr);
    ~view() override;

    scene_manager* manager = nullptr;
    progress_manager* progress = nullptr;
    sound_board* sound_player = nullptr;

    static QWidget* _static_viewport_ptr;

    // Draws the top scene now. Self-drawing scenes call this from their
    // tick: it is the only repaint drawn for them.
    static void repaint_viewport();

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    // Tab and Shift+Tab move the focus inside the screens, not between widgets.
    bool focusNextPrevChild(bool) override { return false; }
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    static bool drawing_requested;
};

#endif

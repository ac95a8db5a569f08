#ifndef CRUMBLEFORD_APP_VIEW_H
#define CRUMBLEFORD_APP_VIEW_H

// The one graphics view. Its viewport is the GL widget on a real display, a
// plain widget headless; it forwards keys and pad buttons to the top scene
// and owns the progress store, the sound player, the pad reader and the
// scene manager. M, the mute key, works on every screen and is the one key
// it keeps for itself.

#include <QGraphicsView>

class scene_manager;
class progress_manager;
class sound_board;
namespace input
{
class pad_reader;
enum class pad_button : unsigned char;
} // namespace input

class view : public QGraphicsView
{
    Q_OBJECT
  public:
    explicit view(QWidget* parent = nullptr);
    ~view() override;

    scene_manager* manager = nullptr;
    progress_manager* progress = nullptr;
    sound_board* sound_player = nullptr;
    input::pad_reader* pads = nullptr; // child of the view

    // Draws the top scene now. The scene manager calls this when a tick asks
    // for it: it is the only repaint drawn for a self-drawing scene.
    void repaint_viewport();
    // Loads the current language's atlas (its help pages and credits), as
    // at start; called when the player chooses another language.
    void reload_atlas();
    // Scales the view for the scene it shows: a screen that is all
    // interface is scaled whole, a world's screen not at all (its interface
    // items scale themselves).
    void fit_interface_scale();

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    // Tab and Shift+Tab move the focus inside the screens, not between widgets.
    bool focusNextPrevChild(bool) override { return false; }
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    // Pad buttons reach the top scene as keys do.
    void pad_button_event(input::pad_button b, bool pressed, bool repeat);
    // The pad in use was unplugged: a level must not play on without it.
    void pad_unplugged();

    // Tells the GL widget's size to the items that lay themselves out.
    void publish_viewport_size();

    bool drawing_requested = false;
};

#endif

#ifndef CRUMBLEFORD_APP_SETTINGS_SCENE_H
#define CRUMBLEFORD_APP_SETTINGS_SCENE_H

// The settings screen, opened by the title's gear: the music's and the
// effects' volumes, sound on or off, full screen or a window, the size of
// the interface, the language, the controls page where there is one, and
// back. A change
// is heard or seen at once and saved in the settings file at once. Pushed
// on the scene stack by the gear; the scene manager owns it.

#include "cfg.h"
#include "myscene.h"
#include "settings_store.h"

#include <functional>
#include <string>
#include <vector>

class MainWindow;
class QGraphicsSceneMouseEvent;

class settings_scene : public myscene
{
    Q_OBJECT
  public:
    explicit settings_scene(const std::string& settings_path = cfg::settings_file,
                            QObject* parent = nullptr);

    // Draws the interface at the given size, in percent; none until the
    // game can scale its interface.
    static std::function<void(int percent)> apply_interface_size;
    // Shows every screen in the language of `code` ("en", "de", ...); none
    // until the game can change it while it runs.
    static std::function<void(const std::string& code)> apply_language;
    // Makes the page where keys and buttons are chosen; the CONTROLS row
    // shows only when there is one.
    static std::function<myscene*()> make_controls_page;

    enum class row { music, effects, sound, full_screen, interface_size, language, controls, back };
    // The rows shown, top to bottom.
    std::vector<row> rows() const;

    // Up and Down (Tab, Shift+Tab) move the focus over the rows, Left and
    // Right change the focused row's value, confirm toggles it, opens the
    // controls or goes back, and back goes back from anywhere.
    bool intent_event(const input::meaning& m, bool pressed, bool repeat) override;
    void resizeGL() override;
    void updateGL() override;
    // The back arrow, the title and every row's label and parts.
    std::vector<layout_box> layout_boxes() const override;

    // A row's value one step down (-1) or up (+1); a switch flips either way.
    void step(row r, int direction);
    // What confirm, a click or a tap on the row does.
    void choose(row r);
    void set_volume(row r, int percent);

    // The settings file's choices for the language: "auto", then each
    // shipped language's code.
    static std::vector<std::string> language_choices();
    // The language a choice stands for: "auto" is the desktop's.
    static std::string language_code(const std::string& choice);
    // The language the settings file at `path` asks for.
    static std::string saved_language(const std::string& path);

    bool sound_on() const;
    bool full_screen() const;

    int music = 100; // percent
    int effects = 100;
    int interface_size = 100;
    std::string language = "auto"; // one of language_choices()
    row focused = row::music;

    static constexpr int volume_step = 10; // percent
    static const int interface_sizes[4];

  public slots:
    void advance() override;

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* e) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* e) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* e) override;

  private:
    // Where one row's parts sit, viewport pixels.
    struct row_places {
        QRectF plate, label, less, bar, more, value;
    };
    row_places places_of(int index) const;
    double scale() const;
    double title_centre_y() const;
    void press_at(QPointF p);
    void drag_to(double x);
    void save(const char* key, const std::string& value);
    MainWindow* window() const;

    settings_store store;
    bool full_screen_without_window = true; // the mode saved when no window shows this screen
    bool sound_on_without_sink = true;
    int dragged = -1; // the row whose bar the pointer holds, or -1
};

#endif

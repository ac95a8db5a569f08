#ifndef CRUMBLEFORD_APP_CONTROLS_SCENE_H
#define CRUMBLEFORD_APP_CONTROLS_SCENE_H

// The controls page: every playing intent with its keys and its pad button.
// Choosing a cell waits for the next key or button and binds it, unless it
// is refused (the page says why); then RESET TO DEFAULTS and BACK. A binding
// is in force at once and saved in the settings file. Pushed on the scene
// stack by the screen that opens it, which gets the page's leave request.

#include "bindings.h"
#include "myscene.h"

#include <memory>
#include <string>

class QGraphicsSceneMouseEvent;
class QKeyEvent;
class settings_store;

class controls_scene : public myscene
{
    Q_OBJECT
  public:
    explicit controls_scene(const std::string& settings_path, QObject* parent = nullptr);
    ~controls_scene() override;

    bool takes_text() const override;
    // While waiting, the key pressed is bound; otherwise keys move and choose.
    void keyPressEvent(QKeyEvent* e) override;
    bool pad_button_event(input::pad_button b, bool pressed, bool repeat) override;
    bool intent_event(const input::meaning& m, bool pressed, bool repeat) override;
    // A tap or click at viewport pixels (x, y).
    void press_at(int x, int y);
    void updateGL() override;
    void resizeGL() override;
    // The back arrow, the title, each shown row's name and cells, the
    // message line and, while waiting, CANCEL.
    std::vector<layout_box> layout_boxes() const override;

    enum class column { keys, pad };
    enum class waiting { no, key, pad };
    // The rows: one an intent, then these two.
    int reset_row() const;
    int back_row() const;
    int row_count() const { return back_row() + 1; }
    // Starts waiting on a row's cell; a row without that cell acts (reset
    // or back) instead.
    void choose(int row, column c);
    void cancel();
    void bind_key(int key);
    void bind_pad(input::pad_button b);
    void reset();

    int chosen = 0;
    column chosen_column = column::keys;
    waiting wait = waiting::no;
    int first_row = 0;
    std::string message; // what the last choice did, or why it was refused

    static constexpr int row_height = 40;
    static constexpr int list_top = 92;
    static constexpr int message_height = 50;

  public slots:
    void advance() override;

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* e) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* e) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* e) override;

  private:
    int visible_rows() const;
    void keep_chosen_row_visible();
    void scroll_by(int rows);
    // The binding took: in force now and saved.
    void take(const input::bindings& changed, const std::string& done);
    std::string cell_text(int row, column c) const;

    std::unique_ptr<settings_store> store;
    double press_y = 0; // where a drag on the list began, scene pixels
    int press_first_row = 0;
    bool dragged = false;
};

#endif

#ifndef CRUMBLEFORD_EDITOR_OWN_LEVELS_SCENE_H
#define CRUMBLEFORD_EDITOR_OWN_LEVELS_SCENE_H

// The list of the player's own levels, pushed over the editor: each can be
// opened in the editor, played, or deleted after a confirmation. Opening
// over unsaved changes asks first too.

#include "myscene.h"

#include <string>
#include <vector>

class editor_scene;
class QKeyEvent;
class QGraphicsSceneMouseEvent;

class own_levels_scene : public myscene
{
    Q_OBJECT
  public:
    // The editor lies below this scene on the stack for its whole life.
    explicit own_levels_scene(editor_scene* editor, QObject* parent = nullptr);

    enum class action { none, open, play, remove };
    // Runs the action on row `index`; open and remove may first need a yes.
    void request(action a, int index);
    void answer(bool yes);
    void refresh();

    // Y, N and P (or T) as letters; every other key as the table's editor
    // intent, the way a pad's buttons arrive.
    void keyPressEvent(QKeyEvent* e) override;
    bool intent_event(const input::meaning& m, bool pressed, bool repeat) override;
    void press_at(int x, int y);
    void updateGL() override;
    void resizeGL() override;
    // The back button, the title, and each shown row's name and buttons.
    std::vector<layout_box> layout_boxes() const override;

    editor_scene* editor; // not owned
    std::vector<std::string> names;
    int selected = 0;
    int first_row = 0;
    action pending = action::none; // waiting for a yes or no
    // The keyboard focus: a button of the chosen row (0 OPEN, 1 PLAY, 2 DEL)
    // or the back button; while a question waits, its YES or its NO.
    int chosen_button = 0;
    bool on_back = false;
    bool yes_chosen = false;

    static constexpr int row_height = 60;
    static constexpr int list_top = 80;

  public slots:
    void advance() override;

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* e) override;

  private:
    void run(action a);
    int visible_rows() const;
    void keep_chosen_row_visible();
};

#endif

#include "own_levels_scene.h"

#include "MainWindow.h"
#include "bg_gl_item.h"
#include "editor_scene.h"
#include "extra_functions.h"
#include "level_scene.h"
#include "myglitem.h"
#include "scene_manager.h"
#include "spriteman.h"
#include "view.h"

#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <algorithm>

namespace
{

const float badge_tint[4] = {0.05f, 0.05f, 0.08f, 0.6f};
const float chosen_tint[4] = {0.5f, 0.45f, 0.1f, 0.6f};
const float warn_tint[4] = {0.45f, 0.08f, 0.05f, 0.8f};

// Left edges of the three row buttons, each 110 pixels wide.
int button_left(int i)
{
    return myglitem::viewport_width() - 360 + 120 * i;
}

} // namespace

own_levels_scene::own_levels_scene(editor_scene* editor, QObject* parent)
    : myscene(parent), editor(editor)
{
    running = true;
    self_drawing = true;
    background = new bg_gl_item(this, spriteman::tex_bg_non_grassy, nullptr, nullptr);
    refresh();
    resizeGL();
}

void own_levels_scene::refresh()
{
    names = editor->store.names();
    selected = std::clamp(selected, 0, std::max(0, static_cast<int>(names.size()) - 1));
}

int own_levels_scene::visible_rows() const
{
    return std::max(1, (myglitem::viewport_height() - list_top) / row_height);
}

void own_levels_scene::request(action a, int index)
{
    if (index < 0 || index >= static_cast<int>(names.size()) || a == action::none)
        return;
    selected = index;
    const bool ask = a == action::remove || (a == action::open && editor->has_unsaved_changes());
    if (ask)
        pending = a;
    else
        run(a);
}

void own_levels_scene::answer(bool yes)
{
    const action a = pending;
    pending = action::none;
    if (yes)
        run(a);
}

void own_levels_scene::run(action a)
{
    if (selected < 0 || selected >= static_cast<int>(names.size()))
        return;
    const std::string name = names[selected];
    switch (a) {
    case action::open:
        if (editor->open_level(name))
            leave_request = true;
        break;
    case action::play:
        if (scene_manager* manager = scene_manager::current())
            manager->add_scene(new level_scene(name, editor->store.path_of(name), false));
        break;
    case action::remove:
        editor->store.remove(name);
        refresh();
        break;
    case action::none:
        break;
    }
}

void own_levels_scene::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    if (pending != action::none) {
        if (key == Qt::Key_Y || key == Qt::Key_Return || key == Qt::Key_Enter)
            answer(true);
        else if (key == Qt::Key_N || key == Qt::Key_Escape || key == Qt::Key_Backspace)
            answer(false);
        return;
    }
    switch (key) {
    case Qt::Key_Up:
        selected = std::max(0, selected - 1);
        break;
    case Qt::Key_Down:
        selected = std::min(static_cast<int>(names.size()) - 1, selected + 1);
        selected = std::max(0, selected);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        request(action::open, selected);
        break;
    case Qt::Key_P:
    case Qt::Key_T:
        request(action::play, selected);
        break;
    case Qt::Key_Delete:
        request(action::remove, selected);
        break;
    case Qt::Key_Backspace:
    case Qt::Key_Escape:
        leave_request = true;
        break;
    default:
        break;
    }
    // The chosen row stays on screen.
    if (selected < first_row)
        first_row = selected;
    if (selected >= first_row + visible_rows())
        first_row = selected - visible_rows() + 1;
}

void own_levels_scene::press_at(int x, int y)
{
    if (x < 60 && y < 60) {
        leave_request = true;
        return;
    }
    if (y < list_top)
        return;
    const int index = first_row + (y - list_top) / row_height;
    if (index >= static_cast<int>(names.size()))
        return;
    int button = -1;
    for (int i = 0; i < 3; ++i)
        if (x >= button_left(i) && x < button_left(i) + 110)
            button = i;
    if (pending != action::none) {
        // Only the asking row answers: YES under the second button, NO the third.
        if (index == selected && button >= 1)
            answer(button == 1);
        return;
    }
    if (button < 0) {
        selected = index;
        return;
    }
    request(button == 0 ? action::open : button == 1 ? action::play : action::remove, index);
}

void own_levels_scene::mousePressEvent(QGraphicsSceneMouseEvent* e)
{
    press_at(static_cast<int>(e->scenePos().x() - view_left),
             static_cast<int>(e->scenePos().y() - view_top));
}

void own_levels_scene::advance()
{
    if (MainWindow::window_focused)
        view::repaint_viewport();
    if (leave_request) {
        leave_request = false;
        scene_manager* manager = scene_manager::current();
        if (manager && manager->top() == this)
            manager->go_back(); // deletes this scene: nothing may follow
    }
}

void own_levels_scene::resizeGL()
{
    if (background)
        background->resizeGL();
    setSceneRect(0, 0, myglitem::viewport_width(), myglitem::viewport_height());
}

void own_levels_scene::updateGL()
{
    myscene::updateGL();
    const int w = myglitem::viewport_width();
    float quad[8];
    myglitem::set_quad(quad, 0, 0, 60, 60);
    myglitem::draw_strip(spriteman::tex_back, quad);
    extra_functions::print_gl_text(names.empty() ? "NO LEVELS SAVED YET" : "MY LEVELS", w / 2, 30,
                                   24);
    const int rows = visible_rows();
    for (int i = first_row; i < static_cast<int>(names.size()) && i < first_row + rows; ++i) {
        const float top = static_cast<float>(list_top + (i - first_row) * row_height);
        const bool asking = pending != action::none && i == selected;
        myglitem::draw_flat_rect(10, top + 4, static_cast<float>(w - 10), top + row_height - 4,
                                 asking          ? warn_tint
                                 : i == selected ? chosen_tint
                                                 : badge_tint);
        std::string label = names[i];
        if (asking)
            label = pending == action::remove ? "DELETE " + names[i] : "DROP CHANGES";
        extra_functions::print_gl_text(label, 30 + static_cast<int>(label.size()) * 10,
                                       static_cast<int>(top) + row_height / 2, 20);
        const char* const words[3] = {"OPEN", "PLAY", "DEL"};
        const char* const answers[3] = {"", "YES", "NO"};
        for (int b = 0; b < 3; ++b) {
            const char* word = asking ? answers[b] : words[b];
            if (!*word)
                continue;
            myglitem::draw_flat_rect(static_cast<float>(button_left(b)), top + 8,
                                     static_cast<float>(button_left(b) + 110), top + row_height - 8,
                                     badge_tint);
            extra_functions::print_gl_text(word, button_left(b) + 55,
                                           static_cast<int>(top) + row_height / 2, 18);
        }
    }
}

#include "own_levels_scene.h"

#include "bg_gl_item.h"
#include "catalogue.h"
#include "editor_canvas.h"
#include "editor_scene.h"
#include "extra_functions.h"
#include "level_scene.h"
#include "myglitem.h"
#include "sound_sink.h"
#include "spriteman.h"

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

constexpr int name_left = 30;
constexpr int title_size = 24;

// A row's text shrinks to end before the row's buttons: a long name would
// run under them.
int label_size(const std::string& label)
{
    const int room = button_left(0) - 10 - name_left;
    return label.empty() ? 20 : std::min(20, room / extra_functions::glyph_count(label));
}

std::string title_of(const std::vector<std::string>& names)
{
    return names.empty() ? cf_tr("own levels", "NO LEVELS SAVED YET")
                         : cf_tr("own levels", "MY LEVELS");
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
    if (names.empty())
        on_back = true;
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
    on_back = false;
    const bool ask = a == action::remove || (a == action::open && editor->has_unsaved_changes());
    if (ask) {
        pending = a;
        // Enter on the question keeps the level and the work: NO is the default.
        yes_chosen = false;
    } else
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
        if (!enter_request) {
            enter_request = new level_scene(name, editor->store.path_of(name), nullptr);
            sound_sink::cue(sounds::door); // a level is entered as through a door
        }
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
    if (pending != action::none && (key == Qt::Key_Y || key == Qt::Key_N))
        answer(key == Qt::Key_Y);
    else if (pending == action::none && (key == Qt::Key_P || key == Qt::Key_T))
        request(action::play, selected);
    else
        intent_event(input::key_meaning(key), true, e->isAutoRepeat());
    keep_chosen_row_visible();
}

bool own_levels_scene::intent_event(const input::meaning& m, bool pressed, bool repeat)
{
    using i = input::intent;
    const i in = m.edit;
    if (!pressed || in == i::none)
        return false;
    const bool move = in == i::up || in == i::down || in == i::left || in == i::right;
    if (repeat && !move)
        return true;
    if (pending != action::none) {
        switch (in) {
        case i::left:
        case i::right:
        case i::next:
        case i::previous:
            yes_chosen = in == i::left || (in != i::right && !yes_chosen);
            return true;
        case i::confirm:
            answer(yes_chosen);
            return true;
        case i::back:
        case i::erase:
        case i::menu:
            answer(false);
            return true;
        default:
            return true; // the question stays until it is answered
        }
    }
    const int last = static_cast<int>(names.size()) - 1;
    // With no levels the back button is all there is.
    if (last < 0)
        on_back = true;
    switch (in) {
    case i::up:
        if (selected == 0)
            on_back = true;
        selected = std::max(0, selected - 1);
        break;
    case i::down:
        if (on_back && last >= 0)
            on_back = false;
        else
            selected = std::clamp(selected + 1, 0, std::max(0, last));
        break;
    case i::left:
    case i::right:
        chosen_button = std::clamp(chosen_button + (in == i::left ? -1 : 1), 0, 2);
        break;
    case i::next:
    case i::previous:
        chosen_button = (chosen_button + (in == i::previous ? 2 : 1)) % 3;
        break;
    case i::confirm:
        if (on_back)
            leave_request = true;
        else
            request(chosen_button == 0   ? action::open
                    : chosen_button == 1 ? action::play
                                         : action::remove,
                    selected);
        break;
    case i::erase:
        request(action::remove, selected);
        break;
    // A pad's Start leaves too: its B erases here, as in the editor.
    case i::back:
    case i::menu:
        leave_request = true;
        break;
    default:
        return false;
    }
    keep_chosen_row_visible();
    return true;
}

void own_levels_scene::keep_chosen_row_visible()
{
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
    on_back = false;
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
    repaint_request = repaint::if_focused;
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
    extra_functions::print_gl_text(title_of(names), w / 2, 30, title_size);
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
            label = pending == action::remove
                        ? lang::fill(cf_tr("own levels", "DELETE %1"), {names[i]})
                        : cf_tr("own levels", "DROP CHANGES");
        // Names keep the case they were typed in.
        const int size = label_size(label);
        extra_functions::print_gl_label(label,
                                        name_left + extra_functions::glyph_count(label) * size / 2,
                                        static_cast<int>(top) + row_height / 2, size, true);
        const std::string words[3] = {cf_tr("own levels", "OPEN"), cf_tr("own levels", "PLAY"),
                                      cf_tr("own levels", "DEL")};
        const std::string answers[3] = {"", cf_tr("own levels", "YES"), cf_tr("own levels", "NO")};
        for (int b = 0; b < 3; ++b) {
            const std::string& word = asking ? answers[b] : words[b];
            if (word.empty())
                continue;
            myglitem::draw_flat_rect(static_cast<float>(button_left(b)), top + 8,
                                     static_cast<float>(button_left(b) + 110), top + row_height - 8,
                                     badge_tint);
            // A longer word in another language shrinks to stay on its button.
            extra_functions::print_gl_text(word, button_left(b) + 55,
                                           static_cast<int>(top) + row_height / 2,
                                           std::min(18, 100 / extra_functions::glyph_count(word)));
        }
        const int focused = asking ? (yes_chosen ? 1 : 2) : chosen_button;
        if (myscene::keys_in_use && i == selected && !on_back)
            editor_canvas::focus_frame(static_cast<float>(button_left(focused) - 6), top + 2,
                                       static_cast<float>(button_left(focused) + 116),
                                       top + row_height - 2);
    }
    if (myscene::keys_in_use && (on_back || names.empty()))
        editor_canvas::focus_frame(0, 0, 60, 60);
}

std::vector<layout_box> own_levels_scene::layout_boxes() const
{
    const int w = myglitem::viewport_width();
    std::vector<layout_box> out;
    out.push_back({QStringLiteral("back"), QRectF(0, 0, 60, 60)});
    const std::string title = title_of(names);
    const double title_width =
        static_cast<double>(extra_functions::glyph_count(title)) * title_size;
    out.push_back(
        {QString::fromStdString(title),
         QRectF(w / 2.0 - title_width / 2, 30 - title_size / 2.0, title_width, title_size)});
    const int rows = visible_rows();
    for (int i = first_row; i < static_cast<int>(names.size()) && i < first_row + rows; ++i) {
        const double top = list_top + (i - first_row) * row_height;
        const int size = label_size(names[i]);
        out.push_back(
            {QString::fromStdString(names[i]),
             QRectF(name_left, top + row_height / 2.0 - size / 2.0,
                    static_cast<double>(extra_functions::glyph_count(names[i])) * size, size)});
        for (int b = 0; b < 3; ++b)
            out.push_back({QStringLiteral("%1 button %2").arg(i).arg(b),
                           QRectF(button_left(b), top + 8, 110, row_height - 16)});
    }
    return on_screen(out);
}

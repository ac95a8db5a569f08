#include "controls_scene.h"

#include "bg_gl_item.h"
#include "catalogue.h"
#include "editor_canvas.h"
#include "extra_functions.h"
#include "myglitem.h"
#include "settings_store.h"
#include "spriteman.h"

#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>

namespace
{

const float row_tint[4] = {0.05f, 0.05f, 0.08f, 0.6f};
const float chosen_tint[4] = {0.5f, 0.45f, 0.1f, 0.6f};
const float cell_tint[4] = {0.0f, 0.0f, 0.0f, 0.45f};
const float waiting_tint[4] = {0.1f, 0.35f, 0.55f, 0.9f};
const float mark_tint[4] = {1.0f, 1.0f, 1.0f, 0.5f};

constexpr int title_size = 24;
constexpr int heading_size = 14;
constexpr int name_size = 18;
constexpr int cell_size = 16;
constexpr int table_width = 1000; // pixels, at most: wider windows centre it

// The table's columns in viewport pixels: the names, the keys, the pad.
struct columns {
    int left, keys_left, keys_right, pad_left, right;
};

columns columns_now()
{
    const int w = myglitem::viewport_width();
    const int width = std::min(w, table_width);
    const int left = (w - width) / 2;
    return {left + 10, left + width * 42 / 100, left + width * 77 / 100, left + width * 79 / 100,
            left + width - 20};
}

// A text as wide as the label draws it, shrunk to fit `room` pixels.
int fitting_size(const std::string& text, int size, int room)
{
    return text.empty() ? size : std::min(size, room / extra_functions::glyph_count(text));
}

void label_centred(const std::string& text, int centre_x, int centre_y, int size)
{
    extra_functions::print_gl_label(text, centre_x, centre_y, size);
}

QRectF label_box(const std::string& text, double centre_x, double centre_y, int size)
{
    const double width = static_cast<double>(extra_functions::glyph_count(text)) * size;
    return QRectF(centre_x - width / 2, centre_y - size / 2.0, width, size);
}

} // namespace

controls_scene::controls_scene(const std::string& settings_path, QObject* parent)
    : myscene(parent), store(std::make_unique<settings_store>(settings_path))
{
    running = true;
    self_drawing = true;
    background = new bg_gl_item(this, spriteman::tex_bg_non_grassy, nullptr, nullptr);
    resizeGL();
}

controls_scene::~controls_scene() = default;

int controls_scene::reset_row() const
{
    return static_cast<int>(input::bindable_intents().size());
}

int controls_scene::back_row() const
{
    return reset_row() + 1;
}

int controls_scene::visible_rows() const
{
    return std::max(1, (myglitem::viewport_height() - message_height - list_top) / row_height);
}

void controls_scene::keep_chosen_row_visible()
{
    if (chosen < first_row)
        first_row = chosen;
    if (chosen >= first_row + visible_rows())
        first_row = chosen - visible_rows() + 1;
    first_row = std::clamp(first_row, 0, std::max(0, row_count() - visible_rows()));
}

void controls_scene::scroll_by(int rows)
{
    first_row = std::clamp(first_row + rows, 0, std::max(0, row_count() - visible_rows()));
}

void controls_scene::choose(int row, column c)
{
    if (row < 0 || row >= row_count())
        return;
    chosen = row;
    wait = waiting::no;
    if (row == back_row()) {
        leave_request = true;
        return;
    }
    if (row == reset_row()) {
        reset();
        return;
    }
    chosen_column = c;
    const input::intent in = input::bindable_intents()[row];
    if (c == column::pad && !input::pad_bindable(in)) {
        message = lang::fill(cf_tr("controls", "%1 HAS NO PAD BUTTON"), {input::intent_title(in)});
        return;
    }
    wait = c == column::keys ? waiting::key : waiting::pad;
    message = lang::fill(c == column::keys ? cf_tr("controls", "PRESS A KEY FOR %1")
                                           : cf_tr("controls", "PRESS A PAD BUTTON FOR %1"),
                         {input::intent_title(in)});
    keep_chosen_row_visible();
}

void controls_scene::cancel()
{
    wait = waiting::no;
    message.clear();
}

void controls_scene::take(const input::bindings& changed, const std::string& done)
{
    input::use_bindings(changed);
    message = save_bindings(*store, changed)
                  ? done
                  : cf_tr("controls", "IN USE NOW BUT THE SETTINGS FILE IS NOT WRITTEN");
}

void controls_scene::bind_key(int key)
{
    wait = waiting::no;
    const input::intent in = input::bindable_intents()[chosen];
    input::bindings changed = input::bindings_in_force();
    const std::string why = changed.bind_key(in, key);
    if (why.empty())
        take(changed, input::intent_title(in) + ": " + input::key_label(key));
    else
        message = why;
}

void controls_scene::bind_pad(input::pad_button b)
{
    wait = waiting::no;
    const input::intent in = input::bindable_intents()[chosen];
    input::bindings changed = input::bindings_in_force();
    const std::string why = changed.bind_pad(in, b);
    if (why.empty())
        take(changed, input::intent_title(in) + ": " + input::pad_label(b));
    else
        message = why;
}

void controls_scene::reset()
{
    take(input::bindings(), cf_tr("controls", "DEFAULTS ARE BACK"));
}

bool controls_scene::takes_text() const
{
    // While waiting the mute key is a key like any other.
    return wait == waiting::key;
}

void controls_scene::keyPressEvent(QKeyEvent* e)
{
    const bool escape = input::table_key_meaning(e->key()).menu == input::intent::back;
    if (wait == waiting::no || e->isAutoRepeat()) {
        myscene::keyPressEvent(e);
        return;
    }
    e->accept();
    if (escape)
        cancel();
    else if (wait == waiting::key)
        bind_key(e->key());
}

bool controls_scene::pad_button_event(input::pad_button b, bool pressed, bool repeat)
{
    if (wait == waiting::no) {
        const input::meaning m = input::pad_meaning(b);
        // The pad's choice waits for a button: a pad player has no keys.
        if (pressed && !repeat && m.menu == input::intent::confirm && chosen < reset_row()) {
            choose(chosen, column::pad);
            return true;
        }
        return intent_event(m, pressed, repeat);
    }
    if (!pressed || repeat)
        return true;
    if (wait == waiting::key)
        cancel();
    else if (b < input::pad_button::scroll_up)
        bind_pad(b);
    return true;
}

bool controls_scene::intent_event(const input::meaning& m, bool pressed, bool repeat)
{
    using i = input::intent;
    const i in = m.menu;
    if (!pressed || in == i::none)
        return false;
    if (wait != waiting::no) {
        if (in == i::back)
            cancel();
        return true;
    }
    const bool move = in == i::up || in == i::down || in == i::page_up || in == i::page_down;
    if (repeat && !move)
        return true;
    switch (in) {
    case i::up:
        chosen = std::max(0, chosen - 1);
        break;
    case i::down:
        chosen = std::min(row_count() - 1, chosen + 1);
        break;
    case i::page_up:
        chosen = std::max(0, chosen - visible_rows());
        break;
    case i::page_down:
        chosen = std::min(row_count() - 1, chosen + visible_rows());
        break;
    case i::left:
    case i::right:
    case i::next:
    case i::previous:
        chosen_column = chosen_column == column::keys ? column::pad : column::keys;
        break;
    case i::confirm:
        choose(chosen, chosen_column);
        break;
    case i::back:
        leave_request = true;
        break;
    default:
        return false;
    }
    keep_chosen_row_visible();
    return true;
}

void controls_scene::press_at(int x, int y)
{
    const int h = myglitem::viewport_height();
    const columns c = columns_now();
    if (x < 60 && y < 60) {
        leave_request = true;
        return;
    }
    if (wait != waiting::no && y >= h - message_height && x >= c.right - 140 && x < c.right) {
        cancel();
        return;
    }
    if (y < list_top || y >= list_top + visible_rows() * row_height) {
        cancel();
        return;
    }
    const int row = first_row + (y - list_top) / row_height;
    if (row >= row_count()) {
        cancel();
        return;
    }
    choose(row, x >= c.pad_left ? column::pad : column::keys);
}

void controls_scene::mousePressEvent(QGraphicsSceneMouseEvent* e)
{
    press_y = e->scenePos().y();
    press_first_row = first_row;
    dragged = false;
}

// A drag on a list taller than the window scrolls it; only a press that
// did not drag is a tap.
void controls_scene::mouseMoveEvent(QGraphicsSceneMouseEvent* e)
{
    const double dy = e->scenePos().y() - press_y;
    if (std::abs(dy) > row_height / 2.0)
        dragged = true;
    if (dragged) {
        first_row = press_first_row;
        scroll_by(-static_cast<int>(dy / row_height));
    }
}

void controls_scene::mouseReleaseEvent(QGraphicsSceneMouseEvent* e)
{
    if (!dragged)
        press_at(static_cast<int>(e->scenePos().x() - view_left),
                 static_cast<int>(e->scenePos().y() - view_top));
    dragged = false;
}

void controls_scene::advance()
{
    repaint_request = repaint::if_focused;
}

void controls_scene::resizeGL()
{
    if (background)
        background->resizeGL();
    setSceneRect(0, 0, myglitem::viewport_width(), myglitem::viewport_height());
    keep_chosen_row_visible();
}

std::string controls_scene::cell_text(int row, column c) const
{
    const input::intent in = input::bindable_intents()[row];
    if (wait != waiting::no && row == chosen && c == chosen_column)
        return c == column::keys ? cf_tr("controls", "PRESS A KEY")
                                 : cf_tr("controls", "PRESS A BUTTON");
    if (c == column::pad)
        return input::pad_bindable(in) ? input::pad_label(input::bindings_in_force().pad(in)) : "";
    std::string text;
    for (int key : input::keys_for(in))
        text += (text.empty() ? "" : "/") + input::key_label(key);
    return text.empty() ? "-" : text;
}

void controls_scene::updateGL()
{
    myscene::updateGL();
    const int w = myglitem::viewport_width();
    const int h = myglitem::viewport_height();
    const columns c = columns_now();
    float quad[8];
    myglitem::set_quad(quad, 0, 0, 60, 60);
    myglitem::draw_strip(spriteman::tex_back, quad);
    extra_functions::print_gl_text(cf_tr("controls", "CONTROLS"), w / 2, 30, title_size);
    label_centred(cf_tr("controls", "KEYS"), (c.keys_left + c.keys_right) / 2, list_top - 14,
                  heading_size);
    label_centred(cf_tr("controls", "PAD"), (c.pad_left + c.right) / 2, list_top - 14,
                  heading_size);
    const int last = std::min(row_count(), first_row + visible_rows());
    for (int row = first_row; row < last; ++row) {
        const int top = list_top + (row - first_row) * row_height;
        const int mid = top + row_height / 2;
        const bool focused = row == chosen;
        myglitem::draw_flat_rect(
            static_cast<float>(c.left), static_cast<float>(top + 3), static_cast<float>(c.right),
            static_cast<float>(top + row_height - 3), focused ? chosen_tint : row_tint);
        if (row >= reset_row()) {
            const std::string word = row == reset_row() ? cf_tr("controls", "RESET TO DEFAULTS")
                                                        : cf_tr("controls", "BACK");
            label_centred(word, (c.left + c.right) / 2, mid, name_size);
            if (keys_in_use && focused)
                editor_canvas::focus_frame(static_cast<float>(c.left - 4), static_cast<float>(top),
                                           static_cast<float>(c.right + 4),
                                           static_cast<float>(top + row_height));
            continue;
        }
        const std::string name = input::intent_title(input::bindable_intents()[row]);
        const int size = fitting_size(name, name_size, c.keys_left - c.left - 20);
        label_centred(name, c.left + 10 + extra_functions::glyph_count(name) * size / 2, mid, size);
        const int lefts[2] = {c.keys_left, c.pad_left};
        const int rights[2] = {c.keys_right, c.right - 6};
        for (int col = 0; col < 2; ++col) {
            const std::string text = cell_text(row, static_cast<column>(col));
            if (text.empty())
                continue;
            const bool waits_here =
                wait != waiting::no && focused && col == static_cast<int>(chosen_column);
            myglitem::draw_flat_rect(static_cast<float>(lefts[col]), static_cast<float>(top + 7),
                                     static_cast<float>(rights[col]),
                                     static_cast<float>(top + row_height - 7),
                                     waits_here ? waiting_tint : cell_tint);
            label_centred(text, (lefts[col] + rights[col]) / 2, mid,
                          fitting_size(text, cell_size, rights[col] - lefts[col] - 8));
            if (keys_in_use && focused && col == static_cast<int>(chosen_column))
                editor_canvas::focus_frame(
                    static_cast<float>(lefts[col] - 4), static_cast<float>(top + 3),
                    static_cast<float>(rights[col] + 4), static_cast<float>(top + row_height - 3));
        }
    }
    // A list longer than the window shows where it is, at its right edge.
    if (row_count() > visible_rows()) {
        const float span = static_cast<float>(visible_rows() * row_height);
        const float top = list_top + span * first_row / row_count();
        const float high = span * visible_rows() / row_count();
        myglitem::draw_flat_rect(static_cast<float>(w - 8), top, static_cast<float>(w - 3),
                                 top + high, mark_tint);
    }
    const int message_mid = h - message_height / 2;
    if (!message.empty())
        label_centred(message, (c.left + c.right) / 2 - (wait != waiting::no ? 80 : 0), message_mid,
                      fitting_size(message, cell_size, c.right - c.left - 170));
    if (wait != waiting::no) {
        myglitem::draw_flat_rect(static_cast<float>(c.right - 140),
                                 static_cast<float>(h - message_height + 6),
                                 static_cast<float>(c.right), static_cast<float>(h - 6), row_tint);
        const std::string cancel_word = cf_tr("controls", "CANCEL");
        label_centred(cancel_word, c.right - 70, message_mid,
                      fitting_size(cancel_word, cell_size, 130));
    }
}

std::vector<layout_box> controls_scene::layout_boxes() const
{
    const int w = myglitem::viewport_width();
    const int h = myglitem::viewport_height();
    const columns c = columns_now();
    std::vector<layout_box> out;
    out.push_back({QStringLiteral("back"), QRectF(0, 0, 60, 60)});
    out.push_back({QStringLiteral("CONTROLS"),
                   label_box(cf_tr("controls", "CONTROLS"), w / 2.0, 30, title_size)});
    out.push_back({QStringLiteral("KEYS"),
                   label_box(cf_tr("controls", "KEYS"), (c.keys_left + c.keys_right) / 2.0,
                             list_top - 14, heading_size)});
    out.push_back(
        {QStringLiteral("PAD"), label_box(cf_tr("controls", "PAD"), (c.pad_left + c.right) / 2.0,
                                          list_top - 14, heading_size)});
    const int last = std::min(row_count(), first_row + visible_rows());
    for (int row = first_row; row < last; ++row) {
        const double top = list_top + (row - first_row) * row_height;
        if (row >= reset_row()) {
            out.push_back({QStringLiteral("row %1").arg(row),
                           QRectF(c.left, top + 3, c.right - c.left, row_height - 6)});
            continue;
        }
        const std::string name = input::intent_title(input::bindable_intents()[row]);
        const int size = fitting_size(name, name_size, c.keys_left - c.left - 20);
        out.push_back(
            {QString::fromStdString(name),
             QRectF(c.left + 10, top + row_height / 2.0 - size / 2.0,
                    static_cast<double>(extra_functions::glyph_count(name)) * size, size)});
        out.push_back({QStringLiteral("%1 keys").arg(row),
                       QRectF(c.keys_left, top + 7, c.keys_right - c.keys_left, row_height - 14)});
        if (!cell_text(row, column::pad).empty())
            out.push_back({QStringLiteral("%1 pad").arg(row),
                           QRectF(c.pad_left, top + 7, c.right - 6 - c.pad_left, row_height - 14)});
    }
    if (!message.empty()) {
        const int size = fitting_size(message, cell_size, c.right - c.left - 170);
        out.push_back({QStringLiteral("message"),
                       label_box(message, (c.left + c.right) / 2.0 - (wait != waiting::no ? 80 : 0),
                                 h - message_height / 2.0, size)});
    }
    if (wait != waiting::no)
        out.push_back({QStringLiteral("CANCEL"),
                       QRectF(c.right - 140, h - message_height + 6, 140, message_height - 12)});
    return on_screen(out);
}

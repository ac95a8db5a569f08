#include "editor_scene.h"

#include "bg_gl_item.h"
#include "catalogue.h"
#include "cfg.h"
#include "editor_canvas.h"
#include "editor_keys.h"
#include "editor_layout.h"
#include "level_scene.h"
#include "myglitem.h"
#include "own_levels_scene.h"
#include "sound_sink.h"
#include "spriteman.h"
#include "try_warnings.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <algorithm>
#include <cmath>

namespace
{

const int zoom_steps[] = {20, 30, 40, 60, 90}; // block sizes in pixels

// Pixels a pointer may wander before a press becomes a scroll.
constexpr int drag_slop = 10;

// Stock types a character can draw, in the order a tap cycles them.
const unsigned int stock_types[] = {0,          cfg::static0, cfg::spike,
                                    cfg::cloud, cfg::falling, cfg::destroyer};

} // namespace

editor_scene::editor_scene(const std::string& store_directory, QObject* parent)
    : myscene(parent), store(store_directory)
{
    running = true;
    self_drawing = true;
    background = new bg_gl_item(this, spriteman::tex_bg_non_grassy, nullptr, nullptr);
    new_level();
    resizeGL();
}

void editor_scene::new_level()
{
    doc = level_document::from_text("mapsize 16 10\nmkframe\n");
    name.clear();
    saved_text = doc.to_text();
    undo_steps.clear();
    redo_steps.clear();
    selected_char = -1;
    cursor_column = 1;
    cursor_row = 1;
    center_map();
}

bool editor_scene::has_unsaved_changes() const
{
    return doc.to_text() != saved_text;
}

void editor_scene::edit(const level_document& changed)
{
    if (changed == doc)
        return;
    undo_steps.push_back(doc);
    if (undo_steps.size() > max_undo_steps)
        undo_steps.erase(undo_steps.begin());
    redo_steps.clear();
    doc = changed;
    in_the_way.clear();
}

bool editor_scene::place_at(int column, int row)
{
    const int here = doc.record_at(column, row);
    // The character tool on a character picks it for its stock instead of
    // wiping that stock; a different colour recolours it.
    if (palette.kind == level_record::character && here >= 0 &&
        doc.records[here].kind == level_record::character) {
        level_document changed = doc;
        changed.records[here].colour = palette.colour;
        edit(changed);
        selected_char = here;
        return true;
    }
    const level_record placed = palette.record_for(column, row);
    if (!doc.fits(placed)) {
        show_message(cf_tr("editor", "NO ROOM INSIDE THE MAP"));
        return false;
    }
    // Placing replaces what stands in the cell; wiping out more than that
    // unseen would lose work, so the player is shown what is in the way.
    const std::vector<int> covered = doc.in_the_way(placed);
    if (!covered.empty()) {
        show_message(lang::fill(covered.size() == 1 ? cf_tr("editor", "%1 OBJECT IN THE WAY")
                                                    : cf_tr("editor", "%1 OBJECTS IN THE WAY"),
                                {std::to_string(covered.size())}));
        for (int i : covered)
            in_the_way.push_back(doc.records[i]);
        return false;
    }
    level_document changed = doc;
    if (!changed.place(placed))
        return false;
    edit(changed);
    selected_char = -1;
    if (palette.kind == level_record::character)
        selected_char = static_cast<int>(doc.records.size()) - 1;
    return true;
}

bool editor_scene::erase_at(int column, int row)
{
    level_document changed = doc;
    if (!changed.erase_at(column, row))
        return false;
    edit(changed);
    selected_char = -1;
    return true;
}

bool editor_scene::resize_map(int width, int height)
{
    level_document changed = doc;
    if (!changed.resize(width, height))
        return false;
    edit(changed);
    selected_char = -1;
    cursor_column = std::min(cursor_column, doc.width - 1);
    cursor_row = std::min(cursor_row, doc.height - 1);
    return true;
}

bool editor_scene::change_slot(int k, slot_part part)
{
    if (selected_char < 0 || selected_char >= static_cast<int>(doc.records.size()) || k < 0 ||
        k > 2 || doc.records[selected_char].kind != level_record::character)
        return false;
    level_document changed = doc;
    level_record::slot& s = changed.records[selected_char].stock_slots[k];
    switch (part) {
    case slot_part::type: {
        const int n = sizeof stock_types / sizeof stock_types[0];
        int i = 0;
        while (i < n && stock_types[i] != s.type)
            ++i;
        s.type = stock_types[(i + 1) % n];
        break;
    }
    case slot_part::colour:
        s.colour = static_cast<unsigned char>((s.colour + 1) % 4);
        break;
    case slot_part::count:
        // Up to nine blocks: one digit on the drawer's counter.
        s.count = static_cast<unsigned char>(s.count >= 9 ? 0 : s.count + 1);
        break;
    }
    edit(changed);
    return true;
}

bool editor_scene::undo()
{
    if (undo_steps.empty())
        return false;
    redo_steps.push_back(doc);
    doc = undo_steps.back();
    undo_steps.pop_back();
    selected_char = -1;
    return true;
}

bool editor_scene::redo()
{
    if (redo_steps.empty())
        return false;
    undo_steps.push_back(doc);
    doc = redo_steps.back();
    redo_steps.pop_back();
    selected_char = -1;
    return true;
}

void editor_scene::show_message(const std::string& text)
{
    message = text;
    message_ticks = 90;
    in_the_way.clear();
}

bool editor_scene::save()
{
    if (name.empty()) {
        // Offer the first free name; the player may type another.
        const std::vector<std::string> taken = store.names();
        int n = 1;
        while (std::find(taken.begin(), taken.end(), "LEVEL" + std::to_string(n)) != taken.end())
            ++n;
        typed_name = "LEVEL" + std::to_string(n);
        ask(mode_t::naming);
        return false;
    }
    return save_as(name);
}

bool editor_scene::save_as(const std::string& new_name)
{
    std::string error;
    const std::string text = doc.to_text();
    if (!store.save(new_name, text, error)) {
        show_message(error);
        return false;
    }
    name = new_name;
    saved_text = text;
    show_message(lang::fill(cf_tr("editor", "SAVED %1"), {name}));
    return true;
}

bool editor_scene::open_level(const std::string& level_name)
{
    std::string text;
    if (!store.read(level_name, text)) {
        show_message(lang::fill(cf_tr("editor", "CANNOT OPEN %1"), {level_name}));
        return false;
    }
    doc = level_document::from_text(text);
    name = level_name;
    // Compared with what this editor would write, so that a file written by
    // hand does not count as changed just by being opened.
    saved_text = doc.to_text();
    undo_steps.clear();
    redo_steps.clear();
    selected_char = -1;
    cursor_column = std::min(1, doc.width - 1);
    cursor_row = std::min(1, doc.height - 1);
    center_map();
    return true;
}

bool editor_scene::try_level(bool despite_findings)
{
    mode = mode_t::editing;
    if (doc.character_count() == 0) {
        show_message(cf_tr("editor", "PLACE A CHARACTER FIRST"));
        return false;
    }
    if (!store.make_directory() || !level_store::write_file(store.tryout_path(), doc.to_text())) {
        show_message(cf_tr("editor", "CANNOT WRITE TRY FILE"));
        return false;
    }
    // The checker reads the very file the level scene will load.
    if (!despite_findings) {
        try_findings = try_warnings::of_file(store.tryout_path());
        if (!try_findings.empty()) {
            ask(mode_t::confirm_try);
            return false;
        }
    }
    if (!enter_request) {
        enter_request =
            new level_scene(name.empty() ? "TRYOUT" : name, store.tryout_path(), nullptr);
        sound_sink::cue(sounds::door); // a level is entered as through a door
    }
    return true;
}

void editor_scene::rename()
{
    typed_name = name;
    ask(mode_t::naming);
}

void editor_scene::open_list()
{
    if (!enter_request)
        enter_request = new own_levels_scene(this);
}

void editor_scene::ask(mode_t question)
{
    mode = question;
    // Enter on a question keeps the work or goes back to it: the safe answer
    // is the default. A name is asked for to be saved.
    prompt_choice = 1;
    picker.reset();
    menu.open = false;
    // A message left from editing would read as the prompt's own.
    message.clear();
    in_the_way.clear();
}

void editor_scene::press_name_key(int k)
{
    switch (picker.press(k, typed_name)) {
    case name_picker::outcome::typed:
        return;
    case name_picker::outcome::save:
        if (save_as(typed_name))
            mode = mode_t::editing;
        return;
    case name_picker::outcome::cancel:
        mode = mode_t::editing;
        return;
    }
}

void editor_scene::leave()
{
    if (has_unsaved_changes() && mode != mode_t::confirm_leave) {
        ask(mode_t::confirm_leave);
        return;
    }
    mode = mode_t::editing;
    // Gone at the end of the next tick, not inside the handler that asked.
    leave_request = true;
}

void editor_scene::center_map()
{
    const int w = myglitem::viewport_width();
    const int h = myglitem::viewport_height();
    // The largest zoom that shows the whole map between the strips.
    block_px = zoom_steps[0];
    for (int step : zoom_steps)
        if (doc.width * step <= w && doc.height * step <= h - 2 * bar)
            block_px = step;
    origin_x = (w - doc.width * block_px) / 2.0;
    origin_y = bar + (h - 2 * bar - doc.height * block_px) / 2.0;
}

void editor_scene::zoom(int step)
{
    const int n = sizeof zoom_steps / sizeof zoom_steps[0];
    int i = 0;
    while (i < n - 1 && zoom_steps[i] < block_px)
        ++i;
    const int next = zoom_steps[std::clamp(i + step, 0, n - 1)];
    // Zoom about the middle of the screen.
    const double cx = myglitem::viewport_width() / 2.0;
    const double cy = myglitem::viewport_height() / 2.0;
    origin_x = cx - (cx - origin_x) * next / block_px;
    origin_y = cy - (cy - origin_y) * next / block_px;
    block_px = next;
}

bool editor_scene::cell_at(int x, int y, int& column, int& row) const
{
    const double cx = std::floor((x - origin_x) / block_px);
    const double cy = std::floor((y - origin_y) / block_px);
    if (cx < 0 || cy < 0 || cx >= doc.width || cy >= doc.height)
        return false;
    column = static_cast<int>(cx);
    row = static_cast<int>(cy);
    return true;
}

void editor_scene::keep_cursor_visible()
{
    const int w = myglitem::viewport_width();
    const int h = myglitem::viewport_height();
    const double left = origin_x + cursor_column * block_px;
    const double top = origin_y + cursor_row * block_px;
    if (left < 0)
        origin_x -= left;
    if (left + block_px > w)
        origin_x -= left + block_px - w;
    if (top < bar)
        origin_y += bar - top;
    if (top + block_px > h - bar)
        origin_y -= top + block_px - (h - bar);
}

void editor_scene::select_character_at(int column, int row)
{
    const int here = doc.record_at(column, row);
    selected_char = here >= 0 && doc.records[here].kind == level_record::character ? here : -1;
}

void editor_scene::move_cursor(int columns, int rows)
{
    cursor_column = std::clamp(cursor_column + columns, 0, doc.width - 1);
    cursor_row = std::clamp(cursor_row + rows, 0, doc.height - 1);
    keep_cursor_visible();
    select_character_at(cursor_column, cursor_row);
}

void editor_scene::keyPressEvent(QKeyEvent* e)
{
    editor_keys::key_press(*this, e);
}

bool editor_scene::intent_event(const input::meaning& m, bool pressed, bool repeat)
{
    return pressed && editor_keys::intent(*this, m.edit, repeat);
}

namespace
{

// The prompt's answers: 0 the left one (save or leave), 1 the right one.
bool in_prompt_button(int x, int y, int answer)
{
    return editor_layout::prompt_button(answer, myglitem::viewport_width(),
                                        myglitem::viewport_height())
        .contains(x, y);
}

} // namespace

void editor_scene::top_bar_press(int x, int y)
{
    using tb = editor_layout::top_button;
    switch (editor_layout::top_button_at(x, y, myglitem::viewport_width())) {
    case tb::leave:
        leave();
        return;
    case tb::undo:
        undo();
        return;
    case tb::redo:
        redo();
        return;
    case tb::try_level:
        try_level();
        return;
    case tb::save:
        save();
        return;
    case tb::open_list:
        open_list();
        return;
    case tb::zoom_in:
        zoom(1);
        return;
    case tb::zoom_out:
        zoom(-1);
        return;
    case tb::narrower:
        resize_map(doc.width - 1, doc.height);
        return;
    case tb::wider:
        resize_map(doc.width + 1, doc.height);
        return;
    case tb::lower:
        resize_map(doc.width, doc.height - 1);
        return;
    case tb::taller:
        resize_map(doc.width, doc.height + 1);
        return;
    case tb::width: // the sizes themselves only show
    case tb::height:
    case tb::count:
        return;
    }
}

bool editor_scene::stock_panel_press(int x, int y)
{
    if (selected_char < 0)
        return false;
    const int w = myglitem::viewport_width();
    for (int k = 0; k < 3; ++k) {
        if (!editor_layout::stock_slot(k, w).contains(x, y))
            continue;
        const slot_part parts[3] = {slot_part::type, slot_part::colour, slot_part::count};
        for (int part = 0; part < 3; ++part)
            if (editor_layout::stock_part(k, part, w).contains(x, y)) {
                chosen_slot = k;
                change_slot(k, parts[part]);
            }
        return true;
    }
    return false;
}

void editor_scene::press_at(int x, int y, bool erase_button)
{
    pressing = false;
    if (menu.open) {
        menu.press(*this, x, y);
        return;
    }
    const int w = myglitem::viewport_width(), h = myglitem::viewport_height();
    if (mode == mode_t::naming) {
        if (const int k = name_picker::key_at(x, y, w, h); k >= 0)
            press_name_key(k);
        return;
    }
    if (mode == mode_t::confirm_leave) {
        if (in_prompt_button(x, y, 0))
            leave();
        else if (in_prompt_button(x, y, 1))
            mode = mode_t::editing;
        return;
    }
    if (mode == mode_t::confirm_try) {
        if (editor_layout::warning_button(0, w, h).contains(x, y))
            try_level(true);
        else if (editor_layout::warning_button(1, w, h).contains(x, y))
            mode = mode_t::editing;
        return;
    }
    if (y < bar) {
        top_bar_press(x, y);
        return;
    }
    if (palette.press(x, y, myglitem::viewport_height()) || stock_panel_press(x, y))
        return;
    int column = 0, row = 0;
    const bool on_map = cell_at(x, y, column, row);
    if (erase_button) {
        if (on_map)
            erase_at(column, row);
        return;
    }
    // Off the map a press can still scroll it.
    pressing = true;
    dragged = false;
    long_pressed = false;
    press_ticks = 0;
    press_x = last_x = x;
    press_y = last_y = y;
}

void editor_scene::move_to(int x, int y)
{
    if (!pressing)
        return;
    if (!dragged && std::abs(x - press_x) + std::abs(y - press_y) > drag_slop)
        dragged = true;
    if (dragged && !long_pressed) {
        origin_x += x - last_x;
        origin_y += y - last_y;
    }
    last_x = x;
    last_y = y;
}

void editor_scene::release_at(int, int)
{
    if (!pressing)
        return;
    pressing = false;
    int column = 0, row = 0;
    if (dragged || long_pressed || !cell_at(press_x, press_y, column, row))
        return;
    cursor_column = column;
    cursor_row = row;
    place_at(column, row);
}

void editor_scene::advance()
{
    // A finger held still on a cell erases it: touch has no second button.
    if (pressing && !dragged && !long_pressed && ++press_ticks >= long_press_ticks) {
        long_pressed = true;
        int column = 0, row = 0;
        if (cell_at(press_x, press_y, column, row))
            erase_at(column, row);
    }
    if (message_ticks > 0 && --message_ticks == 0) {
        message.clear();
        in_the_way.clear();
    }
    repaint_request = repaint::if_focused;
}

void editor_scene::mousePressEvent(QGraphicsSceneMouseEvent* e)
{
    press_at(static_cast<int>(e->scenePos().x() - view_left),
             static_cast<int>(e->scenePos().y() - view_top), e->button() == Qt::RightButton);
}

void editor_scene::mouseMoveEvent(QGraphicsSceneMouseEvent* e)
{
    move_to(static_cast<int>(e->scenePos().x() - view_left),
            static_cast<int>(e->scenePos().y() - view_top));
}

void editor_scene::mouseReleaseEvent(QGraphicsSceneMouseEvent* e)
{
    release_at(static_cast<int>(e->scenePos().x() - view_left),
               static_cast<int>(e->scenePos().y() - view_top));
}

void editor_scene::wheelEvent(QGraphicsSceneWheelEvent* e)
{
    zoom(e->delta() > 0 ? 1 : -1);
    e->accept();
}

void editor_scene::resizeGL()
{
    if (background)
        background->resizeGL();
    setSceneRect(0, 0, myglitem::viewport_width(), myglitem::viewport_height());
}

void editor_scene::updateGL()
{
    myscene::updateGL();
    editor_canvas::draw(*this);
}

std::vector<layout_box> editor_scene::layout_boxes() const
{
    const int w = myglitem::viewport_width();
    const int h = myglitem::viewport_height();
    std::vector<layout_box> out;
    auto add = [&](const QString& label, const screen_rect& r) {
        out.push_back({label, QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom))});
    };
    if (menu.open) {
        for (int k = 0; k < editor_menu::row_count; ++k)
            add(QString::fromStdString(menu.label(*this, static_cast<editor_menu::row>(k))),
                editor_layout::menu_row(k, editor_menu::row_count, w, h));
        return on_screen(out);
    }
    if (mode != mode_t::editing) {
        add(QStringLiteral("first answer"), editor_layout::prompt_button(0, w, h));
        add(QStringLiteral("second answer"), editor_layout::prompt_button(1, w, h));
        return on_screen(out);
    }
    for (int k = 0; k < editor_layout::top_button_count; ++k)
        add(QStringLiteral("top button %1").arg(k),
            editor_layout::top_button_rect(static_cast<editor_layout::top_button>(k), w));
    for (int i = 0; i < editor_layout::kind_count; ++i)
        add(QStringLiteral("kind %1").arg(i), editor_layout::kind_cell(i, h));
    for (int c = 0; c < 4; ++c)
        add(QStringLiteral("colour %1").arg(c), editor_layout::colour_cell(c, h));
    add(QStringLiteral("direction"), editor_layout::direction_cell(h));
    if (selected_char >= 0 && selected_char < static_cast<int>(doc.records.size())) {
        add(QStringLiteral("stock title"), editor_layout::stock_title(w));
        for (int k = 0; k < 3; ++k)
            add(QStringLiteral("stock slot %1").arg(k), editor_layout::stock_slot(k, w));
    }
    return on_screen(out);
}

#include "game_scene.h"

#include "bg_gl_item.h"
#include "cfg.h"
#include "scene_controls.h"
#include "spriteman.h"
#include "stockblock.h"
#include "stockchar.h"
#include "world_listener.h"

#include <QGraphicsSceneMouseEvent>
#include <algorithm>
#include <cmath>

game_scene::game_scene(QObject* parent) : myscene(parent), controls(scene_controls::installed())
{
    gravity = 20 * cfg::multiplier;
    px_per_unit = 60.0 / cfg::multiplier;
    background = new bg_gl_item(this, spriteman::tex_bg_non_grassy, nullptr, nullptr);
    if (controls)
        controls->make_drawer(*this, cfg::drawer_ctrl_type); // installs itself
    running = true;
    self_drawing = true;
    gravity_per_tick = gravity / ticks_per_second;
    if (controls)
        controls->make_hud(*this);
    setSceneRect(0, 0, grid_width * static_cast<qreal>(block_size),
                 grid_height * static_cast<qreal>(block_size));
}

game_scene::~game_scene()
{
    flush_blocks();
    if (top_hud)
        delete controls->item(top_hud);
    top_hud = nullptr;
    delete drawer;
    drawer = nullptr;
    if (menu)
        delete controls->item(menu);
    menu = nullptr;
}

void game_scene::add_gl_item(myglitem* item)
{
    myscene::add_gl_item(item);
    const unsigned int t = item->type;
    const unsigned int c = item->color_index & 3;
    // Only world objects carry a type; controls and the background do not.
    if (t & cfg::cloud)
        clouds[c].push_back(static_cast<stockblock*>(item));
    else if (t & cfg::character)
        characters.push_back(static_cast<stockchar*>(item));
    else if (t & cfg::entrance)
        entrances.push_back(static_cast<stockblock*>(item));
    else if (t & cfg::exit)
        exits[c].push_back(static_cast<stockblock*>(item));
    else if (t & cfg::falling)
        fallings[c].push_back(static_cast<stockblock*>(item));
    else if (t & cfg::spike)
        spikes_list.push_back(static_cast<stockblock*>(item));
    else if (t & cfg::bomb)
        bombs.push_back(static_cast<stockblock*>(item));
}

void game_scene::remove_gl_item(myglitem* item)
{
    myscene::remove_gl_item(item);
    const unsigned int t = item->type;
    const unsigned int c = item->color_index & 3;
    // Called from the block destructors: compare addresses, never cast down
    // to a class whose destructor has already run.
    auto same = [item](const myglitem* b) { return b == item; };
    if (t & cfg::cloud) {
        clouds[c].remove_if(same);
    } else if (t & cfg::character) {
        auto it = std::find_if(characters.begin(), characters.end(), same);
        if (it != characters.end())
            characters.erase(it);
        // A blast or a "delete" may take the focused character (or the last
        // one) away: the focus falls back to the first character.
        if (focused >= characters.size())
            focused = 0;
    } else if (t & cfg::entrance) {
        entrances.remove_if(same);
    } else if (t & cfg::exit) {
        exits[c].remove_if(same);
    } else if (t & cfg::falling) {
        fallings[c].remove_if(same);
    } else if (t & cfg::spike) {
        spikes_list.remove_if(same);
    } else if (t & cfg::bomb) {
        bombs.remove_if(same);
        deletion_queue.remove_if(same);
    }
}

void game_scene::resizeGL()
{
    if (top_hud)
        controls->item(top_hud)->resizeGL();
    if (menu)
        controls->item(menu)->resizeGL();
    if (drawer)
        drawer->resizeGL();
    if (background)
        background->resizeGL();
}

std::vector<layout_box> game_scene::layout_boxes() const
{
    if (menu)
        return on_screen(controls->item(menu)->layout_boxes());
    std::vector<layout_box> out;
    if (top_hud)
        out = controls->item(top_hud)->layout_boxes();
    if (drawer) {
        const std::vector<layout_box> drawn = drawer->layout_boxes();
        out.insert(out.end(), drawn.begin(), drawn.end());
    }
    return on_screen(out);
}

bool game_scene::in_grid(long long column, long long row) const
{
    return column >= 0 && row >= 0 && column < static_cast<long long>(grid.size()) &&
           row < static_cast<long long>(grid[column].size());
}

void game_scene::set_map_size(int width_cells, int height_cells)
{
    // Pages of the map screen are loaded one after another into one world:
    // a later page may widen the grid, never shrink it.
    const int new_width = std::max(width_cells, has_grid() ? grid_width : 0);
    const int new_height = std::max(height_cells, has_grid() ? grid_height : 0);
    grid.resize(static_cast<size_t>(new_width));
    for (auto& column : grid)
        column.resize(static_cast<size_t>(new_height), nullptr);
    grid_width = new_width;
    grid_height = new_height;
    set_scene_rect();
}

void game_scene::clear_cell(long long column, long long row)
{
    if (!in_grid(column, row))
        return;
    delete grid[column][row]; // its destructor empties the cell
    grid[column][row] = nullptr;
}

stockchar* game_scene::focused_char()
{
    // A blast or a "delete" can leave the index past the end.
    if (focused >= characters.size())
        focused = 0;
    return characters.empty() ? nullptr : characters[focused];
}

void game_scene::flush_blocks()
{
    ++flushes;
    while (!characters.empty())
        delete characters.back();
    while (!entrances.empty())
        delete entrances.front();
    while (!bombs.empty())
        delete bombs.front();
    for (int c = 0; c < 4; ++c) {
        while (!clouds[c].empty())
            delete clouds[c].front();
        while (!exits[c].empty())
            delete exits[c].front();
        while (!fallings[c].empty())
            delete fallings[c].front();
    }
    for (auto& column : grid)
        for (stockblock*& cell : column)
            if (cell)
                delete cell;
    grid.clear();
    removal_queue.clear();
    deletion_queue.clear();
}

void game_scene::calculate_sizes()
{
    px_per_unit = static_cast<double>(block_size) / static_cast<double>(cfg::multiplier);
    set_scene_rect();
    for (myglitem* item : gl_items)
        item->calculate_size();
}

void game_scene::set_scene_rect()
{
    setSceneRect(-60, -60 - band_px, grid_width * static_cast<qreal>(block_size) + 160,
                 grid_height * static_cast<qreal>(block_size) + 120 + band_px);
}

void game_scene::zoom_in()
{
    block_size += 10;
    calculate_sizes();
}

void game_scene::zoom_out()
{
    block_size -= 10;
    if (block_size <= 9)
        block_size = 10;
    calculate_sizes();
}

void game_scene::open_pause_menu()
{
    if (controls)
        controls->open_menu(*this, scene_controls::menu::pause);
}

void game_scene::open_failed_menu()
{
    if (controls)
        controls->open_menu(*this, scene_controls::menu::failed);
}

void game_scene::open_passed_menu()
{
    if (controls)
        controls->open_menu(*this, scene_controls::menu::passed);
}

void game_scene::adopt_drawer(myglitem* surface, unsigned char kind)
{
    addItem(surface);
    add_gl_item(surface);
    drawer = surface;
    drawer_kind = kind;
}

void game_scene::drop_drawer(myglitem* surface)
{
    if (drawer == surface)
        drawer = nullptr;
    remove_gl_item(surface);
}

void game_scene::stop_focused_character()
{
    if (stockchar* ch = focused_char())
        set_held_keys(false, false, false, ch->down_held);
}

void game_scene::set_held_keys(bool left, bool right, bool jump, bool down)
{
    stockchar* ch = focused_char();
    if (!ch)
        return;
    const struct {
        bool& held;
        bool now;
        int key;
    } flags[] = {{ch->left_held, left, Qt::Key_Left},
                 {ch->right_held, right, Qt::Key_Right},
                 {ch->jump_held, jump, Qt::Key_Up},
                 {ch->down_held, down, Qt::Key_Down}};
    // Only changes are told, as the key presses and releases a keyboard
    // would have made: the history replays them through the keys.
    for (const auto& f : flags) {
        if (f.held == f.now)
            continue;
        f.held = f.now;
        tell_input(f.now ? replay_event::press : replay_event::release, f.key);
    }
}

void game_scene::switch_character()
{
    stockchar* old = focused_char();
    if (!old)
        return;
    // Held movement keys carry over to the newly selected character.
    const bool left = old->left_held, right = old->right_held;
    const bool jump = old->jump_held, down = old->down_held;
    old->press(input::intent::switch_character);
    focused = focused + 1;
    if (focused >= characters.size())
        focused = 0;
    stockchar* now = characters[focused];
    now->press(input::intent::switch_character);
    now->left_held = left;
    now->right_held = right;
    now->jump_held = jump;
    now->down_held = down;
    tell_input(replay_event::press, input::script_key(input::intent::switch_character));
    // A lone character keeps the focus: nothing switched.
    if (now != old)
        tell(world_event{world_event::char_switch, now});
}

void game_scene::add_listener(world_listener* l)
{
    listeners.push_back(l);
}

void game_scene::remove_listener(world_listener* l)
{
    listeners.erase(std::remove(listeners.begin(), listeners.end(), l), listeners.end());
}

void game_scene::tell(const replay_event& input) const
{
    for (world_listener* l : listeners)
        l->input_applied(input);
}

void game_scene::tell(const world_event& e) const
{
    for (world_listener* l : listeners)
        l->happened(e);
}

void game_scene::tell_input(replay_event::kind_t kind, int key)
{
    replay_event e;
    e.kind = kind;
    e.key = key;
    tell(e);
}

void game_scene::switch_drawer(unsigned char kind)
{
    delete drawer;
    drawer = nullptr;
    if (controls)
        controls->make_drawer(*this, kind);
}

void game_scene::toggle_drawing()
{
    switch_drawer((drawer_kind & cfg::drawer_drawer_type) ? cfg::drawer_ctrl_type
                                                          : cfg::drawer_drawer_type);
}

void game_scene::move_world()
{
    ++tick_counter;
    for (int c = 0; c < 4; ++c) {
        for (stockblock* b : clouds[c])
            b->advance(1);
        for (stockblock* b : fallings[c])
            b->advance(1);
    }
    for (stockchar* ch : characters)
        ch->advance(1);
    for (stockblock* b : spikes_list)
        b->advance(1);
    for (stockblock* b : bombs)
        b->advance(1);
}

void game_scene::settle_queues()
{
    process_removal_queue();
    process_deletion_queue();
}

void game_scene::advance()
{
    handled_failed = handled_passed = false;
    const bool world_moves = running;
    if (world_moves)
        move_world();
    if (drawer)
        drawer->advance(1);
    settle_queues();
    for (world_listener* l : listeners)
        l->tick_ended(world_moves);
    repaint_request = repaint::if_focused;
}

void game_scene::settle_requests()
{
    if (failed_request) {
        if (!menu)
            open_failed_menu();
        failed_request = false;
        handled_failed = true;
    }
    if (passed_request) {
        mark_as_passed();
        if (!menu)
            open_passed_menu();
        passed_request = false;
        handled_passed = true;
    }
}

void game_scene::finish_tick()
{
    if (close_menu_request) {
        if (menu)
            delete controls->item(menu); // restores the running flag it saved
        menu = nullptr;
        close_menu_request = false;
    }
    if (resume_request) {
        running = true;
        resume_request = false;
    }
}

void game_scene::process_removal_queue()
{
    // Taken out first: deleting a character also purges it from the queue.
    std::list<stockchar*> queue;
    queue.swap(removal_queue);
    for (stockchar* ch : queue) {
        auto it = std::find(characters.begin(), characters.end(), ch);
        if (it != characters.end()) {
            tell(world_event{world_event::exit_taken, ch});
            if (characters.size() == 1) {
                passed_request = true;
                tell(world_event{world_event::passed, ch});
            } else {
                delete ch;
            }
        }
        focused = 0;
    }
}

void game_scene::process_deletion_queue()
{
    std::list<stockblock*> queue;
    queue.swap(deletion_queue);
    for (stockblock* b : queue)
        delete b;
}

// ---- input routing ----

namespace
{

// The intents a character acts on; the rest belong to the scene.
bool moves_character(input::intent i)
{
    using input::intent;
    return i == intent::walk_left || i == intent::walk_right || i == intent::jump ||
           i == intent::hold_down || i == intent::door;
}

} // namespace

bool game_scene::intent_event(const input::meaning& m, bool pressed, bool repeat)
{
    using input::intent;
    // The open menu takes every key, and nothing of it reaches the world.
    if (menu)
        return pressed && controls->item(menu)->navigate(m.menu, repeat);
    // The pad's Start pauses in drawing mode too; Escape, which also pauses
    // a level, leaves drawing instead.
    const bool pauses = m.play == intent::pause && m.menu != intent::back;
    if (pressed && !pauses && (drawer_kind & cfg::drawer_drawer_type) && drawer) {
        if (drawer->navigate(m.menu, repeat))
            return true;
        // Escape and the pad's B leave drawing as P does; done here, as the
        // surface cannot delete itself.
        if (m.menu == intent::back) {
            if (!repeat)
                toggle_drawing();
            return true;
        }
    }
    if (repeat)
        return false;
    if (m.play == intent::look_left || m.play == intent::look_right || m.play == intent::look_up ||
        m.play == intent::look_down)
        return controls && controls->look(*this, m.play, pressed);
    if (!pressed) {
        if (!running || !moves_character(m.play))
            return false;
        if (stockchar* ch = focused_char()) {
            ch->release(m.play);
            tell_input(replay_event::release, input::script_key(m.play));
        }
        return true;
    }
    switch (m.play) {
    case intent::drawing_mode:
        toggle_drawing();
        return true;
    case intent::steer:
        switch_drawer(cfg::drawer_ctrl_type);
        return true;
    case intent::scroll:
        switch_drawer(cfg::drawer_mv_type);
        return true;
    case intent::zoom_in:
        zoom_in();
        return true;
    case intent::zoom_out:
        zoom_out();
        return true;
    case intent::pause:
        open_pause_menu();
        return true;
    case intent::switch_character:
        switch_character();
        return true;
    case intent::rewind:
        rewind();
        return true;
    default:
        break;
    }
    if (!running || !moves_character(m.play))
        return false;
    if (stockchar* ch = focused_char()) {
        ch->press(m.play);
        tell_input(replay_event::press, input::script_key(m.play));
    }
    return true;
}

myglitem* game_scene::captured() const
{
    switch (capture) {
    case capture_slot::menu:
        return menu ? controls->item(menu) : nullptr;
    case capture_slot::drawer:
        return drawer;
    case capture_slot::hud:
        return top_hud ? controls->item(top_hud) : nullptr;
    case capture_slot::none:
        break;
    }
    return nullptr;
}

void game_scene::press_at(int x, int y)
{
    released = false;
    if (menu) {
        capture = capture_slot::menu;
        captured()->clicked(x, y);
    } else if (top_hud && y < controls->item(top_hud)->height) {
        capture = capture_slot::hud;
        captured()->clicked(x, y);
    } else {
        capture = capture_slot::drawer;
        if (drawer)
            drawer->clicked(x, y);
    }
}

void game_scene::move_to(int x, int y)
{
    if (capture == capture_slot::none || released)
        return;
    if (myglitem* target = captured()) {
        // Guards against a move arriving while an earlier one is handled.
        released = true;
        target->moved(x, y);
        released = false;
    }
}

void game_scene::release_at(int x, int y)
{
    released = true;
    if (capture != capture_slot::none)
        if (myglitem* target = captured())
            target->released(x, y);
    capture = capture_slot::none;
}

namespace
{

// The HUD, the menus and the drawers lay themselves out in interface
// pixels: a press reaches them divided by the interface scale.
int view_coordinate(double scene_value, double view_origin)
{
    return static_cast<int>(std::trunc((scene_value - view_origin) / myglitem::ui_scale()));
}

} // namespace

void game_scene::mousePressEvent(QGraphicsSceneMouseEvent* e)
{
    press_at(view_coordinate(e->scenePos().x(), view_left),
             view_coordinate(e->scenePos().y(), view_top));
}

void game_scene::mouseMoveEvent(QGraphicsSceneMouseEvent* e)
{
    move_to(view_coordinate(e->scenePos().x(), view_left),
            view_coordinate(e->scenePos().y(), view_top));
}

void game_scene::mouseReleaseEvent(QGraphicsSceneMouseEvent* e)
{
    release_at(view_coordinate(e->scenePos().x(), view_left),
               view_coordinate(e->scenePos().y(), view_top));
}

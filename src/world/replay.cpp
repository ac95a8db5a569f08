#include "replay.h"

#include "bomb.h"
#include "cfg.h"
#include "cloud.h"
#include "data_text.h"
#include "game_scene.h"
#include "placement.h"
#include "rewind_log.h"
#include "stockchar.h"
#include "world_listener.h"

#include <QKeyEvent>
#include <algorithm>
#include <array>
#include <iostream>
#include <istream>
#include <locale>
#include <memory>
#include <ostream>
#include <sstream>

namespace
{

bool key_from_name(const std::string& name, int& key, std::string& text)
{
    static const struct {
        const char* name;
        int key;
        const char* text;
    } named[] = {{"Left", Qt::Key_Left, ""},    {"Right", Qt::Key_Right, ""},
                 {"Up", Qt::Key_Up, ""},        {"Down", Qt::Key_Down, ""},
                 {"Space", Qt::Key_Space, " "}, {"Backspace", Qt::Key_Backspace, "\b"}};
    for (const auto& n : named) {
        if (name == n.name) {
            key = n.key;
            text = n.text;
            return true;
        }
    }
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') {
        key = Qt::Key_A + (name[0] - 'A');
        text = std::string(1, static_cast<char>(name[0] - 'A' + 'a'));
        return true;
    }
    return false;
}

unsigned char direction_from_name(const std::string& name)
{
    if (name == "left")
        return cfg::l;
    if (name == "right")
        return cfg::p;
    if (name == "up")
        return cfg::g;
    if (name == "down")
        return cfg::d;
    return 0;
}

// The controls' part of a moment, which the game's rewind leaves alone: the
// drawer the keys chose and whether Backspace's pause menu is open. Between
// them they decide whether the world runs.
struct controls_state {
    unsigned char drawer_kind;
    bool menu;
};

controls_state controls_of(const game_scene& scene)
{
    return {scene.drawer_kind, scene.menu != nullptr};
}

// A script's rewind reaches the whole moment of a played tick: the game's
// rewind rebuilds its world, and here its controls are set as they were.
// Changing them must not change the world: the keys the characters hold
// stay held, and nobody hears of it.
void set_controls(game_scene& scene, const controls_state& then)
{
    std::vector<world_listener*> listening;
    listening.swap(scene.listeners);
    std::vector<std::array<bool, 4>> held;
    for (const stockchar* ch : scene.characters)
        held.push_back({ch->left_held, ch->right_held, ch->jump_held, ch->down_held});
    if (scene.menu) {
        scene.close_menu_request = true; // the menu gives back the running flag it found
        scene.finish_tick();
    }
    if (scene.drawer_kind != then.drawer_kind)
        scene.switch_drawer(then.drawer_kind);
    if (then.menu)
        scene.open_pause_menu();
    for (size_t i = 0; i < held.size(); ++i) {
        stockchar* ch = scene.characters[i];
        ch->left_held = held[i][0];
        ch->right_held = held[i][1];
        ch->jump_held = held[i][2];
        ch->down_held = held[i][3];
    }
    scene.listeners.swap(listening);
}

} // namespace

void print_world_state(game_scene& scene, long long t, std::ostream& out)
{
    out << t << " focus " << scene.focused << '\n';
    for (size_t i = 0; i < scene.characters.size(); ++i) {
        const stockchar* c = scene.characters[i];
        out << t << " char " << i << ' ' << c->x << ' ' << c->y << ' ' << c->vx << ' ' << c->vy
            << '\n';
    }
    for (int c = 0; c < 4; ++c) {
        size_t j = 0;
        for (const stockblock* b : scene.clouds[c])
            out << t << " cloud " << c << ' ' << j++ << ' ' << b->x << ' ' << b->y << ' ' << b->vx
                << ' ' << b->vy << ' ' << static_cast<int>(static_cast<const cloud*>(b)->dir)
                << '\n';
    }
    for (int c = 0; c < 4; ++c) {
        size_t j = 0;
        for (const stockblock* b : scene.fallings[c])
            out << t << " falling " << c << ' ' << j++ << ' ' << b->x << ' ' << b->y << ' ' << b->vx
                << ' ' << b->vy << '\n';
    }
    size_t j = 0;
    for (const stockblock* b : scene.bombs)
        out << t << " bomb " << j++ << ' ' << b->x << ' ' << b->y << ' '
            << static_cast<const bomb*>(b)->fuse << '\n';
}

void apply_replay_event(game_scene& scene, const replay_event& e, std::ostream& out)
{
    if (e.kind == replay_event::rewind)
        return;
    if (e.kind == replay_event::place) {
        const bool in_range = e.slot >= 0 && e.slot <= 2;
        const bool ok = in_range && place_from_stock(&scene, static_cast<unsigned int>(e.slot),
                                                     e.column, e.row, e.direction, true);
        out << e.tick << " place " << e.slot << ' ' << e.column << ' ' << e.row << ' '
            << (ok ? "ok" : "refused") << '\n';
        return;
    }
    // A script's keys are the playing keys: what the same key does to a
    // menu or the drawing cursor is no part of a replay.
    input::meaning m;
    m.play = input::key_meaning(e.key).play;
    scene.intent_event(m, e.kind == replay_event::press, false);
}

replay_script parse_replay_script(std::istream& in)
{
    replay_script script;
    std::string line;
    long long number = 0;
    data_text::skip_byte_order_mark(in);
    while (std::getline(in, line)) {
        ++number;
        const size_t hash = line.find('#');
        if (hash != std::string::npos)
            line.erase(hash);
        std::istringstream words(line);
        words.imbue(std::locale::classic());
        std::vector<std::string> w;
        for (std::string s; words >> s;)
            w.push_back(s);
        if (w.empty())
            continue;
        auto fail = [&](const std::string& why) {
            script.error = "line " + std::to_string(number) + ": " + why;
            return script;
        };
        replay_event e;
        if (!data_text::read_integer(w[0], e.tick) || e.tick < 1)
            return fail("expected a tick number from 1 up, got \"" + w[0] + "\"");
        if (w.size() < 2)
            return fail("missing event");
        if (w[1] == "press" || w[1] == "release") {
            e.kind = w[1] == "press" ? replay_event::press : replay_event::release;
            if (w.size() != 3 || !key_from_name(w[2], e.key, e.key_text))
                return fail("expected one key name (Left, Right, Up, Down, Space, Backspace or "
                            "A-Z)");
        } else if (w[1] == "place") {
            e.kind = replay_event::place;
            if (w.size() != 6 || !data_text::read_integer(w[2], e.slot) ||
                !data_text::read_integer(w[3], e.column) || !data_text::read_integer(w[4], e.row))
                return fail("expected: place <slot> <col> <row> <left|right|up|down>");
            e.direction = direction_from_name(w[5]);
            if (!e.direction)
                return fail("unknown direction \"" + w[5] + "\"");
        } else if (w[1] == "rewind") {
            e.kind = replay_event::rewind;
            if (w.size() != 3 || !data_text::read_integer(w[2], e.back) || e.back < 0)
                return fail("expected: rewind <ticks, from 0 up>");
        } else {
            return fail("unknown event \"" + w[1] + "\"");
        }
        script.events.push_back(e);
    }
    return script;
}

namespace
{

// With no trace, nothing is formatted; the world runs the same ticks.
replay_result run(const std::string& level_path, const replay_script& script, long long ticks,
                  std::ostream* trace, std::ostream& log)
{
    std::ostream discard(nullptr);

    replay_result result;
    {
        auto scene = std::make_unique<game_scene>();
        scene->load_from_file(level_path, log);

        std::vector<replay_event> events = script.events;
        std::stable_sort(
            events.begin(), events.end(),
            [](const replay_event& a, const replay_event& b) { return a.tick < b.tick; });
        auto next = events.begin();
        rewind_log history;
        history.begin(scene->tick_counter);
        scene->add_listener(&history);
        std::vector<controls_state> controls{controls_of(*scene)}; // [t]: after played tick t

        if (trace)
            print_world_state(*scene, 0, *trace);
        for (long long t = 1; t <= ticks; ++t) {
            for (; next != events.end() && next->tick == t; ++next) {
                if (next->kind == replay_event::rewind) {
                    if (trace)
                        *trace << t << " rewind " << next->back << '\n';
                    const long long then = std::max(0LL, t - 1 - next->back);
                    history.restore_played(*scene, level_path, then);
                    set_controls(*scene, controls[static_cast<size_t>(then)]);
                    continue;
                }
                apply_replay_event(*scene, *next, trace ? *trace : discard);
            }
            scene->tick();
            controls.push_back(controls_of(*scene));
            result.ticks = t;
            if (trace)
                print_world_state(*scene, t, *trace);
            if (scene->handled_failed) {
                if (trace)
                    *trace << t << " failed\n";
                result.outcome = replay_outcome::failed;
            }
            if (scene->handled_passed) {
                if (trace)
                    *trace << t << " passed\n";
                if (result.outcome == replay_outcome::running)
                    result.outcome = replay_outcome::passed;
            }
            if (result.outcome != replay_outcome::running)
                break;
        }
        if (trace) {
            for (size_t c = 0; c < scene->grid.size(); ++c)
                for (size_t r = 0; r < scene->grid[c].size(); ++r)
                    if (const stockblock* b = scene->grid[c][r])
                        *trace << "grid " << c << ' ' << r << ' ' << b->type << ' '
                               << static_cast<int>(b->color_index) << '\n';
            static const char* names[] = {"running", "passed", "failed"};
            *trace << "end " << result.ticks << ' ' << names[static_cast<int>(result.outcome)]
                   << '\n';
        }
        scene->remove_listener(&history);
    }
    return result;
}

} // namespace

replay_result run_replay(const std::string& level_path, const replay_script& script,
                         long long ticks, std::ostream& trace)
{
    return run(level_path, script, ticks, &trace, std::cout);
}

replay_result run_replay_quietly(const std::string& level_path, const replay_script& script,
                                 long long ticks)
{
    std::ostream quiet(nullptr);
    return run(level_path, script, ticks, nullptr, quiet);
}

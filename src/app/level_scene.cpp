#include "level_scene.h"

#include "attempt_keeper.h"
#include "catalogue.h"
#include "cfg.h"
#include "hud.h"
#include "hud_buttons.h"
#include "in_game_menu.h"
#include "level_format.h"
#include "menu_rows.h"
#include "progress_manager.h"
#include "solution_note.h"
#include "solution_player.h"
#include "sound_sink.h"
#include "stock_strip.h"
#include "stockchar.h"
#include "title_card.h"

#include <QCoreApplication>
#include <QGraphicsSceneMouseEvent>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

std::string level_scene::attempt_path;

level_scene::level_scene(const std::string& name, progress_manager* progress)
    : level_scene(name, cfg::levels_directory + name + cfg::level_suffix, progress)
{
    // A level read from elsewhere (the editor's) has none, whatever its name.
    const std::string path = cfg::solutions_directory + name + cfg::solution_suffix;
    if (std::ifstream(path, std::ios::binary))
        solution_path = path;
}

level_scene::level_scene(const std::string& name, const std::string& path,
                         progress_manager* progress)
    : game_scene(nullptr), file_path(path), progress(progress)
{
    level_name = name;
    load_from_file(level_path());
    new go_menu(this, top_hud);
    new ::zoom_in(this, top_hud);
    new ::zoom_out(this, top_hud);
    new ctrl_switch(this, top_hud);
    new mv_switch(this, top_hud);
    new open_the_door(this, top_hud);
    new drawer_switch(this, top_hud);
    new character_switch(this, top_hud);
    new rewind_button(this, top_hud);
    new stock_strip(this, top_hud); // under the bar, the bar owns it
    history.begin(tick_counter, this);
    add_listener(&history);
    add_listener(&failures);
    if (!attempt_path.empty()) {
        keeper = std::make_unique<attempt_keeper>(attempt_path, *this);
        // A clean quit loses nothing of the attempt.
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
                [this] { keeper->save(); });
    }
    if (qEnvironmentVariableIsSet("CF_ATTEMPT_TEST")) {
        std::ifstream in(qEnvironmentVariable("CF_ATTEMPT_SCRIPT").toStdString());
        test_script = std::make_unique<replay_script>(parse_replay_script(in));
    }
    if (top_hud) {
        // Every row can be brought out from under the HUD bar.
        fit_band();
        std::ifstream in(level_path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        card = new title_card(this, name, level_format::header_value(text.str(), "title"));
    }
}

level_scene::~level_scene()
{
    if (keeper)
        keeper->save();
    delete card;
    card = nullptr;
    delete note;
    note = nullptr;
    remove_listener(&failures);
    remove_listener(&history);
}

void level_scene::end_title_card()
{
    if (!card)
        return;
    card->finish();
    delete card;
    card = nullptr;
}

void level_scene::resizeGL()
{
    game_scene::resizeGL();
    if (card)
        card->resizeGL();
    fit_band();
}

void level_scene::fit_band()
{
    if (!top_hud)
        return;
    const int band = static_cast<int>(std::ceil(top_hud->bar_height * myglitem::ui_scale()));
    if (band == band_px)
        return;
    band_px = band;
    set_scene_rect();
    if (note)
        note->resizeGL();
}

void level_scene::focusOutEvent(QFocusEvent* e)
{
    // Stepping on back to the level's start would take the whole attempt.
    rewind_held_ticks = -1;
    game_scene::focusOutEvent(e);
}

void level_scene::mousePressEvent(QGraphicsSceneMouseEvent* e)
{
    if (player) {
        // The press only stops the watch: the HUD and drawers under it
        // belong to the solution's world.
        stop_watching();
        return;
    }
    // Skipping the card does not swallow the press: it acts as well.
    end_title_card();
    game_scene::mousePressEvent(e);
}

std::string level_scene::level_path() const
{
    return file_path;
}

void level_scene::continue_attempt(const attempt_record& record)
{
    attempt_counted = true; // when it began
    attempt_rewound = record.rewound;
    history.resume(*this, level_path(), record.way);
    failures.clear();
    // Lost when the game ended: the failed menu is where the player was.
    const bool lost = failed_request;
    failed_request = false;
    // The player's hands are empty at a new start: held keys count as
    // released, as after a rewind.
    set_held_keys(false, false, false, false);
    history.mark_carried();
    if (lost)
        open_failed_menu();
    trace_attempt("continued");
}

void level_scene::trace_attempt(const char* what)
{
    if (!test_script)
        return;
    const long long ticks = history.world_ticks();
    if (ticks == traced_ticks && what[0] == 't')
        return;
    traced_ticks = ticks;
    std::ostringstream words;
    print_world(*this, 0, words);
    print_grid(*this, words);
    std::fprintf(stderr, "attempt %s %lld %s\n", what, ticks,
                 attempt_record::fingerprint_of(words.str()).c_str());
    std::fflush(stderr);
    // A clean quit at a known moment, as closing the window would be.
    bool quit_set = false;
    const int quit_at = qEnvironmentVariableIntValue("CF_ATTEMPT_QUIT", &quit_set);
    if (quit_set && ticks >= quit_at)
        QCoreApplication::quit();
}

void level_scene::settle_requests()
{
    game_scene::settle_requests();
    // Leaving for the map or the title gives the attempt up.
    if (leave_request && keeper)
        keeper->forget();
}

void level_scene::mark_as_passed()
{
    // The solution's pass is not the player's.
    if (player)
        return;
    if (keeper)
        keeper->forget();
    if (!progress)
        return;
    progress->set_level_passed(level_name);
    level_pass pass;
    pass.ticks = history.world_ticks();
    pass.placements = static_cast<long long>(history.placement_count());
    pass.rewound = attempt_rewound;
    pass.watched = solution_watched;
    beaten = progress->record_pass(level_name, pass);
}

void level_scene::restart()
{
    if (player) {
        player.reset();
        delete note;
        note = nullptr;
    } else if (!failure_counted) {
        ++unsuccessful_attempts;
    }
    reload();
    begin_attempt();
}

void level_scene::reload()
{
    remove_listener(&history);
    flush_blocks();
    load_from_file(level_path());
    close_menu_request = true;
    switch_drawer(cfg::drawer_ctrl_type);
    resume_request = running;
    rewind_held_ticks = -1;
    gauge_left = 0;
    // The tick counter starts where a fresh load starts it: blocks claim
    // their move in a tick by it, and a new block holds 0.
    tick_counter = 0;
    history.begin(tick_counter, this);
    add_listener(&history);
    failures.clear();
    failure_counted = false;
}

void level_scene::watch_solution()
{
    if (!has_solution())
        return;
    auto script = std::make_unique<solution_player>();
    if (!script->load(solution_path)) {
        std::cerr << "crumbleford: no solution to watch: " << script->error << '\n';
        return;
    }
    end_title_card();
    // The level starts again once the menu the watch was chosen from has
    // closed: until then the drawer's running flag may move the world.
    if (menu)
        close_menu_request = true;
    player = std::move(script);
    watch_started = false;
    ticks_after_script = 0;
    solution_watched = true;
}

void level_scene::start_watching()
{
    reload();
    // Even a menu opened over the drawing surface leaves the world running.
    running = true;
    watch_started = true;
    if (!note)
        note = new solution_note(this);
    // The attempt in progress is given up for the watch, and the watch is
    // no attempt of the player's to keep.
    if (keeper)
        keeper->forget();
}

void level_scene::stop_watching()
{
    player.reset();
    delete note;
    note = nullptr;
    reload();
    begin_attempt();
    // No menu is open to close: one opened before the next tick stays.
    if (!menu)
        close_menu_request = false;
}

void level_scene::begin_attempt()
{
    ++restarts;
    if (keeper)
        keeper->begin_again();
    attempt_rewound = false;
    attempt_counted = false;
}

void level_scene::rewind()
{
    sound_sink::cue(sounds::rewind);
    ++rewinds;
    attempt_rewound = true;
    failure_counted = false;
    history.restore_played(*this, level_path(), history.before_last_move());
    failures.clear();
    // The player's hands are not rewound: keys let go meanwhile count as
    // released, so nobody walks on by himself.
    set_held_keys(left_down, right_down, jump_down, down_down);
    history.mark_carried();
    gauge_left = gauge_ticks;
}

game_scene::rewind_position level_scene::rewind_gauge() const
{
    rewind_position p;
    const long long furthest = history.furthest_world_ticks();
    p.moment = furthest > 0 ? static_cast<double>(history.world_ticks()) / furthest : 0.0;
    p.shown = rewind_held_ticks >= 0
                  ? 1.0
                  : std::min(1.0, static_cast<double>(gauge_left) / gauge_fade_ticks);
    return p;
}

void level_scene::advance()
{
    if (!attempt_counted && progress)
        progress->count_attempt(level_name);
    attempt_counted = true;
    if (rewind_held_ticks >= 0 && menu)
        rewind_held_ticks = -1; // a menu takes the keys, the release too
    if (rewind_held_ticks >= 0) {
        ++rewind_held_ticks;
        if (rewind_held_ticks >= rewind_delay &&
            (rewind_held_ticks - rewind_delay) % rewind_period == 0)
            rewind();
        repaint_request = repaint::if_focused;
        if (keeper)
            keeper->tick();
        return;
    }
    if (player && !watch_started && !menu)
        start_watching();
    if (player && watch_started && running && !menu) {
        feeding = true;
        player->feed(*this, history, level_path());
        feeding = false;
    }
    std::ostream quiet(nullptr);
    if (test_script)
        for (const replay_event& e : test_script->events)
            if (e.tick == history.moment() + 1)
                apply_replay_event(*this, e, quiet);
    game_scene::advance();
    if (gauge_left > 0)
        --gauge_left;
    if (failures.fell_out_now) {
        // Nothing below the grid can stop the fall: the level is lost.
        failed_request = true;
        tell(world_event{world_event::fell_out, focused_char()});
    }
    if (card && !card->step()) {
        delete card;
        card = nullptr;
    }
    if (keeper && !player)
        keeper->tick();
    trace_attempt("tick");
    if (player) {
        if (player->done())
            ++ticks_after_script;
        // The solution has shown the way: the player tries from the start,
        // and the pass it reached is not the player's.
        if (passed_request || failed_request || ticks_after_script > watch_grace_ticks) {
            passed_request = false;
            failed_request = false;
            stop_watching();
        }
    }
}

void level_scene::open_pause_menu()
{
    game_scene::open_pause_menu();
    if (!menu)
        return;
    new igm_rewind(this, menu, false);
    if (has_solution())
        new igm_action(this, menu, cf_tr("menu", "WATCH[SOLUTION"), [this] { watch_solution(); });
}

void level_scene::open_failed_menu()
{
    if (!failure_counted) {
        ++unsuccessful_attempts;
        failure_counted = true;
    }
    game_scene::open_failed_menu();
    if (!menu)
        return;
    new igm_rewind(this, menu, true);
    if (has_solution() && unsuccessful_attempts >= attempts_before_help) {
        auto* row = new igm_action(this, menu, cf_tr("menu", "WATCH[SOLUTION"),
                                   [this] { watch_solution(); });
        row->preferred = true;
    }
    if (failures.what == failure_watch::cause::none)
        return;
    new igm_note(this, menu, cf_tr("menu", failure_watch::words(failures.what)), 26);
    menu->keep_in_sight(failures.spot_x, failures.spot_y);
}

void level_scene::open_passed_menu()
{
    game_scene::open_passed_menu();
    if (!menu)
        return;
    if (progress && enter_next) {
        const std::string next = progress->next_level(level_name);
        if (!next.empty()) {
            auto* row = new igm_action(this, menu, cf_tr("menu", "NEXT[LEVEL"), [this, next] {
                leave_request = true;
                enter_next(next);
            });
            row->preferred = true;
        } else if (progress->passed_count >= progress->levels.size()) {
            new igm_note(this, menu, cf_tr("menu", "EVERY LEVEL PASSED"), 26);
        }
    }
    new igm_note(this, menu, attempt_summary(), 24);
    if (beaten.any())
        new igm_note(this, menu, new_best_words(beaten), 24);
}

std::string level_scene::new_best_words(const new_bests& beaten)
{
    if (beaten.time && beaten.placements)
        return cf_tr("records", "NEW BEST TIME AND BLOCKS");
    return beaten.time ? cf_tr("records", "NEW BEST TIME") : cf_tr("records", "NEW BEST BLOCKS");
}

std::string level_scene::attempt_summary() const
{
    const long long ticks = history.world_ticks();
    const long long seconds = ticks / ticks_per_second;
    char clock[32];
    std::snprintf(clock, sizeof clock, "%lld:%02lld", seconds / 60, seconds % 60);
    return lang::fill(cf_tr("records", "TIME %1  TICKS %2  BLOCKS %3"),
                      {clock, std::to_string(ticks), std::to_string(history.placement_count())});
}

bool level_scene::intent_event(const input::meaning& m, bool pressed, bool repeat)
{
    if (feeding)
        return game_scene::intent_event(m, pressed, repeat);
    if (player) {
        // Watching is read-only; a new press ends it and is spent doing so.
        if (pressed && !repeat)
            stop_watching();
        return true;
    }
    // Any key or button ends the title card, and still does what it does.
    if (pressed)
        end_title_card();
    // The player's hands, whatever the world does with them: a rewind
    // restores exactly these.
    if (!repeat) {
        switch (m.play) {
        case input::intent::walk_left:
            left_down = pressed;
            break;
        case input::intent::walk_right:
            right_down = pressed;
            break;
        case input::intent::jump:
            jump_down = pressed;
            break;
        case input::intent::hold_down:
            down_down = pressed;
            break;
        default:
            break;
        }
    }
    // The keyboard's repeat lets go and presses again while the key is
    // held: only a real release ends the hold.
    if (m.play == input::intent::rewind && !pressed && !repeat)
        rewind_held_ticks = -1;
    const unsigned int rewinds_before = rewinds;
    const bool taken = game_scene::intent_event(m, pressed, repeat);
    // Only a held key or button steps on; the keyboard's own repeat is not
    // the pace.
    if (m.play == input::intent::rewind && pressed && rewinds != rewinds_before)
        rewind_held_ticks = 0;
    return taken;
}

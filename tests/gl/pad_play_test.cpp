// The real game, in this process on an X display, played with a virtual
// pad alone: not one key or pointer event. From the title to the map, to
// door 1 and through level 1 by its recorded solution turned into pad
// presses, the passed menu back to the map, and a level that pauses when
// its pad is unplugged; and level 6, which needs drawing, drawn with the
// D-pad moving the drawing mode's cursor. Screens and menus run at the
// game's own pace; while a world is walked the test steps its ticks, so
// that a recorded solution lands on the ticks it was recorded for.

#include "MainWindow.h"
#include "cfg.h"
#include "drawing_drawer.h"
#include "in_process.h"
#include "level_entrance.h"
#include "level_scene.h"
#include "map_select_scene.h"
#include "menu_scene.h"
#include "pad_reader.h"
#include "progress_manager.h"
#include "scene_manager.h"
#include "stockchar.h"
#include "virtual_pad.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <sstream>

namespace
{

using input::pad_button;

// Which pad control stands for each key of a recorded solution.
const std::map<std::string, SDL_GameControllerButton> solution_buttons = {
    {"Left", SDL_CONTROLLER_BUTTON_DPAD_LEFT}, {"Right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
    {"Up", SDL_CONTROLLER_BUTTON_A},           {"Down", SDL_CONTROLLER_BUTTON_DPAD_DOWN},
    {"Space", SDL_CONTROLLER_BUTTON_X},
};

struct script_event {
    long long tick;
    enum { press, release, place } kind;
    SDL_GameControllerButton button; // press and release
    unsigned int slot;               // place
    int column, row;
    unsigned char way;
};

// A solution script as pad events; false when it has a line the pad cannot
// play.
bool read_solution(const std::string& path, std::vector<script_event>& out)
{
    const std::map<std::string, unsigned char> ways = {
        {"left", cfg::l}, {"right", cfg::p}, {"up", cfg::g}, {"down", cfg::d}};
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        script_event e{};
        std::string kind, word;
        if (!(words >> e.tick >> kind))
            return false;
        if (kind == "place") {
            e.kind = script_event::place;
            if (!(words >> e.slot >> e.column >> e.row >> word) || !ways.count(word))
                return false;
            e.way = ways.at(word);
        } else {
            e.kind = kind == "press" ? script_event::press : script_event::release;
            if ((kind != "press" && kind != "release") || !(words >> word) ||
                !solution_buttons.count(word))
                return false;
            e.button = solution_buttons.at(word);
        }
        out.push_back(e);
    }
    return !out.empty();
}

class PadPlay : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "no X display";
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
            GTEST_SKIP() << "SDL cannot start: " << SDL_GetError();
        sdl_started = true;
        ASSERT_TRUE(home.isValid());

        window = std::make_unique<MainWindow>();
        view& v = window->main_view;
        // Progress goes to the test's own file, not the player's.
        progress_path = home.filePath("passed_levels").toStdString();
        delete v.progress;
        v.progress = new progress_manager(cfg::menus_list, cfg::levels_list, progress_path,
                                          cfg::menu_directory);
        scene_manager::_progress_manager_static_ptr = v.progress;
        window->show();
        ASSERT_TRUE(v.pads && v.pads->available());
        QObject::connect(v.pads, &input::pad_reader::button,
                         [this](pad_button b, bool pressed, bool) {
                             heard.push_back({b, pressed});
                         });
        clock.start();
    }
    void TearDown() override
    {
        pad.reset();
        window.reset();
        myscene::keys_in_use = false; // later tests draw screens without focus
        if (sdl_started)
            SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }

    view& game_view() { return window->main_view; }
    myscene* top() { return game_view().manager->top(); }
    template <class scene> scene* top_as() { return dynamic_cast<scene*>(top()); }

    // Plugs the pad in and waits until the game has it.
    void plug()
    {
        pad = std::make_unique<virtual_pad>();
        ASSERT_TRUE(pad->ok()) << SDL_GetError();
        ASSERT_TRUE(in_process::wait_for([&] { return game_view().pads->pad_count() == 1; }));
    }

    // A press the game's own timer reads: held until the game heard it, then
    // let go until it heard that too.
    bool tap(SDL_GameControllerButton b, pad_button expected)
    {
        heard.clear();
        pad->button(b, true);
        const bool down = in_process::wait_for([&] { return heard_now(expected, true); }, 3000);
        pad->button(b, false);
        const bool up = in_process::wait_for([&] { return heard_now(expected, false); }, 3000);
        return down && up;
    }
    bool heard_now(pad_button b, bool pressed) const
    {
        for (const auto& h : heard)
            if (h.first == b && h.second == pressed)
                return true;
        return false;
    }

    // The frame the game draws now, kept in the artefacts for a look.
    void keep(const QString& name)
    {
        auto* gl = qobject_cast<myglwidget*>(game_view().viewport());
        if (!gl)
            return;
        QDir().mkpath(QStringLiteral(CF_ARTIFACTS_DIR));
        gl->grabFramebuffer().save(QStringLiteral(CF_ARTIFACTS_DIR "/pad-%1-%2.png")
                                       .arg(++shots, 2, 10, QChar('0'))
                                       .arg(name));
    }

    // While a world is stepped by the test, the pad is read between ticks.
    void read_pad() { game_view().pads->poll(clock.elapsed()); }

    // Walks the map's character into the door of `level_name` with the D-pad
    // and opens it with X. The map's ticks are stepped by the test, so the
    // level it opens has not ticked yet when this returns it.
    level_scene* enter_door(map_select_scene& map, const std::string& level_name)
    {
        stockblock* door = nullptr;
        for (stockblock* e : map.entrances)
            if (static_cast<level_entrance*>(e)->level_name == level_name)
                door = e;
        stockchar* walker = map.focused_char();
        if (!door || !walker)
            return nullptr;
        map.timer->stop();
        const auto direction = walker->x < door->x ? SDL_CONTROLLER_BUTTON_DPAD_RIGHT
                                                   : SDL_CONTROLLER_BUTTON_DPAD_LEFT;
        const auto inside = [&] {
            return walker->x > door->x + cfg::multiplier / 4 &&
                   walker->x + walker->size < door->x + door->size - cfg::multiplier / 4;
        };
        pad->button(direction, true);
        for (int tick = 0; tick < 600 && !inside(); ++tick) {
            read_pad();
            map.tick();
        }
        pad->button(direction, false);
        read_pad();
        for (int tick = 0; tick < 30; ++tick)
            map.tick(); // comes to rest
        pad->button(SDL_CONTROLLER_BUTTON_X, true);
        read_pad();                           // the door opens on the press
        scene_manager::current()->tick(&map); // and the level is entered after the tick
        pad->button(SDL_CONTROLLER_BUTTON_X, false);
        auto* level = dynamic_cast<level_scene*>(scene_manager::current()->top());
        if (level)
            level->timer->stop();
        read_pad();
        return level;
    }

    // A press read at once, while the test steps the world.
    void tap_now(SDL_GameControllerButton b)
    {
        pad->button(b, true);
        read_pad();
        pad->button(b, false);
        read_pad();
    }

    // Plays a recorded solution on the pad, its ticks stepped by the test:
    // key events become buttons, and a placement is drawn as a player
    // draws, with the world standing still: let go of the D-pad, Back for
    // the drawing mode, the D-pad to the cell, the shoulders to the slot,
    // A to place, B to leave, and the D-pad held again as it was.
    void play_solution(level_scene& level, const std::string& script_path)
    {
        std::vector<script_event> script;
        ASSERT_TRUE(read_solution(script_path, script)) << script_path;
        std::set<SDL_GameControllerButton> held;
        std::size_t next = 0;
        for (long long tick = 1; tick <= 1000 && !level.handled_passed; ++tick) {
            for (; next < script.size() && script[next].tick == tick; ++next) {
                const script_event& e = script[next];
                if (e.kind == script_event::place) {
                    draw_by_pad(level, e, held);
                    if (HasFatalFailure())
                        return;
                    continue;
                }
                pad->button(e.button, e.kind == script_event::press);
                if (e.kind == script_event::press)
                    held.insert(e.button);
                else
                    held.erase(e.button);
            }
            read_pad();
            level.tick();
        }
        // Scripts may end with a button held.
        for (const SDL_GameControllerButton b : held)
            pad->button(b, false);
        read_pad();
    }

    void draw_by_pad(level_scene& level, const script_event& e,
                     const std::set<SDL_GameControllerButton>& held)
    {
        SCOPED_TRACE("placement at tick " + std::to_string(e.tick));
        const auto dpad = {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
                           SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_DOWN};
        for (const auto b : dpad)
            pad->button(b, false);
        read_pad();
        tap_now(SDL_CONTROLLER_BUTTON_BACK);
        auto* drawer = dynamic_cast<drawing_drawer*>(level.drawer);
        ASSERT_NE(drawer, nullptr) << "Back did not open the drawing mode";
        tap_now(SDL_CONTROLLER_BUTTON_DPAD_RIGHT); // the cursor comes beside the character
        for (int i = 0; i < 20 && drawer->cell_y != e.row; ++i)
            tap_now(drawer->cell_y > e.row ? SDL_CONTROLLER_BUTTON_DPAD_UP
                                           : SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        for (int i = 0; i < 20 && drawer->cell_x != e.column; ++i)
            tap_now(drawer->cell_x > e.column ? SDL_CONTROLLER_BUTTON_DPAD_LEFT
                                              : SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        // The cursor points the way it last went: a step away and back turns it.
        const std::map<unsigned char, std::pair<SDL_GameControllerButton, SDL_GameControllerButton>>
            turns = {
                {cfg::p, {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT}},
                {cfg::l, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_DPAD_LEFT}},
                {cfg::g, {SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_UP}},
                {cfg::d, {SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_DOWN}},
            };
        if (drawer->direction != e.way) {
            tap_now(turns.at(e.way).first);
            tap_now(turns.at(e.way).second);
        }
        ASSERT_EQ(drawer->cell_x, e.column);
        ASSERT_EQ(drawer->cell_y, e.row);
        ASSERT_EQ(drawer->direction, e.way);
        for (int i = 0; i < 3 && drawer->selected_slot != e.slot; ++i)
            tap_now(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
        ASSERT_EQ(drawer->selected_slot, e.slot);
        keep(QStringLiteral("drawing-at-tick-%1").arg(e.tick));
        tap_now(SDL_CONTROLLER_BUTTON_A);
        EXPECT_NE(level.grid.at(e.column).at(e.row), nullptr) << "A placed nothing";
        tap_now(SDL_CONTROLLER_BUTTON_B);
        ASSERT_EQ(level.drawer_kind & cfg::drawer_drawer_type, 0) << "B did not leave drawing";
        for (const auto b : held)
            pad->button(b, true);
    }

    bool sdl_started = false;
    QTemporaryDir home;
    std::string progress_path;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<virtual_pad> pad;
    std::vector<std::pair<pad_button, bool>> heard;
    QElapsedTimer clock;
    int shots = 0;
};

} // namespace

TEST_F(PadPlay, FromTheTitleThroughLevelOneAndAnUnpluggedPadPausesTheLevel)
{
    ASSERT_TRUE(in_process::wait_for([&] { return top_as<menu_scene>() != nullptr; }, 20000))
        << "the title never came";
    plug();

    // Title: the focus starts on play.
    keep("title");
    ASSERT_TRUE(tap(SDL_CONTROLLER_BUTTON_A, pad_button::south));
    ASSERT_TRUE(in_process::wait_for([&] { return top_as<map_select_scene>() != nullptr; }))
        << "A on the title did not open the map";
    map_select_scene* map = top_as<map_select_scene>();
    keep("map");

    level_scene* level = enter_door(*map, "1");
    ASSERT_NE(level, nullptr) << "X in door 1 did not open level 1";
    ASSERT_EQ(level->level_name, "1");
    ASSERT_EQ(level->history.world_ticks(), 0);

    // The recorded solution, pressed on the pad before the ticks it names.
    play_solution(*level, CF_STAGE_DIR "solutions/1.script");
    ASSERT_TRUE(level->handled_passed) << "level 1 was not passed by the pad";
    ASSERT_NE(level->menu, nullptr);
    keep("level-1-passed");

    // The passed menu: its first row, chosen with A, leads to the map.
    level->timer->start(level->tick_period());
    ASSERT_TRUE(tap(SDL_CONTROLLER_BUTTON_A, pad_button::south));
    ASSERT_TRUE(in_process::wait_for([&] { return top_as<map_select_scene>() == map; }))
        << "A in the passed menu did not lead to the map";
    QFile progress(QString::fromStdString(progress_path));
    ASSERT_TRUE(progress.open(QIODevice::ReadOnly));
    EXPECT_EQ(progress.readAll(), QByteArray("1\n"));

    // Into level 1 again and walking: the pad goes, the level pauses and
    // the walk is let go.
    level = enter_door(*map, "1");
    ASSERT_NE(level, nullptr);
    level->timer->start(level->tick_period());
    pad->button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    stockchar* walker = level->focused_char();
    ASSERT_NE(walker, nullptr);
    ASSERT_TRUE(in_process::wait_for([&] { return walker->right_held; }));
    pad->unplug();
    ASSERT_TRUE(in_process::wait_for([&] { return level->menu != nullptr; }))
        << "unplugging the pad did not pause the level";
    EXPECT_FALSE(walker->right_held);
    EXPECT_FALSE(level->running);
    keep("paused");
}

TEST_F(PadPlay, PassesALevelThatNeedsDrawingByPadAlone)
{
    ASSERT_TRUE(in_process::wait_for([&] { return top_as<menu_scene>() != nullptr; }, 20000))
        << "the title never came";
    plug();
    // Level 6 is behind the map's second page; the way there is not this
    // test's business.
    auto* level = new level_scene("6");
    game_view().manager->add_scene(level);
    level->timer->stop();
    ASSERT_EQ(level->history.world_ticks(), 0);

    play_solution(*level, CF_STAGE_DIR "solutions/6.script");
    ASSERT_FALSE(HasFatalFailure());
    keep("level-6-passed");
    EXPECT_TRUE(level->handled_passed) << "level 6 was not passed by the pad";
}

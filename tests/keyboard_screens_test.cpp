// The screens around play by keys alone: every button of the title, every
// help and credits page, the map and every row of the in-game menus can be
// reached and chosen, Escape does what it means on each, and the focus frame
// shows only while keys are in use.

#include "editor_scene.h"
#include "gl_recorder.h"
#include "headless_screen.h"
#include "in_game_menu.h"
#include "level_scene.h"
#include "map_select_scene.h"
#include "menu_rows.h"
#include "menu_scene.h"
#include "scene_manager.h"
#include "settings_scene.h"
#include "tex_scrolling_view.h"

#include <QGraphicsView>
#include <QKeyEvent>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace
{

void key(myscene* s, int k, bool repeat = false)
{
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, QString(), repeat);
    s->keyPressEvent(&press);
    QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier, QString(), repeat);
    s->keyReleaseEvent(&release);
}

void keys(myscene* s, const std::vector<int>& ks)
{
    for (int k : ks)
        key(s, k);
}

void pad(myscene* s, input::pad_button b)
{
    s->intent_event(input::pad_meaning(b), true, false);
    s->intent_event(input::pad_meaning(b), false, false);
}

// What the top of the stack shows, in words.
std::string top_screen(scene_manager& manager)
{
    myscene* top = manager.top();
    if (auto* page = dynamic_cast<tex_scrolling_view*>(top))
        return page->page == spriteman::tex_help_first    ? "help 1"
               : page->page == spriteman::tex_help_second ? "help 2"
               : page->page == spriteman::tex_help_third  ? "help 3"
               : page->page == spriteman::tex_credits     ? "credits"
                                                          : "other page";
    if (dynamic_cast<map_select_scene*>(top))
        return "map";
    if (dynamic_cast<editor_scene*>(top))
        return "editor";
    if (dynamic_cast<settings_scene*>(top))
        return "settings";
    if (dynamic_cast<menu_scene*>(top))
        return "title";
    return "other";
}

// Whether keys are in use, for one block; off again afterwards.
struct keys_in_use {
    explicit keys_in_use(bool on) { myscene::keys_in_use = on; }
    ~keys_in_use() { myscene::keys_in_use = false; }
};

// Whether a draw took its texels from the focus frame's cell.
bool from_frame_cell(const recorded_draw& d)
{
    const float* cell = spriteman::tex_focus_frame;
    return d.tex.size() == 8 && d.tex[0] >= cell[0] && d.tex[6] <= cell[6] && d.tex[1] <= cell[1] &&
           d.tex[7] >= cell[7];
}

std::vector<recorded_draw> frame_draws(const gl_recorder& gl)
{
    std::vector<recorded_draw> found;
    for (const recorded_draw& d : gl.draws)
        if (from_frame_cell(d))
            found.push_back(d);
    return found;
}

// The rectangle the frame's nine pieces cover together.
std::vector<float> frame_box(const std::vector<recorded_draw>& pieces)
{
    if (pieces.size() != 9)
        return {};
    return {pieces.front().left(), pieces.front().top(), pieces.back().right(),
            pieces.back().bottom()};
}

class counted_level : public level_scene
{
  public:
    counted_level() : level_scene("1") {}
    void restart() override
    {
        ++restarts;
        level_scene::restart();
    }
    void rewind() override
    {
        ++rewinds;
        level_scene::rewind();
    }
    int restarts = 0;
    int rewinds = 0;
};

// What choosing a row did to the scene, in words.
std::string outcome(scene_manager& manager, game_scene* s)
{
    if (s->help_request || top_screen(manager) == "help 1")
        return "help";
    if (auto* level = dynamic_cast<counted_level*>(s)) {
        if (level->watching())
            return "watches";
        if (level->restarts)
            return "restarts";
        if (level->rewinds)
            return level->close_menu_request ? "rewinds and closes" : "rewinds";
    }
    if (s->leave_request)
        return "leaves";
    if (s->close_menu_request)
        return "closes";
    return "nothing";
}

std::string highlighted_text(in_game_menu* menu)
{
    auto* row = dynamic_cast<igm_just_text*>(menu->highlighted());
    return row ? row->text : "none";
}

} // namespace

TEST(KeyboardScreens, TitleButtonsAreReachedAndPressedByKeys)
{
    headless_screen screen;
    struct route {
        std::vector<int> keys;
        const char* focused;
        const char* opens; // after Enter; nullptr for quit
    };
    const route routes[] = {
        {{}, "play", "map"},
        {{Qt::Key_Tab}, "help", "help 1"},
        {{Qt::Key_Tab, Qt::Key_Tab}, "credits", "credits"},
        {{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab}, "editor", "editor"},
        {{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab}, "settings", "settings"},
        {{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab},
         "play",
         "map"},
        {{Qt::Key_Backtab}, "quit", nullptr},
        {{Qt::Key_Up}, "play", "map"}, // nothing lies above play
        {{Qt::Key_Left}, "help", "help 1"},
        {{Qt::Key_Left, Qt::Key_Down}, "credits", "credits"},
        {{Qt::Key_Left, Qt::Key_Down, Qt::Key_Down}, "editor", "editor"},
        {{Qt::Key_Left, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}, "settings", "settings"},
        {{Qt::Key_Left, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up}, "help", "help 1"},
        {{Qt::Key_Left, Qt::Key_Left}, "quit", nullptr},
        {{Qt::Key_Escape}, "quit", nullptr},
        {{Qt::Key_Escape, Qt::Key_Escape, Qt::Key_Right}, "help", "help 1"},
        {{Qt::Key_Left, Qt::Key_Right}, "play", "map"},
    };
    for (const route& r : routes) {
        auto* title = new menu_scene;
        scene_manager manager(title, nullptr, nullptr);
        keys(title, r.keys);
        const std::pair<menu_button*, const char*> names[] = {
            {&title->play, "play"},         {&title->help, "help"},
            {&title->credits, "credits"},   {&title->editor, "editor"},
            {&title->settings, "settings"}, {&title->quit, "quit"}};
        std::string focused = "none";
        for (const auto& [button, name] : names)
            if (title->focused == button)
                focused = name;
        EXPECT_EQ(focused, r.focused) << r.keys.size() << " keys to " << r.focused;
        EXPECT_EQ(top_screen(manager), "title") << "moving the focus opened a screen";
        if (!r.opens)
            continue;
        key(title, Qt::Key_Return);
        EXPECT_EQ(top_screen(manager), r.opens);
        // Space presses too, and a held Enter presses only once.
        manager.go_back();
        key(title, Qt::Key_Space);
        key(title, Qt::Key_Return, true);
        EXPECT_EQ(top_screen(manager), r.opens);
        EXPECT_EQ(manager.scenes.size(), 2u);
    }

    // A pad's A and Start press the focused button too.
    for (input::pad_button b : {input::pad_button::south, input::pad_button::start}) {
        auto* title = new menu_scene;
        scene_manager manager(title, nullptr, nullptr);
        pad(title, b);
        EXPECT_EQ(top_screen(manager), "map");
    }
}

TEST(KeyboardScreens, QuitTakesEscapeAndThenEnter)
{
    headless_screen screen;
    menu_scene title;
    // Stray keys first; had they quit, the loop would end before Enter.
    QTimer stray;
    stray.setSingleShot(true);
    QObject::connect(&stray, &QTimer::timeout, [&] {
        keys(&title, {Qt::Key_Escape, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Q});
    });
    bool entered = false;
    QTimer enter;
    enter.setSingleShot(true);
    QObject::connect(&enter, &QTimer::timeout, [&] {
        entered = true;
        key(&title, Qt::Key_Return);
    });
    QTimer give_up;
    give_up.setSingleShot(true);
    QObject::connect(&give_up, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    stray.start(0);
    enter.start(50);
    give_up.start(2000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(entered);
}

TEST(KeyboardScreens, PagesScrollTurnAndCloseByKeys)
{
    headless_screen screen;
    auto* title = new menu_scene;
    scene_manager manager(title, nullptr, nullptr);
    QGraphicsView view;
    view.setFrameStyle(QFrame::NoFrame);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.resize(800, 480);
    view.show();
    auto page = [&] { return static_cast<tex_scrolling_view*>(manager.top()); };
    // The top page ticks in the view; a page that closes uncovers another.
    auto tick = [&] {
        myscene* shown = manager.top();
        view.setScene(shown);
        manager.tick(shown);
        view.setScene(manager.top());
    };
    auto top = [&] { return view.mapToScene(0, 0).y(); };

    // Every page: how far the keys scroll it, and where Right, Left and
    // Escape lead from it. Pages are 800 (help) or 1240 (credits) high.
    struct step {
        int key;
        double top; // of the view afterwards, -1 when the key changes the screen
        const char* screen;
    };
    // From wherever the title's focus is: Escape puts it on quit, after
    // which play, help and credits follow in turn.
    const std::vector<int> to_help = {Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return};
    const std::vector<int> to_credits = {Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab,
                                         Qt::Key_Return};
    struct page_case {
        std::vector<int> from_title;
        std::vector<step> steps;
    };
    const page_case cases[] = {
        {to_help,
         {{Qt::Key_Down, 60, "help 1"},
          {Qt::Key_PageDown, 320, "help 1"}, // clamped at the page's end
          {Qt::Key_Up, 260, "help 1"},
          {Qt::Key_PageUp, 0, "help 1"},
          {Qt::Key_Left, 0, "help 1"}, // a first page stays
          {Qt::Key_Right, -1, "help 2"},
          {Qt::Key_Down, 60, "help 2"},
          {Qt::Key_Right, -1, "help 3"},
          {Qt::Key_Right, 0, "help 3"}, // no page after the last
          {Qt::Key_Left, -1, "help 2"},
          {Qt::Key_Left, -1, "help 1"},
          {Qt::Key_Escape, -1, "title"}}},
        {to_credits,
         {{Qt::Key_PageDown, 480, "credits"},
          {Qt::Key_PageDown, 760, "credits"},
          {Qt::Key_Down, 760, "credits"},
          {Qt::Key_PageUp, 280, "credits"},
          {Qt::Key_Right, 280, "credits"},
          {Qt::Key_Left, 280, "credits"},
          {Qt::Key_Escape, -1, "title"}}},
    };
    for (const page_case& c : cases) {
        keys(title, c.from_title);
        tick();
        int n = 0;
        for (const step& s : c.steps) {
            ++n;
            key(page(), s.key);
            tick(); // a page closes at its next tick
            EXPECT_EQ(top_screen(manager), s.screen) << "step " << n;
            if (s.top >= 0) {
                EXPECT_EQ(top(), s.top) << "step " << n;
            }
        }
    }

    // Held keys scroll on, but a held Escape closes one page only.
    keys(title, to_help);
    tick();
    key(page(), Qt::Key_Right);
    tick();
    for (int i = 0; i < 3; ++i)
        key(page(), Qt::Key_Down, i > 0);
    EXPECT_EQ(top(), 180);
    key(page(), Qt::Key_Escape);
    key(page(), Qt::Key_Escape, true);
    tick();
    key(page(), Qt::Key_Escape, true);
    tick();
    EXPECT_EQ(top_screen(manager), "help 1");
}

TEST(KeyboardScreens, MapAndLevelTakeEscapeAndBackspace)
{
    headless_screen screen;
    testing::internal::CaptureStdout(); // the loader's lines
    struct rule {
        bool level;
        input::meaning m;
        const char* does;
    };
    const rule rules[] = {
        {false, input::key_meaning(Qt::Key_Escape), "leaves"},
        {false, input::key_meaning(Qt::Key_Backspace), "pauses"},
        {false, input::pad_meaning(input::pad_button::east), "leaves"},
        {false, input::pad_meaning(input::pad_button::start), "pauses"},
        {true, input::key_meaning(Qt::Key_Escape), "pauses"},
        {true, input::key_meaning(Qt::Key_Backspace), "pauses"},
        {true, input::pad_meaning(input::pad_button::start), "pauses"},
    };
    for (const rule& r : rules) {
        std::unique_ptr<game_scene> s;
        if (r.level)
            s = std::make_unique<level_scene>("1");
        else
            s = std::make_unique<map_select_scene>();
        s->intent_event(r.m, true, false);
        s->intent_event(r.m, false, false);
        const std::string did = s->leave_request ? "leaves" : s->menu ? "pauses" : "nothing";
        EXPECT_EQ(did, r.does) << (r.level ? "level " : "map ") << static_cast<int>(r.m.menu);
    }
    testing::internal::GetCapturedStdout();
}

TEST(KeyboardScreens, EveryMenuRowIsReachedAndChosenByKeys)
{
    headless_screen screen;
    testing::internal::CaptureStdout();
    struct menu_case {
        bool level;
        void (game_scene::*open)();
        const char* highlighted_first;
        // Every row that acts, top to bottom, and what choosing it does.
        std::vector<std::pair<std::string, std::string>> rows;
        const char* escape; // what Escape does
    };
    const menu_case cases[] = {
        {true,
         &game_scene::open_pause_menu,
         "RESUME",
         {{"RESUME", "closes"},
          {"TO[MAP[SELECT", "leaves"},
          {"RESTART", "restarts"},
          {"HELP", "help"},
          {"REWIND", "rewinds"},
          {"WATCH[SOLUTION", "watches"}},
         "closes"},
        {true,
         &game_scene::open_failed_menu,
         "REWIND",
         {{"TO[MAP[SELECT", "leaves"},
          {"RESTART", "restarts"},
          {"HELP", "help"},
          {"REWIND", "rewinds and closes"}},
         "nothing"},
        {true,
         &game_scene::open_passed_menu,
         "TO[MAP[SELECT",
         {{"TO[MAP[SELECT", "leaves"}, {"HELP", "help"}},
         "nothing"},
        {false,
         &game_scene::open_pause_menu,
         "RESUME",
         {{"RESUME", "closes"},
          {"TO[MAP[SELECT", "leaves"},
          {"RESTART", "nothing"},
          {"HELP", "help"}},
         "closes"},
        {false,
         &game_scene::open_failed_menu,
         "TO[MAP[SELECT",
         {{"TO[MAP[SELECT", "leaves"}, {"RESTART", "nothing"}, {"HELP", "help"}},
         "nothing"},
    };
    for (const menu_case& c : cases) {
        const std::string name = std::string(c.level ? "level " : "map ") + c.highlighted_first;
        // A fresh scene for each row; the highlight walks there from the top.
        for (size_t i = 0; i <= c.rows.size(); ++i) {
            game_scene* s =
                c.level ? static_cast<game_scene*>(new counted_level) : new map_select_scene;
            scene_manager manager(s, nullptr, nullptr);
            (s->*c.open)();
            in_game_menu* menu = s->menu;
            EXPECT_EQ(highlighted_text(menu), c.highlighted_first) << name;
            keys(s, {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up});
            key(s, Qt::Key_Backspace); // nothing while a menu is open
            ASSERT_EQ(s->menu, menu) << name;
            if (i == c.rows.size()) {
                // Escape, then the highlight's row by Enter if it moved it.
                key(s, Qt::Key_Escape);
                EXPECT_EQ(outcome(manager, s), c.escape) << name << " Escape";
                if (std::string(c.escape) == "nothing") {
                    EXPECT_EQ(highlighted_text(menu), "TO[MAP[SELECT") << name;
                }
                continue;
            }
            for (size_t down = 0; down < i; ++down)
                key(s, Qt::Key_Down, down > 0);
            EXPECT_EQ(highlighted_text(menu), c.rows[i].first) << name;
            EXPECT_EQ(outcome(manager, s), "nothing") << name << " moving chose a row";
            key(s, i % 2 ? Qt::Key_Space : Qt::Key_Return);
            EXPECT_EQ(outcome(manager, s), c.rows[i].second) << name << " " << c.rows[i].first;
        }
    }
    testing::internal::GetCapturedStdout();
}

TEST(KeyboardScreens, FocusFrameShowsOnlyWhileKeysAreInUse)
{
    headless_screen screen;
    menu_scene title;
    game_scene world;
    world.open_pause_menu();
    key(&world, Qt::Key_Down); // onto "TO[MAP[SELECT": x 75..725, y 175..225
    key(&title, Qt::Key_Tab);  // onto help: 340..460, 120..240
    struct frame_case {
        myscene* scene;
        std::vector<float> box;
    };
    const frame_case cases[] = {{&title, {332, 112, 468, 248}}, {&world, {63, 165, 737, 235}}};
    auto shapes = [](const std::vector<recorded_draw>& draws) {
        std::vector<std::vector<float>> out;
        for (const recorded_draw& d : draws)
            out.push_back(d.positions);
        return out;
    };
    for (const frame_case& c : cases) {
        std::vector<std::vector<float>> without;
        {
            keys_in_use off(false);
            gl_recorder gl;
            c.scene->updateGL();
            EXPECT_TRUE(frame_draws(gl).empty());
            without = shapes(gl.draws);
        }
        keys_in_use on(true);
        gl_recorder gl;
        c.scene->updateGL();
        const std::vector<recorded_draw> pieces = frame_draws(gl);
        EXPECT_EQ(frame_box(pieces), c.box);
        // Only the frame is added: everything else is drawn as without keys.
        std::vector<recorded_draw> rest;
        for (const recorded_draw& d : gl.draws)
            if (!from_frame_cell(d))
                rest.push_back(d);
        EXPECT_EQ(shapes(rest), without);
    }

    // Nine pieces: 20-pixel corners kept whole, the edges stretched.
    gl_recorder gl;
    myglitem::draw_focus_frame(100, 50, 300, 110);
    const std::vector<recorded_draw> pieces = frame_draws(gl);
    ASSERT_EQ(pieces.size(), 9u);
    const float* cell = spriteman::tex_focus_frame;
    const float corner_u = (cell[2] - cell[0]) / 3;
    EXPECT_EQ(pieces[0].positions, (std::vector<float>{100, 50, 120, 50, 100, 70, 120, 70}));
    EXPECT_FLOAT_EQ(pieces[0].tex[2] - pieces[0].tex[0], corner_u);
    EXPECT_EQ(pieces[4].positions, (std::vector<float>{120, 70, 280, 70, 120, 90, 280, 90}));
    EXPECT_EQ(pieces[8].positions, (std::vector<float>{280, 90, 300, 90, 280, 110, 300, 110}));
    EXPECT_FLOAT_EQ(pieces[8].tex[6], cell[6]);
    EXPECT_FLOAT_EQ(pieces[8].tex[7], cell[7]);
}

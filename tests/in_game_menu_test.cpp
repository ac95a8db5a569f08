// The in-game menu over a game scene: the three variants' rows and their
// layout, which presses reach a row, the row actions, and the running flag
// the menu gives back when it closes.

#include "cfg.h"
#include "controlling_drawer.h"
#include "game_scene.h"
#include "headless_screen.h"
#include "in_game_menu.h"
#include "level_scene.h"
#include "menu_rows.h"
#include "placement.h"
#include "recording_sink.h"
#include "scene_manager.h"
#include "stockchar.h"
#include "tex_scrolling_view.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

struct box {
    float left, top, right, bottom;
};

box box_of(const myglitem* item)
{
    const float* q = item->vertices;
    return {q[0], q[1], q[6], q[7]};
}

std::vector<myglitem*> rows_of(const in_game_menu* menu)
{
    return std::vector<myglitem*>(menu->items.begin(), menu->items.end());
}

class restart_counter : public game_scene
{
  public:
    void restart() override { ++restarts; }
    int restarts = 0;
};

} // namespace

TEST(InGameMenu, VariantsShowTheirTitleAndRowsInOrder)
{
    headless_screen screen;
    // What each row is, by its title picture or its text.
    auto describe = [](const myglitem* row) -> std::string {
        if (auto* picture = dynamic_cast<const igm_just_tex*>(row))
            return picture->texture == spriteman::tex_level_paused   ? "paused"
                   : picture->texture == spriteman::tex_level_failed ? "failed"
                   : picture->texture == spriteman::tex_level_passed ? "passed"
                                                                     : "other picture";
        if (auto* text = dynamic_cast<const igm_just_text*>(row))
            return text->text;
        return "unknown row";
    };
    struct variant {
        void (game_scene::*open)();
        std::vector<std::string> rows;
    };
    const variant variants[] = {
        {&game_scene::open_pause_menu, {"paused", "RESUME", "TO[MAP[SELECT", "RESTART", "HELP"}},
        {&game_scene::open_failed_menu, {"failed", "TO[MAP[SELECT", "RESTART", "HELP"}},
        {&game_scene::open_passed_menu, {"passed", "TO[MAP[SELECT", "HELP"}},
    };
    for (const variant& v : variants) {
        game_scene s;
        (s.*v.open)();
        ASSERT_NE(s.menu, nullptr);
        std::vector<std::string> rows;
        for (const myglitem* row : rows_of(s.menu))
            rows.push_back(describe(row));
        EXPECT_EQ(rows, v.rows) << v.rows.front();
    }
}

TEST(InGameMenu, RowsStackUnderTheTitleCentredOnTheScreen)
{
    headless_screen screen;
    game_scene s;
    s.open_pause_menu();
    const std::vector<myglitem*> rows = rows_of(s.menu);
    ASSERT_EQ(rows.size(), 5u);
    const float tops[] = {15, 95, 175, 255, 335};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(box_of(rows[i]).top, tops[i]) << "row " << i;
        EXPECT_EQ(box_of(rows[i]).bottom, tops[i] + 50) << "row " << i;
    }
    // The 620 x 60 title picture scaled to 50 high: 516 wide, centred.
    EXPECT_EQ(box_of(rows[0]).left, 142);
    EXPECT_EQ(box_of(rows[0]).right, 658);
    // "RESUME": six 50-pixel letters.
    EXPECT_EQ(box_of(rows[1]).left, 250);
    EXPECT_EQ(box_of(rows[1]).right, 550);
    EXPECT_EQ(box_of(rows[2]).left, 75);
    EXPECT_EQ(box_of(rows[2]).right, 725);
}

TEST(InGameMenu, ResizeRelaysRowsFromTheTop)
{
    headless_screen screen;
    game_scene s;
    s.open_pause_menu();
    myglitem::viewport = {1000, 600};
    s.resizeGL();
    const std::vector<myglitem*> rows = rows_of(s.menu);
    EXPECT_EQ(box_of(rows[0]).top, 15);
    EXPECT_EQ(box_of(rows[4]).top, 335);
    EXPECT_EQ(box_of(rows[1]).left, 350);
    EXPECT_EQ(s.menu->width, 1000);
    EXPECT_EQ(box_of(s.menu).bottom, 600);
}

TEST(InGameMenu, OnlyPressesInsideATextRowAct)
{
    headless_screen screen;
    game_scene s;
    s.open_pause_menu();
    recording_sink heard;
    auto nothing_happened = [&] {
        return s.menu && !s.close_menu_request && !s.leave_request && heard.played.empty();
    };
    s.press_at(400, 80); // the gap between the title and "RESUME"
    EXPECT_TRUE(nothing_happened());
    s.press_at(400, 40); // the title picture
    EXPECT_TRUE(nothing_happened());
    s.press_at(250, 120); // on "RESUME"'s left edge
    EXPECT_TRUE(nothing_happened());
    s.press_at(400, 95); // on its top edge
    EXPECT_TRUE(nothing_happened());
    s.press_at(30, 120); // beside it
    EXPECT_TRUE(nothing_happened());

    // A row that acts clicks once.
    s.press_at(251, 96);
    EXPECT_TRUE(s.close_menu_request);
    EXPECT_FALSE(s.leave_request);
    EXPECT_EQ(heard.played, std::vector<sounds::id>{sounds::button});
    s.close_menu_request = false;
    s.press_at(400, 200); // "TO[MAP[SELECT"
    EXPECT_TRUE(s.leave_request);
    EXPECT_FALSE(s.close_menu_request);
    EXPECT_EQ(heard.count(sounds::button), 2);
}

TEST(InGameMenu, ResumeGivesBackTheRunningFlagTheMenuFound)
{
    headless_screen screen;
    game_scene running_world;
    ASSERT_TRUE(running_world.running);
    running_world.open_pause_menu();
    EXPECT_FALSE(running_world.running);
    running_world.press_at(400, 120);
    running_world.tick();
    EXPECT_EQ(running_world.menu, nullptr);
    EXPECT_TRUE(running_world.running);

    // Opened over the drawing surface, the world stays stopped after resuming.
    game_scene drawing_world;
    drawing_world.switch_drawer(cfg::drawer_drawer_type);
    ASSERT_FALSE(drawing_world.running);
    drawing_world.open_pause_menu();
    drawing_world.press_at(400, 120);
    drawing_world.tick();
    EXPECT_EQ(drawing_world.menu, nullptr);
    EXPECT_FALSE(drawing_world.running);
}

TEST(InGameMenu, ClosingTakesMenuAndRowsOffTheScene)
{
    headless_screen screen;
    game_scene s;
    const size_t drawn_before = s.gl_items.size();
    const int graphics_before = s.items().size();
    s.open_pause_menu();
    EXPECT_EQ(s.gl_items.size(), drawn_before + 6);
    delete s.menu;
    EXPECT_EQ(s.menu, nullptr);
    EXPECT_EQ(s.gl_items.size(), drawn_before);
    EXPECT_EQ(s.items().size(), graphics_before);
}

TEST(InGameMenu, KeysAreIgnoredWhileOpen)
{
    headless_screen screen;
    game_scene s;
    s.open_pause_menu();
    in_game_menu* first = s.menu;
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    s.keyPressEvent(&backspace);
    QKeyEvent draw(QEvent::KeyPress, Qt::Key_P, Qt::NoModifier);
    s.keyPressEvent(&draw);
    EXPECT_EQ(s.menu, first);
    EXPECT_EQ(s.menu->items.size(), 5u);
    EXPECT_EQ(s.drawer_kind, cfg::drawer_ctrl_type);
    EXPECT_FALSE(s.running);
}

TEST(InGameMenu, RestartRowRestartsAtOnce)
{
    headless_screen screen;
    restart_counter s;
    s.open_pause_menu();
    s.press_at(400, 280);
    EXPECT_EQ(s.restarts, 1);
}

TEST(InGameMenu, RestartRowRebuildsTheLevelFromItsFile)
{
    headless_screen screen;
    testing::internal::CaptureStdout(); // the loader's "loading:" lines
    level_scene s("20");
    // What the file gives: where everyone stands, what they carry, the grid.
    auto snapshot = [&s] {
        std::vector<long long> state;
        for (stockchar* ch : s.characters) {
            state.insert(state.end(), {ch->x, ch->y, static_cast<long long>(ch->color_index)});
            for (const stock_slot* slot : ch->stock_slots)
                state.push_back(slot ? slot->type * 1000 + slot->count : -1);
        }
        for (const auto& column : s.grid)
            for (const stockblock* cell : column)
                state.push_back(cell != nullptr);
        return state;
    };
    const std::vector<long long> from_file = snapshot();
    ASSERT_GE(s.characters.size(), 2u) << "the level needs two characters";

    // Play a little: the second character walks and draws a block.
    QKeyEvent c(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier);
    s.keyPressEvent(&c);
    ASSERT_EQ(s.focused, 1u);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    s.keyPressEvent(&right);
    for (int i = 0; i < 20; ++i)
        s.tick();
    stockchar* walker = s.characters[1];
    const long long column = walker->x / cfg::multiplier;
    const long long row_above = walker->y / cfg::multiplier - 1;
    ASSERT_TRUE(place_from_stock(&s, 0, column, row_above, cfg::p, true));
    ASSERT_NE(snapshot(), from_file);
    s.switch_drawer(cfg::drawer_drawer_type); // the world stops while drawing

    s.open_pause_menu();
    for (myglitem* row : s.menu->items) {
        if (dynamic_cast<igm_restart*>(row)) {
            const float* q = row->vertices;
            s.press_at(static_cast<int>((q[0] + q[6]) / 2), static_cast<int>((q[1] + q[7]) / 2));
            break;
        }
    }
    s.tick();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(snapshot(), from_file);
    EXPECT_EQ(s.menu, nullptr);
    EXPECT_NE(dynamic_cast<controlling_drawer*>(s.drawer), nullptr);
    EXPECT_TRUE(s.running);
    // The focus is back on the first character, and nobody keeps walking.
    EXPECT_EQ(s.focused, 0u);
    for (stockchar* ch : s.characters)
        EXPECT_FALSE(ch->left_held || ch->right_held || ch->jump_held);
}

TEST(InGameMenu, HelpRowOpensHelpPagesOverTheOpenMenu)
{
    headless_screen screen;
    auto* s = new game_scene;
    scene_manager manager(s, nullptr, nullptr);
    s->open_pause_menu();
    in_game_menu* menu = s->menu;
    s->press_at(400, 360);
    manager.tick(s); // the pages open at the end of the tick
    auto* page = dynamic_cast<tex_scrolling_view*>(manager.top());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->page, spriteman::tex_help_first);
    EXPECT_EQ(page->next_page, spriteman::tex_help_second);
    EXPECT_EQ(s->menu, menu);
    ASSERT_TRUE(manager.go_back());
    EXPECT_EQ(manager.top(), s);
    EXPECT_EQ(s->menu, menu);
}

TEST(InGameMenu, SpareRowKindsTakeTheNextSlots)
{
    headless_screen screen;
    game_scene s;
    auto* menu = new in_game_menu(&s, 50);
    new igm_just_text(&s, menu, "HI");
    new igm_exit(&s, menu);
    const std::vector<myglitem*> rows = rows_of(menu);
    EXPECT_EQ(box_of(rows[0]).left, 350);
    EXPECT_EQ(box_of(rows[0]).top, 15);
    EXPECT_EQ(box_of(rows[1]).left, 175); // "EXIT[GAME", nine letters
    EXPECT_EQ(box_of(rows[1]).top, 95);
}

TEST(InGameMenu, ExitRowEndsTheEventLoop)
{
    headless_screen screen;
    game_scene s;
    auto* menu = new in_game_menu(&s, 50);
    new igm_exit(&s, menu);
    QTimer press;
    press.setSingleShot(true);
    QObject::connect(&press, &QTimer::timeout, [&] { s.press_at(400, 40); });
    QTimer give_up;
    give_up.setSingleShot(true);
    QObject::connect(&give_up, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    press.start(0);
    give_up.start(2000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST(InGameMenu, AColumnThatWouldNotFitShrinksUntilEveryRowShows)
{
    struct size_case {
        int width, height, extra_rows;
    };
    // Extra rows below the usual ones, and windows narrower or lower than
    // the column's 650 x 400 pixels.
    for (const size_case c :
         {size_case{800, 480, 3}, size_case{640, 480, 0}, size_case{480, 320, 1}}) {
        headless_screen screen(c.width, c.height);
        game_scene s;
        s.open_pause_menu();
        for (int k = 0; k < c.extra_rows; ++k)
            new igm_just_text(&s, s.menu, "NEXT[LEVEL");
        for (int pass = 0; pass < 2; ++pass) { // as opened, then after a resize
            const std::vector<myglitem*> rows = rows_of(s.menu);
            ASSERT_EQ(rows.size(), 5u + c.extra_rows);
            float above = 0;
            for (const myglitem* row : rows) {
                const box b = box_of(row);
                EXPECT_GE(b.left, 0) << c.width << "x" << c.height;
                EXPECT_LE(b.right, c.width) << c.width << "x" << c.height;
                EXPECT_GE(b.top, above) << c.width << "x" << c.height << ": rows overlap";
                EXPECT_LE(b.bottom, c.height) << c.width << "x" << c.height;
                // Text stays as wide as its letters are high, times its length.
                if (auto* text = dynamic_cast<const igm_just_text*>(row)) {
                    EXPECT_EQ(b.right - b.left, text->text.size() * (b.bottom - b.top));
                }
                above = b.bottom;
            }
            s.resizeGL();
        }
    }
}

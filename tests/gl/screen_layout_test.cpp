// Every screen at the smallest window and at larger ones: what each lays
// out (buttons, rows, texts) stays inside the window and clear of the rest,
// and a picture of each is kept in the artefacts.

#include "MainWindow.h"
#include "bindings.h"
#include "cfg.h"
#include "controls_scene.h"
#include "editor_scene.h"
#include "gl_game.h"
#include "in_process.h"
#include "level_scene.h"
#include "map_select_scene.h"
#include "menu_scene.h"
#include "own_levels_scene.h"
#include "scene_manager.h"
#include "settings_scene.h"
#include "spriteman.h"
#include "tex_scrolling_view.h"
#include "view.h"

#include <QKeyEvent>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace
{

struct screen {
    const char* name;
    // Pushes the screen (and whatever it sits on) and brings it to the state
    // shown; returns how many scenes it pushed.
    std::function<int(view&)> open;
};

void press(view& v, int key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&v, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&v, &up);
}

int push(myscene* s)
{
    scene_manager::current()->add_scene(s);
    return 1;
}

int level_with(void (game_scene::*open_menu)())
{
    auto* level = new level_scene("1");
    push(level);
    if (open_menu)
        (level->*open_menu)();
    return 1;
}

// What every laid-out element owes the window and its neighbours.
void check_boxes(const std::vector<layout_box>& boxes, QSize size, const std::string& where)
{
    EXPECT_FALSE(boxes.empty()) << where << ": the screen lays nothing out";
    const QRectF window(0, 0, size.width(), size.height());
    for (const layout_box& b : boxes) {
        EXPECT_TRUE(window.adjusted(-0.5, -0.5, 0.5, 0.5).contains(b.rect))
            << where << ": " << b.label.toStdString() << " reaches outside the window";
        EXPECT_GT(b.rect.width(), 0) << where << ": " << b.label.toStdString();
    }
    for (size_t i = 0; i < boxes.size(); ++i)
        for (size_t j = i + 1; j < boxes.size(); ++j) {
            const QRectF common = boxes[i].rect.intersected(boxes[j].rect);
            EXPECT_FALSE(common.width() > 0.5 && common.height() > 0.5)
                << where << ": " << boxes[i].label.toStdString() << " and "
                << boxes[j].label.toStdString() << " overlap";
        }
}

} // namespace

TEST(screen_layout, EveryScreenFitsEveryWindowSize)
{
    if (!gl_game::have_display())
        GTEST_SKIP() << "no X display";
    QTemporaryDir own_levels;
    // Each window at 100 %, and the larger interface sizes where a player
    // would choose them (at 800 x 480 they are capped to what fits).
    const QSize smallest(MainWindow::minimum_width, MainWindow::minimum_height);
    const std::vector<std::pair<QSize, double>> sizes = {
        {smallest, 1.0},           {smallest, 1.5},          {smallest, 2.0},
        {QSize(1024, 600), 1.0},   {QSize(1280, 800), 1.0},  {QSize(1920, 1080), 1.0},
        {QSize(1920, 1080), 1.25}, {QSize(1920, 1080), 1.5}, {QSize(1920, 1080), 2.0}};
    const std::vector<screen> screens = {
        {"title", [](view&) { return push(new menu_scene()); }},
        {"title-continue",
         [](view&) {
             auto* title = new menu_scene();
             title->continue_choice.record.level_name = "17";
             title->continue_choice.record.level_path =
                 cfg::levels_directory + "17" + cfg::level_suffix;
             title->continue_choice.setVisible(true);
             title->focused = &title->continue_choice;
             return push(title);
         }},
        {"help-1",
         [](view&) {
             return push(
                 new tex_scrolling_view(spriteman::tex_help_first, spriteman::tex_help_second));
         }},
        {"help-1-scrolled",
         [](view& v) {
             const int n = push(
                 new tex_scrolling_view(spriteman::tex_help_first, spriteman::tex_help_second));
             press(v, Qt::Key_Down);
             press(v, Qt::Key_Down);
             return n;
         }},
        {"help-2",
         [](view&) {
             return push(
                 new tex_scrolling_view(spriteman::tex_help_second, spriteman::tex_help_third));
         }},
        {"help-3",
         [](view&) { return push(new tex_scrolling_view(spriteman::tex_help_third, nullptr)); }},
        {"credits",
         [](view&) { return push(new tex_scrolling_view(spriteman::tex_credits, nullptr)); }},
        {"credits-end",
         [](view& v) {
             const int n = push(new tex_scrolling_view(spriteman::tex_credits, nullptr));
             for (int k = 0; k < 4; ++k)
                 press(v, Qt::Key_PageDown);
             return n;
         }},
        {"map", [](view&) { return push(new map_select_scene()); }},
        {"level", [](view&) { return level_with(nullptr); }},
        {"pause-menu", [](view&) { return level_with(&game_scene::open_pause_menu); }},
        {"failed-menu", [](view&) { return level_with(&game_scene::open_failed_menu); }},
        {"passed-menu", [](view&) { return level_with(&game_scene::open_passed_menu); }},
        {"passed-menu-new-best",
         [](view&) {
             auto* level = new level_scene("1");
             push(level);
             level->beaten.time = level->beaten.placements = true;
             level->open_passed_menu();
             return 1;
         }},
        {"editor",
         [&](view&) { return push(new editor_scene(own_levels.path().toStdString() + "/")); }},
        {"editor-menu",
         [&](view&) {
             auto* e = new editor_scene(own_levels.path().toStdString() + "/");
             e->menu.open = true;
             return push(e);
         }},
        {"editor-question",
         [&](view&) {
             auto* e = new editor_scene(own_levels.path().toStdString() + "/");
             e->ask(editor_scene::mode_t::confirm_leave);
             return push(e);
         }},
        {"own-levels",
         [&](view&) {
             auto* e = new editor_scene(own_levels.path().toStdString() + "/");
             push(e);
             auto* list = new own_levels_scene(e);
             // The longest name a level can have, beside a short one.
             list->names = {"abcdefghijklmnopqrstuvwx", "a"};
             return 1 + push(list);
         }},
        {"settings",
         [&](view&) {
             return push(new settings_scene(own_levels.path().toStdString() + "/settings"));
         }},
        {"controls",
         [&](view&) {
             return push(new controls_scene(own_levels.filePath("settings").toStdString()));
         }},
        {"controls-waiting",
         [&](view& v) {
             // Scrolled to its end, waiting on the last intent, a refusal said.
             const int n = push(new controls_scene(own_levels.filePath("settings").toStdString()));
             for (int k = 0; k < 14; ++k)
                 press(v, Qt::Key_Down);
             press(v, Qt::Key_Return);
             press(v, Qt::Key_Left);
             press(v, Qt::Key_Return);
             return n;
         }},
        // The player's own keys over a help page; the table comes back below.
        {"help-1-own-keys",
         [](view&) {
             input::bindings own;
             for (int k = 0; k < 6; ++k)
                 own.bind_key(input::bindable_intents()[k], Qt::Key_F1 + k);
             own.bind_pad(input::intent::steer, input::pad_button::east);
             input::use_bindings(own);
             return push(
                 new tex_scrolling_view(spriteman::tex_help_first, spriteman::tex_help_second));
         }},
    };
    // The settings screen with every row it can have: the controls row too.
    settings_scene::make_controls_page = [] { return static_cast<myscene*>(nullptr); };

    // Later tests find the interface at 100 %, whatever this one ends in.
    struct back_to_100 {
        ~back_to_100() { myglitem::set_interface_scale(1.0); }
    } reset;
    view v;
    myglwidget* gl = in_process::shown_gl(v, sizes.front().first);
    ASSERT_NE(gl, nullptr);
    // The intro hands over to the title: wait until it has, so that it
    // pushes nothing over the screens below.
    ASSERT_TRUE(in_process::wait_for([] { return scene_manager::current()->scenes.size() > 1; }));
    for (const auto& [size, scale] : sizes) {
        v.resize(size);
        ASSERT_TRUE(in_process::wait_for([&] {
            return myglitem::screen_width() == size.width() &&
                   myglitem::screen_height() == size.height();
        })) << size.width()
            << "x" << size.height();
        myglitem::set_interface_scale(scale);
        const int percent = static_cast<int>(scale * 100);
        for (const screen& s : screens) {
            const std::string where = std::string(s.name) + " at " + std::to_string(size.width()) +
                                      "x" + std::to_string(size.height()) + " and " +
                                      std::to_string(percent) + " %";
            const int pushed = s.open(v);
            // Two ticks: the pages home their view, the menus settle.
            for (int t = 0; t < 2; ++t)
                scene_manager::current()->tick(scene_manager::current()->top());
            const QImage frame = gl->grabFramebuffer();
            QDir().mkpath(gl_game::artifacts());
            // Pictures at 100 % keep their old names.
            const QString suffix = percent == 100 ? QString() : QStringLiteral("-%1").arg(percent);
            frame.save(gl_game::artifacts() + QStringLiteral("/layout-%1-%2x%3%4.png")
                                                  .arg(s.name)
                                                  .arg(size.width())
                                                  .arg(size.height())
                                                  .arg(suffix));
            check_boxes(scene_manager::current()->top()->layout_boxes(), size, where);
            for (int k = 0; k < pushed; ++k)
                scene_manager::current()->go_back();
            input::use_bindings(input::bindings());
        }
    }
    settings_scene::make_controls_page = nullptr;
}

// The screens around the game: the intro hand-off, the main menu's button
// layout and presses, and the scrolling help and credits pages (sizes,
// arrows, one-to-one dragging and stray pointer events).

#include "gl_recorder.h"
#include "headless_screen.h"
#include "intro_scene.h"
#include "map_select_scene.h"
#include "menu_scene.h"
#include "recording_sink.h"
#include "scene_manager.h"
#include "settings_scene.h"
#include "tex_scrolling_view.h"

#include <QCoreApplication>
#include <QGraphicsView>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace
{

// A plain view like the game's: no frame, no scroll bars, unscaled.
struct page_view {
    explicit page_view(QGraphicsScene* scene)
    {
        view.setFrameStyle(QFrame::NoFrame);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.resize(800, 480);
        view.show();
        view.setScene(scene);
    }
    // Pointer events as the view would deliver them for viewport pixel (x, y).
    void press(QGraphicsScene* s, int x, int y)
    {
        deliver(s, QEvent::GraphicsSceneMousePress, x, y);
    }
    void move(QGraphicsScene* s, int x, int y) { deliver(s, QEvent::GraphicsSceneMouseMove, x, y); }
    void release(QGraphicsScene* s, int x, int y)
    {
        deliver(s, QEvent::GraphicsSceneMouseRelease, x, y);
    }
    void deliver(QGraphicsScene* s, QEvent::Type t, int x, int y)
    {
        send_mouse(s, t, view.mapToScene(x, y));
    }
    double top() const { return view.mapToScene(0, 0).y(); }
    double left() const { return view.mapToScene(0, 0).x(); }

    QGraphicsView view;
};

// A press handed straight to a button, at (x, y) in its own coordinates.
void press_button(menu_button& button, double x, double y)
{
    QGraphicsSceneMouseEvent e(QEvent::GraphicsSceneMousePress);
    e.setPos(QPointF(x, y));
    e.setButton(Qt::LeftButton);
    button.mousePressEvent(&e);
}

} // namespace

TEST(IntroScene, OpensTheMainMenuOnItsThirdTickOnly)
{
    headless_screen screen;
    auto* intro = new intro_scene;
    scene_manager manager(intro, nullptr, nullptr);
    manager.tick(intro);
    manager.tick(intro);
    EXPECT_EQ(manager.top(), intro);
    manager.tick(intro);
    EXPECT_NE(dynamic_cast<menu_scene*>(manager.top()), nullptr);
    EXPECT_FALSE(intro->timer->isActive());
    manager.tick(intro); // a stray tick must not stack a second menu
    EXPECT_EQ(manager.scenes.size(), 2u);
}

TEST(MenuScene, ButtonsSitAtTheirPlacesOn800x480)
{
    headless_screen screen;
    menu_scene m;
    EXPECT_EQ(m.quit.pos(), QPointF(30, 180));
    EXPECT_EQ(m.play.pos(), QPointF(650, 180));
    EXPECT_EQ(m.help.pos(), QPointF(340, 120));
    EXPECT_EQ(m.credits.pos(), QPointF(370, 260));
    EXPECT_EQ(m.credits.width, 60);
    EXPECT_EQ(m.editor.pos(), QPointF(330, 340));
    EXPECT_EQ(m.settings.pos(), QPointF(410, 340));
    EXPECT_EQ(m.settings.width, m.editor.width);
    EXPECT_EQ(m.sceneRect(), QRectF(0, 0, 800, 480));

    // Drawn where they sit, less the view position.
    gl_recorder gl;
    m.view_left = 10;
    m.updateGL();
    bool saw_play = false;
    for (const recorded_draw& d : gl.draws)
        saw_play = saw_play || (d.uses(spriteman::tex_play) && d.left() == 640 && d.top() == 180 &&
                                d.right() == 760 && d.bottom() == 300);
    EXPECT_TRUE(saw_play);
}

TEST(MenuScene, RelayoutRunsOnEverySixteenthFrame)
{
    headless_screen screen;
    menu_scene m;
    myglitem::viewport = {1000, 600};
    for (int frame = 1; frame <= 15; ++frame)
        m.updateGL();
    EXPECT_EQ(m.play.pos(), QPointF(650, 180));
    m.updateGL();
    EXPECT_EQ(m.play.pos(), QPointF(850, 240));
    EXPECT_EQ(m.credits.pos(), QPointF(470, 320));
    EXPECT_EQ(m.sceneRect(), QRectF(0, 0, 1000, 600));
    EXPECT_EQ(m.relayout_counter, 0);
}

TEST(MenuScene, PressesInsideButtonsOpenTheirScreens)
{
    headless_screen screen;
    auto* m = new menu_scene;
    scene_manager manager(m, nullptr, nullptr);
    // Each button clicks once as it opens its screen.
    recording_sink heard;
    auto clicks = [&] { return heard.count(sounds::button); };

    send_mouse(m, QEvent::GraphicsSceneMousePress, QPointF(400, 180)); // help
    EXPECT_EQ(clicks(), 1);
    auto* page = dynamic_cast<tex_scrolling_view*>(manager.top());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->page, spriteman::tex_help_first);
    EXPECT_EQ(page->next_page, spriteman::tex_help_second);
    manager.go_back();

    send_mouse(m, QEvent::GraphicsSceneMousePress, QPointF(400, 290)); // credits
    page = dynamic_cast<tex_scrolling_view*>(manager.top());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->page, spriteman::tex_credits);
    EXPECT_EQ(page->next_page, nullptr);
    EXPECT_EQ(clicks(), 2);
    manager.go_back();

    send_mouse(m, QEvent::GraphicsSceneMousePress, QPointF(700, 240)); // play
    EXPECT_NE(dynamic_cast<map_select_scene*>(manager.top()), nullptr);
    EXPECT_EQ(clicks(), 3);
    manager.go_back();

    send_mouse(m, QEvent::GraphicsSceneMousePress, QPointF(440, 370)); // the gear
    EXPECT_NE(dynamic_cast<settings_scene*>(manager.top()), nullptr);
    EXPECT_EQ(clicks(), 4);
    manager.go_back();

    send_mouse(m, QEvent::GraphicsSceneMousePress, QPointF(400, 250)); // between buttons
    EXPECT_EQ(manager.top(), m);
    EXPECT_EQ(heard.played.size(), 4u);
}

TEST(MenuScene, PressesOnAButtonsEdgeDoNothing)
{
    headless_screen screen;
    auto* m = new menu_scene;
    scene_manager manager(m, nullptr, nullptr);
    const QPointF edges[] = {{0, 60}, {60, 0}, {120, 60}, {60, 120}};
    for (const QPointF& p : edges) {
        press_button(m->help, p.x(), p.y());
        EXPECT_EQ(manager.scenes.size(), 1u) << p.x() << "," << p.y();
    }
    press_button(m->help, 1, 1);
    EXPECT_EQ(manager.scenes.size(), 2u);
}

TEST(MenuScene, QuitButtonEndsTheEventLoop)
{
    headless_screen screen;
    menu_scene m;
    QTimer press;
    press.setSingleShot(true);
    QObject::connect(&press, &QTimer::timeout,
                     [&] { send_mouse(&m, QEvent::GraphicsSceneMousePress, QPointF(90, 240)); });
    QTimer give_up;
    give_up.setSingleShot(true);
    QObject::connect(&give_up, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    press.start(0);
    give_up.start(2000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST(ScrollingPage, CreditsKeepTheirWidthAndScrollVertically)
{
    headless_screen screen;
    tex_scrolling_view page(spriteman::tex_credits, nullptr);
    page_view v(&page);
    page.advance();
    EXPECT_DOUBLE_EQ(page.page_width, 622);
    EXPECT_DOUBLE_EQ(page.page_height, 1240);
    EXPECT_EQ(page.sceneRect(), QRectF(0, 0, 622, 1240));
    EXPECT_EQ(v.left(), -89); // centred across
    EXPECT_EQ(v.top(), 0);

    v.press(&page, 400, 400);
    v.move(&page, 400, -2000);
    EXPECT_EQ(v.top(), 760); // 1240 - 480
    EXPECT_EQ(v.left(), -89);

    gl_recorder gl;
    page.updateGL();
    auto drawn = [&](const float* entry) {
        return std::count_if(gl.draws.begin(), gl.draws.end(),
                             [&](const recorded_draw& d) { return d.uses(entry); });
    };
    EXPECT_EQ(drawn(spriteman::tex_back), 1);
    EXPECT_EQ(drawn(spriteman::tex_back_reverse), 0);
    ASSERT_EQ(drawn(spriteman::tex_credits), 1);
    const auto on_page = std::find_if(gl.draws.begin(), gl.draws.end(), [](const recorded_draw& d) {
        return d.uses(spriteman::tex_credits);
    });
    EXPECT_EQ(on_page->positions, (std::vector<float>{89, -760, 711, -760, 89, 480, 711, 480}));
    // The white bars beside the page are gone: its own edges reach the
    // window's, drawn before it.
    for (auto d = gl.draws.begin(); d != on_page; ++d)
        if (d->left() == 0 && d->right() == 89)
            return;
    ADD_FAILURE() << "nothing fills the left of the page";
}

TEST(ScrollingPage, PagesGrowWithALargerWindowAndFillAroundIt)
{
    struct size_case {
        int width, height;
        double help_width, credits_width; // pixels
    };
    // Never wider than the window, never smaller than on the 480-high
    // screen the pages were drawn for, and grown with the window's height.
    for (const size_case c :
         {size_case{800, 480, 800, 622}, size_case{1280, 800, 1280, 622 * 800 / 480.0},
          size_case{1920, 1080, 1800, 622 * 2.25}, size_case{600, 480, 600, 600}}) {
        headless_screen screen(c.width, c.height);
        tex_scrolling_view help(spriteman::tex_help_first, spriteman::tex_help_second);
        tex_scrolling_view credits(spriteman::tex_credits, nullptr);
        EXPECT_DOUBLE_EQ(help.page_width, c.help_width) << c.width << "x" << c.height;
        EXPECT_DOUBLE_EQ(help.page_height, c.help_width);
        EXPECT_DOUBLE_EQ(credits.page_width, c.credits_width) << c.width << "x" << c.height;
    }
}

TEST(ScrollingPage, HelpPagesFillTheWidthAndChainThroughTheirArrows)
{
    headless_screen screen;
    auto* first = new tex_scrolling_view(spriteman::tex_help_first, spriteman::tex_help_second);
    scene_manager manager(first, nullptr, nullptr);
    page_view v(first);
    manager.tick(first);
    EXPECT_DOUBLE_EQ(first->page_width, 800);
    EXPECT_DOUBLE_EQ(first->page_height, 800);
    v.press(first, 400, 400);
    v.move(first, 400, -1000);
    v.release(first, 400, -1000);
    EXPECT_EQ(v.top(), 320);
    EXPECT_EQ(std::vector<float>(first->next_quad, first->next_quad + 8),
              (std::vector<float>{740, 0, 800, 0, 740, 60, 800, 60}));

    v.press(first, 770, 30);
    manager.tick(first); // the next page is entered at the end of the tick
    auto* second = dynamic_cast<tex_scrolling_view*>(manager.top());
    ASSERT_NE(second, nullptr);
    ASSERT_NE(second, first);
    EXPECT_EQ(second->page, spriteman::tex_help_second);
    EXPECT_EQ(second->next_page, spriteman::tex_help_third);

    // The back arrow closes the page at its next tick.
    v.view.setScene(second);
    manager.tick(second);
    v.press(second, 30, 30);
    EXPECT_EQ(manager.top(), second);
    manager.tick(second);
    EXPECT_EQ(manager.top(), first);
}

TEST(ScrollingPage, ResizeNarrowsThePageWithItsAspect)
{
    headless_screen screen;
    tex_scrolling_view page(spriteman::tex_help_first, spriteman::tex_help_second);
    myglitem::viewport = {600, 480};
    page.resizeGL();
    EXPECT_DOUBLE_EQ(page.page_width, 600);
    EXPECT_DOUBLE_EQ(page.page_height, 600);
    EXPECT_EQ(page.sceneRect(), QRectF(0, 0, 600, 600));
    EXPECT_EQ(page.next_quad[0], 540);
}

TEST(ScrollingPage, DragMovesThePageWithTheFinger)
{
    headless_screen screen;
    tex_scrolling_view page(spriteman::tex_help_first, spriteman::tex_help_second);
    page_view v(&page);
    page.advance();
    v.press(&page, 400, 300);
    v.move(&page, 400, 250);
    EXPECT_EQ(v.top(), 50);
    v.move(&page, 380, 200);
    EXPECT_EQ(v.top(), 100);
    EXPECT_EQ(v.left(), 0); // nothing to scroll across
    v.release(&page, 400, 190);
    EXPECT_EQ(v.top(), 110);

    // A second drag starts from where the first left the page.
    v.press(&page, 400, 100);
    v.move(&page, 400, 160);
    EXPECT_EQ(v.top(), 50);
    v.move(&page, 400, 400); // past the top edge: clamped
    EXPECT_EQ(v.top(), 0);
    v.release(&page, 400, 400);
}

TEST(ScreensOffTheWorld, ADoubleClickIsTakenAsAPress)
{
    headless_screen screen;
    auto* m = new menu_scene;
    scene_manager manager(m, nullptr, nullptr);
    send_mouse(m, QEvent::GraphicsSceneMouseDoubleClick, QPointF(400, 180)); // help
    ASSERT_NE(dynamic_cast<tex_scrolling_view*>(manager.top()), nullptr);

    tex_scrolling_view page(spriteman::tex_credits, nullptr);
    page_view v(&page);
    page.advance();
    v.press(&page, 400, 400);
    v.release(&page, 400, 400);
    v.deliver(&page, QEvent::GraphicsSceneMouseDoubleClick, 400, 400);
    v.move(&page, 400, 300);
    EXPECT_EQ(v.top(), 100); // the second tap started a drag
}

TEST(ScrollingPage, PointerEventsWithoutADragDoNotScroll)
{
    headless_screen screen;
    tex_scrolling_view page(spriteman::tex_credits, nullptr);
    page_view v(&page);
    page.advance();

    // Before any press, even far outside the viewport.
    v.move(&page, 400, -500);
    v.release(&page, 400, -500);
    EXPECT_EQ(v.top(), 0);

    v.press(&page, 400, 400);
    v.move(&page, 400, 0);
    v.release(&page, 400, 0);
    ASSERT_EQ(v.top(), 400);

    // After the release, hovering moves nothing.
    v.move(&page, 400, 300);
    EXPECT_EQ(v.top(), 400);

    // A press where a next arrow would be starts no drag from the old anchor.
    v.press(&page, 790, 30);
    v.move(&page, 790, 300);
    v.release(&page, 790, 300);
    EXPECT_EQ(v.top(), 400);
}

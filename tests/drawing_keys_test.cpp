// Drawing mode by keys and pad: the cell cursor and the way a cloud will go,
// the slot keys, placing exactly what a touch places (and into the level's
// history), leaving, the cursor's picture; and the right stick's panning.

#include "cloud.h"
#include "drawing_drawer.h"
#include "gl_recorder.h"
#include "level_scene.h"
#include "spriteman.h"
#include "world_fixture.h"

#include <QGraphicsView>
#include <sstream>

namespace
{

// What a placement can change: the grid, the movers and the stock.
std::string placed_things(game_scene& s)
{
    std::ostringstream o;
    for (int c = 0; c < s.grid_width; ++c)
        for (int r = 0; r < s.grid_height; ++r)
            if (const stockblock* b = s.grid[c][r])
                o << "grid " << c << ' ' << r << ' ' << b->type << '\n';
    for (int colour = 0; colour < 4; ++colour) {
        for (const stockblock* b : s.clouds[colour])
            o << "cloud " << b->x << ' ' << b->y << ' ' << int(static_cast<const cloud*>(b)->dir)
              << '\n';
        for (const stockblock* b : s.fallings[colour])
            o << "falling " << b->x << ' ' << b->y << '\n';
    }
    for (const stock_slot* slot : s.characters.at(0)->stock_slots)
        o << "stock " << int(slot->count) << '\n';
    return o.str();
}

class DrawingKeys : public world_test
{
  protected:
    void SetUp() override
    {
        world_test::SetUp();
        if (!spriteman::ready()) {
            spriteman::init(2048, 2048);
            built_atlas = true;
        }
        keys_before = myscene::keys_in_use;
        myscene::keys_in_use = true;
    }
    void TearDown() override
    {
        myscene::keys_in_use = keys_before;
        world_test::TearDown();
        if (built_atlas)
            spriteman::deinit();
    }

    drawing_drawer* draw_in(const std::string& level_text)
    {
        load(level_text);
        press(Qt::Key_P);
        return dynamic_cast<drawing_drawer*>(scene->drawer);
    }
    void tap(int key)
    {
        press(key);
        release(key);
    }
    QPoint cell(const drawing_drawer* d) const { return {d->cell_x, d->cell_y}; }

    bool built_atlas = false;
    bool keys_before = false;
};

// A white character whose reach is columns and rows 3 to 7; its slots a red
// plain block, a red cloud and a red falling block; a red block at (7, 4).
const char* open_field = "mapsize 14 10\nstockblock 7 4 red\n"
                         "char 5 5 white red stockblock 9 red cloud 9 red falling 9\n";

} // namespace

TEST_F(DrawingKeys, CursorStartsBesideTheCharacterAndMovesWithinItsReach)
{
    const struct {
        const char* level;
        QPoint start;
    } starts[] = {
        {"mapsize 14 10\nchar 5.6 6.3 red red stockblock 9 null null 0 null null 0\n", {6, 6}},
        {"mapsize 14 10\nchar 5.7 6.3 red red stockblock 9 null null 0 null null 0\n", {7, 6}},
        {"mapsize 8 8\nchar 7 3 red red stockblock 9 null null 0 null null 0\n", {6, 3}},
    };
    for (const auto& s : starts)
        EXPECT_EQ(cell(draw_in(s.level)), s.start) << s.level;

    drawing_drawer* d = draw_in(open_field);
    ASSERT_EQ(cell(d), QPoint(6, 5));
    const struct {
        int key;
        QPoint cell;
        unsigned char way;
    } steps[] = {
        {Qt::Key_Right, {7, 5}, cfg::p}, {Qt::Key_Right, {7, 5}, cfg::p},
        {Qt::Key_Down, {7, 6}, cfg::d},  {Qt::Key_Left, {6, 6}, cfg::l},
        {Qt::Key_Up, {6, 5}, cfg::g},    {Qt::Key_Right, {7, 5}, cfg::p},
        {Qt::Key_Up, {7, 4}, cfg::g},    {Qt::Key_Right, {7, 4}, cfg::p}, // stuck, yet turned
    };
    for (const auto& s : steps) {
        tap(s.key);
        EXPECT_EQ(cell(d), s.cell) << "key " << s.key;
        EXPECT_EQ(d->direction, s.way) << "key " << s.key;
    }
    for (int i = 0; i < 4; ++i) // held: it repeats
        press(Qt::Key_Left, i > 0);
    EXPECT_EQ(cell(d), QPoint(3, 4));

    // After a switch the cursor starts again beside the new character.
    d = draw_in(std::string(open_field) +
                "char 9 2 red red stockblock 9 null null 0 null null 0\n");
    tap(Qt::Key_C);
    tap(Qt::Key_Left);
    EXPECT_EQ(cell(d), QPoint(10, 2));
}

TEST_F(DrawingKeys, TabAndTheNumbersChooseOnlySlotsThatHoldSomething)
{
    drawing_drawer* d =
        draw_in("mapsize 14 10\nchar 5 5 white red stockblock 9 red null 0 blue cloud 3\n");
    const std::pair<int, unsigned int> keys[] = {
        {Qt::Key_Tab, 2}, {Qt::Key_Tab, 0}, {Qt::Key_Backtab, 2}, {Qt::Key_2, 2},
        {Qt::Key_1, 0},   {Qt::Key_3, 2},   {Qt::Key_Backtab, 0},
    };
    for (const auto& [key, slot] : keys) {
        tap(key);
        EXPECT_EQ(d->selected_slot, slot) << "key " << key;
    }
    press(Qt::Key_Tab);
    press(Qt::Key_Tab, true); // held, it does not spin on
    EXPECT_EQ(d->selected_slot, 2u);
}

TEST_F(DrawingKeys, EnterPlacesWhatATouchOnTheSameCellsPlaces)
{
    const struct {
        const char* name;
        int slot_key;
        std::vector<int> arrows;
        bool placed;
    } cases[] = {
        {"plain block", Qt::Key_1, {Qt::Key_Right}, true},
        {"cloud right", Qt::Key_2, {Qt::Key_Right}, true},
        {"cloud left", Qt::Key_2, {Qt::Key_Up, Qt::Key_Left, Qt::Key_Left}, true},
        {"cloud up", Qt::Key_2, {Qt::Key_Up}, true},
        {"cloud down", Qt::Key_2, {Qt::Key_Down}, true},
        {"plain block on a red one", Qt::Key_1, {Qt::Key_Right, Qt::Key_Up}, false},
        {"falling block on the character", Qt::Key_3, {Qt::Key_Left}, false},
    };
    for (const auto& c : cases) {
        drawing_drawer* keys = draw_in(open_field);
        const std::string before = placed_things(*scene);
        std::vector<QPoint> path{cell(keys)};
        tap(c.slot_key);
        for (int arrow : c.arrows) {
            tap(arrow);
            path.push_back(cell(keys));
        }
        tap(Qt::Key_Return);
        const std::string by_keys = placed_things(*scene);
        EXPECT_EQ(by_keys != before, c.placed) << c.name;

        // The same cells touched one after another, the slot, the tick.
        load(open_field);
        scene->switch_drawer(cfg::drawer_drawer_type);
        myglitem* touch = scene->drawer;
        for (const QPoint& p : path)
            touch->clicked(p.x() * 60 + 30, p.y() * 60 + 30);
        touch->clicked(760, 113 + 90 * (c.slot_key - Qt::Key_1));
        touch->clicked(755, 400);
        EXPECT_EQ(by_keys, placed_things(*scene)) << c.name;
    }

    // Space places too; a held Enter places one block, not one a repeat.
    draw_in(open_field);
    tap(Qt::Key_Space);
    tap(Qt::Key_Up);
    press(Qt::Key_Return);
    press(Qt::Key_Return, true);
    EXPECT_NE(scene->grid[6][5], nullptr);
    EXPECT_NE(scene->grid[6][4], nullptr);
    EXPECT_EQ(character(0)->stock_slots[0]->count, 7);
}

TEST_F(DrawingKeys, EscapeAndPLeaveDrawingBackspaceStillPauses)
{
    for (int key : {Qt::Key_Escape, Qt::Key_P, Qt::Key_Backspace}) {
        draw_in(open_field);
        tap(key);
        const bool pauses = key == Qt::Key_Backspace;
        EXPECT_EQ(scene->drawer_kind, pauses ? cfg::drawer_drawer_type : cfg::drawer_ctrl_type);
        EXPECT_EQ(scene->menu != nullptr, pauses) << key;
    }
    // The pad: B leaves drawing, Start pauses and places nothing.
    for (input::pad_button button : {input::pad_button::east, input::pad_button::start}) {
        draw_in(open_field);
        const bool pauses = button == input::pad_button::start;
        scene->intent_event(input::pad_meaning(button), true, false);
        EXPECT_EQ(scene->drawer_kind, pauses ? cfg::drawer_drawer_type : cfg::drawer_ctrl_type);
        EXPECT_EQ(scene->menu != nullptr, pauses) << static_cast<int>(button);
        EXPECT_EQ(character(0)->stock_slots[0]->count, 9);
    }
}

TEST_F(DrawingKeys, KeyPlacementIsInTheHistorySoRewindKeepsOrTakesItBack)
{
    const std::string path =
        write_file("mapsize 14 10\nmkframe\n"
                   "char 5 8.3 white red stockblock 9 null null 0 null null 0\n");
    testing::internal::CaptureStdout();
    level_scene level("keys", path, nullptr);
    testing::internal::GetCapturedStdout();
    auto key = [&](int k) {
        QKeyEvent down(QEvent::KeyPress, k, Qt::NoModifier);
        level.keyPressEvent(&down);
        QKeyEvent up(QEvent::KeyRelease, k, Qt::NoModifier);
        level.keyReleaseEvent(&up);
    };
    auto run = [&](int n) {
        while (n-- > 0)
            level.tick();
    };
    run(5);
    for (int k : {Qt::Key_P, Qt::Key_Right, Qt::Key_Return, Qt::Key_P})
        key(k);
    ASSERT_NE(level.grid[7][8], nullptr);
    run(70);
    QKeyEvent left_down(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    level.keyPressEvent(&left_down);
    run(10);
    QKeyEvent left_up(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier);
    level.keyReleaseEvent(&left_up);
    run(30);
    key(Qt::Key_Z); // the walk taken back: rebuilt from the file and the history
    ASSERT_EQ(level.history.world_ticks(), 75);
    EXPECT_NE(level.grid[7][8], nullptr);
    EXPECT_EQ(level.focused_char()->stock_slots[0]->count, 8);
    key(Qt::Key_Z); // the placement taken back
    EXPECT_EQ(level.history.world_ticks(), 5);
    EXPECT_EQ(level.grid[7][8], nullptr);
    EXPECT_EQ(level.focused_char()->stock_slots[0]->count, 9);
}

TEST_F(DrawingKeys, CursorIsDrawnOnlyWhileKeysAreInUseWithTheCloudsWayOnIt)
{
    drawing_drawer* d = draw_in(open_field);
    tap(Qt::Key_2);
    tap(Qt::Key_Up); // cell (6, 4): x 360 to 420, y 240 to 300
    gl_recorder gl;
    myscene::keys_in_use = false;
    d->updateGL();
    ASSERT_EQ(gl.draws.size(), 5u); // range, column, row, cell, triangle: as touch play
    EXPECT_EQ(gl.draws[4].count, 3);

    myscene::keys_in_use = true;
    // The arrow's quad is the cell moved half a block its way, its corners
    // turned under the picture: the corner listed first shows its top left.
    const struct {
        unsigned char way;
        std::vector<float> arrow;
    } ways[] = {
        {cfg::p, {390, 240, 450, 240, 390, 300, 450, 300}},
        {cfg::g, {360, 270, 360, 210, 420, 270, 420, 210}},
        {cfg::d, {420, 270, 420, 330, 360, 270, 360, 330}},
        {cfg::l, {390, 300, 330, 300, 390, 240, 330, 240}},
    };
    for (const auto& w : ways) {
        d->direction = w.way;
        gl.clear();
        d->updateGL();
        ASSERT_EQ(gl.draws.size(), 6u);
        EXPECT_TRUE(gl.draws[4].uses(spriteman::tex_cursor));
        EXPECT_EQ(gl.draws[4].positions,
                  (std::vector<float>{360, 240, 420, 240, 360, 300, 420, 300}));
        EXPECT_TRUE(gl.draws[5].uses(spriteman::tex_cursor_arrow));
        EXPECT_EQ(gl.draws[5].positions, w.arrow) << int(w.way);
    }
    tap(Qt::Key_1); // no clouds: no arrow
    gl.clear();
    d->updateGL();
    EXPECT_EQ(gl.draws.size(), 5u);
}

TEST_F(DrawingKeys, RightStickPansWhileHeldThenTheCameraFollowsAgain)
{
    load("mapsize 40 20\nchar 20 10 white red stockblock 9 null null 0 null null 0\n");
    QGraphicsView view(scene.get());
    view.setFrameStyle(QFrame::NoFrame);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.resize(800, 480);
    view.show();
    view.centerOn(1200, 600);
    scene->record_view_position(&view, 800, 480);
    const double x0 = scene->view_center_x, y0 = scene->view_center_y;
    auto stick = [&](input::intent way, bool pressed) {
        input::meaning m;
        m.play = way;
        return scene->intent_event(m, pressed, false);
    };

    press(Qt::Key_Right); // held through the glance
    EXPECT_TRUE(stick(input::intent::look_right, true));
    EXPECT_EQ(scene->drawer_kind, cfg::drawer_mv_type);
    ticks(3); // a block every three ticks
    EXPECT_NEAR(scene->view_center_x, x0 + 60, 1);
    stick(input::intent::look_down, true);
    stick(input::intent::look_left, true); // swung across before letting go
    stick(input::intent::look_right, false);
    ticks(3);
    EXPECT_NEAR(scene->view_center_x, x0, 1);
    EXPECT_NEAR(scene->view_center_y, y0 + 60, 1);
    stick(input::intent::look_down, false);
    EXPECT_EQ(scene->drawer_kind, cfg::drawer_mv_type) << "left still held";
    stick(input::intent::look_left, false);
    EXPECT_EQ(scene->drawer_kind, cfg::drawer_ctrl_type);
    EXPECT_TRUE(character(0)->right_held);

    // A view scrolled by V stays where the stick leaves it; a menu stops it.
    tap(Qt::Key_V);
    stick(input::intent::look_up, true);
    stick(input::intent::look_up, false);
    EXPECT_EQ(scene->drawer_kind, cfg::drawer_mv_type);
    stick(input::intent::look_up, true);
    tap(Qt::Key_Backspace);
    const double y1 = scene->view_center_y;
    ticks(3);
    EXPECT_EQ(scene->view_center_y, y1);
    // Drawing mode keeps the view on the character.
    scene->close_menu_request = true;
    ticks(1);
    tap(Qt::Key_P);
    EXPECT_FALSE(stick(input::intent::look_up, true));
}

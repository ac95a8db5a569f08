// The editor screen: keyboard and pointer editing, undo and redo, saving
// under a typed name, the test-play and the list of own levels, and the
// menu's way in.

#include "cfg.h"
#include "editor_canvas.h"
#include "editor_scene.h"
#include "gl_recorder.h"
#include "headless_screen.h"
#include "level_scene.h"
#include "menu_scene.h"
#include "own_levels_scene.h"
#include "scene_manager.h"
#include "stockchar.h"
#include "view.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace
{

template <class scene_t>
void key(scene_t& scene, int code, const QString& text = QString(),
         Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent e(QEvent::KeyPress, code, modifiers, text);
    scene.keyPressEvent(&e);
}

// Types each character of `keys` as its key.
void type(editor_scene& scene, const std::string& keys)
{
    for (char c : keys) {
        const QString text(QChar::fromLatin1(c));
        key(scene, QKeySequence(text.toUpper())[0].key(), text);
    }
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

struct editor_fixture : testing::Test {
    headless_screen screen;
    QTemporaryDir tmp;
    editor_scene* editor = new editor_scene(tmp.path().toStdString() + "/levels");
    scene_manager manager{editor, nullptr, nullptr};
};

} // namespace

TEST_F(editor_fixture, ScriptedKeysWriteTheExpectedFile)
{
    editor->doc = level_document::from_text("mapsize 5 4\n");
    testing::internal::CaptureStdout();
    type(*editor, "1"); // the chosen kind again: its next colour, red
    key(*editor, Qt::Key_Return);
    key(*editor, Qt::Key_Right);
    type(*editor, "59"); // cloud, turned from right to down
    key(*editor, Qt::Key_Return);
    key(*editor, Qt::Key_Down);
    key(*editor, Qt::Key_Down);
    type(*editor, "7");
    key(*editor, Qt::Key_Return);
    for (auto part : {editor_scene::slot_part::type, editor_scene::slot_part::type,
                      editor_scene::slot_part::colour, editor_scene::slot_part::colour,
                      editor_scene::slot_part::count, editor_scene::slot_part::count,
                      editor_scene::slot_part::count})
        ASSERT_TRUE(editor->change_slot(0, part));
    key(*editor, Qt::Key_Left);
    type(*editor, "3");
    key(*editor, Qt::Key_Return);
    key(*editor, Qt::Key_Up);
    key(*editor, Qt::Key_Up);
    key(*editor, Qt::Key_Delete);
    type(*editor, "86"); // green, exit
    key(*editor, Qt::Key_Right);
    key(*editor, Qt::Key_Right);
    key(*editor, Qt::Key_Up);
    key(*editor, Qt::Key_Return);
    key(*editor, Qt::Key_Z, "", Qt::ControlModifier);
    key(*editor, Qt::Key_Y, "", Qt::ControlModifier);

    key(*editor, Qt::Key_S, "s");
    ASSERT_EQ(editor->mode, editor_scene::mode_t::naming);
    EXPECT_EQ(editor->typed_name, "LEVEL1");
    for (int i = 0; i < 6; ++i)
        key(*editor, Qt::Key_Backspace);
    type(*editor, "my/first-1"); // the slash cannot be typed
    key(*editor, Qt::Key_Return);
    testing::internal::GetCapturedStdout();

    EXPECT_EQ(editor->mode, editor_scene::mode_t::editing);
    EXPECT_EQ(editor->name, "myfirst-1");
    EXPECT_FALSE(editor->has_unsaved_changes());
    EXPECT_EQ(read_file(editor->store.path_of("myfirst-1")),
              "mapsize 5 4\n"
              "cloud 2 1 down red\n"
              "char 2 3.3 red green spikes 3 white null 0 white null 0\n"
              "spikes 1 3 red\n"
              "exit 3 0 green\n");
}

TEST_F(editor_fixture, UndoAndRedoRestoreExactStates)
{
    std::vector<level_document> states{editor->doc};
    editor->place_at(3, 3);
    states.push_back(editor->doc);
    editor->palette.kind = level_record::character;
    editor->place_at(4, 4);
    states.push_back(editor->doc);
    editor->change_slot(1, editor_scene::slot_part::count);
    states.push_back(editor->doc);
    editor->erase_at(0, 0);
    states.push_back(editor->doc);
    editor->resize_map(12, 8);
    states.push_back(editor->doc);
    EXPECT_FALSE(editor->erase_at(6, 6)); // nothing there: no step
    ASSERT_EQ(editor->undo_steps.size(), states.size() - 1);

    for (size_t i = states.size() - 1; i-- > 0;) {
        ASSERT_TRUE(editor->undo());
        EXPECT_EQ(editor->doc, states[i]) << "undo to state " << i;
    }
    EXPECT_FALSE(editor->undo());
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(editor->redo());
        EXPECT_EQ(editor->doc, states[i]) << "redo to state " << i;
    }
    EXPECT_FALSE(editor->redo());
    // A new step after an undo ends the redo branch.
    editor->undo();
    editor->place_at(2, 2);
    EXPECT_FALSE(editor->redo());
}

TEST_F(editor_fixture, PointerPlacesErasesAndScrolls)
{
    int column = 0, row = 0;
    ASSERT_TRUE(editor->cell_at(400, 240, column, row));
    // A new map opens whole between the two strips.
    const int bs = editor->block_px;
    EXPECT_GE(editor->origin_y, editor_scene::bar);
    EXPECT_LE(editor->origin_y + editor->doc.height * bs, 480 - editor_scene::bar);
    EXPECT_GE(editor->origin_x, 0);
    const auto px = [&](int c) { return static_cast<int>(editor->origin_x) + c * bs + bs / 2; };
    const auto py = [&](int r) { return static_cast<int>(editor->origin_y) + r * bs + bs / 2; };

    editor->press_at(px(3), py(4), false);
    editor->release_at(px(3), py(4));
    ASSERT_EQ(editor->doc.record_at(3, 4), static_cast<int>(editor->doc.records.size()) - 1);

    editor->press_at(px(3), py(4), true); // the second button erases
    EXPECT_EQ(editor->doc.record_at(3, 4), -1);

    editor->place_at(5, 5);
    editor->press_at(px(5), py(5), false);
    for (int t = 0; t < editor_scene::long_press_ticks; ++t)
        manager.tick(editor);
    editor->release_at(px(5), py(5));
    EXPECT_EQ(editor->doc.record_at(5, 5), -1) << "a long press erases, the release places nothing";

    const size_t before = editor->doc.records.size();
    const double origin = editor->origin_x;
    const int x0 = px(6), y0 = py(6);
    editor->press_at(x0, y0, false);
    editor->move_to(x0 + 30, y0);
    editor->move_to(x0 + 50, y0 + 20);
    editor->release_at(x0 + 50, y0 + 20);
    EXPECT_EQ(editor->origin_x, origin + 50);
    EXPECT_EQ(editor->doc.records.size(), before) << "a drag scrolls, it does not place";

    // The palette strip chooses; it does not reach the map below it.
    editor->press_at(6 * editor_palette::cell + 5, 480 - 5, false);
    EXPECT_EQ(editor->palette.kind, level_record::character);
}

TEST_F(editor_fixture, TestPlayLoadsTheWrittenTextAndReturnsToAnUnchangedEditor)
{
    testing::internal::CaptureStdout();
    EXPECT_FALSE(editor->try_level()) << "a level without a character cannot be played";
    editor->palette.kind = level_record::character;
    editor->palette.colour = 2;
    editor->place_at(2, 8);
    editor->change_slot(0, editor_scene::slot_part::type);
    const level_document before = editor->doc;
    // It has no exit: the player is warned first and tries anyway.
    EXPECT_FALSE(editor->try_level());
    ASSERT_EQ(editor->mode, editor_scene::mode_t::confirm_try);
    ASSERT_TRUE(editor->try_level(true));
    manager.tick(editor); // the level is entered at the end of the tick
    auto* play = dynamic_cast<level_scene*>(manager.top());
    ASSERT_NE(play, nullptr);
    ASSERT_EQ(play->characters.size(), 1u);
    EXPECT_EQ(play->characters[0]->x, 2 * cfg::multiplier);
    EXPECT_EQ(play->characters[0]->y, 8 * cfg::multiplier + 3 * cfg::multiplier / 10);
    EXPECT_EQ(play->characters[0]->stock_slots[0]->type, cfg::static0);
    EXPECT_EQ(play->grid_width, 16);
    EXPECT_EQ(play->level_name, "TRYOUT");
    play->restart(); // the rewind and restart read the same file again
    EXPECT_EQ(play->characters.size(), 1u);
    play->leave_request = true;
    manager.tick(play);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(manager.top(), editor);
    EXPECT_EQ(editor->doc, before);
}

TEST_F(editor_fixture, LeavingWithUnsavedChangesAsksFirst)
{
    editor->place_at(4, 4);
    key(*editor, Qt::Key_Backspace);
    EXPECT_EQ(editor->mode, editor_scene::mode_t::confirm_leave);
    key(*editor, Qt::Key_N);
    EXPECT_EQ(editor->mode, editor_scene::mode_t::editing);
    manager.tick(editor);
    EXPECT_EQ(manager.top(), editor);

    key(*editor, Qt::Key_Backspace);
    key(*editor, Qt::Key_Y);
    EXPECT_TRUE(editor->leave_request);
}

TEST_F(editor_fixture, OwnLevelsOpenAndDeleteOnlyAfterAYes)
{
    std::string error;
    ASSERT_TRUE(editor->store.save("alpha", "mapsize 4 4\nstockblock 1 1 red\n", error));
    ASSERT_TRUE(editor->store.save("beta", "mapsize 6 5\n", error));
    editor->place_at(3, 3); // unsaved work
    key(*editor, Qt::Key_O, "o");
    manager.tick(editor); // the list opens at the end of the tick
    auto* list = dynamic_cast<own_levels_scene*>(manager.top());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->names, (std::vector<std::string>{"alpha", "beta"}));

    list->request(own_levels_scene::action::remove, 0);
    key(*list, Qt::Key_N);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(editor->store.path_of("alpha"))));
    list->request(own_levels_scene::action::remove, 0);
    key(*list, Qt::Key_Y);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(editor->store.path_of("alpha"))));
    EXPECT_EQ(list->names, std::vector<std::string>{"beta"});

    list->request(own_levels_scene::action::open, 0);
    EXPECT_EQ(editor->name, "") << "unsaved work is not dropped without a yes";
    list->answer(true);
    EXPECT_EQ(editor->name, "beta");
    EXPECT_EQ(editor->doc.width, 6);
    EXPECT_FALSE(editor->has_unsaved_changes());
    manager.tick(list);
    EXPECT_EQ(manager.top(), editor);
}

TEST(MenuScene, EditorButtonOverlapsNoOtherButtonAtAnySize)
{
    headless_screen screen;
    menu_scene m;
    EXPECT_EQ(m.editor.pos(), QPointF(330, 340));
    EXPECT_EQ(m.editor.width, 60);
    const QSize sizes[] = {{800, 480}, {320, 200}, {100, 100}, {1920, 1080}, {480, 800}};
    auto rect = [](const menu_button& b) { return QRectF(b.pos(), QSizeF(b.width, b.height)); };
    for (QSize size : sizes) {
        myglitem::viewport = {size.width(), size.height()};
        m.resizeGL();
        // The pencil and the gear beside it, against every other button.
        for (const menu_button* small :
             {static_cast<menu_button*>(&m.editor), static_cast<menu_button*>(&m.settings)})
            for (const menu_button* b :
                 {static_cast<menu_button*>(&m.quit), static_cast<menu_button*>(&m.play),
                  static_cast<menu_button*>(&m.help), static_cast<menu_button*>(&m.credits)})
                EXPECT_FALSE(rect(*small).intersects(rect(*b)))
                    << size.width() << "x" << size.height();
        EXPECT_FALSE(rect(m.editor).intersects(rect(m.settings)));
    }
}

TEST(MenuScene, PencilOpensTheEditor)
{
    headless_screen screen;
    auto* m = new menu_scene;
    scene_manager manager(m, nullptr, nullptr);
    send_mouse(m, QEvent::GraphicsSceneMousePress, QPointF(360, 370));
    EXPECT_NE(dynamic_cast<editor_scene*>(manager.top()), nullptr);
}

TEST_F(editor_fixture, TopStripAndStockPanelTakePresses)
{
    editor->palette.kind = level_record::character;
    editor->place_at(3, 3);
    const int stock_left = 800 - 3 * editor_scene::bar;
    const int stock_top = editor_scene::bar + 40;
    const struct {
        int x, y;
        int width, height, slot_type, slot_colour, slot_count;
    } presses[] = {
        {800 - 225, 30, 15, 10, 0, 0, 0}, // narrower
        {800 - 135, 30, 16, 10, 0, 0, 0}, // wider
        {800 - 105, 30, 16, 9, 0, 0, 0},  // lower
        {800 - 15, 30, 16, 10, 0, 0, 0},  // higher
        {stock_left + 10, stock_top + 70, 16, 10, cfg::static0, 0, 0},
        {stock_left + 70, stock_top + 70, 16, 10, cfg::static0, 1, 0},
        {stock_left + 130, stock_top + 70, 16, 10, cfg::static0, 1, 1},
    };
    int n = 0;
    for (const auto& p : presses) {
        SCOPED_TRACE(++n);
        editor->press_at(p.x, p.y, false);
        EXPECT_EQ(editor->doc.width, p.width);
        EXPECT_EQ(editor->doc.height, p.height);
        const int ch = editor->doc.record_at(3, 3);
        ASSERT_GE(ch, 0);
        editor->selected_char = ch; // a resize drops the choice; the character stays
        EXPECT_EQ(editor->doc.records[ch].stock_slots[1].type, p.slot_type);
        EXPECT_EQ(editor->doc.records[ch].stock_slots[1].colour, p.slot_colour);
        EXPECT_EQ(editor->doc.records[ch].stock_slots[1].count, p.slot_count);
    }
    // The keys reach the slot last pressed, and Tab moves on.
    key(*editor, Qt::Key_V, "v");
    key(*editor, Qt::Key_Tab);
    key(*editor, Qt::Key_X, "x");
    key(*editor, Qt::Key_C, "c");
    const level_record& ch = editor->doc.records[editor->selected_char];
    EXPECT_EQ(ch.stock_slots[1].count, 2);
    EXPECT_EQ(ch.stock_slots[2].type, cfg::static0);
    EXPECT_EQ(ch.stock_slots[2].colour, 1);
    for (int i = 0; i < 12; ++i)
        key(*editor, Qt::Key_V, "v");
    EXPECT_EQ(editor->doc.records[editor->selected_char].stock_slots[1].count, 2);
    EXPECT_EQ(editor->doc.records[editor->selected_char].stock_slots[2].count, 2)
        << "counts run 0 to 9 and round again";

    editor->press_at(editor_scene::bar + 5, 30, false); // undo
    EXPECT_EQ(editor->doc.records[editor->doc.record_at(3, 3)].stock_slots[2].count, 1);
}

TEST_F(editor_fixture, AnUnsafeNameIsRefusedWithAMessageAndNothingWritten)
{
    editor->place_at(4, 4);
    for (const char* typed : {"", "-dash-first", "_under"}) {
        SCOPED_TRACE(typed);
        key(*editor, Qt::Key_N, "n");
        ASSERT_EQ(editor->mode, editor_scene::mode_t::naming);
        type(*editor, typed);
        EXPECT_EQ(editor->typed_name, typed);
        key(*editor, Qt::Key_Return);
        EXPECT_EQ(editor->mode, editor_scene::mode_t::naming) << "the prompt stays for another try";
        EXPECT_EQ(editor->message, "UNSAFE NAME");
        EXPECT_TRUE(editor->store.names().empty());
        key(*editor, Qt::Key_Escape);
    }
    EXPECT_TRUE(editor->has_unsaved_changes());
}

TEST_F(editor_fixture, TheLongestNameThatCanBeTypedIsSaved)
{
    editor->place_at(4, 4);
    // By keys and by the letter picker, typing runs on past the limit.
    const auto pad = [&](input::pad_button b) {
        editor->intent_event(input::pad_meaning(b), true, false);
    };
    const struct {
        const char* how;
        std::function<void()> add_letter;
        std::function<void()> to_save;
    } ways[] = {
        {"keys", [&] { type(*editor, "k"); }, [&] { key(*editor, Qt::Key_Tab); }},
        {"pad", [&] { pad(input::pad_button::south); }, [&] { pad(input::pad_button::north); }}};
    for (const auto& w : ways) {
        SCOPED_TRACE(w.how);
        key(*editor, Qt::Key_N, "n");
        ASSERT_EQ(editor->mode, editor_scene::mode_t::naming);
        pad(input::pad_button::dpad_up); // from SAVE to the 5 above it
        for (int i = 0; i < 40; ++i)
            w.add_letter();
        const std::string typed = editor->typed_name;
        EXPECT_LT(typed.size(), 40u);
        w.to_save(); // the next button jumps to SAVE
        key(*editor, Qt::Key_Return);
        EXPECT_EQ(editor->mode, editor_scene::mode_t::editing) << editor->message;
        EXPECT_EQ(editor->name, typed);
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(editor->store.path_of(typed))));
    }
}

TEST_F(editor_fixture, ZoomKeepsTheCellUnderTheScreenCentre)
{
    int column = 0, row = 0, zoomed_column = 0, zoomed_row = 0;
    for (int step : {1, 1, 1, -1, -1, -1, -1, -1}) {
        ASSERT_TRUE(editor->cell_at(400, 240, column, row));
        const int before = editor->block_px;
        editor->zoom(step);
        ASSERT_TRUE(editor->cell_at(400, 240, zoomed_column, zoomed_row));
        EXPECT_EQ(zoomed_column, column);
        EXPECT_EQ(zoomed_row, row);
        EXPECT_TRUE(step > 0 ? editor->block_px >= before : editor->block_px <= before);
    }
    EXPECT_EQ(editor->block_px, 20); // the smallest step holds

    // The atlas is smoothed up to the game's 60 pixels a block, not above.
    for (int i = 0; i < 3; ++i)
        editor->zoom(1);
    EXPECT_EQ(editor->block_px, 60);
    EXPECT_TRUE(editor->smooth_atlas());
    editor->zoom(1);
    EXPECT_FALSE(editor->smooth_atlas());
}

// M is the sound toggle everywhere but in a name being typed.
TEST(EditorNaming, TheLetterMIsTypedIntoANameNotTakenAsTheSoundToggle)
{
    QTemporaryDir tmp;
    view v;
    auto* editor = new editor_scene(tmp.path().toStdString() + "/levels");
    v.manager->add_scene(editor);
    auto through_view = [&](int code, const QString& text) {
        QKeyEvent e(QEvent::KeyPress, code, Qt::NoModifier, text);
        QCoreApplication::sendEvent(&v, &e);
    };
    through_view(Qt::Key_N, "n");
    ASSERT_EQ(editor->mode, editor_scene::mode_t::naming);
    through_view(Qt::Key_M, "m");
    through_view(Qt::Key_A, "a");
    EXPECT_EQ(editor->typed_name, "ma");
}

// What the level checker finds is shown before a try, and each way of
// answering goes on or goes back.
TEST_F(editor_fixture, TryWarnsWithTheCheckersFindingsFirst)
{
    using kind = level_record::kind_t;
    struct object {
        kind k;
        int column, row;
        unsigned char colour;
    };
    const struct {
        const char* what;
        std::vector<object> objects;
        std::vector<int> gap; // a floor cell taken away
        std::vector<std::string> findings;
    } cases[] = {
        {"no exit", {{kind::character, 2, 8, 1}}, {}, {"the level has no exit"}},
        {"an exit of another colour",
         {{kind::character, 2, 8, 1}, {kind::exit, 5, 7, 2}},
         {},
         {"red character: no exit it can use, so the level cannot be passed",
          "green exit: no character can use it"}},
        {"a gap under the character",
         {{kind::character, 2, 8, 1}, {kind::exit, 5, 7, 1}},
         {2, 9},
         {"red character at column 2, row 8: nothing below it, it falls out of the world"}},
        {"a white exit serves the red character",
         {{kind::character, 2, 8, 1}, {kind::exit, 5, 7, 0}},
         {},
         {}},
    };
    testing::internal::CaptureStdout();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        editor->new_level();
        for (const object& o : c.objects) {
            editor->palette.kind = o.k;
            editor->palette.colour = o.colour;
            ASSERT_TRUE(editor->place_at(o.column, o.row));
        }
        if (!c.gap.empty()) {
            ASSERT_TRUE(editor->erase_at(c.gap[0], c.gap[1]));
        }
        EXPECT_EQ(editor->try_level(), c.findings.empty());
        EXPECT_EQ(editor->mode, c.findings.empty() ? editor_scene::mode_t::editing
                                                   : editor_scene::mode_t::confirm_try);
        EXPECT_EQ(editor->try_findings, c.findings);
        EXPECT_EQ(editor->enter_request != nullptr, c.findings.empty());
        manager.tick(editor);
        while (manager.top() != editor)
            manager.go_back();
    }

    const int w = 800, h = 480;
    const screen_rect anyway = editor_layout::warning_button(0, w, h);
    const screen_rect back = editor_layout::warning_button(1, w, h);
    const struct {
        const char* how;
        std::function<void()> answer;
        bool goes_on;
    } answers[] = {
        {"Enter on the default", [&] { key(*editor, Qt::Key_Return); }, false},
        {"pad B",
         [&] { editor->intent_event(input::pad_meaning(input::pad_button::east), true, false); },
         false},
        {"a press on BACK", [&] { editor->press_at(back.left + 5, back.top + 5, false); }, false},
        {"Y", [&] { key(*editor, Qt::Key_Y, "y"); }, true},
        {"pad left, A",
         [&] {
             editor->intent_event(input::pad_meaning(input::pad_button::dpad_left), true, false);
             editor->intent_event(input::pad_meaning(input::pad_button::south), true, false);
         },
         true},
        {"a press on TRY ANYWAY",
         [&] { editor->press_at(anyway.right - 5, anyway.bottom - 5, false); }, true},
    };
    editor->new_level();
    editor->palette.kind = kind::character;
    ASSERT_TRUE(editor->place_at(2, 8));
    for (const auto& a : answers) {
        SCOPED_TRACE(a.how);
        ASSERT_FALSE(editor->try_level());
        ASSERT_EQ(editor->mode, editor_scene::mode_t::confirm_try);
        {
            // The findings show on screen.
            gl_recorder r;
            editor_canvas::draw(*editor);
            const auto small_t =
                std::count_if(r.draws.begin(), r.draws.end(), [](const recorded_draw& d) {
                    return d.uses(spriteman::tex_alphabet[29]) && d.right() - d.left() < 15;
                });
            EXPECT_GT(small_t, 0) << "\"the level has no exit\" in small capitals";
        }
        a.answer();
        EXPECT_EQ(editor->mode, editor_scene::mode_t::editing);
        EXPECT_EQ(editor->enter_request != nullptr, a.goes_on);
        manager.tick(editor);
        EXPECT_EQ(manager.top() != editor, a.goes_on);
        while (manager.top() != editor)
            manager.go_back();
    }
    testing::internal::GetCapturedStdout();
}

TEST_F(editor_fixture, APlacementThatWouldCoverOtherObjectsIsRefusedAndShown)
{
    // The bottom-right corner inside the frame: an exit there would take the
    // frame's blocks to its right and below.
    editor->palette.kind = level_record::exit;
    const level_document before = editor->doc;
    EXPECT_FALSE(editor->place_at(14, 8));
    EXPECT_EQ(editor->doc, before);
    EXPECT_TRUE(editor->undo_steps.empty()) << "nothing to undo";
    EXPECT_EQ(editor->message, "3 OBJECTS IN THE WAY");
    ASSERT_EQ(editor->in_the_way.size(), 3u);
    for (const level_record& r : editor->in_the_way)
        EXPECT_EQ(r.kind, level_record::stock_expendable) << "the frame's blocks are marked";
    // The marks go with the message.
    for (int i = 0; i < 90; ++i)
        editor->advance();
    EXPECT_TRUE(editor->message.empty());
    EXPECT_TRUE(editor->in_the_way.empty());
    EXPECT_TRUE(editor->place_at(13, 7)) << "one cell up and left it fits";
}

TEST_F(editor_fixture, NamesKeepTheirCaseThroughSaveOpenAndTheList)
{
    editor->place_at(4, 4);
    for (const std::string typed : {"LevelAb", "LEVELAB"}) {
        key(*editor, Qt::Key_N, "n");
        for (size_t i = editor->typed_name.size(); i > 0; --i)
            key(*editor, Qt::Key_Backspace);
        type(*editor, typed);
        key(*editor, Qt::Key_Return);
        EXPECT_EQ(editor->name, typed);
        EXPECT_TRUE(
            QFileInfo(QString::fromStdString(editor->store.directory + typed + ".level")).isFile());
    }
    EXPECT_EQ(editor->store.names(), (std::vector<std::string>{"LEVELAB", "LevelAb"}));
    editor->new_level();
    ASSERT_TRUE(editor->open_level("LevelAb"));
    EXPECT_EQ(editor->name, "LevelAb");
    editor->message.clear(); // the status line shows the name again

    // Drawn with its lowercase as small capitals: the e of "LevelAb" on the
    // status line (16) and in the list (20) is three quarters of a capital.
    const auto small_e = [](const gl_recorder& r, float size) {
        return std::count_if(r.draws.begin(), r.draws.end(), [&](const recorded_draw& d) {
            return d.uses(spriteman::tex_alphabet[14]) && d.right() - d.left() == size;
        });
    };
    {
        gl_recorder r;
        editor_canvas::draw(*editor);
        EXPECT_EQ(small_e(r, 12), 2);
    }
    editor->open_list();
    manager.tick(editor);
    auto* list = dynamic_cast<own_levels_scene*>(manager.top());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->names, (std::vector<std::string>{"LEVELAB", "LevelAb"}));
    gl_recorder r;
    list->updateGL();
    EXPECT_EQ(small_e(r, 15), 2);
}

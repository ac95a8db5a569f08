// The editor, its own-levels list and their prompts without a pointer: every
// command by keys and by a pad's buttons, the safe default of each question,
// and the focus frame only while keys are in use.

#include "editor_canvas.h"
#include "editor_scene.h"
#include "gl_recorder.h"
#include "headless_screen.h"
#include "level_scene.h"
#include "name_picker.h"
#include "own_levels_scene.h"
#include "scene_manager.h"
#include "view.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace
{

using pad = input::pad_button;
using editor_mode = editor_scene::mode_t;

struct press {
    int key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

void keys(myscene& scene, std::initializer_list<press> presses)
{
    for (const press& p : presses) {
        QKeyEvent e(QEvent::KeyPress, p.key, p.modifiers);
        scene.keyPressEvent(&e);
    }
}

void buttons(myscene& scene, std::initializer_list<pad> presses)
{
    for (pad b : presses)
        scene.intent_event(input::pad_meaning(b), true, false);
}

struct editor_keys_fixture : testing::Test {
    headless_screen screen;
    QTemporaryDir tmp;
    editor_scene* editor = new editor_scene(tmp.path().toStdString() + "/levels");
    scene_manager manager{editor, nullptr, nullptr};

    void TearDown() override { myscene::keys_in_use = false; }
    // A character at the cursor's cell (3, 3), chosen for its stock.
    void character_at_cursor()
    {
        editor->palette.kind = level_record::character;
        editor->cursor_column = editor->cursor_row = 3;
        ASSERT_TRUE(editor->place_at(3, 3));
        editor->palette.kind = level_record::stockblock;
    }
    const level_record::slot& slot(int k) const
    {
        return editor->doc.records[editor->selected_char].stock_slots[k];
    }
};

} // namespace

TEST_F(editor_keys_fixture, MapSizeAndEditingStepsHaveKeys)
{
    const int w = 16, h = 10;
    const struct {
        const char* what;
        std::initializer_list<press> presses;
        int width, height, records;
    } cases[] = {
        {"Shift+Right widens", {{Qt::Key_Right, Qt::ShiftModifier}}, w + 1, h, 0},
        {"Shift+Left narrows", {{Qt::Key_Left, Qt::ShiftModifier}}, w - 1, h, 0},
        {"Shift+Down heightens", {{Qt::Key_Down, Qt::ShiftModifier}}, w, h + 1, 0},
        {"Shift+Up lowers", {{Qt::Key_Up, Qt::ShiftModifier}}, w, h - 1, 0},
        {"Enter places", {{Qt::Key_Return}}, w, h, 1},
        {"Space places", {{Qt::Key_Space}}, w, h, 1},
        {"Delete erases", {{Qt::Key_Return}, {Qt::Key_Delete}}, w, h, 0},
        {"Ctrl+Z undoes", {{Qt::Key_Return}, {Qt::Key_Z, Qt::ControlModifier}}, w, h, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        editor->doc = level_document::from_text("mapsize 16 10\n");
        editor->undo_steps.clear();
        keys(*editor, c.presses);
        EXPECT_EQ(editor->doc.width, c.width);
        EXPECT_EQ(editor->doc.height, c.height);
        EXPECT_EQ(editor->doc.records.size(), static_cast<size_t>(c.records));
        EXPECT_EQ(editor->mode, editor_mode::editing);
    }
}

TEST_F(editor_keys_fixture, LeavingQuestionDefaultsToStay)
{
    const struct {
        const char* what;
        std::initializer_list<press> presses;
        bool leaves;
    } cases[] = {
        {"Enter on the default", {{Qt::Key_Return}}, false},
        {"Space on the default", {{Qt::Key_Space}}, false},
        {"Escape", {{Qt::Key_Escape}}, false},
        {"Backspace", {{Qt::Key_Backspace}}, false},
        {"Delete", {{Qt::Key_Delete}}, false},
        {"Left to LEAVE, Enter", {{Qt::Key_Left}, {Qt::Key_Return}}, true},
        {"Tab to LEAVE, Space", {{Qt::Key_Tab}, {Qt::Key_Space}}, true},
        {"Tab twice, Enter", {{Qt::Key_Tab}, {Qt::Key_Backtab}, {Qt::Key_Return}}, false},
        {"Left, Right, Enter", {{Qt::Key_Left}, {Qt::Key_Right}, {Qt::Key_Return}}, false},
        {"Y", {{Qt::Key_Y}}, true},
        {"N", {{Qt::Key_N}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        editor->leave_request = false;
        editor->place_at(editor->doc.width - 2, 2);
        keys(*editor, {{Qt::Key_Escape}});
        ASSERT_EQ(editor->mode, editor_mode::confirm_leave);
        EXPECT_EQ(editor->prompt_choice, 1) << "the highlight starts on STAY";
        keys(*editor, c.presses);
        EXPECT_EQ(editor->leave_request, c.leaves);
        EXPECT_EQ(editor->mode, editor_mode::editing);
    }
    // The pad: B keeps the work; A on the default does too.
    editor->leave_request = false;
    buttons(*editor, {pad::start, pad::dpad_up, pad::south});
    ASSERT_EQ(editor->mode, editor_mode::confirm_leave) << "LEAVE is the menu's last row";
    buttons(*editor, {pad::south});
    EXPECT_FALSE(editor->leave_request);
}

TEST_F(editor_keys_fixture, PadPlacesErasesStepsThePaletteAndOpensTheMenu)
{
    editor->cursor_column = editor->cursor_row = 2;
    buttons(*editor, {pad::dpad_right, pad::dpad_down, pad::dpad_down});
    EXPECT_EQ(editor->cursor_column, 3);
    EXPECT_EQ(editor->cursor_row, 4);
    buttons(*editor, {pad::south});
    EXPECT_GE(editor->doc.record_at(3, 4), 0) << "A places";
    buttons(*editor, {pad::east});
    EXPECT_EQ(editor->doc.record_at(3, 4), -1) << "B erases";

    // X and Y step through all seven kinds and round again.
    std::vector<level_record::kind_t> seen{editor->palette.kind};
    for (int k = 0; k < editor_palette::kind_count; ++k) {
        buttons(*editor, {pad::north});
        seen.push_back(editor->palette.kind);
    }
    EXPECT_EQ(seen.front(), seen.back());
    EXPECT_EQ(std::set<level_record::kind_t>(seen.begin(), seen.end()).size(),
              static_cast<size_t>(editor_palette::kind_count));
    buttons(*editor, {pad::west});
    EXPECT_EQ(editor->palette.kind, seen[editor_palette::kind_count - 1]);

    const size_t records = editor->doc.records.size();
    EXPECT_FALSE(editor->menu.open);
    buttons(*editor, {pad::start});
    EXPECT_TRUE(editor->menu.open);
    buttons(*editor, {pad::south, pad::dpad_left}); // TRY needs a character: nothing opens
    EXPECT_FALSE(editor->menu.open) << "a row that acts closes the menu";
    buttons(*editor, {pad::start, pad::east});
    EXPECT_FALSE(editor->menu.open) << "B closes the menu";
    buttons(*editor, {pad::start, pad::start});
    EXPECT_FALSE(editor->menu.open) << "Start closes it again";
    keys(*editor, {{Qt::Key_F10}});
    EXPECT_TRUE(editor->menu.open) << "F10 opens it from the keyboard";
    keys(*editor, {{Qt::Key_Escape}});
    EXPECT_FALSE(editor->menu.open);
    EXPECT_EQ(editor->doc.records.size(), records) << "nothing reached the map while it was open";
}

// Every editor command is a row of the pad's menu.
TEST_F(editor_keys_fixture, EveryMenuRowRunsItsCommand)
{
    using row = editor_menu::row;
    const struct {
        row r;
        pad button; // south runs a row; left and right change the value rows
        std::function<bool(editor_keys_fixture&)> done;
    } cases[] = {
        {row::try_level, pad::south,
         [](auto& f) {
             // The level has no exit: A on TRY ANYWAY past the warning.
             if (f.editor->mode != editor_mode::confirm_try)
                 return false;
             buttons(*f.editor, {pad::dpad_left, pad::south});
             f.manager.tick(f.editor); // the level is entered at the end of the tick
             return dynamic_cast<level_scene*>(f.manager.top()) != nullptr;
         }},
        {row::save, pad::south, [](auto& f) { return f.editor->mode == editor_mode::naming; }},
        {row::rename, pad::south, [](auto& f) { return f.editor->mode == editor_mode::naming; }},
        {row::open_list, pad::south,
         [](auto& f) {
             f.manager.tick(f.editor);
             return dynamic_cast<own_levels_scene*>(f.manager.top()) != nullptr;
         }},
        {row::undo, pad::south, [](auto& f) { return f.editor->doc.record_at(3, 3) < 0; }},
        {row::redo, pad::south, [](auto& f) { return f.editor->doc.record_at(3, 3) >= 0; }},
        {row::colour, pad::dpad_left, [](auto& f) { return f.editor->palette.colour == 3; }},
        {row::direction, pad::dpad_right,
         [](auto& f) { return f.editor->palette.direction != 0x10; }},
        {row::slot, pad::dpad_right, [](auto& f) { return f.editor->chosen_slot == 1; }},
        {row::slot_type, pad::south, [](auto& f) { return f.slot(0).type != 0; }},
        {row::slot_colour, pad::south, [](auto& f) { return f.slot(0).colour == 1; }},
        {row::slot_count, pad::south, [](auto& f) { return f.slot(0).count == 1; }},
        {row::width, pad::dpad_right, [](auto& f) { return f.editor->doc.width == 17; }},
        {row::height, pad::dpad_left, [](auto& f) { return f.editor->doc.height == 9; }},
        {row::zoom, pad::dpad_right, [](auto& f) { return f.editor->block_px > 40; }},
        {row::leave, pad::south,
         [](auto& f) { return f.editor->mode == editor_mode::confirm_leave; }},
    };
    ASSERT_EQ(std::size(cases), static_cast<size_t>(editor_menu::row_count));
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.r));
        while (manager.top() != editor)
            manager.go_back();
        editor->new_level();
        editor->mode = editor_mode::editing;
        editor->chosen_slot = 0;
        editor->palette = editor_palette();
        editor->block_px = 40;
        character_at_cursor();
        if (c.r == row::redo)
            editor->undo();
        // From the top row down, as a pad player walks it.
        editor->menu = editor_menu();
        buttons(*editor, {pad::start});
        for (int k = 0; k < static_cast<int>(c.r); ++k)
            buttons(*editor, {pad::dpad_down});
        EXPECT_FALSE(editor->menu.label(*editor, c.r).empty());
        buttons(*editor, {c.button});
        EXPECT_TRUE(c.done(*this));
    }
}

TEST_F(editor_keys_fixture, PadNamesAndSavesALevelWithTheLetterPicker)
{
    editor->place_at(2, 2);
    buttons(*editor, {pad::start, pad::dpad_down, pad::south}); // SAVE
    ASSERT_EQ(editor->mode, editor_mode::naming);
    EXPECT_EQ(editor->typed_name, "LEVEL1") << "the offered name";
    // B takes a character back. The focus starts on SAVE; up goes to the 5,
    // then the S and the F above it; right is the G.
    buttons(*editor, {pad::east, pad::dpad_up, pad::south, pad::dpad_up, pad::dpad_up, pad::south,
                      pad::dpad_right, pad::south});
    EXPECT_EQ(editor->typed_name, "LEVEL5FG");
    // Down from G through T and 6 to SAVE, left to the case shift, up to the
    // 1 above it, twice more to the B; left from A wraps to M in its row.
    buttons(*editor, {pad::dpad_down, pad::dpad_down, pad::dpad_down, pad::dpad_left, pad::south,
                      pad::dpad_up, pad::dpad_up, pad::dpad_up, pad::south, pad::dpad_left,
                      pad::dpad_left, pad::south});
    EXPECT_EQ(editor->typed_name, "LEVEL5FGbm");
    // Y jumps to SAVE, again to CANCEL and back before A saves.
    buttons(*editor, {pad::north, pad::north, pad::north, pad::south});
    EXPECT_EQ(editor->mode, editor_mode::editing);
    EXPECT_EQ(editor->store.names(), std::vector<std::string>{"LEVEL5FGbm"});

    // A keyboard types into the name as before; Space is not an answer.
    keys(*editor, {{Qt::Key_N}});
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    editor->keyPressEvent(&space);
    EXPECT_EQ(editor->mode, editor_mode::naming);
    keys(*editor, {{Qt::Key_Tab}, {Qt::Key_Return}});
    EXPECT_EQ(editor->mode, editor_mode::editing) << "Enter on CANCEL cancels";
    EXPECT_EQ(editor->store.names(), std::vector<std::string>{"LEVEL5FGbm"});
}

TEST_F(editor_keys_fixture, TouchNamesALevelWithTheLetterPicker)
{
    editor->place_at(2, 2);
    const size_t records = editor->doc.records.size();
    editor->press_at(editor_layout::top_button_rect(editor_layout::top_button::save, 800).left + 5,
                     5, false);
    ASSERT_EQ(editor->mode, editor_mode::naming);
    // Every key answers a tap in its middle; the gaps between keys do not.
    const int w = 800, h = 480;
    const auto& all = name_picker::keys();
    for (int k = 0; k < static_cast<int>(all.size()); ++k) {
        const screen_rect r = name_picker::key_rect(k, w, h);
        EXPECT_EQ(name_picker::key_at((r.left + r.right) / 2, (r.top + r.bottom) / 2, w, h), k);
        EXPECT_EQ(name_picker::key_at(r.left - 1, r.top - 1, w, h), -1);
        EXPECT_TRUE(name_picker::panel(w, h).contains(r.left, r.top));
    }
    const auto tap = [&](auto which) {
        for (int k = 0; k < static_cast<int>(all.size()); ++k)
            if (which(all[k])) {
                const screen_rect r = name_picker::key_rect(k, w, h);
                editor->press_at((r.left + r.right) / 2, (r.top + r.bottom) / 2, false);
                editor->release_at((r.left + r.right) / 2, (r.top + r.bottom) / 2);
                return;
            }
        FAIL() << "no such key";
    };
    const auto character = [&](char c) {
        tap([c](const name_picker::key& k) {
            return k.kind == name_picker::key_kind::character && k.ch == c;
        });
    };
    const auto kind = [&](name_picker::key_kind wanted) {
        tap([wanted](const name_picker::key& k) { return k.kind == wanted; });
    };
    for (int i = 0; i < 6; ++i)
        kind(name_picker::key_kind::erase);
    EXPECT_EQ(editor->typed_name, "");
    for (char c : std::string("HI"))
        character(c);
    kind(name_picker::key_kind::shift);
    for (char c : std::string("LL-2_"))
        character(c);
    kind(name_picker::key_kind::shift);
    character('X');
    EXPECT_EQ(editor->typed_name, "HIll-2_X");
    EXPECT_EQ(editor->mode, editor_mode::naming);
    kind(name_picker::key_kind::save);
    EXPECT_EQ(editor->mode, editor_mode::editing) << editor->message;
    EXPECT_EQ(editor->name, "HIll-2_X");
    EXPECT_TRUE(
        QFileInfo(QString::fromStdString(editor->store.directory + "HIll-2_X.level")).isFile());
    EXPECT_EQ(editor->doc.records.size(), records) << "no tap reached the map";

    // CANCEL leaves the name as it was.
    editor->rename();
    character('Q');
    kind(name_picker::key_kind::cancel);
    EXPECT_EQ(editor->mode, editor_mode::editing);
    EXPECT_EQ(editor->name, "HIll-2_X");
}

TEST_F(editor_keys_fixture, OwnLevelsListAnswersNoByDefaultAndIsLeftByKeyOrPad)
{
    std::string error;
    ASSERT_TRUE(editor->store.save("alpha", "mapsize 4 4\n", error));
    ASSERT_TRUE(editor->store.save("beta", "mapsize 6 5\n", error));
    const auto exists = [&](const char* name) {
        return QFileInfo::exists(QString::fromStdString(editor->store.path_of(name)));
    };
    editor->place_at(3, 3); // unsaved work
    keys(*editor, {{Qt::Key_O}});
    manager.tick(editor); // the list opens at the end of the tick
    auto* list = dynamic_cast<own_levels_scene*>(manager.top());
    ASSERT_NE(list, nullptr);

    keys(*list, {{Qt::Key_Down}, {Qt::Key_Return}});
    EXPECT_EQ(list->pending, own_levels_scene::action::open) << "open over unsaved work asks";
    keys(*list, {{Qt::Key_Return}});
    EXPECT_EQ(editor->name, "") << "Enter on the default NO keeps the work";

    keys(*list, {{Qt::Key_Right}, {Qt::Key_Right}, {Qt::Key_Space}});
    EXPECT_EQ(list->pending, own_levels_scene::action::remove) << "the third button deletes";
    keys(*list, {{Qt::Key_Escape}});
    EXPECT_TRUE(exists("beta"));
    buttons(*list, {pad::east, pad::dpad_left, pad::south}); // B asks to delete, YES
    EXPECT_FALSE(exists("beta"));
    EXPECT_EQ(list->names, std::vector<std::string>{"alpha"});

    keys(*list, {{Qt::Key_Backtab}, {Qt::Key_Tab}, {Qt::Key_Return}});
    ASSERT_EQ(list->pending, own_levels_scene::action::remove);
    keys(*list, {{Qt::Key_Tab}, {Qt::Key_Return}}); // Tab to YES
    EXPECT_TRUE(list->names.empty());

    // The back button is reached from the top row; with no levels it is all there is.
    EXPECT_TRUE(list->on_back);
    keys(*list, {{Qt::Key_Down}, {Qt::Key_Return}});
    EXPECT_TRUE(list->leave_request);
    list->leave_request = false;
    buttons(*list, {pad::start});
    EXPECT_TRUE(list->leave_request) << "Start leaves the list";
}

TEST_F(editor_keys_fixture, FocusFrameSurroundsTheHighlightOnlyWhileKeysAreInUse)
{
    const float* frame = spriteman::tex_focus_frame;
    const auto frame_pieces = [&](const gl_recorder& r) {
        std::vector<recorded_draw> pieces;
        for (const recorded_draw& d : r.draws)
            if (d.tex.size() == 8 && d.tex[0] >= frame[0] && d.tex[2] <= frame[2] &&
                d.tex[1] <= frame[1] && d.tex[5] >= frame[5])
                pieces.push_back(d);
        return pieces;
    };
    editor->place_at(5, 5);
    keys(*editor, {{Qt::Key_Escape}});
    ASSERT_EQ(editor->mode, editor_mode::confirm_leave);
    size_t draws_without_keys = 0;
    {
        gl_recorder r;
        editor_canvas::draw(*editor);
        EXPECT_TRUE(frame_pieces(r).empty()) << "a pointer player sees the prompt as before";
        draws_without_keys = r.draws.size();
    }
    myscene::keys_in_use = true;
    gl_recorder r;
    editor_canvas::draw(*editor);
    const std::vector<recorded_draw> pieces = frame_pieces(r);
    ASSERT_GE(pieces.size(), 8u) << "four corners and four edges";
    EXPECT_EQ(r.draws.size(), draws_without_keys + pieces.size()) << "nothing else changes";
    float left = 1e9f, right = -1e9f;
    for (const recorded_draw& d : pieces) {
        left = std::min(left, d.left());
        right = std::max(right, d.right());
        const bool corner = d.tex[0] == frame[0] || d.tex[2] == frame[2];
        if (corner && (d.tex[1] == frame[1] || d.tex[5] == frame[5])) {
            EXPECT_EQ(d.right() - d.left(), 20) << "corners keep their size";
        }
    }
    // STAY, the right answer, sits from the centre + 20 to + 180.
    EXPECT_LT(left, 400 + 20);
    EXPECT_GT(right, 400 + 180);
    EXPECT_GT(left, 400);
}

// The graphics scene takes Tab for moving between its own items unless the
// game hands it on: through the real view it must reach the prompt.
TEST(EditorThroughTheView, TabMovesThePromptsHighlight)
{
    QTemporaryDir tmp;
    view v;
    auto* editor = new editor_scene(tmp.path().toStdString() + "/levels");
    v.manager->add_scene(editor);
    editor->place_at(4, 4);
    for (int key : {Qt::Key_Escape, Qt::Key_Tab}) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&v, &e);
    }
    ASSERT_EQ(editor->mode, editor_mode::confirm_leave);
    EXPECT_EQ(editor->prompt_choice, 0);
}

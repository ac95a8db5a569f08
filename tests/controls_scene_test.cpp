// The controls page by keys alone, by pad alone and by touch: binding,
// refusals shown and changing nothing, cancelling, the reset, leaving, and
// the list scrolling to every row in the smallest window.

#include "bindings.h"
#include "controls_scene.h"
#include "headless_screen.h"
#include "settings_store.h"

#include <QKeyEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using input::intent;
using input::pad_button;

namespace
{

struct controls_page : testing::Test {
    void SetUp() override
    {
        path = dir.filePath("settings").toStdString();
        page = std::make_unique<controls_scene>(path);
    }
    void TearDown() override { input::use_bindings(input::bindings()); }

    void key(int k)
    {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        page->keyPressEvent(&press);
        QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier);
        page->keyReleaseEvent(&release);
    }
    void pad(pad_button b)
    {
        page->pad_button_event(b, true, false);
        page->pad_button_event(b, false, false);
    }
    int row_of(intent in) const
    {
        const auto& all = input::bindable_intents();
        return static_cast<int>(std::find(all.begin(), all.end(), in) - all.begin());
    }
    // Moves the highlight from wherever it is to `row` with one input each way.
    void go_to(int row, const std::function<void()>& down, const std::function<void()>& up)
    {
        while (page->chosen < row)
            down();
        while (page->chosen > row)
            up();
    }
    input::bindings saved() const
    {
        input::bindings b;
        b.read(settings_store(path));
        return b;
    }

    headless_screen screen;
    QTemporaryDir dir;
    std::string path;
    std::unique_ptr<controls_scene> page;
};

} // namespace

TEST_F(controls_page, KeysAloneBindRefuseCancelResetAndLeave)
{
    auto down = [&] { key(Qt::Key_Down); };
    auto up = [&] { key(Qt::Key_Up); };
    go_to(row_of(intent::jump), down, up);
    key(Qt::Key_Return);
    EXPECT_EQ(page->wait, controls_scene::waiting::key);
    key(Qt::Key_M); // reaches the page: what it does elsewhere is no matter here
    EXPECT_EQ(page->wait, controls_scene::waiting::no);
    EXPECT_EQ(page->message, "ALREADY USED BY MUTE");
    key(Qt::Key_Return);
    key(Qt::Key_W);
    EXPECT_EQ(page->message, "JUMP: W");
    EXPECT_EQ(input::keys_for(intent::jump), std::vector<int>{Qt::Key_W});
    EXPECT_EQ(saved().keys(intent::jump), std::vector<int>{Qt::Key_W});

    go_to(row_of(intent::door), down, up);
    key(Qt::Key_Return);
    key(Qt::Key_C);
    EXPECT_EQ(page->message, "ALREADY USED BY SWITCH CHARACTER");
    EXPECT_EQ(input::keys_for(intent::door), std::vector<int>{Qt::Key_Space});
    key(Qt::Key_Return);
    key(Qt::Key_Escape);
    EXPECT_EQ(page->wait, controls_scene::waiting::no);
    EXPECT_EQ(input::keys_for(intent::door), std::vector<int>{Qt::Key_Space});
    // The reset and BACK, far down the list.
    go_to(page->reset_row(), down, up);
    EXPECT_GT(page->first_row, 0) << "the list scrolls to its lower rows at 800 x 480";
    key(Qt::Key_Return);
    EXPECT_TRUE(input::bindings_in_force().all_default());
    EXPECT_TRUE(saved().all_default());
    EXPECT_FALSE(page->leave_request);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_TRUE(page->leave_request);
}

TEST_F(controls_page, APadAloneBindsButtonsAndLeaves)
{
    auto down = [&] { pad(pad_button::dpad_down); };
    auto up = [&] { pad(pad_button::dpad_up); };
    go_to(row_of(intent::steer), down, up);
    pad(pad_button::south);
    EXPECT_EQ(page->wait, controls_scene::waiting::pad);
    pad(pad_button::right_shoulder);
    EXPECT_EQ(page->message, "STEER: RB");
    EXPECT_EQ(input::pad_meaning(pad_button::right_shoulder).play, intent::steer);
    EXPECT_EQ(saved().pad(intent::steer), pad_button::right_shoulder);

    go_to(row_of(intent::rewind), down, up);
    pad(pad_button::south);
    pad(pad_button::right_shoulder);
    EXPECT_EQ(page->message, "ALREADY USED BY STEER");
    EXPECT_EQ(input::bindings_in_force().pad(intent::rewind), pad_button::left_shoulder);
    // Mute has no pad button to give.
    go_to(row_of(intent::mute), down, up);
    pad(pad_button::south);
    EXPECT_EQ(page->wait, controls_scene::waiting::no);
    EXPECT_EQ(page->message, "MUTE HAS NO PAD BUTTON");
    pad(pad_button::east);
    EXPECT_TRUE(page->leave_request);
}

TEST_F(controls_page, ATapChoosesACellAndCancelStopsWaiting)
{
    const int row_y = controls_scene::list_top + controls_scene::row_height / 2;
    page->press_at(400, row_y); // the first row's keys
    EXPECT_EQ(page->wait, controls_scene::waiting::key);
    EXPECT_EQ(page->chosen, 0);
    const auto boxes = page->layout_boxes();
    const auto cancel = std::find_if(boxes.begin(), boxes.end(), [](const layout_box& b) {
        return b.label == QStringLiteral("CANCEL");
    });
    ASSERT_NE(cancel, boxes.end());
    page->press_at(static_cast<int>(cancel->rect.center().x()),
                   static_cast<int>(cancel->rect.center().y()));
    EXPECT_EQ(page->wait, controls_scene::waiting::no);
    page->press_at(790, row_y + controls_scene::row_height); // the second row's pad
    EXPECT_EQ(page->wait, controls_scene::waiting::pad);
    EXPECT_EQ(page->chosen, 1);
}

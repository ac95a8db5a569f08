// The settings screen: what it changes lands in the settings file at once
// and comes back at the next opening, bad values cost only themselves, and
// keys alone, a pad alone or a pointer reach every row.

#include "headless_screen.h"
#include "menu_scene.h"
#include "recording_sink.h"
#include "scene_manager.h"
#include "settings_scene.h"
#include "settings_store.h"

#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace
{

using row = settings_scene::row;

class SettingsScreen : public ::testing::Test
{
  protected:
    void TearDown() override
    {
        settings_scene::apply_interface_size = nullptr;
        settings_scene::make_controls_page = nullptr;
    }
    std::string path() const { return dir.filePath("settings").toStdString(); }
    // A point across a laid-out part of the screen, found by its name.
    static QPointF across(const settings_scene& s, const QString& name, double share = 0.5)
    {
        for (const layout_box& b : s.layout_boxes())
            if (b.label == name)
                return {b.rect.left() + share * b.rect.width(), b.rect.center().y()};
        ADD_FAILURE() << "no " << name.toStdString();
        return {};
    }
    headless_screen screen;
    QTemporaryDir dir;
    recording_sink heard;
};

} // namespace

TEST_F(SettingsScreen, ChangesAreSavedAtOnceAndReadBackAtTheNextOpening)
{
    int applied = 0;
    settings_scene::apply_interface_size = [&](int percent) { applied = percent; };
    {
        settings_scene s(path());
        EXPECT_EQ(s.music, 100) << "full volume the first time";
        for (int k = 0; k < 3; ++k)
            s.step(row::music, -1);
        s.set_volume(row::effects, 40);
        s.step(row::interface_size, 1);
        s.choose(row::full_screen); // no window: only remembered
        s.choose(row::sound);
        EXPECT_TRUE(heard.mute) << "the sound row is the M key's switch";
        EXPECT_EQ(applied, 125);
    }
    const settings_store saved(path());
    EXPECT_EQ(saved.get("music_volume", ""), "70");
    EXPECT_EQ(saved.get("effects_volume", ""), "40");
    EXPECT_EQ(saved.get("interface_size", ""), "125");
    EXPECT_EQ(saved.get("full_screen", ""), "no");

    settings_scene again(path());
    EXPECT_EQ(again.music, 70);
    EXPECT_EQ(again.effects, 40);
    EXPECT_EQ(again.interface_size, 125);
    EXPECT_FALSE(again.full_screen());
    EXPECT_FALSE(again.sound_on());
}

TEST_F(SettingsScreen, BadValuesGiveTheirDefaultsWithOneLineEach)
{
    {
        QFile f(QString::fromStdString(path()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("music_volume loud\neffects_volume 35\ninterface_size 130\nfuture_key kept\n");
    }
    testing::internal::CaptureStderr();
    settings_scene first(path());
    settings_scene second(path()); // the screen opened again
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
    EXPECT_EQ(second.music, 100);
    EXPECT_EQ(second.effects, 35);
    EXPECT_EQ(second.interface_size, 100);
    // A value off the steps steps onto them.
    second.step(row::effects, 1);
    EXPECT_EQ(second.effects, 40);
    EXPECT_EQ(settings_store(path()).get("future_key", ""), "kept");
}

TEST_F(SettingsScreen, KeysAloneOrAPadAloneChangeValuesAndGoBack)
{
    using input::pad_button;
    struct hand {
        const char* name;
        // Up, down, left, right, confirm and back.
        std::function<void(myscene*, int)> press;
    };
    const hand hands[] = {{"keyboard",
                           [](myscene* s, int i) {
                               const int keys[] = {Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Left,
                                                   Qt::Key_Right, Qt::Key_Return, Qt::Key_Escape};
                               QKeyEvent e(QEvent::KeyPress, keys[i], Qt::NoModifier);
                               s->keyPressEvent(&e);
                           }},
                          {"pad", [](myscene* s, int i) {
                               const pad_button buttons[] = {
                                   pad_button::dpad_up,   pad_button::dpad_down,
                                   pad_button::dpad_left, pad_button::dpad_right,
                                   pad_button::south,     pad_button::east};
                               s->intent_event(input::pad_meaning(buttons[i]), true, false);
                           }}};
    enum { up, down, left, right, confirm, back };
    for (const hand& h : hands) {
        SCOPED_TRACE(h.name);
        QFile::remove(QString::fromStdString(path()));
        auto* title = new menu_scene;
        scene_manager manager(title, nullptr, nullptr);
        auto* s = new settings_scene(path());
        manager.add_scene(s);
        for (int i : {down, left, left, left,            // effects to 70
                      down, down, down, right, confirm}) // interface size to 125, then 150
            h.press(s, i);
        for (int i : {up, up, up, up, up}) // round past the top
            h.press(s, i);
        EXPECT_EQ(s->focused, row::back);
        for (int i : {down, right, right})
            h.press(s, i);
        EXPECT_EQ(s->music, 100) << "a volume stops at its top";
        const settings_store saved(path());
        EXPECT_EQ(saved.get("effects_volume", ""), "70");
        EXPECT_EQ(saved.get("interface_size", ""), "150");
        h.press(s, back);
        manager.tick(s);
        EXPECT_EQ(manager.top(), title);
    }
}

TEST_F(SettingsScreen, APointerSetsVolumesOnTheBarAndTapsRows)
{
    int pages_made = 0;
    settings_scene::make_controls_page = [&]() -> myscene* {
        ++pages_made;
        return new settings_scene(path()); // stands in for the controls page
    };
    auto* title = new menu_scene;
    scene_manager manager(title, nullptr, nullptr);
    auto* s = new settings_scene(path());
    manager.add_scene(s);
    ASSERT_EQ(s->rows().size(), 8u) << "the controls row shows when there is a page";

    send_mouse(s, QEvent::GraphicsSceneMousePress, across(*s, "MUSIC bar", 0.28));
    EXPECT_EQ(s->music, 30);
    send_mouse(s, QEvent::GraphicsSceneMouseMove, across(*s, "MUSIC bar", 1.4));
    send_mouse(s, QEvent::GraphicsSceneMouseRelease, across(*s, "MUSIC bar", 1.4));
    EXPECT_EQ(s->music, 100) << "dragged past the end";
    send_mouse(s, QEvent::GraphicsSceneMouseMove, across(*s, "MUSIC bar", 0.0));
    EXPECT_EQ(s->music, 100) << "a move without a press drags nothing";
    send_mouse(s, QEvent::GraphicsSceneMousePress, across(*s, "EFFECTS less"));
    EXPECT_EQ(s->effects, 90);
    EXPECT_EQ(s->focused, row::effects);
    send_mouse(s, QEvent::GraphicsSceneMousePress, across(*s, "INTERFACE SIZE value"));
    EXPECT_EQ(s->interface_size, 125);
    send_mouse(s, QEvent::GraphicsSceneMousePress, across(*s, "FULL SCREEN"));
    EXPECT_FALSE(s->full_screen());

    send_mouse(s, QEvent::GraphicsSceneMousePress, across(*s, "CONTROLS"));
    manager.tick(s);
    EXPECT_EQ(pages_made, 1);
    EXPECT_EQ(manager.scenes.size(), 3u);
    manager.go_back();
    send_mouse(s, QEvent::GraphicsSceneMousePress, QPointF(20, 20)); // the back arrow
    manager.tick(s);
    EXPECT_EQ(manager.top(), title);
}

// Gamepads through SDL's virtual joystick, attached as a game controller:
// which pad button each control becomes and how it reaches the top scene,
// dead zones, buttons held before a pad is seen, several pads at once,
// repeats for menus, and a level that pauses when its pad is unplugged.

#include "game_scene.h"
#include "level_scene.h"
#include "pad_reader.h"
#include "scene_manager.h"
#include "stockchar.h"
#include "view.h"
#include "virtual_pad.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace
{

using input::pad_button;
using pb = pad_button;

struct pad_change {
    pad_button b;
    bool pressed;
    bool repeat;
    bool operator==(const pad_change& o) const
    {
        return b == o.b && pressed == o.pressed && repeat == o.repeat;
    }
};

std::ostream& operator<<(std::ostream& os, const pad_change& c)
{
    return os << "{button " << int(c.b) << (c.pressed ? " down" : " up")
              << (c.repeat ? " repeat" : "") << "}";
}

class PadReader : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
            GTEST_SKIP() << "SDL cannot start: " << SDL_GetError();
        sdl_started = true;
    }
    void TearDown() override
    {
        myscene::keys_in_use = false; // a press sets it for every later test
        pads.clear();
        reader.reset();
        if (sdl_started)
            SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }

    // A reader whose changes are recorded. Nothing here runs the event
    // loop, so its own timer never polls: the test's polls have the clock.
    void start_reader()
    {
        reader = std::make_unique<input::pad_reader>();
        ASSERT_TRUE(reader->available());
        QObject::connect(reader.get(), &input::pad_reader::button,
                         [this](pad_button b, bool pressed, bool repeat) {
                             changes.push_back({b, pressed, repeat});
                         });
        QObject::connect(reader.get(), &input::pad_reader::pad_lost, [this] { ++lost; });
    }
    virtual_pad& plug()
    {
        pads.push_back(std::make_unique<virtual_pad>());
        EXPECT_TRUE(pads.back()->ok()) << SDL_GetError();
        return *pads.back();
    }
    // A pad is opened in one poll and read from the next.
    void poll(long long ms = input::pad_reader::poll_every_ms)
    {
        now += ms;
        reader->poll(now);
    }
    std::vector<pad_change> taken()
    {
        std::vector<pad_change> out;
        out.swap(changes);
        return out;
    }

    bool sdl_started = false;
    std::unique_ptr<input::pad_reader> reader;
    std::vector<std::unique_ptr<virtual_pad>> pads;
    std::vector<pad_change> changes;
    int lost = 0;
    long long now = 0;
};

constexpr int full = SDL_JOYSTICK_AXIS_MAX;

struct control_case {
    const char* name;
    bool is_axis;
    int sdl_id;
    int value; // for axes
    pad_button expected;
};

const control_case controls[] = {
    {"A", false, SDL_CONTROLLER_BUTTON_A, 0, pb::south},
    {"B", false, SDL_CONTROLLER_BUTTON_B, 0, pb::east},
    {"X", false, SDL_CONTROLLER_BUTTON_X, 0, pb::west},
    {"Y", false, SDL_CONTROLLER_BUTTON_Y, 0, pb::north},
    {"Back", false, SDL_CONTROLLER_BUTTON_BACK, 0, pb::back},
    {"Start", false, SDL_CONTROLLER_BUTTON_START, 0, pb::start},
    {"left shoulder", false, SDL_CONTROLLER_BUTTON_LEFTSHOULDER, 0, pb::left_shoulder},
    {"right shoulder", false, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 0, pb::right_shoulder},
    {"D-pad up", false, SDL_CONTROLLER_BUTTON_DPAD_UP, 0, pb::dpad_up},
    {"D-pad down", false, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0, pb::dpad_down},
    {"D-pad left", false, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0, pb::dpad_left},
    {"D-pad right", false, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0, pb::dpad_right},
    {"left trigger", true, SDL_CONTROLLER_AXIS_TRIGGERLEFT, full, pb::left_trigger},
    {"right trigger", true, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, full, pb::right_trigger},
    {"left stick up", true, SDL_CONTROLLER_AXIS_LEFTY, -full, pb::dpad_up},
    {"left stick down", true, SDL_CONTROLLER_AXIS_LEFTY, full, pb::dpad_down},
    {"left stick left", true, SDL_CONTROLLER_AXIS_LEFTX, -full, pb::dpad_left},
    {"left stick right", true, SDL_CONTROLLER_AXIS_LEFTX, full, pb::dpad_right},
    {"right stick up", true, SDL_CONTROLLER_AXIS_RIGHTY, -full, pb::scroll_up},
    {"right stick down", true, SDL_CONTROLLER_AXIS_RIGHTY, full, pb::scroll_down},
    {"right stick left", true, SDL_CONTROLLER_AXIS_RIGHTX, -full, pb::scroll_left},
    {"right stick right", true, SDL_CONTROLLER_AXIS_RIGHTX, full, pb::scroll_right},
};

void apply(virtual_pad& pad, const control_case& c, bool on)
{
    if (!c.is_axis)
        pad.button(static_cast<SDL_GameControllerButton>(c.sdl_id), on);
    else
        pad.axis(static_cast<SDL_GameControllerAxis>(c.sdl_id),
                 on                                            ? c.value
                 : c.sdl_id >= SDL_CONTROLLER_AXIS_TRIGGERLEFT ? -full - 1
                                                               : 0);
}

// Records what reaches it as the top scene.
class recording_scene : public myscene
{
  public:
    bool intent_event(const input::meaning& m, bool pressed, bool repeat) override
    {
        heard.push_back({m, pressed, repeat});
        return true;
    }
    struct heard_t {
        input::meaning m;
        bool pressed;
        bool repeat;
    };
    std::vector<heard_t> heard;
};

} // namespace

TEST_F(PadReader, EveryControlReachesTheTopSceneAsItsButtonsMeaning)
{
    view v;
    ASSERT_TRUE(v.pads && v.pads->available());
    auto* scene = new recording_scene;
    v.manager->add_scene(scene);
    virtual_pad& pad = plug();
    v.pads->poll(1);
    v.pads->poll(2);
    ASSERT_EQ(v.pads->pad_count(), 1);
    long long t = 2;
    for (const control_case& c : controls) {
        SCOPED_TRACE(c.name);
        myscene::keys_in_use = false;
        scene->heard.clear();
        apply(pad, c, true);
        v.pads->poll(t += 16);
        EXPECT_TRUE(myscene::keys_in_use);
        apply(pad, c, false);
        v.pads->poll(t += 16);
        ASSERT_EQ(scene->heard.size(), 2u);
        EXPECT_EQ(scene->heard[0].m, input::pad_meaning(c.expected));
        EXPECT_TRUE(scene->heard[0].pressed);
        EXPECT_FALSE(scene->heard[0].repeat);
        EXPECT_EQ(scene->heard[1].m, input::pad_meaning(c.expected));
        EXPECT_FALSE(scene->heard[1].pressed);
    }
}

TEST_F(PadReader, SticksAndTriggersActOnlyPastTheirDeadZones)
{
    start_reader();
    virtual_pad& pad = plug();
    poll();
    poll();
    const int pushed = input::pad_reader::stick_pushed;
    const int rest = input::pad_reader::stick_rest;
    const int trigger = input::pad_reader::trigger_pushed;
    const auto lx = SDL_CONTROLLER_AXIS_LEFTX;
    const auto ry = SDL_CONTROLLER_AXIS_RIGHTY;
    const auto lt = SDL_CONTROLLER_AXIS_TRIGGERLEFT;
    // A trigger reads 0 at the axis minimum and full at its maximum.
    const auto trigger_at = [](int value) { return 2 * value - full - 1; };
    struct step {
        SDL_GameControllerAxis axis;
        int value;
        std::vector<pad_change> expected;
    };
    const step steps[] = {
        {lx, pushed - 200, {}}, // inside the dead zone
        {lx, pushed + 200, {{pb::dpad_right, true, false}}},
        {lx, rest + 200, {}}, // held until well back
        {lx, rest - 200, {{pb::dpad_right, false, false}}},
        {lx, -(pushed + 200), {{pb::dpad_left, true, false}}},
        {lx, 0, {{pb::dpad_left, false, false}}},
        {ry, -(pushed - 200), {}},
        {ry, -(pushed + 200), {{pb::scroll_up, true, false}}},
        {ry, 0, {{pb::scroll_up, false, false}}},
        {lt, trigger_at(trigger - 300), {}}, // a trigger touched lightly
        {lt, trigger_at(trigger + 300), {{pb::left_trigger, true, false}}},
        {lt, -full - 1, {{pb::left_trigger, false, false}}},
    };
    int i = 0;
    for (const step& s : steps) {
        SCOPED_TRACE("step " + std::to_string(i++));
        pad.axis(s.axis, s.value);
        poll();
        EXPECT_EQ(taken(), s.expected);
    }
}

TEST_F(PadReader, WhatIsHeldWhenAPadAppearsIsIgnoredUntilLetGo)
{
    // One pad there before the game starts, one plugged in later; each
    // comes with A held and its stick resting off centre.
    virtual_pad& early = plug();
    early.button(SDL_CONTROLLER_BUTTON_A, true);
    early.axis(SDL_CONTROLLER_AXIS_LEFTX, full);
    start_reader();
    poll();
    poll();
    virtual_pad& late = plug();
    late.button(SDL_CONTROLLER_BUTTON_A, true);
    late.axis(SDL_CONTROLLER_AXIS_LEFTX, -full);
    for (int i = 0; i < 5; ++i)
        poll();
    ASSERT_EQ(reader->pad_count(), 2);
    EXPECT_EQ(taken(), std::vector<pad_change>{});

    for (virtual_pad* pad : {&early, &late}) {
        pad->button(SDL_CONTROLLER_BUTTON_A, false);
        pad->axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
        poll();
        EXPECT_EQ(taken(), std::vector<pad_change>{}) << "letting go is not a release";
        pad->button(SDL_CONTROLLER_BUTTON_A, true);
        poll();
        EXPECT_EQ(taken(), (std::vector<pad_change>{{pb::south, true, false}}));
        pad->button(SDL_CONTROLLER_BUTTON_A, false);
        poll();
        EXPECT_EQ(taken(), (std::vector<pad_change>{{pb::south, false, false}}));
    }
}

TEST_F(PadReader, SeveralPadsHoldOneSetOfButtons)
{
    start_reader();
    virtual_pad& one = plug();
    virtual_pad& two = plug();
    poll();
    poll();
    ASSERT_EQ(reader->pad_count(), 2);
    const std::vector<pad_change> none;
    const pad_change right_down{pb::dpad_right, true, false};
    const pad_change right_up{pb::dpad_right, false, false};

    // The D-pad of one and the stick of the other hold the same direction:
    // the direction is let go when the last lets go.
    one.button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    poll();
    EXPECT_EQ(taken(), std::vector<pad_change>{right_down});
    two.axis(SDL_CONTROLLER_AXIS_LEFTX, full);
    poll();
    EXPECT_EQ(taken(), none);
    one.button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    poll();
    EXPECT_EQ(taken(), none) << "the other pad still holds it";
    two.axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    poll();
    EXPECT_EQ(taken(), std::vector<pad_change>{right_up});

    // A pad unplugged while it holds something lets go of it; the other
    // pad's button stays held.
    one.button(SDL_CONTROLLER_BUTTON_A, true);
    two.button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    poll();
    taken();
    two.unplug();
    poll();
    EXPECT_EQ(taken(), std::vector<pad_change>{right_up});
    EXPECT_EQ(reader->pad_count(), 1);
    EXPECT_EQ(lost, 1) << "the pad pressed last was unplugged";
    one.unplug();
    poll();
    EXPECT_EQ(taken(), (std::vector<pad_change>{{pb::south, false, false}}));
    EXPECT_EQ(lost, 2);
}

TEST_F(PadReader, HeldDirectionsRepeatForMenusAndOtherButtonsDoNot)
{
    start_reader();
    virtual_pad& pad = plug();
    poll();
    poll();
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    poll(10);
    EXPECT_EQ(taken(),
              (std::vector<pad_change>{{pb::south, true, false}, {pb::dpad_down, true, false}}));
    const long long delay = input::pad_reader::repeat_delay_ms;
    const long long every = input::pad_reader::repeat_every_ms;
    const pad_change repeat{pb::dpad_down, true, true};
    poll(delay - 1);
    EXPECT_EQ(taken(), std::vector<pad_change>{});
    poll(1);
    EXPECT_EQ(taken(), std::vector<pad_change>{repeat});
    poll(every - 1);
    EXPECT_EQ(taken(), std::vector<pad_change>{});
    poll(1);
    EXPECT_EQ(taken(), std::vector<pad_change>{repeat});
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);
    poll(every);
    EXPECT_EQ(taken(), (std::vector<pad_change>{{pb::dpad_down, false, false}}));
    poll(delay);
    EXPECT_EQ(taken(), std::vector<pad_change>{}) << "A held on does not repeat";
}

TEST_F(PadReader, UnpluggingThePadInUsePausesTheLevel)
{
    view v;
    ASSERT_TRUE(v.pads->available());
    testing::internal::CaptureStdout(); // the loader's lines
    auto* level = new level_scene("1");
    testing::internal::GetCapturedStdout();
    v.manager->add_scene(level);
    ASSERT_EQ(v.manager->top(), level);
    ASSERT_FALSE(level->characters.empty());
    virtual_pad& idle = plug();
    virtual_pad& player = plug();
    long long t = 0;
    auto poll_view = [&] { v.pads->poll(t += 16); };
    poll_view();
    poll_view();

    // Walking right with the stick.
    player.axis(SDL_CONTROLLER_AXIS_LEFTX, full);
    poll_view();
    stockchar* walker = level->focused_char();
    ASSERT_NE(walker, nullptr);
    EXPECT_TRUE(walker->right_held);

    // A pad nobody used goes: the level plays on.
    idle.unplug();
    poll_view();
    EXPECT_EQ(level->menu, nullptr);
    EXPECT_TRUE(walker->right_held);

    // The player's pad goes: the walk is let go and the level pauses.
    player.unplug();
    poll_view();
    EXPECT_FALSE(walker->right_held);
    EXPECT_NE(level->menu, nullptr);
}

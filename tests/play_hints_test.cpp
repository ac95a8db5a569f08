// The hints drawn over play: the door prompt where the door key acts and
// its key or pad picture, the marker on the steered character, the mark of
// a cloud's way, the stock strip's counts, the lit button of the active
// surface and the hint of the scrolling surface.

#include "drawing_drawer.h"
#include "gl_recorder.h"
#include "headless_screen.h"
#include "hud.h"
#include "hud_buttons.h"
#include "level_scene.h"
#include "moving_drawer.h"
#include "pad_reader.h"
#include "play_marks.h"
#include "scene_controls.h"
#include "scene_manager.h"
#include "spriteman.h"
#include "stock_strip.h"
#include "view.h"
#include "world_fixture.h"

#include <QCoreApplication>

namespace
{

template <class T> T* child_of(game_scene& s)
{
    for (QGraphicsItem* child : s.top_hud->childItems())
        if (auto* found = dynamic_cast<T*>(child))
            return found;
    return nullptr;
}

class PlayHints : public world_test
{
  protected:
    void TearDown() override
    {
        myscene::pad_in_use = false;
        myscene::keys_in_use = false;
        level.reset();
        world_test::TearDown();
    }
    // A real level, with its bar, its buttons and its stock strip.
    level_scene& load_level(const std::string& text)
    {
        level = std::make_unique<level_scene>("t", write_file(text), nullptr);
        return *level;
    }
    // The draws an item makes in one frame.
    std::vector<recorded_draw> frame_of(myglitem* item)
    {
        gl_recorder gl;
        item->updateGL();
        return gl.draws;
    }

    headless_screen screen;
    std::unique_ptr<level_scene> level;
};

const recorded_draw* find_draw(const std::vector<recorded_draw>& draws, const float* tex)
{
    for (const recorded_draw& d : draws)
        if (d.uses(tex))
            return &d;
    return nullptr;
}

} // namespace

TEST_F(PlayHints, DoorPromptShowsExactlyWhereTheDoorKeyActs)
{
    const struct {
        const char* what;
        const char* objects;
        bool acts;
    } cases[] = {
        {"inside its exit", "exit 5 3 red\nchar 5.5 3.5 red", true},
        {"overlapping the exit's corner by a hair", "exit 5 3 red\nchar 6.95 4.95 red", true},
        {"just left of the exit", "exit 5 3 red\nchar 4.2 3 red", false},
        {"touching its right edge", "exit 5 3 red\nchar 7 3 red", false},
        {"touching its bottom edge", "exit 5 3 red\nchar 5 5 red", false},
        {"an exit of another colour", "exit 5 3 green\nchar 5.5 3.5 red", false},
        {"a white exit takes every colour", "exit 5 3 white\nchar 5.5 3.5 blue", true},
        {"a map door", "level_entrance 5 3 a\nchar 5.5 3.5 white", true},
        {"beside a map door", "level_entrance 5 3 a\nchar 2 3 white", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        load(std::string("mapsize 10 8\n") + c.objects + " null null 0 null null 0 null null 0\n");
        play_marks* marks = child_of<play_marks>(*scene);
        ASSERT_NE(marks, nullptr);
        const bool prompted = marks->prompted() == character(0);
        EXPECT_EQ(prompted, c.acts);
        EXPECT_EQ(!frame_of(marks).empty(), c.acts) << "drawn";
        // What Space then does must agree with the prompt.
        press(Qt::Key_Space);
        const bool acted = !scene->removal_queue.empty() || !scene->enter_level_request.empty();
        EXPECT_EQ(acted, prompted);
    }
}

TEST_F(PlayHints, DoorPromptHidesWhileTheDoorKeyCannotReachTheCharacter)
{
    load("mapsize 10 8\nexit 5 3 red\nchar 5.5 3.5 red null null 0 null null 0 null null 0\n");
    play_marks* marks = child_of<play_marks>(*scene);
    ASSERT_EQ(marks->prompted(), character(0));
    scene->switch_drawer(cfg::drawer_drawer_type); // Space places a block here
    EXPECT_EQ(marks->prompted(), nullptr);
    scene->switch_drawer(cfg::drawer_ctrl_type);
    scene->open_pause_menu();
    EXPECT_EQ(marks->prompted(), nullptr);
}

TEST_F(PlayHints, DoorPromptShowsTheDeviceUsedLast)
{
    load("mapsize 10 8\nexit 5 3 red\nchar 5.5 3.5 red null null 0 null null 0 null null 0\n");
    play_marks* marks = child_of<play_marks>(*scene);
    view v;
    ASSERT_NE(v.pads, nullptr);
    v.manager->add_scene(new game_scene);
    // The pad reader's own signal, as a pad's button would raise it.
    auto pad = [&](bool pressed) {
        emit v.pads->button(input::pad_button::dpad_left, pressed, false);
    };
    auto prompt_drawn = [&]() -> const float* {
        const std::vector<recorded_draw> draws = frame_of(marks);
        if (draws.size() != 1)
            return nullptr;
        for (const float* tex : {spriteman::tex_prompt_key, spriteman::tex_prompt_pad})
            if (draws[0].uses(tex))
                return tex;
        return nullptr;
    };
    EXPECT_EQ(prompt_drawn(), spriteman::tex_prompt_key) << "before any input";
    pad(true);
    pad(false);
    EXPECT_EQ(prompt_drawn(), spriteman::tex_prompt_pad) << "after a pad button";
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QCoreApplication::sendEvent(&v, &key);
    EXPECT_EQ(prompt_drawn(), spriteman::tex_prompt_key) << "after a key";
    // A pad button let go (a stick coming back) is not a use of the pad.
    pad(false);
    EXPECT_EQ(prompt_drawn(), spriteman::tex_prompt_key) << "after a pad release";
}

TEST_F(PlayHints, MarkerStandsOverTheSteeredOneOfSeveral)
{
    load("mapsize 12 8\nchar 2 5 red null null 0 null null 0 null null 0\n");
    play_marks* marks = child_of<play_marks>(*scene);
    EXPECT_EQ(marks->marked(), nullptr) << "a lone character needs no marker";
    EXPECT_TRUE(frame_of(marks).empty());

    load("mapsize 12 8\nchar 2 5 red null null 0 null null 0 null null 0\n"
         "char 8 5 blue null null 0 null null 0 null null 0\n");
    marks = child_of<play_marks>(*scene);
    for (int focused : {0, 1, 0}) {
        SCOPED_TRACE(focused);
        stockchar* ch = character(focused);
        EXPECT_EQ(marks->marked(), ch);
        const std::vector<recorded_draw> draws = frame_of(marks);
        ASSERT_EQ(draws.size(), 1u);
        EXPECT_TRUE(draws[0].uses(spriteman::tex_focus_marker[ch->color_index]));
        const float mid = static_cast<float>(ch->pos().x()) + ch->width / 2.0f;
        EXPECT_FLOAT_EQ((draws[0].left() + draws[0].right()) / 2, mid);
        EXPECT_LE(draws[0].bottom(), ch->pos().y()) << "above the head";
        EXPECT_GT(draws[0].bottom(), ch->pos().y() - 10) << "close to it";
        press(Qt::Key_C);
    }
    // The other one leaves through an exit: the marker goes with the crowd.
    delete character(1);
    EXPECT_EQ(marks->marked(), nullptr);
}

TEST_F(PlayHints, CloudMarkPointsTheWayTheCloudMovesAndTurnsWithIt)
{
    const struct {
        const char* what;
        const char* level;
    } cases[] = {
        {"across",
         "mapsize 10 6\nstockblock 2 2 white\nstockblock 7 2 white\ncloud 4 2 right red\n"},
        {"up and down", "mapsize 10 8\nstockblock 4 0 white\nstockblock 4 5 white\ncloud 4 2 up "
                        "green\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        load(c.level);
        stockblock* moving = nullptr;
        for (auto& list : scene->clouds)
            if (!list.empty())
                moving = list.front();
        ASSERT_NE(moving, nullptr);
        int turns = 0;
        int last_way_x = 0, last_way_y = 0;
        for (int t = 0; t < 400 && turns < 2; ++t) {
            const std::vector<recorded_draw> draws = frame_of(moving);
            const recorded_draw* mark = find_draw(draws, spriteman::tex_cloud_arrow);
            ASSERT_NE(mark, nullptr);
            // The sprite points right: from its left corners (0, 2) to its
            // right ones (1, 3), wherever the quad put them.
            const auto& p = mark->positions;
            const float ax = (p[2] + p[6] - p[0] - p[4]) / 2, ay = (p[3] + p[7] - p[1] - p[5]) / 2;
            const long long x0 = moving->x, y0 = moving->y;
            scene->tick();
            const long long dx = moving->x - x0, dy = moving->y - y0;
            if (dx == 0 && dy == 0)
                continue; // the tick it stops against a block
            // The mark drawn before the tick says where the tick took it.
            EXPECT_GT(ax * dx + ay * dy, 0) << "tick " << t;
            EXPECT_FLOAT_EQ(ax * dy - ay * dx, 0) << "tick " << t;
            const int way_x = (dx > 0) - (dx < 0), way_y = (dy > 0) - (dy < 0);
            if ((last_way_x || last_way_y) && (way_x != last_way_x || way_y != last_way_y))
                ++turns;
            last_way_x = way_x;
            last_way_y = way_y;
        }
        EXPECT_EQ(turns, 2) << "the cloud went back and forth";
    }
}

TEST_F(PlayHints, StockStripCountsFollowPlacementsAndTheFocus)
{
    load_level("mapsize 10 8\n"
               "char 1 3 red green stockblock 3 null null 0 blue falling 5\n"
               "char 6 3 blue red spikes 7 null null 0 null null 0\n");
    stock_strip* strip = child_of<stock_strip>(*level);
    ASSERT_NE(strip, nullptr);
    // The counts, in slot order, with the block drawn beside each.
    auto counts = [&] {
        std::vector<std::pair<int, recorded_draw>> seen;
        const std::vector<recorded_draw> draws = frame_of(strip);
        for (size_t i = 0; i + 1 < draws.size(); ++i)
            for (int k = 0; k < 10; ++k)
                if (draws[i].uses(spriteman::tex_alphabet[k]))
                    seen.push_back({k, draws[i + 1]});
        return seen;
    };
    auto icon = [](const std::pair<int, recorded_draw>& slot, const float* tex) {
        return slot.second.uses(tex);
    };
    auto seen = counts();
    ASSERT_EQ(seen.size(), 2u) << "the empty slot is left out";
    EXPECT_EQ(seen[0].first, 3);
    EXPECT_TRUE(icon(seen[0], spriteman::tex_stock[2]));
    EXPECT_EQ(seen[1].first, 5);
    EXPECT_TRUE(icon(seen[1], spriteman::tex_falling[3]));

    level->switch_drawer(cfg::drawer_drawer_type);
    EXPECT_FALSE(strip->shown()) << "the tool column shows the stock in drawing mode";
    auto* d = static_cast<drawing_drawer*>(level->drawer);
    d->cell_x = 2;
    d->cell_y = 3;
    ASSERT_TRUE(d->apply(true));
    level->toggle_drawing();
    seen = counts();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].first, 2) << "one block drawn from the first slot";
    EXPECT_EQ(seen[1].first, 5);

    level->switch_character();
    seen = counts();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].first, 7);
    EXPECT_TRUE(icon(seen[0], spriteman::tex_spikes[1]));
}

TEST_F(PlayHints, TheActiveSurfacesButtonIsLit)
{
    load_level("mapsize 10 8\nchar 1 3 red null null 0 null null 0 null null 0\n");
    auto lit_buttons = [&] {
        std::vector<std::string> lit;
        for (myglitem* item : level->top_hud->items) {
            const std::vector<recorded_draw> draws = frame_of(item);
            if (draws.empty() || !draws[0].uses(spriteman::tex_mode_glow))
                continue;
            lit.push_back(dynamic_cast<ctrl_switch*>(item)     ? "steer"
                          : dynamic_cast<mv_switch*>(item)     ? "scroll"
                          : dynamic_cast<drawer_switch*>(item) ? "draw"
                                                               : "other");
        }
        return lit;
    };
    using strings = std::vector<std::string>;
    auto key = [&](input::intent play) {
        input::meaning m;
        m.play = play;
        level->intent_event(m, true, false);
        level->intent_event(m, false, false);
    };
    EXPECT_EQ(lit_buttons(), strings{"steer"}) << "at the start";
    key(input::intent::scroll);
    EXPECT_EQ(lit_buttons(), strings{"scroll"});
    key(input::intent::drawing_mode);
    EXPECT_EQ(lit_buttons(), strings{"draw"});
    key(input::intent::drawing_mode);
    EXPECT_EQ(lit_buttons(), strings{"steer"}) << "drawing mode goes back to steering";
    // The right stick's glance scrolls while it is held.
    level->controls->look(*level, input::intent::look_left, true);
    EXPECT_EQ(lit_buttons(), strings{"scroll"});
    level->controls->look(*level, input::intent::look_left, false);
    EXPECT_EQ(lit_buttons(), strings{"steer"});
}

TEST_F(PlayHints, ScrollingSurfaceExplainsAFingerHeldStill)
{
    load_level("mapsize 10 8\nchar 1 3 red null null 0 null null 0 null null 0\n");
    play_marks* marks = child_of<play_marks>(*level);
    level->switch_drawer(cfg::drawer_mv_type);
    level->press_at(200, 300);
    for (int t = 0; t < 5; ++t)
        level->tick();
    EXPECT_FALSE(marks->scroll_hint()) << "a drag may still be starting";
    level->move_to(203, 302); // a resting finger trembles
    for (int t = 0; t < 10; ++t)
        level->tick();
    EXPECT_TRUE(marks->scroll_hint());
    EXPECT_NE(find_draw(frame_of(marks), spriteman::tex_cursor_arrow), nullptr);
    level->move_to(260, 300);
    EXPECT_FALSE(marks->scroll_hint()) << "dragging does scroll";
    level->release_at(260, 300);
    level->switch_drawer(cfg::drawer_ctrl_type);
    level->press_at(200, 300);
    for (int t = 0; t < 20; ++t)
        level->tick();
    EXPECT_FALSE(marks->scroll_hint()) << "steering walks instead";
    level->release_at(200, 300);
}

// A level's opening: the title card over the whole level, which any input
// ends and which never touches the world's ticks, and the view it hands
// over, which hides no exit or character under the HUD bar.

#include "campaign_files.h"
#include "cfg.h"
#include "game_controls.h"
#include "headless_screen.h"
#include "hud.h"
#include "level_format.h"
#include "level_scene.h"
#include "replay.h"
#include "stockblock.h"
#include "stockchar.h"
#include "title_card.h"

#include <QGraphicsView>
#include <QKeyEvent>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace
{

// The game's view at one window size, headless.
struct shown_level {
    shown_level(const std::string& name, QSize size) : screen(size.width(), size.height())
    {
        game_controls::install();
        v.setFrameStyle(QFrame::NoFrame);
        v.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        v.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        v.resize(size);
        v.show();
        testing::internal::CaptureStdout();
        level = new level_scene(name, campaign_files::levels_dir + name + ".level", nullptr);
        testing::internal::GetCapturedStdout();
        v.setScene(level);
        level->resizeGL();
    }
    ~shown_level()
    {
        v.setScene(nullptr);
        delete level;
    }

    // An object's rectangle on the screen, as the frame draws it.
    QRectF on_screen(const myglitem* item) const
    {
        return QRectF(v.mapFromScene(item->scenePos()), QSizeF(item->width, item->height));
    }
    std::vector<const myglitem*> exits_and_characters() const
    {
        std::vector<const myglitem*> all(level->characters.begin(), level->characters.end());
        for (const auto& doors : level->exits)
            all.insert(all.end(), doors.begin(), doors.end());
        return all;
    }

    headless_screen screen;
    QGraphicsView v;
    level_scene* level;
};

// The world as a trace shows it: every character and falling block.
std::string world_state(const game_scene& s)
{
    std::ostringstream out;
    for (const stockchar* ch : s.characters)
        out << ch->x << ',' << ch->y << ' ';
    for (const auto& fallers : s.fallings)
        for (const stockblock* b : fallers)
            out << b->x << ',' << b->y << ' ';
    out << (s.handled_passed ? "passed" : "") << (s.handled_failed ? "failed" : "");
    return out.str();
}

} // namespace

TEST(LevelStart, TitleCardShowsTheNumberAndTheHeadersTitle)
{
    shown_level shown("4", {800, 480});
    ASSERT_NE(shown.level->card, nullptr);
    EXPECT_EQ(shown.level->card->number_text, "LEVEL 4");
    EXPECT_EQ(shown.level->card->title_text, "Your own stairs");
    EXPECT_EQ(level_format::header_value("# title: A b\r\n# teaches: c\nmapsize 3 3\n", "teaches"),
              "c");
    EXPECT_EQ(level_format::header_value("mapsize 3 3\n# title: late\n", "title"), "");
}

TEST(LevelStart, AnyInputEndsTheTitleCardAtTheUsualView)
{
    const struct {
        const char* what;
        std::function<void(level_scene&)> send;
    } inputs[] = {
        {"key",
         [](level_scene& s) {
             QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
             s.keyPressEvent(&press);
         }},
        {"click",
         [](level_scene& s) {
             send_mouse(&s, QEvent::GraphicsSceneMousePress, {5, 5});
         }},
        {"pad button",
         [](level_scene& s) {
             s.intent_event(input::pad_meaning(input::pad_button::south), true, false);
         }},
    };
    for (const auto& in : inputs) {
        SCOPED_TRACE(in.what);
        shown_level shown("1", {800, 480});
        for (int t = 0; t < 5; ++t)
            shown.level->tick();
        ASSERT_NE(shown.level->card, nullptr);
        EXPECT_LT(shown.level->block_size, 60u); // the whole level in view
        in.send(*shown.level);
        EXPECT_EQ(shown.level->card, nullptr);
        EXPECT_EQ(shown.level->block_size, 60u);
    }
}

TEST(LevelStart, TitleCardLeavesEveryTickOfASolutionAsItWas)
{
    for (const std::string name : {"1", "17", "30"}) {
        SCOPED_TRACE("level " + name);
        std::ifstream file(CF_STAGE_DIR "solutions/" + name + ".script");
        const replay_script script = parse_replay_script(file);
        ASSERT_TRUE(script.ok()) << script.error;
        // Played once with the card running its course under the first
        // inputs, once with it ended before the first tick.
        std::vector<std::string> traces[2];
        for (int skip = 0; skip < 2; ++skip) {
            shown_level shown(name, {800, 480});
            if (skip)
                shown.level->end_title_card();
            std::ostringstream ignored;
            auto next = script.events.begin();
            for (long long t = 1; t <= 3000 && !shown.level->handled_passed; ++t) {
                for (; next != script.events.end() && next->tick == t; ++next)
                    apply_replay_event(*shown.level, *next, ignored);
                shown.level->tick();
                traces[skip].push_back(world_state(*shown.level));
            }
            EXPECT_TRUE(shown.level->handled_passed);
        }
        EXPECT_EQ(traces[0], traces[1]);
        // And as the simulator plays it, without any view or card.
        const replay_result sim =
            run_replay_quietly(campaign_files::levels_dir + name + ".level", script, 3000);
        EXPECT_EQ(sim.outcome, replay_outcome::passed);
        EXPECT_EQ(sim.ticks, static_cast<long long>(traces[0].size()));
    }
}

TEST(LevelStart, OverviewShowsEveryShippedLevelWholeClearOfTheBarAndTheCard)
{
    for (const QSize size : {QSize(800, 480), QSize(1920, 1080)}) {
        for (const std::string& name : campaign_files::level_names()) {
            SCOPED_TRACE(name + " at " + std::to_string(size.width()));
            shown_level shown(name, size);
            shown.level->tick();
            ASSERT_NE(shown.level->card, nullptr);
            const QRectF clear(0, shown.level->band_px, size.width(),
                               size.height() - shown.level->band_px - title_card::strip_height);
            for (const myglitem* item : shown.exits_and_characters())
                EXPECT_TRUE(clear.contains(shown.on_screen(item)))
                    << (item->type & cfg::exit ? "exit " : "character ")
                    << shown.on_screen(item).top() << " to " << shown.on_screen(item).bottom();
        }
    }
}

// Whether any view top within the scene shows the focused character whole
// under the bar and keeps every exit and character off the bar.
bool some_view_clears_the_bar(const shown_level& shown, int band, int height)
{
    const QRectF scene = shown.level->sceneRect();
    const QRectF me(
        shown.level->focused_char()->scenePos(),
        QSizeF(shown.level->focused_char()->width, shown.level->focused_char()->height));
    // A scene lower than the view is shown centred, and cannot scroll.
    const int first = static_cast<int>(scene.top());
    const int last = static_cast<int>(scene.bottom()) - height;
    for (int top = std::min(first, last); top <= std::max(first, last); ++top) {
        if (last < first && top != static_cast<int>(scene.center().y()) - height / 2)
            continue;
        if (me.top() < top + band || me.bottom() > top + height)
            continue;
        bool clear = true;
        for (const myglitem* item : shown.exits_and_characters()) {
            const QRectF r(item->scenePos(), QSizeF(item->width, item->height));
            clear = clear && !(r.top() < top + band && r.bottom() > top);
        }
        if (clear)
            return true;
    }
    return false;
}

TEST(LevelStart, NoExitOrCharacterUnderTheBarWhenAnyShippedLevelStarts)
{
    std::vector<std::string> crowded;
    for (const QSize size : {QSize(800, 480), QSize(1280, 800), QSize(1920, 1080)}) {
        for (const std::string& name : campaign_files::level_names()) {
            SCOPED_TRACE(name + " at " + std::to_string(size.width()));
            shown_level shown(name, size);
            // The first frame after the card: it runs its course, then a
            // tick of the camera's own follow.
            for (int t = 0; t <= title_card::hold_ticks + title_card::ease_ticks; ++t)
                shown.level->tick();
            ASSERT_EQ(shown.level->card, nullptr);
            ASSERT_EQ(shown.level->block_size, 60u);
            const int band = shown.level->top_hud->bar_height;
            // The character steered is wholly in sight.
            const QRectF rest(0, band, size.width(), size.height() - band);
            EXPECT_TRUE(rest.contains(shown.on_screen(shown.level->focused_char())));
            // Where exits and characters lie further apart than the screen
            // under the bar is high, no view can keep them all off it.
            if (!some_view_clears_the_bar(shown, band, size.height())) {
                crowded.push_back(name + " at " + std::to_string(size.width()));
                continue;
            }
            const QRectF bar(0, 0, size.width(), band);
            for (const myglitem* item : shown.exits_and_characters())
                EXPECT_FALSE(bar.intersects(shown.on_screen(item)))
                    << (item->type & cfg::exit ? "exit " : "character ")
                    << shown.on_screen(item).top() << " to " << shown.on_screen(item).bottom();
        }
    }
    EXPECT_EQ(crowded, std::vector<std::string>{});
}

// What the world tells its listeners: each small situation raises the events
// of what happened in it, as often as it happened, and a rewind's replay of
// the history raises none.

#include "placement.h"
#include "rewind_log.h"
#include "world_fixture.h"
#include "world_listener.h"

#include <algorithm>
#include <functional>

namespace
{

class event_log : public world_listener
{
  public:
    void happened(const world_event& e) override { events.push_back(e); }
    int count(world_event::kind_t k) const
    {
        return static_cast<int>(std::count_if(events.begin(), events.end(),
                                              [k](const world_event& e) { return e.kind == k; }));
    }
    std::vector<world_event> events;
};

} // namespace

class world_events : public world_test
{
  protected:
    void play(const std::string& level, int settle)
    {
        if (scene)
            scene->remove_listener(&log);
        load(level);
        ticks(settle);
        log.events.clear();
        scene->add_listener(&log);
    }
    void TearDown() override
    {
        if (scene)
            scene->remove_listener(&log);
        world_test::TearDown();
    }
    event_log log;
};

TEST_F(world_events, EachSituationRaisesWhatHappenedInIt)
{
    using ev = world_event;
    const std::string ground = "mapsize 40 5\nmkframe\n";
    const std::string red = " red null null 0 null null 0 null null 0\n";
    const std::string bomber = " white white destroyer 2 null null 0 null null 0\n";
    struct expect {
        ev::kind_t kind;
        int times;
    };
    struct situation {
        const char* what;
        std::string level;
        std::function<void()> act;
        std::vector<expect> raised;
        int settle = 20;
    };
    const std::vector<situation> cases = {
        {"a jump and its landing",
         ground + "char 2 3.3" + red,
         [&] {
             press(Qt::Key_Up);
             ticks(3);
             release(Qt::Key_Up);
             ticks(60);
         },
         {{ev::jump, 1}, {ev::land, 1}, {ev::step, 0}}},
        // The first tick only gets the character going.
        {"ten ticks of walking",
         ground + "char 2 3.3" + red,
         [&] {
             press(Qt::Key_Right);
             ticks(10);
         },
         {{ev::step, 9}, {ev::jump, 0}, {ev::land, 0}}},
        {"a walk into a wall",
         ground + "char 1 3.3" + red,
         [&] {
             press(Qt::Key_Left);
             ticks(10);
         },
         {{ev::step, 0}}},
        {"a bomb beside its maker",
         "mapsize 8 6\nmkframe\nchar 3 3.3" + bomber,
         [&] {
             ASSERT_TRUE(place_from_stock(scene.get(), 0, 5, 3, cfg::p, true));
             ticks(45);
             ASSERT_EQ(log.count(ev::blast), 1);
             EXPECT_EQ(std::find_if(log.events.begin(), log.events.end(),
                                    [](const ev& e) { return e.kind == ev::blast; })
                           ->victims,
                       0);
         },
         {{ev::draw, 1}, {ev::fuse, 1}, {ev::death, 0}}},
        {"a bomb on its maker",
         "mapsize 8 6\nmkframe\nchar 3 3.3" + bomber,
         [&] {
             ASSERT_TRUE(place_from_stock(scene.get(), 0, 3, 4, cfg::p, true));
             ticks(45);
         },
         {{ev::fuse, 1}, {ev::blast, 1}, {ev::death, 1}, {ev::spikes, 0}}},
        {"a bomb drawn in a stopped world burns once it runs",
         "mapsize 8 6\nmkframe\nchar 3 4.3" + bomber,
         [&] {
             scene->running = false;
             ASSERT_TRUE(place_from_stock(scene.get(), 0, 5, 3, cfg::p, true));
             ticks(10);
             EXPECT_EQ(log.count(ev::fuse), 0);
             scene->running = true;
             ticks(40);
         },
         {{ev::draw, 1}, {ev::fuse, 1}, {ev::blast, 1}}},
        // The failed menu stops the world in the tick the spikes strike.
        {"spikes",
         "mapsize 6 6\nstockblock 2 3 white\nspikes 2 2 red\nchar 2 1" + red,
         [&] { ticks(40); },
         {{ev::spikes, 1}, {ev::death, 0}, {ev::land, 0}},
         1},
        // Track 2 to 4 at a block a second: turns at tick 30, then every 60.
        {"a cloud between two walls",
         "mapsize 10 5\nstockblock 1 2 white\nstockblock 5 2 white\ncloud 3 2 right red\n",
         [&] { ticks(100); },
         {{ev::cloud_turn, 2}},
         0},
        {"a falling block",
         "mapsize 6 10\nstockblock 2 8 white\nfalling 2 1 red\n",
         [&] { ticks(60); },
         {{ev::block_land, 1}, {ev::push, 0}}},
        {"a cloud pushing a character",
         "mapsize 12 6\nmkframe\ncloud 2 4 right white\n"
         "char 3.5 4.3 blue null null 0 null null 0 null null 0\n",
         [&] {
             ticks(30);
             for (const ev& e : log.events) {
                 if (e.kind == ev::push) {
                     EXPECT_TRUE(e.who == character(0) && e.dir == cfg::p);
                 }
             }
         },
         {{ev::push, 30}, {ev::step, 0}}},
        {"one of two characters through its exit",
         ground + "exit 2 2 red\nchar 2.5 3.3" + red + "char 8 3.3" + red,
         [&] {
             press(Qt::Key_Space);
             ticks(5);
         },
         {{ev::exit_taken, 1}, {ev::passed, 0}}},
        {"the last character through its exit",
         ground + "exit 2 2 red\nchar 2.5 3.3" + red,
         [&] {
             press(Qt::Key_Space);
             ticks(5);
         },
         {{ev::exit_taken, 1}, {ev::passed, 1}}},
        {"a character switch",
         ground + "char 2 3.3" + red + "char 6 3.3" + red,
         [&] { press(Qt::Key_C); },
         {{ev::char_switch, 1}}},
        {"a door into a level",
         ground + "level_entrance 2 2 1\nchar 2.5 3.3" + red,
         [&] { press(Qt::Key_Space); },
         {{ev::door, 1}}},
    };
    for (const situation& c : cases) {
        SCOPED_TRACE(c.what);
        play(c.level, c.settle);
        c.act();
        for (const expect& e : c.raised)
            EXPECT_EQ(log.count(e.kind), e.times) << "event " << e.kind;
    }
}

TEST_F(world_events, TheHistorysReplayRaisesNothing)
{
    const std::string level =
        "mapsize 40 5\nmkframe\nchar 2 3.3 red null null 0 null null 0 null null 0\n";
    const std::string path = write_file(level);
    play(level, 0);
    rewind_log history;
    history.begin(scene->tick_counter);
    scene->add_listener(&history);
    press(Qt::Key_Right);
    ticks(20);
    press(Qt::Key_Up);
    ticks(20);
    // 19 steps and a jump at least.
    const std::size_t raised = log.events.size();
    ASSERT_GE(raised, 20u);

    testing::internal::CaptureStdout();
    history.restore(*scene, path, 30);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(log.events.size(), raised) << "the replay of 30 ticks of walking was told";
    // Both listen again afterwards: the jump lands and is taken again.
    const int jumps = log.count(world_event::jump);
    ticks(30);
    EXPECT_GT(log.count(world_event::jump), jumps);
    EXPECT_EQ(history.world_ticks(), 60);
    scene->remove_listener(&history);
}

// From the map into a level and back, headless, with the real scene stack,
// progress store, map pages and level: walk into a door, play the level to
// its exit, pass it, leave through the menu, and find the map grown.

#include "cfg.h"
#include "gl_recorder.h"
#include "headless_screen.h"
#include "level_entrance.h"
#include "level_scene.h"
#include "map_select_scene.h"
#include "progress_manager.h"
#include "replay.h"
#include "scene_manager.h"
#include "stockchar.h"

#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace
{

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

level_entrance* door(game_scene* map, const std::string& name)
{
    for (stockblock* b : map->entrances) {
        auto* e = static_cast<level_entrance*>(b);
        if (e->level_name == name)
            return e;
    }
    return nullptr;
}

void key(game_scene* scene, QEvent::Type type, int k)
{
    QKeyEvent e(type, k, Qt::NoModifier);
    if (type == QEvent::KeyPress)
        scene->keyPressEvent(&e);
    else
        scene->keyReleaseEvent(&e);
}

// Maps 0, 3 and 7 over six levels, from the shipped map pages, and a
// progress file with levels 2 and 3 passed: only map 0 is open, its second
// and third doors passed; the next pass opens map 3.
struct journey_files {
    QTemporaryDir dir;
    std::string file(const char* name) const { return dir.filePath(name).toStdString(); }
    const std::string menus = file("menus.list");
    const std::string levels = file("levels.list");
    const std::string progress_file = file("home/.crumbleford/passed_levels");
    const std::string pages = file("menu/");

    void make() const
    {
        std::ofstream(menus) << "0\n3\n7\n";
        std::ofstream(levels) << "1\n2\n3\n4\n5\n6\n";
        ASSERT_TRUE(QDir().mkpath(dir.filePath("menu")));
        for (const char* page : {"0", "3", "7"})
            ASSERT_TRUE(QFile::copy(QString(CF_STAGE_DIR "maps/menu/%1.menu").arg(page),
                                    QString::fromStdString(pages + page + ".menu")));
        ASSERT_TRUE(QDir().mkpath(dir.filePath("home/.crumbleford")));
        std::ofstream(progress_file) << "2\n3\n";
    }
};

} // namespace

TEST(journey, MapDoorLevelExitAndBackToAGrownMap)
{
    headless_screen screen;
    const journey_files f;
    ASSERT_NO_FATAL_FAILURE(f.make());
    const std::string &menus = f.menus, &levels = f.levels, &pages = f.pages;
    const std::string& progress_file = f.progress_file;

    testing::internal::CaptureStdout();
    progress_manager progress(menus, levels, progress_file, pages);
    auto* map = new map_select_scene(&progress);
    auto manager = std::make_unique<scene_manager>(map, nullptr, &progress);
    const std::string loading = testing::internal::GetCapturedStdout();
    EXPECT_EQ(loading, "loading: " + pages + "0.menu SUCCES\n");

    ASSERT_NE(door(map, "1"), nullptr);
    ASSERT_NE(door(map, "2"), nullptr);
    EXPECT_EQ(door(map, "6"), nullptr);
    EXPECT_FALSE(door(map, "1")->passed);
    EXPECT_TRUE(door(map, "2")->passed);

    // Walk right into the first door (columns 4 and 5) and open it.
    ASSERT_EQ(map->characters.size(), 1u);
    stockchar* walker = map->characters[0];
    key(map, QEvent::KeyPress, Qt::Key_Right);
    for (int t = 0; t < 60 && walker->x <= 4 * cfg::multiplier; ++t)
        manager->tick(map);
    key(map, QEvent::KeyRelease, Qt::Key_Right);
    for (int t = 0; t < 15; ++t)
        manager->tick(map);
    ASSERT_GT(walker->x, 4 * cfg::multiplier - walker->size);
    ASSERT_LT(walker->x, 6 * cfg::multiplier);
    testing::internal::CaptureStdout();
    key(map, QEvent::KeyPress, Qt::Key_Space);
    manager->tick(map); // the door's level is entered at the end of the tick
    testing::internal::GetCapturedStdout();
    auto* level = dynamic_cast<level_scene*>(manager->top());
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->level_name, "1");
    EXPECT_FALSE(map->timer->isActive());

    // Play it with the recorded solution, event by event between ticks.
    std::ifstream solution(CF_STAGE_DIR "solutions/1.script");
    const replay_script script = parse_replay_script(solution);
    ASSERT_TRUE(script.ok()) << script.error;
    std::ostringstream trace;
    auto next = script.events.begin();
    bool passed = false;
    for (long long t = 1; t <= 3600 && !passed; ++t) {
        for (; next != script.events.end() && next->tick == t; ++next)
            apply_replay_event(*level, *next, trace);
        manager->tick(level);
        passed = level->handled_passed;
    }
    ASSERT_TRUE(passed);
    ASSERT_NE(level->menu, nullptr);
    EXPECT_EQ(read_file(progress_file), "2\n3\n1\n"); // appended before the menu shows

    // "TO[MAP[SELECT" is the second row of the passed menu.
    level->press_at(400, 120);
    level->release_at(400, 120);
    EXPECT_TRUE(level->leave_request);
    manager->tick(level); // deletes the level
    ASSERT_EQ(manager->top(), map);
    EXPECT_TRUE(map->reactivate);
    EXPECT_TRUE(map->timer->isActive());

    testing::internal::CaptureStdout();
    manager->tick(map); // reactivated: the second page is unlocked now
    const std::string reloaded = testing::internal::GetCapturedStdout();
    EXPECT_EQ(reloaded, "loading: " + pages + "3.menu SUCCES\n");
    EXPECT_NE(door(map, "6"), nullptr);
    ASSERT_NE(door(map, "1"), nullptr);
    EXPECT_TRUE(door(map, "1")->passed);

    // The passed door looks passed.
    gl_recorder gl;
    door(map, "1")->updateGL();
    ASSERT_FALSE(gl.draws.empty());
    EXPECT_TRUE(gl.draws[0].uses(spriteman::tex_door_in_p));

    // Passing it again appends nothing and unlocks nothing.
    progress.set_level_passed("1");
    EXPECT_EQ(read_file(progress_file), "2\n3\n1\n");
    EXPECT_TRUE(progress.get_new_menuses().empty());

    manager.reset();
}

TEST(journey, MapCountsPassesAnnouncesANewPageOnceAndWaitsAtTheLastDoor)
{
    headless_screen screen;
    const journey_files f;
    ASSERT_NO_FATAL_FAILURE(f.make());
    const std::string &menus = f.menus, &levels = f.levels, &pages = f.pages;
    const std::string& progress_file = f.progress_file;

    testing::internal::CaptureStdout();
    auto progress = std::make_unique<progress_manager>(menus, levels, progress_file, pages);
    auto* map = new map_select_scene(progress.get());
    auto manager = std::make_unique<scene_manager>(map, nullptr, progress.get());
    testing::internal::GetCapturedStdout();
    ASSERT_NE(map->passed_count, nullptr);
    EXPECT_EQ(map->passed_count->text, "2 / 6");
    EXPECT_EQ(map->banner, nullptr) << "the first map shown announces nothing";
    const float start_x = map->characters.at(0)->x;

    // Into level 5's door, and out of it passed: the third pass joins page 3.
    map->enter_level_request = "5";
    testing::internal::CaptureStdout();
    manager->tick(map);
    testing::internal::GetCapturedStdout();
    auto* level = dynamic_cast<level_scene*>(manager->top());
    ASSERT_NE(level, nullptr);
    level->mark_as_passed();
    level->leave_request = true;
    manager->tick(level);
    testing::internal::CaptureStdout();
    manager->tick(map);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(map->passed_count->text, "3 / 6");
    ASSERT_NE(map->banner, nullptr);
    EXPECT_EQ(map->banner->text, "A NEW PAGE JOINS THE MAP");
    for (int t = 0; t < page_banner::ticks_shown && map->banner; ++t) {
        EXPECT_GT(map->banner->opacity(), 0);
        manager->tick(map);
    }
    EXPECT_EQ(map->banner, nullptr) << "faded away";

    // Back from the title, and in a later run: a new map, no banner, and
    // the character standing at door 5 on its floor.
    for (int run = 0; run < 2; ++run) {
        manager.reset();
        testing::internal::CaptureStdout();
        if (run == 1)
            progress = std::make_unique<progress_manager>(menus, levels, progress_file, pages);
        map = new map_select_scene(progress.get());
        manager = std::make_unique<scene_manager>(map, nullptr, progress.get());
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(map->banner, nullptr) << "run " << run;
        stockchar* ch = map->characters.at(0);
        const stockblock* five = door(map, "5");
        ASSERT_NE(five, nullptr);
        EXPECT_NE(ch->x, start_x);
        for (int t = 0; t < 30; ++t)
            manager->tick(map);
        EXPECT_GE(ch->x, five->x) << "run " << run;
        EXPECT_LE(ch->x + ch->size, five->x + five->size) << "run " << run;
        EXPECT_EQ(ch->y + ch->size, five->y + five->size / 2) << "standing, run " << run;
        // Space there opens that door.
        testing::internal::CaptureStdout();
        key(map, QEvent::KeyPress, Qt::Key_Space);
        manager->tick(map);
        testing::internal::GetCapturedStdout();
        auto* entered = dynamic_cast<level_scene*>(manager->top());
        ASSERT_NE(entered, nullptr);
        EXPECT_EQ(entered->level_name, "5");
        key(map, QEvent::KeyRelease, Qt::Key_Space);
    }
    EXPECT_EQ(read_file(progress_file), "2\n3\n5\n") << "the progress file is only appended to";
    manager.reset();
}

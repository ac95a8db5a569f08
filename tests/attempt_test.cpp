// The attempt kept between two runs of the game: a level played, kept and
// taken up in a fresh scene is the same world with the same history; the
// keeper writes while playing and lets go when the attempt ends; a damaged
// or foreign file is refused, and the title offers only one it can continue.

#include "attempt_keeper.h"
#include "cfg.h"
#include "headless_screen.h"
#include "level_scene.h"
#include "menu_scene.h"
#include "progress_manager.h"
#include "scene_manager.h"
#include "stockchar.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

namespace
{

std::string world_words(level_scene& level)
{
    std::ostringstream out;
    print_world(level, 0, out);
    print_grid(level, out);
    for (const stockchar* ch : level.characters)
        for (const stock_slot* slot : ch->stock_slots)
            out << "slot " << (slot ? int(slot->count) : -1) << '\n';
    return out.str();
}

std::unique_ptr<level_scene> quiet_level(const std::string& name)
{
    testing::internal::CaptureStdout();
    auto level = std::make_unique<level_scene>(name, nullptr);
    testing::internal::GetCapturedStdout();
    return level;
}

replay_script solution(const std::string& name)
{
    std::ifstream in(std::string(CF_STAGE_DIR) + "solutions/" + name + ".script");
    return parse_replay_script(in);
}

// Plays the script's events up to tick `until` into the level, as keys.
void play(level_scene& level, const replay_script& script, long long from, long long until)
{
    std::ostream quiet(nullptr);
    for (long long t = from; t <= until; ++t) {
        for (const replay_event& e : script.events)
            if (e.tick == t)
                apply_replay_event(level, e, quiet);
        level.tick();
    }
}

void write_file(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(attempt, KeptAttemptTakenUpInAFreshSceneIsTheSameWorld)
{
    headless_screen screen;
    // Blocks drawn (17), clouds (20) and two characters (30), each with a
    // rewind and a while in drawing mode, when the world waits, on the way.
    for (const char* name : {"17", "20", "30"}) {
        SCOPED_TRACE(name);
        const replay_script script = solution(name);
        ASSERT_TRUE(script.ok()) << script.error;
        ASSERT_FALSE(script.events.empty()) << "no solution for " << name;
        const long long half = script.events.back().tick / 2;
        auto played = quiet_level(name);
        play(*played, script, 1, half);
        played->rewind();
        played->toggle_drawing();
        for (int i = 0; i < 5; ++i)
            played->tick();
        played->toggle_drawing();
        play(*played, script, half + 1, half + 40);
        ASSERT_GT(played->history.input_count(), 0u);

        attempt_record kept;
        kept.level_name = name;
        kept.level_path = played->level_file();
        kept.fingerprint = attempt_record::fingerprint_of_file(kept.level_path);
        kept.way = played->history.way();
        kept.rewound = played->attempt_was_rewound();
        const std::string text = kept.text();
        EXPECT_NE(text.find("\nstop "), std::string::npos) << text;

        attempt_record read;
        std::istringstream in(text);
        std::string why;
        ASSERT_TRUE(read.read(in, why)) << why << "\n" << text;
        EXPECT_EQ(read.text(), text);

        auto taken_up = quiet_level(name);
        taken_up->continue_attempt(read);
        EXPECT_EQ(taken_up->history.world_ticks(), played->history.world_ticks());
        EXPECT_EQ(world_words(*taken_up), world_words(*played));
        EXPECT_TRUE(taken_up->attempt_was_rewound()) << "no pass without rewind after all";
        // The history came along: a rewind takes both back to the same moment.
        played->rewind();
        taken_up->rewind();
        EXPECT_EQ(taken_up->history.world_ticks(), played->history.world_ticks());
        EXPECT_EQ(world_words(*taken_up), world_words(*played));
    }
}

TEST(attempt, FileFollowsPlayAndGoesWhenTheAttemptEnds)
{
    headless_screen screen;
    QTemporaryDir home;
    const std::string file = home.path().toStdString() + "/attempt";
    level_scene::attempt_path = file;
    auto level = quiet_level("20");
    level->tick();
    EXPECT_NE(read_file(file).find("\nmoment 1 1\n"), std::string::npos) << "not written at once";
    for (int t = 1; t < attempt_keeper::period; ++t)
        level->tick();
    EXPECT_NE(read_file(file).find("\nmoment 1 1\n"), std::string::npos) << "written too soon";
    level->tick();
    EXPECT_NE(read_file(file).find("\nmoment 31 31\n"), std::string::npos) << "not a second on";
    // Scene gone without leaving (the game quit): the attempt stays.
    level.reset();
    EXPECT_TRUE(QFile::exists(QString::fromStdString(file)));

    // Left for the map: given up.
    level = quiet_level("20");
    level->tick();
    level->leave_request = true;
    level->settle_requests();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file)));
    level.reset();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file))) << "written again when deleted";

    // Passed: over. A restart begins a new one, kept again.
    level = quiet_level("20");
    level->tick();
    level->mark_as_passed();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file)));
    testing::internal::CaptureStdout();
    level->restart();
    testing::internal::GetCapturedStdout();
    level->tick();
    EXPECT_TRUE(QFile::exists(QString::fromStdString(file)));
    level.reset();
    level_scene::attempt_path.clear();
}

TEST(attempt, DamagedOrForeignFilesAreRefusedAndTheTitleStartsWithoutThem)
{
    headless_screen screen;
    QTemporaryDir home;
    const std::string root = home.path().toStdString();
    testing::internal::CaptureStdout();
    progress_manager progress(cfg::menus_list, cfg::levels_list, root + "/passed_levels",
                              cfg::menu_directory);
    testing::internal::GetCapturedStdout();
    progress_manager* const old_progress = scene_manager::_progress_manager_static_ptr;
    scene_manager::_progress_manager_static_ptr = &progress;

    const std::string file = root + "/attempt";
    const std::string level_path = cfg::levels_directory + "17" + cfg::level_suffix;
    attempt_record good;
    good.level_name = "17";
    good.level_path = level_path;
    good.fingerprint = attempt_record::fingerprint_of_file(level_path);
    good.way.world_moved = {true, true, false, true};
    replay_event right;
    right.tick = 2;
    right.key = Qt::Key_Right;
    good.way.inputs = {right};
    good.way.carried = {false};
    const std::string text = good.text();
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string t = text;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    const std::string foreign_level =
        replaced("level 17\nfile " + level_path,
                 "level 99\nfile " + cfg::levels_directory + "99" + cfg::level_suffix);
    const struct {
        const char* what;
        std::string text;
        const char* why; // part of the reason, "" when it can be continued
    } cases[] = {
        {"whole", text, ""},
        {"another version", replaced("attempt 1", "attempt 2"), "version"},
        {"cut short", text.substr(0, text.size() - 4), "ends before"},
        {"cut in a line", text.substr(0, text.find("2 press") + 3), ""},
        {"junk", replaced("2 press Right", "2 press Gravel"), "key name"},
        {"ticks that do not add up", replaced("moment 4 3", "moment 4 4"), "add up"},
        {"an input beyond the moment", replaced("2 press", "9 press"), "beyond"},
        {"a changed level", replaced(good.fingerprint, "0123456789abcdef"), "changed"},
        {"a level not in the list", foreign_level, "not in the level list"},
        {"a file elsewhere", replaced("file " + level_path, "file /etc/passwd"), "neither"},
        {"binary", std::string("\0\xff\x01 attempt", 11), "version"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        write_file(file, c.text);
        attempt_record record;
        std::string why;
        const bool loaded = attempt_keeper::load(file, &progress, record, why);
        const bool whole = std::string(c.what) == "whole";
        EXPECT_EQ(loaded, whole) << why;
        if (!whole) {
            EXPECT_NE(why.find(c.why), std::string::npos) << why;
        }

        level_scene::attempt_path = file;
        testing::internal::CaptureStderr();
        menu_scene title;
        const std::string said = testing::internal::GetCapturedStderr();
        level_scene::attempt_path.clear();
        EXPECT_EQ(title.continue_choice.isVisible(), whole);
        EXPECT_EQ(title.focused == &title.continue_choice, whole);
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), whole ? 0 : 1) << said;
        EXPECT_EQ(QFile::exists(QString::fromStdString(file)), whole) << "not set aside";
    }
    scene_manager::_progress_manager_static_ptr = old_progress;
}

TEST(attempt, KeptWhenLostItContinuesInTheFailedMenu)
{
    headless_screen screen;
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/lost.level";
    write_file(path, "mapsize 6 6\nstockblock 2 3 white\nspikes 2 2 red\nchar 2 1 red null null 0 "
                     "null null 0 null null 0\n");
    testing::internal::CaptureStdout();
    level_scene lost("lost", path, nullptr);
    level_scene again("lost", path, nullptr);
    testing::internal::GetCapturedStdout();
    for (int t = 0; t < 120 && !lost.handled_failed; ++t)
        lost.tick();
    ASSERT_NE(lost.menu, nullptr);
    lost.tick(); // the world waits under the menu

    attempt_record kept;
    kept.way = lost.history.way();
    again.continue_attempt(kept);
    EXPECT_NE(again.menu, nullptr) << "no failed menu to rewind or restart from";
    EXPECT_FALSE(again.running);
    EXPECT_EQ(world_words(again), world_words(lost));
}

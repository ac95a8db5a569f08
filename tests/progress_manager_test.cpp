// The progress store against small list and progress files in a temporary
// directory: which levels count as passed, which maps unlock, what is
// appended, and how missing or broken files are reported.

#include "progress_manager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <unistd.h>

namespace
{

class ProgressStore : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        root = tmp.path().toStdString() + "/";
        menus = root + "menus.list";
        levels = root + "levels.list";
        progress = root + "home/.crumbleford/passed_levels";
        write(menus, "0\n2\n5\n");
        write(levels, "a\nb\nc\nd\ne\n");
        // The player's home exists; the game's directory in it may not.
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(root + "home")));
    }

    static void write(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }

    static std::string read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

    void make_progress_file(const std::string& text)
    {
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(root + "home/.crumbleford")));
        write(progress, text);
    }

    // Builds the store and returns what it printed.
    std::string load()
    {
        testing::internal::CaptureStdout();
        store.reset(new progress_manager(menus, levels, progress, root + "maps/"));
        return testing::internal::GetCapturedStdout();
    }

    std::string pass(const std::string& name)
    {
        testing::internal::CaptureStdout();
        store->set_level_passed(name);
        return testing::internal::GetCapturedStdout();
    }

    std::string map(unsigned int n) const { return root + "maps/" + std::to_string(n) + ".menu"; }

    QTemporaryDir tmp;
    std::string root, menus, levels, progress;
    std::unique_ptr<progress_manager> store;
};

using paths = std::vector<std::string>;

TEST_F(ProgressStore, MapsUnlockAsLevelsArePassed)
{
    make_progress_file("");
    EXPECT_EQ(load(), "");
    EXPECT_EQ(store->get_all_menuses(), paths{map(0)});

    EXPECT_EQ(pass("a"), "");
    EXPECT_EQ(pass("b"), "");
    EXPECT_EQ(store->get_new_menuses(), paths{map(2)});
    EXPECT_EQ(store->get_new_menuses(), paths{});
    EXPECT_EQ(store->get_all_menuses(), (paths{map(0), map(2)}));
    EXPECT_EQ(read(progress), "a\nb\n");
}

TEST_F(ProgressStore, OnlyListedNamesCountAsPassed)
{
    // x is not a level; A differs from a; c is listed twice and counts twice.
    write(levels, "a b c c d e");
    make_progress_file("a\nb\nx\nA\nc\n");
    load();
    EXPECT_EQ(store->passed_count, 4u);
    EXPECT_TRUE(store->check_if_passed("a"));
    EXPECT_TRUE(store->check_if_passed("b"));
    EXPECT_FALSE(store->check_if_passed("d"));
    EXPECT_FALSE(store->check_if_passed("x"));
    EXPECT_FALSE(store->check_if_passed("A"));
    EXPECT_EQ(store->get_all_menuses(), (paths{map(0), map(2)}));
}

TEST_F(ProgressStore, MapsComeInListOrderNotNumericOrder)
{
    write(menus, "5 0");
    make_progress_file("a\nb\nc\nd\ne\n");
    load();
    EXPECT_EQ(store->get_all_menuses(), (paths{map(5), map(0)}));
}

TEST_F(ProgressStore, MapListStopsAtFirstTokenThatIsNoNumber)
{
    write(menus, "0 2 two 5");
    make_progress_file("a b c d e");
    load();
    EXPECT_EQ(store->get_all_menuses(), (paths{map(0), map(2)}));
}

TEST_F(ProgressStore, RepeatedOrUnlistedPassesAppendNothing)
{
    make_progress_file("a\n");
    load();
    EXPECT_EQ(pass("a"), "");
    EXPECT_EQ(pass("nowhere"), "");
    EXPECT_EQ(pass("b"), "");
    EXPECT_EQ(pass("b"), "");
    EXPECT_EQ(store->passed_count, 2u);
    EXPECT_FALSE(store->check_if_passed("nowhere"));
    EXPECT_EQ(read(progress), "a\nb\n");
}

TEST_F(ProgressStore, MissingProgressFileIsAFirstStart)
{
    EXPECT_EQ(load(), "");
    EXPECT_EQ(store->levels.size(), 5u);
    EXPECT_EQ(store->get_all_menuses(), paths{map(0)});
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(progress)));

    // The first pass creates the directory and the file.
    EXPECT_EQ(pass("c"), "");
    EXPECT_EQ(read(progress), "c\n");
    EXPECT_EQ(pass("d"), "");
    EXPECT_EQ(read(progress), "c\nd\n");

    // A fresh start reads back what was saved.
    load();
    EXPECT_TRUE(store->check_if_passed("c"));
    EXPECT_TRUE(store->check_if_passed("d"));
    EXPECT_EQ(store->get_all_menuses(), (paths{map(0), map(2)}));
}

TEST_F(ProgressStore, UnsavablePassIsReportedAndKeptForTheRun)
{
    load();
    // A plain file where the progress directory should be.
    write(root + "home/.crumbleford", "in the way");
    EXPECT_EQ(pass("a"), "error saving progress to: " + progress + "\n");
    EXPECT_TRUE(store->check_if_passed("a"));
    EXPECT_EQ(store->passed_count, 1u);
    EXPECT_EQ(pass("a"), "");
}

TEST_F(ProgressStore, FailedWritesAndSyncsAreReportedAndLoseNothing)
{
    // The progress path is a link, turned for a while to a device on which
    // the append fails: /dev/full refuses the write, /dev/null the sync.
    const std::string kept = root + "kept_progress";
    write(kept, "a\n");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(root + "home/.crumbleford")));
    auto point_at = [&](const std::string& target) {
        std::remove(progress.c_str());
        return ::symlink(target.c_str(), progress.c_str()) == 0;
    };
    ASSERT_TRUE(point_at(kept));
    load();
    ASSERT_TRUE(store->check_if_passed("a"));

    const struct {
        const char* device;
        const char* level;
    } failures[] = {{"/dev/full", "b"}, {"/dev/null", "c"}};
    for (const auto& f : failures) {
        ASSERT_TRUE(point_at(f.device));
        EXPECT_EQ(pass(f.level), "error saving progress to: " + progress + "\n") << f.device;
        EXPECT_TRUE(store->check_if_passed(f.level)) << f.device;
    }

    // The game goes on: what was saved before is intact, the next pass is
    // saved, and the failed ones still count for this run.
    ASSERT_TRUE(point_at(kept));
    EXPECT_EQ(read(kept), "a\n");
    EXPECT_EQ(pass("d"), "");
    EXPECT_EQ(read(kept), "a\nd\n");
    EXPECT_EQ(store->passed_count, 4u);
}

TEST_F(ProgressStore, UnopenableFilesEmptyTheStore)
{
    // A directory at the progress path exists but cannot be read.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(progress)));
    EXPECT_EQ(load(), "error opening: " + progress + "\n");
    EXPECT_TRUE(store->levels.empty());
    EXPECT_TRUE(store->menus.empty());
    EXPECT_EQ(store->get_all_menuses(), paths{});
    EXPECT_EQ(pass("a"), "");
    EXPECT_FALSE(store->check_if_passed("a"));
    ASSERT_TRUE(QDir().rmdir(QString::fromStdString(progress)));

    // A device that never ends (a link to /dev/zero) is refused, not read.
    ASSERT_TRUE(QFile::link("/dev/zero", QString::fromStdString(progress)));
    EXPECT_EQ(load(), "error opening: " + progress + "\n");
    EXPECT_TRUE(store->levels.empty());
    std::remove(progress.c_str());

    // Only the first failure in the order progress, map list, level list.
    std::remove(menus.c_str());
    std::remove(levels.c_str());
    EXPECT_EQ(load(), "error opening: " + menus + "\n");
    EXPECT_TRUE(store->levels.empty());

    write(menus, "0");
    EXPECT_EQ(load(), "error opening: " + levels + "\n");
    EXPECT_TRUE(store->menus.empty());
    EXPECT_EQ(store->get_all_menuses(), paths{});
}

TEST_F(ProgressStore, HandEditedProgressFilesReadAndGrowCleanly)
{
    // Windows line ends, and a last name without its line end.
    make_progress_file("a\r\nb");
    load();
    EXPECT_TRUE(store->check_if_passed("a"));
    EXPECT_TRUE(store->check_if_passed("b"));
    pass("c");
    EXPECT_EQ(read(progress), "a\r\nb\nc\n");
    load();
    EXPECT_EQ(store->passed_count, 3u);
}

TEST_F(ProgressStore, NewPagesAreAnnouncedOnceAcrossRunsBesideAnUntouchedProgressFile)
{
    make_progress_file("");
    load();
    EXPECT_FALSE(store->take_page_announcement()) << "the first map's pages are no news";
    pass("a");
    EXPECT_FALSE(store->take_page_announcement());
    pass("b");
    EXPECT_EQ(store->newest_page(), 2);
    EXPECT_TRUE(store->take_page_announcement());
    EXPECT_FALSE(store->take_page_announcement());
    load();
    EXPECT_FALSE(store->take_page_announcement()) << "remembered by the next run";

    // Passed, then the game ended before the map was shown again.
    pass("c");
    pass("d");
    pass("e");
    load();
    EXPECT_TRUE(store->take_page_announcement());

    store->set_last_played("d");
    load();
    EXPECT_EQ(store->last_played(), "d");
    EXPECT_EQ(read(progress), "a\nb\nc\nd\ne\n");

    // A memory that is not ours is forgotten, never a reason to announce.
    const std::string memory = root + "home/.crumbleford/map_state";
    for (const char* junk :
         {"announced_page -3\n", "announced_page 99999999999\n", "\x01\x02", "announced_page\n"}) {
        write(memory, junk);
        load();
        EXPECT_FALSE(store->take_page_announcement()) << junk;
        EXPECT_FALSE(store->take_page_announcement()) << junk;
    }
}

} // namespace

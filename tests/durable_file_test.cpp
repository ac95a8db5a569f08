// The durable replace behind the settings and the player's own levels: the
// new text reaches the disk under the temporary name before the rename, and
// the rename itself is made durable. A skipped sync loses nothing in a test
// run, so this binary counts the syncs it makes.

#include "durable_file.h"
#include "level_store.h"
#include "settings_store.h"

#include <QTemporaryDir>
#include <climits>
#include <dlfcn.h>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

// What each sync of this process was given, by the path its descriptor
// named at that moment: after the rename it would be the final name.
std::vector<std::string>& synced()
{
    static std::vector<std::string> paths;
    return paths;
}
std::mutex synced_lock; // other threads of the test binary may sync too

std::string path_of_descriptor(int fd)
{
    char target[PATH_MAX];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
    return n < 0 ? "?" : std::string(target, static_cast<std::size_t>(n));
}

// Either kind of sync makes the data durable; both count.
int forward(const char* name, int fd)
{
    {
        const std::lock_guard<std::mutex> hold(synced_lock);
        synced().push_back(path_of_descriptor(fd));
    }
    using sync_fn = int (*)(int);
    return reinterpret_cast<sync_fn>(::dlsym(RTLD_NEXT, name))(fd);
}

} // namespace

// The game's calls reach these first; each goes on to the C library's own.
extern "C" int fsync(int fd)
{
    return forward("fsync", fd);
}

extern "C" int fdatasync(int fd)
{
    return forward("fdatasync", fd);
}

TEST(DurableReplace, SettingsAndLevelSavesSyncTheTemporaryThenTheDirectory)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const std::string dir = tmp.path().toStdString();
    const level_store levels(dir + "/levels");
    std::string error;
    const struct {
        const char* what;
        std::function<bool()> save;
        std::vector<std::string> expected;
    } cases[] = {
        {"settings",
         [&] { return settings_store(dir + "/settings").set("sound", "off"); },
         {dir + "/settings.new", dir}},
        {"a new level",
         [&] { return levels.save("castle", "mapsize 3 3\n", error); },
         {dir + "/levels/.castle.level.tmp", dir + "/levels"}},
        {"a level saved again",
         [&] { return levels.save("castle", "mapsize 4 4\n", error); },
         {dir + "/levels/.castle.level.tmp", dir + "/levels"}},
        {"the test-play file",
         [&] { return level_store::write_file(levels.tryout_path(), "mapsize 3 3\n"); },
         {dir + "/levels/..tryout.level.tmp", dir + "/levels"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        {
            const std::lock_guard<std::mutex> hold(synced_lock);
            synced().clear();
        }
        ASSERT_TRUE(c.save());
        const std::lock_guard<std::mutex> hold(synced_lock);
        EXPECT_EQ(synced(), c.expected);
    }
}

// The level checker: findings on broken files, line by line, and the
// simulator's --check command around it.

#include "level_checker.h"

#include <QProcess>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

const std::string fixtures = CF_TESTS_DIR "/fixtures/checker/";

// Findings as the command prints them, with the fixture directory left out.
std::vector<std::string> listing(const std::vector<std::string>& paths)
{
    std::vector<std::string> lines;
    for (const check_finding& f : level_checker().check(paths)) {
        std::string line = f.file + ":" + std::to_string(f.line) + ": " + f.message;
        for (size_t at; (at = line.find(fixtures)) != std::string::npos;)
            line.erase(at, fixtures.size());
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(level_checker, ListsEachFaultOfTheBrokenFixturesOnItsLine)
{
    const struct {
        std::vector<std::string> files;
        std::vector<std::string> expected;
    } cases[] = {
        {{"broken.level"},
         {
             "broken.level:4: unknown keyword \"stockblok\"; the line is ignored",
             "broken.level:5: stockblock: unreadable number \"two\" for X; the line is skipped",
             "broken.level:6: stockblock: unknown colour \"purple\" for the colour; it is read "
             "as white",
             "broken.level:7: stockblock at column 12, row 4 is outside the 10 x 6 map; the line "
             "is skipped",
             "broken.level:8: stockblock on column 0, row 2, which the frame of line 3 already "
             "holds; it replaces it",
             "broken.level:10: words after the record are ignored, from \"rubble\"",
             "broken.level:11: cloud: unknown direction \"sideways\"; the cloud will not move",
             "broken.level:12: char: slot 1 holds 12, more than 9",
             "broken.level:12: char: slot 2 has the type \"rubble\", which cannot be drawn; the "
             "slot stays empty",
             "broken.level:12: red character: no exit it can use, so the level cannot be passed",
             "broken.level:13: char: unreadable count \"x\" in slot 1; the line is skipped",
             "broken.level:14: char starts inside the stockblock at column 3, row 4",
             "broken.level:14: char starts inside the frame at column 3, row 5",
             "broken.level:16: blue exit: no character can use it",
             "broken.level:17: focusedchar 3, but the level has 2 character(s)",
             "broken.level:19: delete removes nothing",
         }},
        {{"map/menus.list", "map/levels.list"},
         {
             "map/levels.list:2: level 2: cannot open map/2.level",
             "map/levels.list:3: level 2 is listed twice (first on line 2)",
             "map/levels.list:4: level name low cannot be shown on its door (digits and capitals)",
             "map/levels.list:4: level low: cannot open map/low.level",
             "map/menus.list:3: page 3 is listed twice; it would be built twice",
             "map/menus.list:4: \"five\" is not a page number; the game reads no further",
             "map/3.menu:3: delete removes nothing",
             "map/3.menu:7: a second map character",
             "map/3.menu:8: an exit on a map page leads nowhere",
             "map/0.menu:5: door to level 9, which levels.list does not list",
             "map/3.menu:5: a second door to level 1 (the first is at map/0.menu:4)",
             "map/levels.list:2: level 2 has no door on the map pages",
             "map/levels.list:4: level low has no door on the map pages",
             "map/menus.list:2: after 1 passed level(s) only 1 listed level(s) have an open "
             "door: the player is stuck",
         }},
        // Alone, a page may delete what earlier pages built, and its doors
        // are not held against a list.
        {{"map/3.menu", "map/1.level"}, {"map/3.menu:8: an exit on a map page leads nowhere"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> paths;
        for (const std::string& f : c.files)
            paths.push_back(fixtures + f);
        SCOPED_TRACE(c.files.front());
        EXPECT_EQ(listing(paths), c.expected);
    }
}

TEST(level_checker, JudgesSmallLevelsByTheWholeFile)
{
    const std::string clean = "mapsize 6 5\nmkframe\n"
                              "char 1 3.3 red white stockblock 2 null null 0 blue destroyer 9\n"
                              "exit 3 2 white\n";
    const struct {
        const char* what;
        std::string text;
        std::vector<std::string> expected;
    } cases[] = {
        {"a clean level with comments", "# title: clean\n" + clean + "\n# the end\n", {}},
        {"a byte order mark before the first record, as the loader allows",
         "\xEF\xBB\xBF" + clean,
         {}},
        {"no exit, no character",
         "mapsize 6 5\nmkframe\n",
         {"1: the level has no character", "1: the level has no exit"}},
        {"a white character leaves by any exit",
         "mapsize 6 5\nchar 1 3.3 white null null 0 null null 0 null null 0\nexit 3 2 green\n",
         {"2: white character at column 1, row 3: nothing below it, it falls out of the world"}},
        {"a green exit a red and a blue character cannot use",
         "mapsize 6 5\nchar 1 3.3 red null null 0 null null 0 null null 0\n"
         "char 2 3.3 blue null null 0 null null 0 null null 0\nexit 3 2 green\n",
         {"2: red character at column 1, row 3: nothing below it, it falls out of the world",
          "2: red character: no exit it can use, so the level cannot be passed",
          "3: blue character at column 2, row 3: nothing below it, it falls out of the world",
          "3: blue character: no exit it can use, so the level cannot be passed",
          "4: green exit: no character can use it"}},
        {"counts wrap at 256",
         "mapsize 6 5\n"
         "char 1 3.3 red white falling 300 null null 0 null null 0\nexit 3 2 red\n",
         {"2: char: slot 1 holds 300, more than 9; it is stored as 44",
          "2: red character at column 1, row 3: nothing below it, it falls out of the world"}},
        {"a delete that kills the character",
         clean + "delete 1 3\n",
         {"1: the level has no character",
          "5: delete removes the character of line 3, which fails the level"}},
        {"a map character and the level door's old name in a level",
         "mapsize 6 5\nmenuchar 1 3.3 red null null 0 null null 0 null null 0\nlevel_exit 3 2 "
         "red\nMkframe\n",
         {"1: the level has no exit", "2: menuchar in a level: it moves at the map's speed",
          "2: red character at column 1, row 3: nothing below it, it falls out of the world",
          "3: unknown keyword \"level_exit\"; the line is ignored (a level's door is \"exit\")",
          "4: unknown keyword \"Mkframe\"; the line is ignored (keywords are lower case)"}},
        {"a map that shrinks and a mapsize after blocks",
         "mapsize 8 5\nstockblock 1 1 white\nmapsize 6 6\n"
         "char 1 3.3 white null null 0 null null 0 null null 0\nexit 3 2 white\n",
         {"3: mapsize after grid objects of this file",
          "3: the map is already 8 x 5 and never shrinks",
          "4: white character at column 1, row 3: nothing below it, it falls out of the world"}},
        {"a character over a gap in the floor, and one over a cloud, falls only where nothing "
         "it meets is below",
         "mapsize 6 5\nstockblock 2 4 red\nstockblock 3 4 green\ncloud 4 4 right white\n"
         "char 1 3.3 white null null 0 null null 0 null null 0\n"
         "char 2 3.3 red null null 0 null null 0 null null 0\n"
         "char 3 3.3 blue null null 0 null null 0 null null 0\n"
         "char 4 1.3 red null null 0 null null 0 null null 0\nexit 2 1 white\n",
         {"5: white character at column 1, row 3: nothing below it, it falls out of the world",
          "7: blue character at column 3, row 3: nothing below it, it falls out of the world"}},
        {"a cloud and an exit beyond the edge",
         "mapsize 6 5\ncloud 5.5 1 left white\n"
         "char 1 3.3 white null null 0 null null 0 null null 0\nexit 5 2 white\n",
         {"2: cloud at 5.5, 1 reaches outside the 6 x 5 map",
          "3: white character at column 1, row 3: nothing below it, it falls out of the world",
          "4: exit at 5, 2 reaches outside the 6 x 5 map"}},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = dir.filePath("t.level").toStdString();
        std::ofstream(path, std::ios::binary) << c.text;
        std::vector<std::string> got;
        for (const check_finding& f : level_checker().check({path})) {
            EXPECT_EQ(f.file, path);
            got.push_back(std::to_string(f.line) + ": " + f.message);
        }
        EXPECT_EQ(got, c.expected);
    }
}

TEST(level_checker, CommandIsSilentOnCleanFilesAndExitsOneOnFindings)
{
    auto run = [](const QStringList& files, std::string& out) {
        QProcess sim;
        sim.start(CF_SIM_BINARY, QStringList{"--check"} + files);
        EXPECT_TRUE(sim.waitForFinished(60000));
        out = sim.readAllStandardOutput().toStdString();
        return sim.exitCode();
    };
    std::string out;
    EXPECT_EQ(run({QString::fromStdString(fixtures + "map/1.level")}, out), 0);
    EXPECT_EQ(out, "");
    const QString broken = QString::fromStdString(fixtures + "broken.level");
    EXPECT_EQ(run({QString::fromStdString(fixtures + "map/1.level"), broken}, out), 1);
    EXPECT_EQ(out.rfind(fixtures + "broken.level:4: unknown keyword \"stockblok\"", 0), 0u) << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 16);
}

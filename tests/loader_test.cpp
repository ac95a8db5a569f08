// Level files: records, conversions, frames, deletes and hostile input.

#include "world_fixture.h"

#include "cloud.h"
#include "level_exit.h"
#include "level_format.h"

#include <QDir>
#include <fstream>
#include <sstream>

using loader = world_test;

TEST_F(loader, WorkedExampleBuildsFramedWorld)
{
    game_scene& s = load("mapsize 12 8\n"
                         "mkframe\n"
                         "stockblock 3 6 red\n"
                         "char 1 5 white red falling 3 blue cloud 2 white null 0\n"
                         "focusedchar 0\n"
                         "exit 10 6 white\n");
    EXPECT_EQ(s.grid_width, 12);
    EXPECT_EQ(s.grid_height, 8);
    EXPECT_EQ(s.sceneRect(), QRectF(-60, -60, 880, 600));
    int frame = 0;
    for (int c = 0; c < 12; ++c)
        for (int r = 0; r < 8; ++r)
            if (s.grid[c][r] && s.grid[c][r]->type == cfg::stock_expendable)
                ++frame;
    EXPECT_EQ(frame, 36);
    ASSERT_NE(s.grid[3][6], nullptr);
    EXPECT_EQ(s.grid[3][6]->type, cfg::static0);
    EXPECT_EQ(s.grid[3][6]->color, cfg::red);
    ASSERT_EQ(s.characters.size(), 1u);
    stockchar* ch = character(0);
    EXPECT_EQ(ch->x, 10000000);
    EXPECT_EQ(ch->y, 50000000);
    EXPECT_EQ(ch->stock_slots[0]->type, cfg::falling);
    EXPECT_EQ(ch->stock_slots[0]->colornum, 1);
    EXPECT_EQ(ch->stock_slots[0]->count, 3);
    EXPECT_EQ(ch->stock_slots[1]->type, cfg::cloud);
    EXPECT_EQ(ch->stock_slots[1]->colornum, 3);
    EXPECT_EQ(ch->stock_slots[2]->type, 0u);
    ASSERT_EQ(s.exits[0].size(), 1u);
    EXPECT_EQ(s.exits[0].front()->x, 100000000);
    EXPECT_EQ(last_output, "loading: " + dir.filePath("f0.level").toStdString() + " SUCCES\n");
}

TEST_F(loader, CoordinatesTruncateAndGridObjectsSnapToTheirCell)
{
    game_scene& s = load("mapsize 10 10\n"
                         "stockblock 2.9 3.9 green\n"
                         "cloud 4 2 sideways blue\n"
                         "char 2.5 -1 purple null null 256 null null 300 null null 10\n"
                         "falling 1e0 0.5 red\n");
    ASSERT_NE(s.grid[2][3], nullptr);
    EXPECT_EQ(s.grid[2][3]->x, 20000000);
    EXPECT_EQ(s.grid[2][3]->y, 30000000);
    ASSERT_EQ(s.clouds[3].size(), 1u);
    auto* c = static_cast<cloud*>(s.clouds[3].front());
    EXPECT_EQ(c->dir, 0);
    EXPECT_EQ(c->vx, 0);
    EXPECT_EQ(c->vy, 0);
    ASSERT_EQ(s.characters.size(), 1u);
    EXPECT_EQ(character(0)->x, 25000000);
    EXPECT_EQ(character(0)->y, -10000000);
    EXPECT_EQ(character(0)->color, cfg::white);
    EXPECT_EQ(character(0)->stock_slots[0]->count, 0);
    EXPECT_EQ(character(0)->stock_slots[1]->count, 44);
    ASSERT_EQ(s.fallings[1].size(), 1u);
    EXPECT_EQ(s.fallings[1].front()->x, 10000000);
    EXPECT_EQ(s.fallings[1].front()->y, 5000000);
}

TEST_F(loader, MenucharGetsMapMotionValues)
{
    game_scene& s = load("mapsize 4 4\nmenuchar 1 1 red null null 0 null null 0 null null 0\n"
                         "char 2 1 red null null 0 null null 0 null null 0\n");
    ASSERT_EQ(s.characters.size(), 2u);
    EXPECT_EQ(character(0)->walk_speed, 60000000);
    EXPECT_EQ(character(0)->ground_accel, 10000000);
    EXPECT_EQ(character(0)->air_accel, 5000000);
    EXPECT_EQ(character(0)->jump_speed, -100000000);
    EXPECT_EQ(character(1)->walk_speed, 24000000);
    EXPECT_EQ(character(1)->ground_accel, 24000000);
    EXPECT_EQ(character(1)->air_accel, 12000000);
    EXPECT_EQ(character(1)->jump_speed, -65000000);
}

TEST_F(loader, MkframeFillsOnlyEmptyBorderCells)
{
    game_scene& one = load("mapsize 1 1\nmkframe\n");
    ASSERT_NE(one.grid[0][0], nullptr);
    EXPECT_EQ(one.items().size(), one.gl_items.size()); // no stray items

    game_scene& three = load("mapsize 3 3\nmkframe\n");
    int count = 0;
    for (auto& column : three.grid)
        for (stockblock* b : column)
            count += b != nullptr;
    EXPECT_EQ(count, 8);
    EXPECT_EQ(three.grid[1][1], nullptr);

    game_scene& corner = load("mapsize 3 3\nstockblock 0 0 red\nmkframe\n");
    EXPECT_EQ(corner.grid[0][0]->type, cfg::static0);
    EXPECT_EQ(corner.grid[0][0]->color, cfg::red);
    EXPECT_EQ(corner.grid[2][0]->type, cfg::stock_expendable);
}

TEST_F(loader, ObjectsTakeTheSizesTheFormatGivesTheirKind)
{
    // The checker and the editor place objects by the format's sizes; the
    // objects themselves must agree.
    game_scene& s = load("mapsize 12 12\nstockblock 1 1 red\nstock_expendable 2 1 red\n"
                         "spikes 3 1 red\nfalling 4 4 red\ncloud 6 4 left red\nexit 8 8 red\n"
                         "char 2 8 red null null 0 null null 0 null null 0\n"
                         "level_entrance 5 8 1\n");
    auto size_of = [](const char* keyword) { return level_format::find(keyword)->size; };
    EXPECT_EQ(s.grid[1][1]->size, size_of("stockblock"));
    EXPECT_EQ(s.grid[2][1]->size, size_of("stock_expendable"));
    EXPECT_EQ(s.grid[3][1]->size, size_of("spikes"));
    ASSERT_EQ(s.fallings[1].size(), 1u);
    EXPECT_EQ(s.fallings[1].front()->size, size_of("falling"));
    ASSERT_EQ(s.clouds[1].size(), 1u);
    EXPECT_EQ(s.clouds[1].front()->size, size_of("cloud"));
    ASSERT_EQ(s.exits[1].size(), 1u);
    EXPECT_EQ(s.exits[1].front()->size, size_of("exit"));
    ASSERT_EQ(s.characters.size(), 1u);
    EXPECT_EQ(s.characters[0]->size, size_of("char"));
    ASSERT_EQ(s.entrances.size(), 1u);
    EXPECT_EQ(s.entrances.front()->size, size_of("level_entrance"));
}

TEST_F(loader, DeleteRemovesOverlappingObjectsOnly)
{
    game_scene& s = load("mapsize 10 10\nstockblock 3 6 red\ndelete 5 5\n");
    ASSERT_NE(s.grid[3][6], nullptr);
    load_more("delete 3 6\n");
    EXPECT_EQ(s.grid[3][6], nullptr);
    // A delete that removes a character fails the level, like a blast.
    load_more("char 5.5 5.5 blue null null 0 null null 0 null null 0\n"
              "cloud 5 5 up green\ndelete 5 5\n");
    EXPECT_TRUE(s.characters.empty());
    EXPECT_TRUE(s.clouds[2].empty());
    EXPECT_TRUE(s.failed_request);
}

TEST_F(loader, KeywordsAreExactAndJunkIsIgnored)
{
    game_scene& s = load("mapsize 6 6\n"
                         "Stockblock 1 1 red\n"
                         "level_exit 2 2 red\n"
                         "   \n"
                         "# a comment\n"
                         "stockblock 2 2 green extra words here\r\n"
                         "stockblock\t3\t3\tblue\r\n"
                         "stockblock 4 4"); // no final newline, colour missing: white
    EXPECT_EQ(s.grid[1][1], nullptr);
    EXPECT_TRUE(s.exits[1].empty());
    ASSERT_NE(s.grid[2][2], nullptr);
    EXPECT_EQ(s.grid[2][2]->color, cfg::green);
    ASSERT_NE(s.grid[3][3], nullptr);
    EXPECT_EQ(s.grid[3][3]->color, cfg::blue);
    ASSERT_NE(s.grid[4][4], nullptr);
    EXPECT_EQ(s.grid[4][4]->color, cfg::white);
}

TEST_F(loader, MissingFileReportsFailure)
{
    scene = std::make_unique<game_scene>();
    const std::string path = dir.filePath("nothing-here.level").toStdString();
    testing::internal::CaptureStdout();
    EXPECT_FALSE(scene->load_from_file(path));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "loading: " + path + " FAILED\n");
    EXPECT_FALSE(scene->has_grid());
    // A directory is not a level either.
    testing::internal::CaptureStdout();
    EXPECT_FALSE(scene->load_from_file(dir.path().toStdString()));
    EXPECT_NE(testing::internal::GetCapturedStdout().find(" FAILED"), std::string::npos);
}

TEST_F(loader, ALogStreamTakesTheLoadingLineInsteadOfStandardOutput)
{
    const std::string path = dir.filePath("quiet.level").toStdString();
    std::ofstream(path) << "mapsize 4 4\n";
    scene = std::make_unique<game_scene>();
    std::ostringstream log;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(scene->load_from_file(path, log));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(log.str(), "loading: " + path + " SUCCES\n");
    EXPECT_TRUE(scene->has_grid());
}

TEST_F(loader, GridObjectsOutsideTheMapOrBeforeItAreIgnored)
{
    game_scene& s = load("stockblock 1 1 red\n"
                         "spikes 1 1 red\n"
                         "mapsize 4 3\n"
                         "stockblock 4 1 red\n"
                         "stockblock 1 3 red\n"
                         "stock_expendable -1 0 red\n"
                         "spikes 1 1 green\n");
    EXPECT_TRUE(s.spikes_list.size() == 1);
    int count = 0;
    for (auto& column : s.grid)
        for (stockblock* b : column)
            count += b != nullptr;
    EXPECT_EQ(count, 1);
    // -0.5 truncates to column 0: inside.
    load_more("stock_expendable -0.5 0 red\n");
    ASSERT_NE(s.grid[0][0], nullptr);
    EXPECT_EQ(s.grid[0][0]->x, 0);
}

TEST_F(loader, ObjectOnOccupiedCellReplacesTheOldOne)
{
    game_scene& s = load("mapsize 4 4\nspikes 1 1 red\nstockblock 1 1 blue\n");
    ASSERT_NE(s.grid[1][1], nullptr);
    EXPECT_EQ(s.grid[1][1]->type, cfg::static0);
    EXPECT_TRUE(s.spikes_list.empty());
    EXPECT_EQ(s.items().size(), s.gl_items.size());
}

TEST_F(loader, SecondMapsizeGrowsAndKeepsObjects)
{
    game_scene& s = load("mapsize 4 6\nstockblock 3 5 red\n");
    load_more("mapsize 8 2\nstockblock 7 1 green\n");
    EXPECT_EQ(s.grid_width, 8);
    EXPECT_EQ(s.grid_height, 6);
    ASSERT_NE(s.grid[3][5], nullptr);
    ASSERT_NE(s.grid[7][1], nullptr);
    EXPECT_EQ(s.sceneRect(), QRectF(-60, -60, 8 * 60 + 160, 6 * 60 + 120));
}

TEST_F(loader, UnreadableNumbersSkipTheRecord)
{
    game_scene& s = load("mapsize 4 4\n"
                         "mapsize x 4\n"
                         "mapsize 0 9\n"
                         "mapsize 100000 100000\n"
                         "stockblock one 1 red\n"
                         "cloud 1 nan up red\n"
                         "falling 1 inf red\n"
                         "falling 1 1e300 red\n"
                         "char 1 1 red null null -1 null null 0 null null 0\n"
                         "char 1 1 red null null 1\n"
                         "focusedchar -3\n"
                         "exit 1 1.5.2 red\n");
    EXPECT_EQ(s.grid_width, 4);
    EXPECT_EQ(s.grid_height, 4);
    EXPECT_EQ(s.grid[1][1], nullptr);
    EXPECT_TRUE(s.clouds[1].empty());
    EXPECT_TRUE(s.fallings[1].empty());
    EXPECT_TRUE(s.characters.empty());
    EXPECT_EQ(s.focused, 0u);
    EXPECT_TRUE(s.exits[1].empty());
}

TEST_F(loader, GridsPastTheEdgeOrCellLimitAreRefused)
{
    // Each side is limited to 10000 cells and the whole grid, grown over
    // several records, to four million.
    const struct {
        const char* records;
        int width, height;
    } cases[] = {
        {"mapsize 10000 400\n", 10000, 400},
        {"mapsize 10001 1\n", 2, 2},
        {"mapsize 1 10001\n", 2, 2},
        {"mapsize 10000 401\n", 2, 2},
        {"mapsize 4000 1\nmapsize 1 1001\n", 4000, 2},
    };
    for (const auto& c : cases) {
        game_scene& s = load(std::string("mapsize 2 2\n") + c.records);
        EXPECT_EQ(s.grid_width, c.width) << c.records;
        EXPECT_EQ(s.grid_height, c.height) << c.records;
    }
}

TEST_F(loader, HostileFixturesNeverCrash)
{
    // Binary noise, huge lines and every keyword with garbage arguments.
    QDir fixtures(CF_TESTS_DIR "/fixtures/levels");
    const QStringList names = fixtures.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        scene = std::make_unique<game_scene>();
        testing::internal::CaptureStdout();
        EXPECT_TRUE(scene->load_from_file(fixtures.filePath(name).toStdString()))
            << name.toStdString();
        testing::internal::GetCapturedStdout();
        for (int i = 0; i < 60; ++i)
            scene->tick();
        scene->flush_blocks();
    }
}

// The level editor's document and store: what it reads and writes must be
// what the loader builds, and a save must never cost the previous file.

#include "cfg.h"
#include "game_scene.h"
#include "level_checker.h"
#include "level_document.h"
#include "level_store.h"
#include "replay.h"
#include "stockblock.h"

#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace
{

const std::string shipped_levels = CF_TESTS_DIR "/../data/maps/levels/";
const long long m = cfg::multiplier;

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void write_file(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// The world a level file builds, as the simulator prints it before the
// first tick, plus the exits it does not print.
std::string world_at_tick_0(const std::string& path)
{
    std::ostringstream trace;
    testing::internal::CaptureStdout();
    run_replay(path, replay_script{}, 0, trace);
    game_scene scene;
    scene.load_from_file(path);
    testing::internal::GetCapturedStdout();
    for (int c = 0; c < 4; ++c)
        for (const auto* b : scene.exits[c])
            trace << "exit " << c << ' ' << b->x << ' ' << b->y << '\n';
    return trace.str();
}

} // namespace

TEST(EditorDocument, EveryShippedLevelSavedAgainBuildsTheSameWorld)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QStringList files = QDir(QString::fromStdString(shipped_levels))
                                  .entryList({"*.level"}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 12);
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const std::string original = shipped_levels + file.toStdString();
        const level_document doc = level_document::from_text(read_file(original));
        const std::string saved = tmp.path().toStdString() + "/" + file.toStdString();
        write_file(saved, doc.to_text());
        const std::string world = world_at_tick_0(original);
        ASSERT_NE(world.find("0 char 0 "), std::string::npos) << world;
        ASSERT_NE(world.find("\ngrid "), std::string::npos) << world;
        ASSERT_NE(world.find("\nexit "), std::string::npos) << world;
        EXPECT_EQ(world_at_tick_0(saved), world);
        // The written file is as clean for the level checker as the original.
        for (const check_finding& f : level_checker().check({saved}))
            ADD_FAILURE() << f.file << ":" << f.line << ": " << f.message;
        // Saving what was saved writes the same file again, notes included.
        const level_document reread = level_document::from_text(doc.to_text());
        EXPECT_EQ(reread.to_text(), doc.to_text());
        EXPECT_EQ(reread.notes, doc.notes);
        EXPECT_FALSE(doc.notes.empty());
        // Every shipped level is framed, and a frame is written as one word.
        EXPECT_NE(doc.to_text().find("\nmkframe\n"), std::string::npos);
    }
}

TEST(EditorDocument, ReadsTextWithTheLoadersRules)
{
    const level_document doc =
        level_document::from_text("# a note\r\n"
                                  "mapsize 4 3\n"
                                  "stockblock 0 0 red\n"
                                  "mkframe\n"
                                  "stockblock 2.9 1.9 green\n"
                                  "spikes 2 1 blue\n"
                                  "stockblock 9 9 red\n"
                                  "falling 1 1 white\n"
                                  "delete 1 1\n"
                                  "char 1 1.3 purple red cloud 300 x y 1 blue falling 2\n"
                                  "level_entrance 1 1 somewhere\n"
                                  "focusedchar 0\n");
    EXPECT_EQ(doc.notes, std::vector<std::string>{"# a note"});
    EXPECT_EQ(doc.width, 4);
    EXPECT_EQ(doc.height, 3);
    // The frame fills the nine empty border cells around the red corner; the
    // spikes replace the green block in its snapped cell; the record outside
    // the map and the deleted falling block are gone.
    ASSERT_EQ(doc.records.size(), 12u);
    EXPECT_EQ(doc.records[0].colour, 1);
    const level_record& spikes = doc.records[10];
    EXPECT_EQ(spikes.kind, level_record::spikes);
    EXPECT_EQ(spikes.x, 2 * m);
    EXPECT_EQ(spikes.y, m);
    const level_record& ch = doc.records[11];
    EXPECT_EQ(ch.kind, level_record::character);
    EXPECT_EQ(ch.colour, 0);
    EXPECT_EQ(ch.stock_slots[0].type, cfg::cloud);
    EXPECT_EQ(ch.stock_slots[0].count, 44); // 300 wraps like the 8-bit store
    EXPECT_EQ(ch.stock_slots[1].type, 0u);
    EXPECT_EQ(ch.stock_slots[1].count, 1);
}

TEST(EditorDocument, SkipsAByteOrderMarkLikeTheLoader)
{
    const std::string text = "# a note\nmapsize 5 4\nmkframe\nexit 2 1 red\n";
    const level_document marked = level_document::from_text("\xEF\xBB\xBF" + text);
    EXPECT_EQ(marked, level_document::from_text(text));
    EXPECT_EQ(marked.width, 5);
    EXPECT_EQ(marked.to_text(), text);
}

TEST(EditorDocument, PlacingReplacesWhatTheNewObjectWouldOverlap)
{
    level_document doc = level_document::from_text("mapsize 5 4\n");
    ASSERT_TRUE(doc.place(level_document::make(level_record::stockblock, 1, 1, 0)));
    ASSERT_TRUE(doc.place(level_document::make(level_record::character, 2, 2, 1)));
    ASSERT_TRUE(doc.place(level_document::make(level_record::cloud, 4, 0, 2, cfg::l)));
    // A 2 x 2 exit takes the place of the block in its own cell, not of the
    // character in another one.
    EXPECT_FALSE(doc.place(level_document::make(level_record::exit, 1, 1, 3)));
    ASSERT_TRUE(doc.erase_at(2, 2));
    ASSERT_TRUE(doc.place(level_document::make(level_record::exit, 1, 1, 3)));
    ASSERT_EQ(doc.records.size(), 2u);
    EXPECT_EQ(doc.records[1].kind, level_record::exit);
    EXPECT_EQ(doc.record_at(2, 2), 1);
    EXPECT_EQ(doc.record_at(3, 3), -1);
    // Nothing may stick out of the map.
    EXPECT_FALSE(doc.place(level_document::make(level_record::exit, 4, 3, 0)));
    EXPECT_FALSE(doc.place(level_document::make(level_record::stockblock, 5, 0, 0)));
    EXPECT_TRUE(doc.erase_at(2, 1));
    EXPECT_FALSE(doc.erase_at(2, 1));
    ASSERT_EQ(doc.records.size(), 1u);
    // Shrinking drops the cloud in the last column, as the loader would.
    EXPECT_TRUE(doc.resize(4, 4));
    EXPECT_TRUE(doc.records.empty());

    // A frame with a gap is no frame: the loader's word would fill the gap.
    level_document framed = level_document::from_text("mapsize 3 3\nmkframe\n");
    framed.place(level_document::make(level_record::stockblock, 2, 1, 1));
    // A block on the border is written before the frame, which then leaves it.
    EXPECT_EQ(framed.to_text(), "mapsize 3 3\nstockblock 2 1 red\nmkframe\n");
    framed.erase_at(0, 1);
    EXPECT_EQ(framed.to_text().find("mkframe"), std::string::npos);
    EXPECT_EQ(level_document::from_text(framed.to_text()).record_at(0, 1), -1);
    EXPECT_FALSE(doc.resize(level_document::min_edge - 1, 4));
    EXPECT_EQ(doc.width, 4);
}

TEST(EditorDocument, PlacingReplacesOnlyWhatStandsInItsOwnCell)
{
    // Columns 1 to 5 and rows 1 to 4 inside the frame; a red block at (2, 2),
    // a white exit over (3, 1) to (4, 2) and a red character at (1, 3).
    const level_document start =
        level_document::from_text("mapsize 7 6\nmkframe\nstockblock 2 2 red\nexit 3 1 white\n"
                                  "char 1 3.3 red null null 0 null null 0 null null 0\n");
    const struct {
        const char* what;
        level_record::kind_t kind;
        int column, row;
        bool fits;
        size_t in_the_way;
    } cases[] = {
        {"an exit on free cells", level_record::exit, 2, 3, true, 0},
        {"an exit in the bottom-right corner", level_record::exit, 5, 4, true, 3},
        {"an exit against the right wall", level_record::exit, 5, 1, true, 2},
        {"an exit reaching into the floor", level_record::exit, 2, 4, true, 2},
        {"an exit on the left wall", level_record::exit, 0, 1, true, 1},
        {"an exit reaching over the block", level_record::exit, 1, 1, true, 1},
        {"an exit half over the other exit", level_record::exit, 2, 1, true, 2},
        {"an exit over the other exit", level_record::exit, 3, 1, true, 0},
        {"an exit on the character's cell", level_record::exit, 1, 3, true, 0},
        {"an exit out of the map", level_record::exit, 6, 2, false, 1},
        {"a block on the block", level_record::stockblock, 2, 2, true, 0},
        {"a block on the frame", level_record::stockblock, 0, 2, true, 0},
        {"a block in the exit's corner", level_record::stockblock, 4, 2, true, 0},
        {"a cloud on the character", level_record::cloud, 1, 3, true, 0},
        {"a character on the block", level_record::character, 2, 2, true, 0},
    };
    const long long m = cfg::multiplier;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        level_document doc = start;
        // Blue, a colour nothing there has, so that no record equals the new one.
        const level_record r = level_document::make(c.kind, c.column, c.row, 3);
        EXPECT_EQ(doc.fits(r), c.fits);
        EXPECT_EQ(doc.in_the_way(r).size(), c.in_the_way);
        const bool placed = c.fits && c.in_the_way == 0;
        EXPECT_EQ(doc.place(r), placed);
        if (!placed) {
            EXPECT_EQ(doc, start) << "a refused placement changes nothing";
            continue;
        }
        const int here = doc.record_at(c.column, c.row);
        ASSERT_GE(here, 0);
        EXPECT_EQ(doc.records[here], r);
        for (const level_record& o : start.records) {
            const bool replaced = o.covers(c.column * m, c.row * m, m);
            EXPECT_EQ(std::count(doc.records.begin(), doc.records.end(), o), replaced ? 0 : 1)
                << level_format::write_record(o);
        }
    }
}

TEST(EditorDocument, ShrinkingKeepsWhatEndsOnTheNewBorder)
{
    // Each kind in the new map's corner, its right or bottom edge on the new
    // border, and one cell further, where it would stick out.
    const struct {
        level_record::kind_t kind;
        int cells; // the object's size in cells, rounded up
    } kinds[] = {{level_record::stockblock, 1}, {level_record::stock_expendable, 1},
                 {level_record::spikes, 1},     {level_record::falling, 1},
                 {level_record::cloud, 1},      {level_record::exit, 2},
                 {level_record::character, 1}};
    const int width = 5, height = 4;
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        const int column = width - k.cells, row = height - k.cells;
        const struct {
            int column, row;
            bool kept;
        } places[] = {{column, row, true}, {column + 1, row, false}, {column, row + 1, false}};
        for (const auto& p : places) {
            level_document doc = level_document::from_text("mapsize 8 8\n");
            ASSERT_TRUE(doc.place(level_document::make(k.kind, p.column, p.row, 1)));
            EXPECT_TRUE(doc.resize(width, height));
            EXPECT_EQ(doc.records.size(), p.kept ? 1u : 0u) << p.column << "," << p.row;
            // What is kept is what the loader keeps of the written text.
            EXPECT_EQ(level_document::from_text(doc.to_text()), doc);
        }
    }
}

TEST(EditorStore, RefusesNamesUnsafeForAFileName)
{
    QTemporaryDir tmp;
    const level_store store(tmp.path().toStdString());
    const struct {
        const char* name;
        bool safe;
    } cases[] = {{"castle-2", true},
                 {"My_Level", true},
                 {"", false},
                 {"..", false},
                 {"../escape", false},
                 {"a/b", false},
                 {".hidden", false},
                 {"-rf", false},
                 {"two words", false},
                 {"semi;colon", false},
                 {"abcdefghijklmnopqrstuvwxy", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(level_store::name_is_safe(c.name), c.safe);
        std::string error;
        EXPECT_EQ(store.save(c.name, "mapsize 3 3\n", error), c.safe);
        EXPECT_EQ(error, c.safe ? "" : "UNSAFE NAME");
    }
    EXPECT_EQ(store.names(), (std::vector<std::string>{"My_Level", "castle-2"}));
    EXPECT_FALSE(QFileInfo::exists(tmp.path() + "/../escape.level"));
}

TEST(EditorStore, AFailingSaveLeavesThePreviousFileIntact)
{
    QTemporaryDir tmp;
    const level_store store(tmp.path().toStdString() + "/levels");
    std::string error;
    ASSERT_TRUE(store.save("keep", "mapsize 3 3\n", error));
    EXPECT_EQ(read_file(store.path_of("keep")), "mapsize 3 3\n");

    // The temporary file cannot be made: something else holds its name.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(store.directory + ".keep.level.tmp")));
    EXPECT_FALSE(store.save("keep", "mapsize 9 9\n", error));
    EXPECT_EQ(error, "SAVE FAILED");
    EXPECT_EQ(read_file(store.path_of("keep")), "mapsize 3 3\n");

    // The rename cannot replace a directory of the level's name.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(store.path_of("taken"))));
    EXPECT_FALSE(store.save("taken", "mapsize 9 9\n", error));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(store.directory + ".taken.level.tmp")));

    // Temporaries and the test-play file are no levels of the list.
    ASSERT_TRUE(level_store::write_file(store.tryout_path(), "mapsize 3 3\n"));
    EXPECT_EQ(store.names(), std::vector<std::string>{"keep"});
    std::string text;
    EXPECT_TRUE(store.read("keep", text));
    EXPECT_FALSE(store.read("taken", text));
    EXPECT_TRUE(store.remove("keep"));
    EXPECT_TRUE(store.names().empty());
}

TEST(EditorDocument, HostileFilesOpenAndSaveToAStableText)
{
    const QStringList files = QDir(CF_TESTS_DIR "/fixtures/levels").entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const level_document doc = level_document::from_text(
            read_file(CF_TESTS_DIR "/fixtures/levels/" + file.toStdString()));
        const std::string text = doc.to_text();
        EXPECT_EQ(level_document::from_text(text).to_text(), text);
    }
    // The largest map the loader accepts reads its frame quickly, and one
    // cell more is refused as the loader refuses it.
    const level_document big = level_document::from_text("mapsize 2000 2000\nmkframe\n");
    EXPECT_EQ(big.records.size(), 4u * 1999);
    EXPECT_EQ(level_document::from_text("mapsize 2001 2000\n").width, 1);
}

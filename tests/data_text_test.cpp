// Data files read the same on every desktop: numbers are C text whatever
// the locale, and a byte-order mark in front of the first record is skipped.

#include "data_text.h"
#include "progress_manager.h"
#include "replay.h"

#include <QTemporaryDir>
#include <clocale>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace
{

const char* const comma_locale = "de_DE.UTF-8";

// Switches the whole process to a locale for one scope, as QApplication
// does from the environment at start-up.
class process_locale
{
  public:
    explicit process_locale(const char* name)
        : saved(std::setlocale(LC_ALL, nullptr)), ok(std::setlocale(LC_ALL, name) != nullptr)
    {
    }
    ~process_locale() { std::setlocale(LC_ALL, saved.c_str()); }
    const std::string saved;
    const bool ok;
};

std::string write_file(const QTemporaryDir& dir, const std::string& name, const std::string& text)
{
    const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string trace_of(const std::string& level_path, const std::string& script_text, int ticks)
{
    std::istringstream script_in(script_text);
    const replay_script script = parse_replay_script(script_in);
    EXPECT_TRUE(script.ok()) << script.error;
    std::ostringstream trace;
    testing::internal::CaptureStdout();
    run_replay(level_path, script, ticks, trace);
    testing::internal::GetCapturedStdout();
    return trace.str();
}

const char* const fractional_level = "mapsize 12 8\n"
                                     "mkframe\n"
                                     "stockblock 3.9 6.5 red\n"
                                     "cloud 5.5 3.25 right green\n"
                                     "falling 8.75 1.5 white\n"
                                     "char 2.5 4.3 red red stockblock 3 null null 0 null null 0\n"
                                     "char 1e0 6.25 white null null 0 null null 0 null null 0\n"
                                     "exit 10 5.5 white\n";

} // namespace

TEST(data_text, NumbersAreCTextWhole)
{
    const struct {
        const char* word;
        bool ok;
        double value;
    } doubles[] = {{"2.5", true, 2.5}, {"-1", true, -1},  {"1e1", true, 10},  {"+3", true, 3},
                   {"2,5", false, 0},  {"", false, 0},    {"2.5x", false, 0}, {"1e999", false, 0},
                   {".5", true, 0.5},  {"4.3", true, 4.3}};
    for (const auto& d : doubles) {
        double v = -7;
        EXPECT_EQ(data_text::read_double(d.word, v), d.ok) << d.word;
        if (d.ok) {
            EXPECT_EQ(v, d.value) << d.word;
        }
    }
    const struct {
        const char* word;
        bool ok;
        long long value;
    } integers[] = {
        {"12", true, 12},  {"-4", true, -4},  {"+7", true, 7}, {"+", false, 0},
        {"+-3", false, 0}, {"1.0", false, 0}, {"", false, 0},  {"99999999999999999999", false, 0}};
    for (const auto& i : integers) {
        long long v = -7;
        EXPECT_EQ(data_text::read_integer(i.word, v), i.ok) << i.word;
        if (i.ok) {
            EXPECT_EQ(v, i.value) << i.word;
        }
    }
}

TEST(data_text, LevelReadsTheSameUnderADecimalCommaLocale)
{
    QTemporaryDir dir;
    const std::string level = write_file(dir, "f.level", fractional_level);
    const std::string script = "1 press Right\n20 press Up\n24 release Up\n";
    const std::string in_c = trace_of(level, script, 40);
    ASSERT_NE(in_c.find("char 1 10000000 62500000"), std::string::npos) << in_c;
    ASSERT_NE(in_c.find("char 0 "), std::string::npos);

    process_locale german(comma_locale);
    // The test command generates this locale; without it nothing is proved.
    ASSERT_TRUE(german.ok) << "locale " << comma_locale << " is not available";
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 2.5);
    ASSERT_STREQ(buffer, "2,5") << "the locale does not write a decimal comma";
    EXPECT_EQ(trace_of(level, script, 40), in_c);
}

TEST(data_text, ByteOrderMarkBeforeTheFirstRecordIsSkipped)
{
    const std::string bom = "\xEF\xBB\xBF";
    QTemporaryDir dir;
    const std::string level_text =
        "mapsize 6 5\nchar 2 3 white null null 0 null null 0 null null 0\n";
    const std::string plain = trace_of(write_file(dir, "a.level", level_text), "", 3);
    EXPECT_EQ(trace_of(write_file(dir, "b.level", bom + level_text), "", 3), plain);
    ASSERT_NE(plain.find("0 char 0 20000000 30000000"), std::string::npos) << plain;

    std::istringstream script_in(bom + "5 press Left\n");
    const replay_script script = parse_replay_script(script_in);
    ASSERT_TRUE(script.ok()) << script.error;
    ASSERT_EQ(script.events.size(), 1u);
    EXPECT_EQ(script.events[0].tick, 5);

    // Lists and the progress file, each with a mark.
    const std::string menus = write_file(dir, "menus.list", bom + "0\n2\n");
    const std::string levels = write_file(dir, "levels.list", bom + "first\nsecond\n");
    const std::string progress = write_file(dir, "passed_levels", bom + "first\n");
    testing::internal::CaptureStdout();
    progress_manager store(menus, levels, progress, dir.path().toStdString() + "/");
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(store.levels.size(), 2u);
    EXPECT_EQ(store.levels[0].name, "first");
    EXPECT_TRUE(store.check_if_passed("first"));
    EXPECT_EQ(store.passed_count, 1u);
    EXPECT_EQ(store.get_all_menuses().size(), 1u);

    // A lone first byte of a mark is not one: the stream is left whole.
    std::istringstream half("\xEF"
                            "abc");
    data_text::skip_byte_order_mark(half);
    std::string rest;
    half >> rest;
    EXPECT_EQ(rest, "\xEF"
                    "abc");
}

// The simulator against the reference traces, its script parsing, and our
// own small replays with the lines they must print.

#include "replay.h"
#include "world_fixture.h"

#include <QDir>
#include <QProcess>
#include <clocale>
#include <fstream>
#include <sstream>

namespace
{

struct run_result {
    int exit_code = -1;
    std::string out, err;
};

run_result run_sim(const QStringList& args,
                   const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess sim;
    sim.setProcessEnvironment(env);
    sim.start(CF_SIM_BINARY, args);
    run_result r;
    if (!sim.waitForFinished(120000))
        return r;
    r.exit_code = sim.exitCode();
    r.out = sim.readAllStandardOutput().toStdString();
    r.err = sim.readAllStandardError().toStdString();
    return r;
}

std::string without_loading_lines(const std::string& text)
{
    std::istringstream in(text);
    std::string out, line;
    while (std::getline(in, line))
        if (line.rfind("loading: ", 0) != 0)
            out += line + "\n";
    return out;
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(simulator, ReproducesEveryReferenceTraceByteForByte)
{
    QDir cases(CF_SIM_CASES_DIR);
    const QStringList levels = cases.entryList({"*.level"}, QDir::Files, QDir::Name);
    ASSERT_GE(levels.size(), 30);
    for (const QString& level : levels) {
        const QString base = level.chopped(6);
        const run_result r = run_sim({cases.filePath(level), cases.filePath(base + ".script")});
        ASSERT_EQ(r.exit_code, 0) << base.toStdString() << ": " << r.err;
        const std::string expected = read_file(cases.filePath(base + ".trace").toStdString());
        const std::string got = without_loading_lines(r.out);
        if (got != expected) {
            // Point at the first differing line rather than dumping traces.
            std::istringstream a(got), b(expected);
            std::string la, lb;
            int n = 0;
            while (std::getline(a, la) && std::getline(b, lb) && la == lb)
                ++n;
            ADD_FAILURE() << base.toStdString() << " differs at line " << n + 1 << ": got \"" << la
                          << "\", expected \"" << lb << "\"";
        }
    }
}

TEST(simulator, ShippedSolutionsTraceTheSameUnderADecimalCommaLocale)
{
    auto in_locale = [](const char* name) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", name);
        env.insert("LANG", name);
        return env;
    };
    // Without the locale this test would prove nothing; the test command makes it.
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "de_DE.UTF-8 is not available";
    std::setlocale(LC_ALL, saved.c_str());
    QDir solutions(CF_STAGE_DIR "solutions");
    const QStringList scripts = solutions.entryList({"*.script"}, QDir::Files, QDir::Name);
    ASSERT_GE(scripts.size(), 12);
    for (const QString& script : scripts) {
        const QString level = CF_STAGE_DIR "maps/levels/" + script.chopped(7) + ".level";
        const QStringList args = {level, solutions.filePath(script), "--ticks", "3000"};
        const run_result c = run_sim(args, in_locale("C"));
        const run_result german = run_sim(args, in_locale("de_DE.UTF-8"));
        ASSERT_EQ(c.exit_code, 0) << c.err;
        EXPECT_NE(c.out.find(" char 0 "), std::string::npos) << script.toStdString();
        EXPECT_TRUE(german.out == c.out) << script.toStdString() << " traces differ";
    }
}

TEST(simulator, MalformedScriptsExitTwoNamingTheLine)
{
    QTemporaryDir dir;
    const std::string level = dir.filePath("l.level").toStdString();
    std::ofstream(level) << "mapsize 5 5\nmkframe\n";
    const char* bad_scripts[] = {"1 press Left\n2 press Escape\n",
                                 "1 press Left\n\n0 press Up\n",
                                 "x press Up\n",
                                 "1 place 0 1 2 sideways\n",
                                 "1 place 0 1\n",
                                 "1 jump\n",
                                 "1 release Left extra\n",
                                 "4 press Up\n5 rewind\n",
                                 "5 rewind -1\n",
                                 "5 rewind 2 3\n",
                                 "5 rewind two\n"};
    const int bad_lines[] = {2, 3, 1, 1, 1, 1, 1, 2, 1, 1, 1};
    for (size_t i = 0; i < std::size(bad_scripts); ++i) {
        const std::string script = dir.filePath("s.script").toStdString();
        std::ofstream(script) << bad_scripts[i];
        const run_result r =
            run_sim({QString::fromStdString(level), QString::fromStdString(script)});
        EXPECT_EQ(r.exit_code, 2) << bad_scripts[i];
        EXPECT_NE(r.err.find("line " + std::to_string(bad_lines[i])), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << "nothing may be simulated";
    }
    EXPECT_EQ(run_sim({}).exit_code, 2);
    EXPECT_EQ(run_sim({QString::fromStdString(level), "--ticks", "-4"}).exit_code, 2);
}

TEST(simulator, TicksOptionAndMissingLevel)
{
    QTemporaryDir dir;
    const run_result r = run_sim({dir.filePath("absent.level"), "--ticks", "3"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_NE(r.out.find("loading: " + dir.filePath("absent.level").toStdString() + " FAILED\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("3 focus 0\nend 3 running\n"), std::string::npos) << r.out;
}

TEST(replay_script, CommentsBlankLinesAndKeys)
{
    std::istringstream in("# heading\n\n3 press Space # open doors\n4 release Z\n"
                          "5 place 2 -1 7 up\n");
    const replay_script s = parse_replay_script(in);
    ASSERT_TRUE(s.ok()) << s.error;
    ASSERT_EQ(s.events.size(), 3u);
    EXPECT_EQ(s.events[0].key, Qt::Key_Space);
    EXPECT_EQ(s.events[1].kind, replay_event::release);
    EXPECT_EQ(s.events[1].key, Qt::Key_Z);
    EXPECT_EQ(s.events[2].column, -1);
    EXPECT_EQ(s.events[2].direction, cfg::g);
}

// Every tests/replays/NAME.level runs with NAME.script; the lines of
// NAME.expect must appear in the trace in that order.
class replay_files : public world_test
{
};

TEST_F(replay_files, PrintTheExpectedLines)
{
    QDir dir(CF_TESTS_DIR "/replays");
    const QStringList expects = dir.entryList({"*.expect"}, QDir::Files, QDir::Name);
    ASSERT_FALSE(expects.isEmpty());
    for (const QString& name : expects) {
        const QString base = name.chopped(7);
        std::ifstream script_file(dir.filePath(base + ".script").toStdString());
        const replay_script script = parse_replay_script(script_file);
        ASSERT_TRUE(script.ok()) << script.error;
        std::ostringstream trace;
        testing::internal::CaptureStdout();
        run_replay(dir.filePath(base + ".level").toStdString(), script, 600, trace);
        testing::internal::GetCapturedStdout();
        std::istringstream expected(read_file(dir.filePath(name).toStdString()));
        // Whole lines only: "5 focus 0" must not match inside "15 focus 0".
        const std::string text = "\n" + trace.str();
        size_t from = 0;
        for (std::string line; std::getline(expected, line);) {
            if (line.empty() || line[0] == '#')
                continue;
            const size_t at = text.find("\n" + line + "\n", from);
            EXPECT_NE(at, std::string::npos)
                << base.toStdString() << ": missing or out of order: " << line;
            if (at != std::string::npos)
                from = at + line.size();
        }
    }
}

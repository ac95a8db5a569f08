// The real game, killed with SIGKILL in the middle of a level, started again
// and continued: the world it takes up is one it had shown, at most a
// second before the kill. A clean quit loses nothing, and a damaged attempt
// is refused in one line while the game starts as usual.
//
// The game is driven through its test hooks: CF_ATTEMPT_TEST continues a
// kept attempt from the title at once and prints "attempt tick W F" after
// every world tick (W world ticks, F a fingerprint of the simulator's trace
// words for the world), CF_ATTEMPT_SCRIPT plays a script's inputs in and
// CF_ATTEMPT_QUIT quits cleanly at a world tick. CF_ATTEMPT_KILLS sets the
// number of kills (scripts/attempt_kills.sh makes twenty).

#include "attempt_record.h"
#include "cfg.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace
{

struct game_run {
    std::map<long long, std::string> worlds; // world tick -> fingerprint
    long long last = -1;                     // the last world tick shown
    long long continued_at = -1;
    std::string continued_world;
    std::string errors; // every other line of standard error
};

class attempt_game : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        QDir().mkpath(home.path() + "/.crumbleford");
        attempt = home.path().toStdString() + "/.crumbleford/attempt";
    }

    // A new attempt at `level`, not played yet, kept as the game keeps one.
    void keep_fresh_attempt(const std::string& level)
    {
        attempt_record r;
        r.level_name = level;
        r.level_path = cfg::levels_directory + level + cfg::level_suffix;
        r.fingerprint = attempt_record::fingerprint_of_file(r.level_path);
        std::ofstream(attempt, std::ios::binary) << r.text();
    }

    // Starts the game; reads its standard error until `until` says stop or
    // 20 seconds pass, then kills it with SIGKILL unless it ended itself.
    game_run run(const QString& script, const QString& quit_at,
                 const std::function<bool(const game_run&)>& until)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ALSOFT_DRIVERS", "null");
        env.insert("HOME", home.path());
        env.insert("CF_ATTEMPT_TEST", "1");
        if (!script.isEmpty())
            env.insert("CF_ATTEMPT_SCRIPT", script);
        if (!quit_at.isEmpty())
            env.insert("CF_ATTEMPT_QUIT", quit_at);
        QProcess game;
        game.setProcessEnvironment(env);
        game.setStandardOutputFile(QProcess::nullDevice());
        game.start(QStringLiteral(CF_GAME_BINARY), {});
        game_run r;
        if (!game.waitForStarted(10000)) {
            ADD_FAILURE() << "the game did not start";
            return r;
        }
        QByteArray pending;
        auto take_lines = [&] {
            pending += game.readAllStandardError();
            for (int end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1)) {
                std::istringstream words(pending.left(end).toStdString());
                std::string first, what, world;
                long long ticks = -1;
                if (words >> first >> what >> ticks >> world && first == "attempt") {
                    if (what == "continued") {
                        r.continued_at = ticks;
                        r.continued_world = world;
                    }
                    r.worlds[ticks] = world;
                    r.last = std::max(r.last, ticks);
                } else {
                    r.errors += pending.left(end + 1).toStdString();
                }
            }
        };
        QElapsedTimer clock;
        clock.start();
        while (game.state() != QProcess::NotRunning && !until(r) && clock.elapsed() < 20000) {
            game.waitForReadyRead(50);
            take_lines();
        }
        if (game.state() != QProcess::NotRunning) {
            game.kill(); // SIGKILL: nothing of the game runs on
            game.waitForFinished(10000);
        }
        // What it wrote before it died is still in the pipe.
        take_lines();
        return r;
    }

    QTemporaryDir home;
    std::string attempt;
};

} // namespace

TEST_F(attempt_game, KilledMidLevelItContinuesAtMostASecondBefore)
{
    const std::string level = "17";
    const QString script = QStringLiteral(CF_STAGE_DIR "solutions/17.script");
    const int kills = qEnvironmentVariableIsSet("CF_ATTEMPT_KILLS")
                          ? std::max(1, qEnvironmentVariableIntValue("CF_ATTEMPT_KILLS"))
                          : 3;
    long long worst = 0;
    for (int k = 0; k < kills; ++k) {
        SCOPED_TRACE("kill " + std::to_string(k));
        keep_fresh_attempt(level);
        // Killed at world ticks spread over the seconds and within them,
        // before the script passes the level (which ends the attempt).
        const long long kill_at = 35 + (37 * k) % 100;
        const game_run before =
            run(script, "", [&](const game_run& r) { return r.last >= kill_at; });
        ASSERT_GE(before.last, kill_at) << before.errors;
        const game_run after = run("", "", [](const game_run& r) { return r.continued_at >= 0; });
        ASSERT_GE(after.continued_at, 0) << "not continued: " << after.errors;
        const long long lost = before.last - after.continued_at;
        worst = std::max(worst, lost);
        EXPECT_GE(lost, 0);
        EXPECT_LE(lost, 30) << "more than a second of play lost";
        ASSERT_TRUE(before.worlds.count(after.continued_at));
        EXPECT_EQ(after.continued_world, before.worlds.at(after.continued_at))
            << "not the world the game had shown at world tick " << after.continued_at;
    }
    std::cout << "worst loss over the kills: " << worst << " world ticks" << std::endl;
    RecordProperty("worst_loss_ticks", static_cast<int>(worst));
}

TEST_F(attempt_game, CleanQuitLosesNothingAndADamagedAttemptIsRefused)
{
    keep_fresh_attempt("17");
    const QString script = QStringLiteral(CF_STAGE_DIR "solutions/17.script");
    const game_run quit = run(script, "47", [](const game_run&) { return false; });
    ASSERT_EQ(quit.last, 47) << quit.errors;
    const game_run back = run("", "", [](const game_run& r) { return r.continued_at >= 0; });
    EXPECT_EQ(back.continued_at, 47) << back.errors;
    EXPECT_EQ(back.continued_world, quit.worlds.at(47));

    // Cut short, as a disk that failed mid-write could leave it.
    std::string text;
    {
        std::ifstream in(attempt, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        text = all.str();
    }
    ASSERT_GT(text.size(), 10u);
    std::ofstream(attempt, std::ios::binary) << text.substr(0, text.size() - 5);
    QElapsedTimer clock;
    clock.start();
    const game_run refused = run("", "", [&](const game_run&) { return clock.elapsed() > 3000; });
    EXPECT_LT(refused.continued_at, 0) << "a damaged attempt was continued";
    std::istringstream lines(refused.errors);
    int about_attempt = 0;
    for (std::string line; std::getline(lines, line);)
        about_attempt += line.find("attempt") != std::string::npos;
    EXPECT_EQ(about_attempt, 1) << refused.errors;
    EXPECT_NE(refused.errors.find("cannot be continued"), std::string::npos) << refused.errors;
    EXPECT_GT(clock.elapsed(), 2900) << "the game did not start as usual";
}

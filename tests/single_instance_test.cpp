// One game per player: a second start leaves at once, asking the first to
// come to the front, and a lock left by a killed game blocks nothing.

#include "single_instance.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

QProcessEnvironment game_env(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ALSOFT_DRIVERS", "null");
    env.insert("HOME", home);
    return env;
}

// The pid a lock file names, or 0.
qint64 holder_of(const QString& lock_path)
{
    QLockFile probe(lock_path);
    qint64 pid = 0;
    QString host, app;
    return probe.getLockInfo(&pid, &host, &app) ? pid : 0;
}

bool wait_until(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

} // namespace

TEST(single_instance, ASecondStartSaysSoRaisesTheFirstAndExitsZero)
{
    QTemporaryDir home;
    const QString lock_path = home.path() + "/.crumbleford/running.lock";
    single_instance first(lock_path);
    ASSERT_TRUE(first.first());
    int raised = 0;
    first.serve([&] { ++raised; });
    // A lock held for an hour is still held: age alone never makes it stale.
    QFile lock_file(lock_path);
    ASSERT_TRUE(lock_file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lock_file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                      QFileDevice::FileModificationTime));
    lock_file.close();

    QProcess second;
    second.setProcessEnvironment(game_env(home.path()));
    second.start(QStringLiteral(CF_GAME_BINARY), {});
    ASSERT_TRUE(second.waitForStarted(10000));
    // Our event loop has to run for the request to be served.
    const bool ended = wait_until([&] { return second.state() == QProcess::NotRunning; }, 20000);
    if (!ended) {
        second.kill();
        second.waitForFinished();
    }
    ASSERT_TRUE(ended) << "the second copy started a game of its own";
    const QString err = QString::fromLocal8Bit(second.readAllStandardError());
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(err.count("Crumbleford is already running"), 1) << err.toStdString();
    EXPECT_TRUE(wait_until([&] { return raised == 1; }, 2000)) << raised;
    EXPECT_EQ(holder_of(lock_path), QCoreApplication::applicationPid())
        << "the lock was taken over";
}

TEST(single_instance, AGameKilledOutrightDoesNotBlockTheNextStart)
{
    QTemporaryDir home;
    const QString lock_path = home.path() + "/.crumbleford/running.lock";
    auto start = [&](QProcess& game) {
        game.setProcessEnvironment(game_env(home.path()));
        game.start(QStringLiteral(CF_GAME_BINARY), {});
        return game.waitForStarted(10000) &&
               wait_until([&] { return holder_of(lock_path) == game.processId(); }, 20000);
    };
    QProcess crashed;
    ASSERT_TRUE(start(crashed)) << crashed.readAllStandardError().toStdString();
    crashed.kill(); // SIGKILL: nothing of the game's own runs
    ASSERT_TRUE(crashed.waitForFinished(10000));
    ASSERT_TRUE(QFileInfo::exists(lock_path)) << "the killed game's lock stays behind";

    QProcess next;
    EXPECT_TRUE(start(next)) << "the next start did not take the lock: "
                             << next.readAllStandardError().toStdString();
    EXPECT_EQ(next.state(), QProcess::Running);
    // And that game is guarded in turn.
    single_instance third(lock_path);
    EXPECT_FALSE(third.first());
    next.kill();
    next.waitForFinished(10000);
}

TEST(single_instance, AnUnwritableHomeLetsTheGameRun)
{
    QTemporaryDir home;
    // ~/.crumbleford is a plain file: no lock can be made under it.
    QFile blocker(home.path() + "/.crumbleford");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    single_instance instance(home.path() + "/.crumbleford/running.lock");
    EXPECT_TRUE(instance.first());
    EXPECT_FALSE(instance.ask_to_raise(200)) << "nobody listens";
}

// A package's tests run before the data is installed: the game reads the
// data directory the environment names, with or without its final slash.
TEST(data_directory, TheEnvironmentNamesWhereTheDataIs)
{
    QTemporaryDir home;
    for (const QString& suffix : {QString("/elsewhere"), QString("/elsewhere/")}) {
        QProcess game;
        QProcessEnvironment env = game_env(home.path());
        env.insert("CRUMBLEFORD_DATA_DIR", home.path() + suffix);
        game.setProcessEnvironment(env);
        game.start(QStringLiteral(CF_GAME_BINARY), {});
        ASSERT_TRUE(game.waitForFinished(20000));
        const QString err = QString::fromLocal8Bit(game.readAllStandardError());
        EXPECT_EQ(game.exitCode(), 1);
        EXPECT_TRUE(err.contains(home.path() + "/elsewhere/textures/cf_2048.png "))
            << err.toStdString();
    }
}

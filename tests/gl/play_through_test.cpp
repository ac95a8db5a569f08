// The way through the game on a real X display, driven like a player with
// synthetic mouse and keyboard input: main menu, map, into a door, a level
// won by drawing a block from the stock, the passed menu, the map again with
// the door's passed look, the progress file, and a clean quit. Every step
// waits for the pixels that prove it landed and keeps its screenshot.

#include "atlas_table.h"
#include "gl/gl_game.h"

#include <QDirIterator>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace gl_game;

namespace
{

const QString data_dir = QStringLiteral(CF_TEST_DATA_DIR);

// The test's map and level are 10 x 6 grids; with the scene's 60-pixel
// margins they are 760 x 480 pixels, narrower than the screen, so the view
// shows them unscrolled and centred: block (c, r) lies at (80 + 60 c,
// 60 + 60 r).
QRect blocks(double c, double r, double w, double h)
{
    return QRect(int(80 + 60 * c), int(60 + 60 * r), int(60 * w), int(60 * h));
}

// Main menu buttons on 800 x 480.
const QRect play_button(650, 180, 120, 120);
const QRect quit_button(30, 180, 120, 120);
// The map's door (2 x 1 blocks); the character stands in its right part, so
// only the left part is compared.
const QRect door = blocks(3, 4, 2, 1);
const QRect door_left(door.x(), door.y(), 70, door.height());
// The level: its red exit, its drawn step, and the level's HUD brush.
const QRect exit_door = blocks(7, 1, 2, 2);
const QRect step_cell = blocks(5, 4, 1, 1);
const QRect brush_button(731, 9, 50, 50);
// The drawing surface's tool column: slot 0's block icon and the apply button.
const QRect slot0_icon(750, 88, 50, 50);
const QRect apply_button(695, 360, 100, 100);
// The passed menu: its banner row (620 x 60 texels at a row height of 50,
// centred) and the "TO[MAP[SELECT" row.
const QRect passed_banner(142, 15, 516, 50);
const QPoint to_map_select(400, 120);
// The map's back button, first slot of the HUD.
const QPoint map_back(44, 34);

bool copy_tree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QDir(from).relativeFilePath(source);
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

QByteArray read_file(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

class PlayThrough : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        if (!have_display())
            GTEST_SKIP() << "no X display";
        atlas_image = QImage(QStringLiteral(CF_STAGE_DIR "textures/cf_2048.png"));
        ASSERT_FALSE(atlas_image.isNull());

        // The test-data game reads a directory other tests fill too.
        lock = std::make_unique<QLockFile>(QDir::cleanPath(data_dir) + ".lock");
        ASSERT_TRUE(lock->lock());
        QDir(data_dir).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(data_dir + "textures"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(CF_STAGE_DIR "textures/cf_2048.png"),
                                data_dir + "textures/cf_2048.png"));
        ASSERT_TRUE(copy_tree(QStringLiteral(CF_TESTS_DIR "/gl/data/journey/"), data_dir));

        // A first start: an empty home, neither the game's directory nor its
        // progress file exists; passing the level creates both.
        ASSERT_TRUE(home.isValid());
        progress_path = home.path() + "/.crumbleford/passed_levels";
        ASSERT_FALSE(QFileInfo::exists(home.path() + "/.crumbleford"));

        for (const QString& old : QDir(artifacts()).entryList({"e2e-*"}, QDir::Files))
            QFile::remove(artifacts() + "/" + old);
        clock.start();
    }

    void TearDown() override
    {
        if (game) {
            game->stop();
            save_text("e2e-stdout.txt", game->out);
            save_text("e2e-stderr.txt", game->err);
        }
        save_text("e2e-log.txt", log);
        if (lock && lock->isLocked()) {
            QDir(data_dir).removeRecursively();
            lock->unlock();
        }
    }

    double look(const QImage& shot, const atlas::rect& cell, const QRect& area, int inset = 4)
    {
        return cell_agreement(shot, atlas_image, cell, area, inset);
    }

    // How much the map's door looks like `cell`, over its uncovered part.
    double door_look(const QImage& shot, const atlas::rect& cell)
    {
        const QImage drawn = drawn_cell(atlas_image, cell, door.size());
        return agreement(shot, door_left, drawn.copy(0, 0, door_left.width(), door_left.height()));
    }

    // Waits until the screen passes `ok`, keeping the last screenshot as
    // e2e-NN-name.png, and logs how long it took. A run that goes wrong
    // still ends within a minute, whichever step it stalls at.
    bool reach(const QString& name, const std::function<bool(const QImage&)>& ok, int timeout_ms)
    {
        const qint64 start = clock.elapsed();
        current = QStringLiteral("e2e-%1-%2.png").arg(++step, 2, 10, QChar('0')).arg(name);
        const int left = int(qMax<qint64>(0, budget_ms - start));
        const bool reached = game->wait_for_screen(current, ok, qMin(timeout_ms, left), shot);
        log += QStringLiteral("%1: %2 after %3 ms (at %4 ms)\n")
                   .arg(current, reached ? "reached" : "NOT reached")
                   .arg(clock.elapsed() - start)
                   .arg(clock.elapsed())
                   .toUtf8();
        return reached;
    }

    std::string failure() const
    {
        return "screenshot " + (artifacts() + "/" + current).toStdString() + "\n" +
               (game ? game->output() : std::string());
    }

    void note(const QString& what, double value)
    {
        log += QStringLiteral("  %1 = %2\n").arg(what).arg(value, 0, 'f', 3).toUtf8();
    }

    bool click(QPoint at)
    {
        return xdotool(
            {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    }

    bool key_down(const QString& key) { return xdotool({"keydown", key}); }
    bool key_up(const QString& key) { return xdotool({"keyup", key}); }

    // A deliberate press: held until the game reports that it took it (the
    // game names every key on standard error under CF_INPUT_TRACE), so it is
    // one press however busy the machine is. `traced` is the game's name of
    // the key where it differs from xdotool's.
    bool tap(const QString& key, const QString& traced = QString())
    {
        const QString name = traced.isEmpty() ? key : traced;
        const int before = presses_seen(name);
        if (!key_down(key))
            return false;
        const bool taken = game->wait_for([&] { return presses_seen(name) > before; }, 5000);
        return key_up(key) && taken;
    }

    int presses_seen(const QString& name) const
    {
        return int(QString::fromLocal8Bit(game->err).count("input: press " + name + "\n"));
    }

    void start_game()
    {
        QProcessEnvironment env = game_environment(home.path());
        env.insert("CF_INPUT_TRACE", "1");
        game = std::make_unique<running_game>(QStringLiteral(CF_TEST_DATA_GAME_BINARY), env);
        ASSERT_TRUE(game->process.waitForStarted(10000));
    }

    // The main menu on screen, and the window with the keyboard focus: no
    // window manager gives it.
    void reach_main_menu()
    {
        ASSERT_TRUE(reach(
            "main-menu",
            [&](const QImage& s) {
                return look(s, atlas::play, play_button) >= 0.9 &&
                       look(s, atlas::quit, quit_button) >= 0.9;
            },
            20000))
            << failure();
        ASSERT_EQ(shot.size(), QSize(800, 480)) << "the X screen must be 800 x 480";
        QByteArray ids;
        ASSERT_TRUE(xdotool({"search", "--name", "^crumbleford-test-data$"}, &ids)) << failure();
        const QString window = QString::fromLatin1(ids).split('\n', Qt::SkipEmptyParts).value(0);
        ASSERT_FALSE(window.isEmpty());
        if (!focused())
            xdotool({"windowfocus", window});
        ASSERT_TRUE(game->wait_for([&] { return focused(); }, 5000))
            << "the game window never got the focus\n"
            << failure();
    }

    // P leaves drawing: the red block stands on the step cell and the column
    // is gone. Then right and jump held: the character climbs the step and
    // the ledge and stops against the wall inside the exit. Space until the
    // level is passed, however slowly the machine ticks.
    void leave_drawing_and_climb_out(const QString& prefix)
    {
        ASSERT_TRUE(tap("p", "P"));
        ASSERT_TRUE(reach(
            prefix + "block-drawn",
            [&](const QImage& s) {
                return look(s, atlas::stock(1), step_cell) >= 0.9 &&
                       look(s, atlas::apply, apply_button, 8) < 0.5;
            },
            10000))
            << failure();
        ASSERT_TRUE(key_down("Right"));
        ASSERT_TRUE(key_down("Up"));
        const bool passed = reach(
            prefix + "level-passed",
            [&](const QImage& s) {
                if (look(s, atlas::level_passed, passed_banner) >= 0.9)
                    return true;
                tap("space", "Space");
                return false;
            },
            20000);
        key_up("Up");
        key_up("Right");
        ASSERT_TRUE(passed) << failure();
    }

    bool focused() const
    {
        const QString err = QString::fromLocal8Bit(game->err);
        return err.lastIndexOf("focus IN") > err.lastIndexOf("focus OUT");
    }

    static constexpr qint64 budget_ms = 50000;
    QImage atlas_image;
    std::unique_ptr<QLockFile> lock;
    QTemporaryDir home;
    QString progress_path;
    std::unique_ptr<running_game> game;
    QElapsedTimer clock;
    QByteArray log;
    int step = 0;
    QString current;
    QImage shot;
};

} // namespace

TEST_F(PlayThrough, FromTheMenuThroughALevelWonByDrawingBackToThePassedDoor)
{
    start_game();
    reach_main_menu();
    if (HasFatalFailure())
        return;

    // Play: the map, its door not passed yet.
    ASSERT_TRUE(click(play_button.center()));
    ASSERT_TRUE(reach(
        "map", [&](const QImage& s) { return door_look(s, atlas::door_in_np) >= 0.9; }, 10000))
        << failure();
    note("door, passed look", door_look(shot, atlas::door_in_p));
    EXPECT_LT(door_look(shot, atlas::door_in_p), 0.7) << failure();

    // The map character stands in the door: Space enters the level.
    ASSERT_TRUE(tap("space", "Space"));
    ASSERT_TRUE(reach(
        "level",
        [&](const QImage& s) {
            return look(s, atlas::door_out(1), exit_door) >= 0.9 &&
                   look(s, atlas::brush, brush_button, 6) >= 0.85;
        },
        10000))
        << failure();
    note("step cell before drawing", look(shot, atlas::stock(1), step_cell));
    EXPECT_LT(look(shot, atlas::stock(1), step_cell), 0.5) << failure();

    // P opens the drawing surface; its column shows the character's stock.
    ASSERT_TRUE(tap("p", "P"));
    ASSERT_TRUE(reach(
        "drawing",
        [&](const QImage& s) {
            return look(s, atlas::apply, apply_button, 8) >= 0.9 &&
                   look(s, atlas::stock(1), slot0_icon) >= 0.9;
        },
        10000))
        << failure();

    // Select the cell in front of the ledge and apply.
    ASSERT_TRUE(click(step_cell.center()));
    ASSERT_TRUE(click(apply_button.center()));
    leave_drawing_and_climb_out("");
    if (HasFatalFailure())
        return;

    // To the map: the door now has the passed look.
    ASSERT_TRUE(click(to_map_select));
    ASSERT_TRUE(reach(
        "map-door-passed", [&](const QImage& s) { return door_look(s, atlas::door_in_p) >= 0.9; },
        10000))
        << failure();
    note("door, not-passed look", door_look(shot, atlas::door_in_np));
    EXPECT_LT(door_look(shot, atlas::door_in_np), 0.7) << failure();
    EXPECT_EQ(read_file(progress_path), QByteArray("ledge\n"));

    // Back to the menu and quit: every scene is torn down cleanly.
    ASSERT_TRUE(click(map_back));
    ASSERT_TRUE(reach(
        "main-menu-again",
        [&](const QImage& s) { return look(s, atlas::play, play_button) >= 0.9; }, 10000))
        << failure();
    ASSERT_TRUE(click(quit_button.center()));
    // Waiting on a game that has already quit returns false: the quit may
    // land while the last key's trace line is being waited for.
    ASSERT_TRUE(game->process.state() == QProcess::NotRunning ||
                game->process.waitForFinished(10000))
        << "quit did not end the game";
    game->drain();
    EXPECT_EQ(game->process.exitStatus(), QProcess::NormalExit) << game->output();
    EXPECT_EQ(game->process.exitCode(), 0) << game->output();
    log += QStringLiteral("quit at %1 ms\n").arg(clock.elapsed()).toUtf8();

    const QString out = QString::fromLocal8Bit(game->out);
    EXPECT_EQ(out.count("ledge.level SUCCES"), 1) << game->output();
    EXPECT_FALSE(out.contains("error ")) << game->output();
    EXPECT_EQ(read_file(progress_path), QByteArray("ledge\n"));
}

// The same way with the keyboard alone, not one pointer event: Enter on the
// title's focused play button, Space into the door, the block drawn with the
// drawing cursor, Enter on the passed menu's first row, Escape back to the
// title, Escape to the quit button and Enter.
TEST_F(PlayThrough, KeyboardAloneFromTheTitleThroughALevelAndOut)
{
    start_game();
    reach_main_menu();
    if (HasFatalFailure())
        return;

    ASSERT_TRUE(tap("Return"));
    ASSERT_TRUE(reach(
        "keys-map", [&](const QImage& s) { return door_look(s, atlas::door_in_np) >= 0.9; }, 10000))
        << failure();

    ASSERT_TRUE(tap("space", "Space"));
    ASSERT_TRUE(reach(
        "keys-level",
        [&](const QImage& s) {
            return look(s, atlas::door_out(1), exit_door) >= 0.9 &&
                   look(s, atlas::brush, brush_button, 6) >= 0.85;
        },
        10000))
        << failure();

    // The drawing cursor shows beside the character; the arrows take it to
    // the cell in front of the ledge.
    ASSERT_TRUE(tap("p", "P"));
    int cursor_column = -1;
    ASSERT_TRUE(reach(
        "keys-drawing",
        [&](const QImage& s) {
            if (look(s, atlas::apply, apply_button, 8) < 0.9)
                return false;
            double best = 0.5;
            for (int c = 1; c <= 6; ++c) {
                const double seen = look(s, atlas::cursor, blocks(c, 4, 1, 1), 2);
                if (seen > best) {
                    best = seen;
                    cursor_column = c;
                }
            }
            return cursor_column >= 0;
        },
        10000))
        << failure();
    for (; cursor_column < 5; ++cursor_column)
        ASSERT_TRUE(tap("Right"));
    for (; cursor_column > 5; --cursor_column)
        ASSERT_TRUE(tap("Left"));
    ASSERT_TRUE(tap("Return"));
    leave_drawing_and_climb_out("keys-");
    if (HasFatalFailure())
        return;

    ASSERT_TRUE(tap("Return"));
    ASSERT_TRUE(reach(
        "keys-map-door-passed",
        [&](const QImage& s) { return door_look(s, atlas::door_in_p) >= 0.9; }, 10000))
        << failure();
    EXPECT_EQ(read_file(progress_path), QByteArray("ledge\n"));

    ASSERT_TRUE(tap("Escape", "Esc"));
    ASSERT_TRUE(reach(
        "keys-main-menu-again",
        [&](const QImage& s) { return look(s, atlas::play, play_button) >= 0.9; }, 10000))
        << failure();
    ASSERT_TRUE(tap("Escape", "Esc"));
    ASSERT_TRUE(tap("Return"));
    // Waiting on a game that has already quit returns false: the quit may
    // land while the last key's trace line is being waited for.
    ASSERT_TRUE(game->process.state() == QProcess::NotRunning ||
                game->process.waitForFinished(10000))
        << "quit did not end the game";
    game->drain();
    EXPECT_EQ(game->process.exitStatus(), QProcess::NormalExit) << game->output();
    EXPECT_EQ(game->process.exitCode(), 0) << game->output();
}

#ifndef CRUMBLEFORD_TESTS_GL_GL_GAME_H
#define CRUMBLEFORD_TESTS_GL_GL_GAME_H

// What the tests that run the real game on an X display share: the game as a
// child process, screenshots of the whole screen, synthetic input through
// xdotool, and comparisons of screen areas with what the atlas says belongs
// there.

#include "atlas_table.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdlib>
#include <functional>

namespace gl_game
{

inline QString artifacts()
{
    return QStringLiteral(CF_ARTIFACTS_DIR);
}

inline bool have_display()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY");
}

// The test's own environment on the real platform. `home` keeps the game's
// progress file away from the real one.
inline QProcessEnvironment game_environment(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    // Mesa's disk cache can hide shader compile errors.
    env.insert("MESA_SHADER_CACHE_DISABLE", "true");
    env.insert("HOME", home);
    return env;
}

inline void save_text(const QString& name, const QByteArray& text)
{
    QDir().mkpath(artifacts());
    QFile f(artifacts() + "/" + name);
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
}

// The whole X screen through ImageMagick, kept under `name` in the
// artefacts; a null image when it could not be taken.
inline QImage take_screenshot(const QString& name)
{
    QDir().mkpath(artifacts());
    const QString path = artifacts() + "/" + name;
    QFile::remove(path);
    QProcess import;
    import.start("import", {"-window", "root", path});
    if (!import.waitForFinished(20000) || import.exitCode() != 0)
        return QImage();
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// One atlas cell as it is drawn into a `size` rectangle: the GL texture is
// filtered linearly, which smooth scaling approximates.
inline QImage drawn_cell(const QImage& atlas_image, const atlas::rect& cell, QSize size)
{
    return atlas_image.copy(cell.x, cell.y, cell.w, cell.h)
        .convertToFormat(QImage::Format_ARGB32)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Share of sample points in `area` of the screen that agree with `expected`
// (an image of the area's size) within a tolerance. Points keep `inset`
// pixels off the area's edges, where filtering meets the neighbours, and
// expected points that are not opaque are left out: what shows through them
// is not the cell's business.
inline double agreement(const QImage& screen, const QRect& area, const QImage& expected,
                        int inset = 4, int step = 3)
{
    const int tolerance = 24;
    int same = 0, total = 0;
    for (int y = inset; y < area.height() - inset; y += step) {
        for (int x = inset; x < area.width() - inset; x += step) {
            const QColor want = expected.pixelColor(x, y);
            if (want.alpha() < 250)
                continue;
            const QPoint at = area.topLeft() + QPoint(x, y);
            if (!screen.rect().contains(at))
                continue;
            const QColor got = screen.pixelColor(at);
            ++total;
            if (std::abs(got.red() - want.red()) <= tolerance &&
                std::abs(got.green() - want.green()) <= tolerance &&
                std::abs(got.blue() - want.blue()) <= tolerance)
                ++same;
        }
    }
    return total ? double(same) / total : 0.0;
}

// How well the screen shows `cell` drawn over `area`.
inline double cell_agreement(const QImage& screen, const QImage& atlas_image,
                             const atlas::rect& cell, const QRect& area, int inset = 4)
{
    return agreement(screen, area, drawn_cell(atlas_image, cell, area.size()), inset);
}

// Runs xdotool with a time limit; true when it succeeded.
inline bool xdotool(const QStringList& args, QByteArray* out = nullptr)
{
    QProcess p;
    p.start("xdotool", args);
    if (!p.waitForStarted(5000))
        return false;
    if (!p.waitForFinished(5000)) {
        p.kill();
        p.waitForFinished(2000);
        return false;
    }
    if (out)
        *out = p.readAllStandardOutput();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// The game as a child process whose output is collected while the test waits.
class running_game
{
  public:
    running_game(const QString& binary, const QProcessEnvironment& env)
    {
        process.setProcessEnvironment(env);
        process.start(binary, {});
    }
    ~running_game() { stop(); }

    void drain()
    {
        out += process.readAllStandardOutput();
        err += process.readAllStandardError();
    }

    // Waits (collecting output) until stdout holds `text`; false on a
    // timeout or when the game ended first.
    bool wait_for_output(const QString& text, int timeout_ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeout_ms) {
            process.waitForReadyRead(50);
            drain();
            if (QString::fromLocal8Bit(out).contains(text))
                return true;
            if (process.state() == QProcess::NotRunning)
                return false;
        }
        return false;
    }

    // Waits (collecting output) until `done` holds; false on a timeout.
    bool wait_for(const std::function<bool()>& done, int timeout_ms)
    {
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            drain();
            if (done())
                return true;
            if (clock.elapsed() > timeout_ms || !running())
                return false;
            process.waitForReadyRead(20);
        }
    }

    void pause(int ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            process.waitForReadyRead(qMax<qint64>(1, qMin<qint64>(50, ms - clock.elapsed())));
            drain();
        }
    }

    bool running() const { return process.state() == QProcess::Running; }

    // Takes screenshots into `name` until `ok` accepts one or `timeout_ms`
    // pass; `shot` is the last one taken. False on a timeout or when the
    // game ended.
    bool wait_for_screen(const QString& name, const std::function<bool(const QImage&)>& ok,
                         int timeout_ms, QImage& shot)
    {
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            drain();
            shot = take_screenshot(name);
            if (!shot.isNull() && ok(shot))
                return true;
            if (!running() || clock.elapsed() > timeout_ms)
                return false;
            pause(100);
        }
    }

    void stop()
    {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(5000)) {
                process.kill();
                process.waitForFinished(5000);
            }
        }
        drain();
    }

    QStringList out_lines() const
    {
        return QString::fromLocal8Bit(out).split('\n', Qt::SkipEmptyParts);
    }

    std::string output() const
    {
        return "stdout:\n" + out.toStdString() + "stderr:\n" + err.toStdString();
    }

    QProcess process;
    QByteArray out;
    QByteArray err;
};

} // namespace gl_game

#endif

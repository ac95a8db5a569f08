// The generated sound files, what the world's events ask to hear, the
// player without a sound card, and the settings file that remembers mute.

#include "cfg.h"
#include "hud.h"
#include "hud_buttons.h"
#include "placement.h"
#include "recording_sink.h"
#include "settings_store.h"
#include "sound_board.h"
#include "sound_sink.h"
#include "world_ear.h"
#include "world_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <cmath>
#include <functional>

namespace
{

std::string staged(const char* name)
{
    return std::string(CF_STAGE_DIR) + "sounds/" + name + ".wav";
}

} // namespace

TEST(sound_files, EveryFileIsCleanMonoPcmOfItsLength)
{
    for (int i = 0; i < sounds::count; ++i) {
        const sounds::entry& e = sounds::table[i];
        SCOPED_TRACE(e.name);
        int rate = 0;
        const std::vector<short> s = sound_board::read_wav(staged(e.name), &rate);
        ASSERT_EQ(rate, sounds::sample_rate);
        ASSERT_EQ(static_cast<int>(s.size()), sounds::sample_count(static_cast<sounds::id>(i)));
        double sum = 0;
        int peak = 0, biggest_step = 0;
        for (std::size_t k = 0; k < s.size(); ++k) {
            sum += s[k];
            peak = std::max(peak, std::abs(static_cast<int>(s[k])));
            if (k > 0)
                biggest_step = std::max(biggest_step, std::abs(s[k] - s[k - 1]));
        }
        // Heard, but never at full scale: a clipped sample would sit there.
        EXPECT_GT(peak, 3000);
        EXPECT_LT(peak, 32000);
        EXPECT_LT(std::fabs(sum / static_cast<double>(s.size())), 30.0) << "DC offset";
        if (e.loops) {
            // The seam is no bigger a step than the music takes anywhere.
            EXPECT_LE(std::abs(s.front() - s.back()), biggest_step);
        } else {
            // Effects start and end at rest: no click.
            EXPECT_LT(std::abs(s.front()), 200);
            EXPECT_LT(std::abs(s.back()), 200);
        }
    }
}

TEST(sound_files, TheGeneratorWritesTheSameBytesEveryTime)
{
    QTemporaryDir dir;
    ASSERT_EQ(QProcess::execute(CF_SOUND_GEN_BINARY, {dir.path()}), 0);
    for (const sounds::entry& e : sounds::table) {
        QFile fresh(dir.filePath(QString(e.name) + ".wav"));
        QFile built(QString::fromStdString(staged(e.name)));
        ASSERT_TRUE(fresh.open(QIODevice::ReadOnly) && built.open(QIODevice::ReadOnly)) << e.name;
        EXPECT_TRUE(fresh.readAll() == built.readAll()) << e.name;
    }
    EXPECT_NE(QProcess::execute(CF_SOUND_GEN_BINARY, {dir.filePath("missing/dir")}), 0);
}

TEST(sound_files, ReadingRejectsWhatIsNotMono16BitWav)
{
    QTemporaryDir dir;
    const std::string good = staged("button");
    QFile in(QString::fromStdString(good));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    struct variant {
        const char* what;
        QByteArray data;
    };
    QByteArray stereo = bytes, truncated = bytes.left(60), huge_chunk = bytes;
    stereo[22] = 2;
    huge_chunk[40] = '\xff';
    huge_chunk[43] = '\x7f';
    for (const variant& v : {variant{"stereo", stereo}, variant{"truncated", truncated},
                             variant{"chunk past the end", huge_chunk},
                             variant{"not RIFF", QByteArray("hello world, no wave here")}}) {
        const QString path = dir.filePath("x.wav");
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(v.data);
        out.close();
        EXPECT_TRUE(sound_board::read_wav(path.toStdString()).empty()) << v.what;
    }
}

// What a few moments of play ask to hear.
class world_sounds : public world_test
{
  protected:
    game_scene& play(const std::string& level, int settle)
    {
        ear.reset(); // it watches the scene that load() replaces
        load(level);
        ear = std::make_unique<world_ear>(*scene, sounds::level_music);
        ticks(settle);
        heard.played.clear();
        return *scene;
    }
    void TearDown() override
    {
        ear.reset();
        world_test::TearDown();
    }

    recording_sink heard;
    std::unique_ptr<world_ear> ear;
};

TEST_F(world_sounds, EventsAskForTheirSoundsOnce)
{
    const std::string ground = "mapsize 40 5\nmkframe\n";
    const std::string red = " null null 0 null null 0 null null 0\n";
    struct expect {
        sounds::id sound;
        int times;
    };
    struct scenario {
        const char* what;
        std::string level;
        std::function<void()> act;
        std::vector<expect> heard;
        int settle = 20;
    };
    const std::vector<scenario> cases = {
        {"a jump",
         ground + "char 2 3.3 red" + red,
         [&] {
             press(Qt::Key_Up);
             ticks(3);
             release(Qt::Key_Up);
             ticks(60);
         },
         {{sounds::jump, 1}, {sounds::land, 1}, {sounds::footstep, 0}}},
        {"a walk, in rate-limited steps",
         ground + "char 2 3.3 red" + red,
         [&] {
             press(Qt::Key_Right);
             ticks(8 * world_ear::step_ticks);
         },
         {{sounds::footstep, 8}, {sounds::jump, 0}, {sounds::land, 0}}},
        {"a bomb from the stock",
         "mapsize 8 6\nmkframe\nchar 3 3.3 white white destroyer 2 null null 0 null null 0\n",
         [&] {
             ASSERT_TRUE(place_from_stock(scene.get(), 0, 5, 3, cfg::p, true));
             ticks(45);
         },
         {{sounds::draw, 1}, {sounds::fuse, 1}, {sounds::blast, 1}, {sounds::crumble, 0}}},
        {"spikes",
         "mapsize 6 6\nstockblock 2 3 white\nspikes 2 2 red\nchar 2 1 red" + red,
         [&] { ticks(40); },
         {{sounds::spikes, 1}, {sounds::failed, 1}, {sounds::blast, 0}},
         1},
        {"a cloud between two walls",
         "mapsize 10 5\nstockblock 1 2 white\nstockblock 5 2 white\ncloud 3 2 right red\n",
         [&] { ticks(200); },
         {{sounds::cloud_turn, 4}}},
        {"a falling block",
         "mapsize 6 10\nstockblock 2 8 white\nfalling 2 1 red\n",
         [&] { ticks(60); },
         {{sounds::block_land, 1}, {sounds::push, 0}}},
        {"a bomb drawn while the world stands still",
         "mapsize 8 6\nmkframe\nchar 3 4.3 white white destroyer 2 null null 0 null null 0\n",
         [&] {
             scene->running = false;
             ASSERT_TRUE(place_from_stock(scene.get(), 0, 5, 3, cfg::p, true));
             ticks(10);
             EXPECT_EQ(heard.count(sounds::fuse), 0) << "its fuse is not burning yet";
             EXPECT_EQ(heard.count(sounds::draw), 1);
             scene->running = true;
             ticks(40);
         },
         {{sounds::fuse, 1}, {sounds::blast, 1}}},
        {"a bomb on a plain block",
         "mapsize 8 6\nmkframe\nstockblock 5 4 white\n"
         "char 3 4.3 white white destroyer 2 null null 0 null null 0\n",
         [&] {
             ASSERT_TRUE(place_from_stock(scene.get(), 0, 5, 4, cfg::p, true));
             ticks(45);
         },
         {{sounds::blast, 1}, {sounds::crumble, 1}, {sounds::failed, 0}}},
        {"a cloud pushing a character along for a second",
         "mapsize 12 6\nmkframe\ncloud 2 4 right white\n"
         "char 3.5 4.3 blue null null 0 null null 0 null null 0\n",
         [&] { ticks(30); },
         {{sounds::push, 30 / world_ear::scrape_ticks}, {sounds::footstep, 0}}},
        {"the last character through its exit",
         ground + "exit 2 2 red\nchar 2.5 3.3 red" + red,
         [&] {
             press(Qt::Key_Space);
             ticks(20);
         },
         {{sounds::exit_taken, 1}, {sounds::passed, 1}, {sounds::failed, 0}}},
        // The block pushes the character back down every tick, and held
        // jump takes off again every tick: one jump, not a buzz.
        {"held jump under a falling block",
         "mapsize 6 6\nmkframe\nfalling 2 3 red\nchar 2 4.3 red" + red,
         [&] {
             press(Qt::Key_Up);
             ticks(30);
         },
         {{sounds::jump, 1}}},
        {"a character switch",
         ground + "char 2 3.3 red" + red + "char 6 3.3 green" + red,
         [&] {
             press(Qt::Key_C);
             ticks(2);
         },
         {{sounds::char_switch, 1}}},
        {"a switch with one character",
         ground + "char 2 3.3 red" + red,
         [&] {
             press(Qt::Key_C);
             ticks(2);
         },
         {{sounds::char_switch, 0}}},
    };
    for (const scenario& c : cases) {
        SCOPED_TRACE(c.what);
        play(c.level, c.settle);
        c.act();
        for (const expect& e : c.heard)
            EXPECT_EQ(heard.count(e.sound), e.times) << sounds::table[e.sound].name;
        EXPECT_EQ(heard.music, sounds::level_music);
        ear.reset();
    }
}

TEST_F(world_sounds, CausesComeBeforeTheirConsequences)
{
    play("mapsize 8 6\nmkframe\nchar 3 3.3 white white destroyer 2 null null 0 null null 0\n", 20);
    ASSERT_TRUE(place_from_stock(scene.get(), 0, 3, 4, cfg::p, true));
    ticks(60);
    ASSERT_TRUE(scene->characters.empty());
    // The bomb is placed on the character: its blast takes the character
    // and the level is lost, with a jingle after the bang, not before.
    ASSERT_EQ(heard.count(sounds::blast), 1);
    EXPECT_LT(heard.first(sounds::fuse), heard.first(sounds::blast));
    EXPECT_LT(heard.first(sounds::blast), heard.first(sounds::failed));
    EXPECT_EQ(heard.count(sounds::spikes), 0) << "a blast is no spike";
    EXPECT_EQ(heard.count(sounds::exit_taken), 0) << "a character blown up left by no door";
}

TEST_F(world_sounds, AReloadedWorldIsNotHeardAsMovement)
{
    const std::string red = " null null 0 null null 0 null null 0\n";
    game_scene& s = play("mapsize 40 5\nmkframe\nchar 2 3.3 red" + red, 20);
    // The same places the new objects may take in memory must not make
    // the ear take a character 20 blocks off for one that stepped or fell.
    s.flush_blocks();
    load_more("mapsize 40 5\nmkframe\nchar 22 1.3 red" + red);
    ticks(1);
    EXPECT_TRUE(heard.played.empty());
    ticks(40);
    EXPECT_EQ(heard.count(sounds::land), 1) << "a real fall still is heard";

    // Lost, then taken back before the jingle: the jingle goes too.
    play("mapsize 6 6\nstockblock 2 3 white\nspikes 2 2 red\nchar 2 1 red" + red, 1);
    for (int t = 0; t < 30 && heard.count(sounds::spikes) == 0; ++t)
        ticks(1);
    ASSERT_EQ(heard.count(sounds::spikes), 1);
    scene->flush_blocks();
    load_more("mapsize 6 6\nmkframe\n");
    ticks(world_ear::jingle_delay_ticks * 2);
    EXPECT_EQ(heard.count(sounds::failed), 0);
}

TEST_F(world_sounds, ThePausedWorldStaysQuietAndTheMapPlaysItsOwnLoop)
{
    load("mapsize 40 5\nmkframe\nchar 2 3.3 red null null 0 null null 0 null null 0\n");
    world_ear map_ear(*scene, sounds::menu_music);
    ticks(20);
    heard.played.clear();
    scene->running = false;
    press(Qt::Key_Right);
    ticks(30);
    EXPECT_TRUE(heard.played.empty());
    EXPECT_EQ(heard.music, sounds::menu_music);
}

TEST_F(world_sounds, TheMuteButtonTogglesTheInstalledSink)
{
    load("mapsize 10 5\nmkframe\n");
    auto* button = new mute_button(scene.get(), scene->top_hud);
    button->clicked(0, 0);
    EXPECT_TRUE(heard.mute);
    button->clicked(0, 0);
    EXPECT_FALSE(heard.mute);
    // Pressing it through the bar also clicks.
    scene->top_hud->clicked(static_cast<int>(button->vertices[0]) + 5, 20);
    EXPECT_TRUE(heard.mute);
    EXPECT_EQ(heard.count(sounds::button), 1);
}

class sound_settings : public ::testing::Test
{
  protected:
    std::string path() const { return dir.filePath("settings").toStdString(); }
    std::string read() const
    {
        QFile f(QString::fromStdString(path()));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<none>";
    }
    QTemporaryDir dir;
};

TEST_F(sound_settings, MuteIsRememberedAndABadFileMeansDefaults)
{
    {
        settings_store s(path());
        EXPECT_EQ(s.get("sound", "on"), "on");
        EXPECT_TRUE(s.set("sound", "off"));
        EXPECT_TRUE(s.set("other", "7"));
    }
    EXPECT_EQ(read(), "other 7\nsound off\n");
    EXPECT_EQ(settings_store(path()).get("sound", "on"), "off");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path() + ".new")));

    for (const char* bad : {"sound off extra\n", "sound\n", "\x01\x02 \x03 \x04\n"}) {
        QFile f(QString::fromStdString(path()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bad);
        f.close();
        EXPECT_EQ(settings_store(path()).get("sound", "on"), "on") << bad;
    }
    // A directory where the file should be is unreadable too.
    EXPECT_EQ(settings_store(dir.path().toStdString()).get("sound", "on"), "on");
}

TEST_F(sound_settings, ADamagedLineOrValueCostsOnlyItself)
{
    {
        QFile f(QString::fromStdString(path()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("music_volume 40\nbroken line here\neffects_volume 1,5\nfull_screen maybe\n"
                "future_key kept\ninterface_size 150\n");
    }
    settings_store s(path());
    EXPECT_EQ(s.get_number("music_volume", 0, 100, 100), 40);
    EXPECT_EQ(s.get_number("effects_volume", 0, 100, 100), 100) << "a decimal comma is no number";
    EXPECT_EQ(s.get_number("interface_size", 100, 200, 100), 150);
    EXPECT_EQ(s.get_number("music_volume", 0, 30, 7), 7) << "out of range";
    EXPECT_EQ(s.get_number("absent", 0, 100, 55), 55);
    EXPECT_EQ(s.get_choice("full_screen", {"yes", "no"}, "yes"), "yes");
    EXPECT_TRUE(s.set("full_screen", "no"));
    EXPECT_EQ(s.get_choice("full_screen", {"yes", "no"}, "yes"), "no");
    // The key this version does not know survives the rewrite.
    EXPECT_NE(read().find("future_key kept\n"), std::string::npos);
    EXPECT_EQ(read().find("broken"), std::string::npos);
}

TEST_F(sound_settings, StoresSharingAFileKeepEachOthersChanges)
{
    settings_store sound(path());
    settings_store screen(path());
    ASSERT_TRUE(sound.set("sound", "off"));
    ASSERT_TRUE(screen.set("music_volume", "30"));
    ASSERT_TRUE(sound.set("effects_volume", "20"));
    EXPECT_EQ(read(), "effects_volume 20\nmusic_volume 30\nsound off\n");
}

TEST_F(sound_settings, AFailedWriteLeavesTheOldFile)
{
    settings_store s(path());
    ASSERT_TRUE(s.set("sound", "off"));
    const std::string before = read();
    // The temporary file cannot be made: a directory stands in its way.
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(path() + ".new")));
    EXPECT_FALSE(s.set("sound", "on"));
    EXPECT_EQ(read(), before);
    EXPECT_EQ(s.get("sound", "on"), "off") << "an unsaved change is not kept either";
    // Words that would break the file are refused outright.
    EXPECT_FALSE(s.set("sound", "on off"));
    EXPECT_FALSE(s.set("", "on"));
}

TEST_F(sound_settings, WithoutADeviceThePlayerSaysSoOnceAndKeepsQuiet)
{
    testing::internal::CaptureStderr();
    {
        sound_board board(std::string(CF_STAGE_DIR) + "sounds/", path(), "no such device");
        EXPECT_FALSE(board.has_device());
        board.play_music(sounds::menu_music);
        board.play(sounds::blast);
        board.set_muted(true);
        EXPECT_TRUE(board.muted());
    }
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(settings_store(path()).get("sound", "on"), "off");
    // The next start comes up muted.
    testing::internal::CaptureStderr();
    sound_board again(std::string(CF_STAGE_DIR) + "sounds/", path(), "no such device");
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(again.muted());
}

TEST_F(sound_settings, TheGainsFollowTheVolumesAndMuteSilencesBoth)
{
    ASSERT_TRUE(settings_store(path()).set("music_volume", "50"));
    ASSERT_TRUE(settings_store(path()).set("effects_volume", "20"));
    // With a device and without one the board keeps the same gains.
    for (const char* device : {static_cast<const char*>(nullptr), "no such device"}) {
        SCOPED_TRACE(device ? device : "the null output");
        testing::internal::CaptureStderr();
        sound_board board(std::string(CF_STAGE_DIR) + "sounds/", path(), device);
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(board.music_volume(), 50);
        EXPECT_EQ(board.effects_volume(), 20);
        // The music at full volume sits at 0.3, under the effects.
        EXPECT_FLOAT_EQ(board.music_gain(), 0.15f);
        EXPECT_FLOAT_EQ(board.effect_gain(), 0.2f);
        board.set_volumes(100, 0);
        EXPECT_FLOAT_EQ(board.music_gain(), 0.3f);
        EXPECT_FLOAT_EQ(board.effect_gain(), 0.0f);
        board.set_muted(true);
        EXPECT_FLOAT_EQ(board.music_gain(), 0.0f);
        board.set_muted(false);
        EXPECT_FLOAT_EQ(board.music_gain(), 0.3f) << "the volume outlasts mute";
        board.set_volumes(150, -5);
        EXPECT_EQ(board.music_volume(), 100);
        EXPECT_EQ(board.effects_volume(), 0);
    }
}

TEST_F(sound_settings, TheNullOutputPlaysEverySoundWithoutComplaint)
{
    testing::internal::CaptureStderr();
    sound_board board(std::string(CF_STAGE_DIR) + "sounds/", path());
    const std::string err = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(board.has_device()) << "the tests run on OpenAL's null output";
    EXPECT_EQ(err, "");
    // More sounds at once than there are voices: the oldest gives way.
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < sounds::count; ++i)
            board.play(static_cast<sounds::id>(i));
    board.play_music(sounds::level_music);
    EXPECT_EQ(board.last_played(), sounds::rewind) << "loops are music, not effects";
}

namespace
{

// The loudest 16-bit mono sample of a WAV file's bytes, -1 without data.
// A killed writer never fills in the sizes: the samples run to the end.
double loudest_sample(const QByteArray& bytes)
{
    const int data = bytes.indexOf("data");
    if (data < 0)
        return -1;
    double loudest = 0;
    for (int i = data + 8; i + 1 < bytes.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(bytes[i]);
        const auto hi = static_cast<unsigned char>(bytes[i + 1]);
        const auto v = static_cast<short>(lo | (hi << 8));
        loudest = std::max(loudest, std::abs(v) / 32768.0);
    }
    return loudest;
}

QByteArray read_all(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs the real game headless with OpenAL writing what it mixes into a WAV
// file, until a sample louder than `loud` is written (when `loud` is given)
// or a second and a half of sound has been written, and returns the loudest
// sample it wrote (-1 if it wrote none). Anything in stderr is handed back.
double loudest_sample_the_game_played(const QString& home, std::string* err, double loud = -1)
{
    const QString out_path = home + "/out.wav";
    const QString conf_path = home + "/alsoft.conf";
    QFile conf(conf_path);
    if (!conf.open(QIODevice::WriteOnly))
        return -1;
    conf.write(QString("[general]\nchannels=mono\nsample-type=int16\n[wave]\nfile=%1\n")
                   .arg(out_path)
                   .toUtf8());
    conf.close();

    QFile::remove(out_path);
    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", home);
    env.insert("ALSOFT_DRIVERS", "wave");
    env.insert("ALSOFT_CONF", conf_path);
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(CF_GAME_BINARY), {});
    if (!game.waitForStarted(10000))
        return -1;
    // The writer works in real time and a slow start writes silence first:
    // wait for the music itself, or for a second and a half of the title
    // screen when silence is what is expected, within a deadline.
    const qint64 enough = 44 + 2 * 44100 * 3 / 2;
    auto done = [&] {
        if (loud >= 0)
            return loudest_sample(read_all(out_path)) > loud;
        return QFileInfo(out_path).size() >= enough;
    };
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 20000 && game.state() == QProcess::Running)
        game.waitForFinished(100);
    game.kill();
    game.waitForFinished();
    *err = QString::fromLocal8Bit(game.readAllStandardError()).toStdString();
    return loudest_sample(read_all(out_path));
}

} // namespace

TEST(game_sound, TheGamePlaysItsMusicAndComesUpMutedWhenToldSoBefore)
{
    QTemporaryDir home;
    std::string err;
    const double playing = loudest_sample_the_game_played(home.path(), &err, 0.02);
    EXPECT_GT(playing, 0.02) << "the title screen's music";
    EXPECT_EQ(err.find("No audio device"), std::string::npos) << err;

    ASSERT_TRUE(
        settings_store(home.path().toStdString() + "/.crumbleford/settings").set("sound", "off"));
    const double muted = loudest_sample_the_game_played(home.path(), &err);
    EXPECT_GE(muted, 0.0) << "the game wrote no sound file";
    EXPECT_LT(muted, 0.001);
}

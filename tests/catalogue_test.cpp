// The catalogues: which language the desktop asks for, loading a compiled
// catalogue and falling back to English, filling in placeholders, every
// text of the code present and translated in every committed catalogue,
// and a screen that really shows the translation.

#include "catalogue.h"
#include "extra_functions.h"
#include "game_scene.h"
#include "headless_screen.h"
#include "in_game_menu.h"
#include "menu_rows.h"
#include "settings_scene.h"
#include "try_warnings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace
{

const std::string staged = std::string(CF_STAGE_DIR) + "translations/";

// Leaves the game in English whatever a test loaded.
struct english_after {
    ~english_after() { lang::use("en", staged); }
};

// The environment a from_environment case sees.
std::map<std::string, std::string> fake_env;

const char* read_fake(const char* name)
{
    const auto it = fake_env.find(name);
    return it == fake_env.end() ? nullptr : it->second.c_str();
}

struct entry {
    std::string context, source, translation;
    bool unfinished = false;
};

// The messages of a .ts file, in file order.
std::vector<entry> read_ts(const QString& path)
{
    std::vector<entry> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    std::string context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText().toStdString();
        } else if (xml.name() == QLatin1String("source")) {
            out.push_back({context, xml.readElementText().toStdString(), "", false});
        } else if (xml.name() == QLatin1String("translation") && !out.empty()) {
            out.back().unfinished =
                xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            out.back().translation = xml.readElementText().toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return out;
}

} // namespace

TEST(Catalogue, TheDesktopsLanguageInItsOrderOfVariables)
{
    struct env_case {
        std::map<std::string, std::string> env;
        const char* code;
    };
    const env_case cases[] = {
        {{}, "en"},
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "de_AT.UTF-8@euro"}}, "de"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "fr"},
        {{{"LC_MESSAGES", "fr_FR.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}}, "es"},
        {{{"LC_ALL", "es_ES.UTF-8"}, {"LANGUAGE", "fr:de"}}, "fr"},
        // A list's unshipped languages are passed over; a list alone, under
        // no locale at all or the C locale, is not read.
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt_BR:nl:es"}}, "es"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt_BR"}}, "de"},
        {{{"LANG", "C"}, {"LANGUAGE", "fr"}}, "en"},
        {{{"LANG", "POSIX"}}, "en"},
        {{{"LANG", "C.UTF-8"}}, "en"},
        {{{"LANG", "pt_BR.UTF-8"}}, "en"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", ""}}, "de"},
    };
    for (const env_case& c : cases) {
        fake_env = c.env;
        std::string described;
        for (const auto& [name, value] : c.env)
            described += name + "=" + value + " ";
        EXPECT_EQ(lang::from_environment(read_fake), c.code) << described;
    }
    fake_env.clear();
}

TEST(Catalogue, LoadsAStagedCatalogueAndFallsBackToEnglish)
{
    english_after restore;
    ASSERT_TRUE(lang::use("de", staged));
    EXPECT_EQ(lang::current(), "de");
    EXPECT_EQ(cf_tr("menu", "RESUME"), "WEITER");
    EXPECT_EQ(cf_tr("menu", "NOT A TEXT OF THE GAME"), "NOT A TEXT OF THE GAME");

    EXPECT_FALSE(lang::use("xx", staged)) << "an unknown code";
    EXPECT_EQ(lang::current(), "en");
    EXPECT_EQ(cf_tr("menu", "RESUME"), "RESUME");

    QTemporaryDir dir;
    const std::string broken = dir.path().toStdString() + "/";
    QFile garbage(dir.filePath(QStringLiteral("crumbleford_fr.qm")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a catalogue at all");
    garbage.close();
    ASSERT_TRUE(lang::use("es", staged));
    EXPECT_FALSE(lang::use("fr", broken)) << "an unreadable catalogue";
    EXPECT_EQ(lang::current(), "en");
    EXPECT_EQ(cf_tr("menu", "RESUME"), "RESUME") << "the last language is not kept either";
    EXPECT_FALSE(lang::use("de", broken)) << "a missing catalogue";
    EXPECT_TRUE(lang::use("en", broken)) << "English needs no file";
}

TEST(Catalogue, PlaceholdersTakeTheirArgumentsWhereverTheyStand)
{
    struct fill_case {
        const char* pattern;
        std::vector<std::string> args;
        const char* result;
    };
    const fill_case cases[] = {
        {"LEVEL %1", {"12"}, "LEVEL 12"},
        {"%2 IN %1", {"A", "B"}, "B IN A"},
        {"%1 %1", {"X"}, "X X"},
        {"100%", {}, "100%"},
        {"%3 STAYS", {"A"}, "%3 STAYS"},
        {"%1", {"%2"}, "%2"}, // an argument is not filled again
        {"SLOT TYPE %1", {""}, "SLOT TYPE "},
    };
    for (const fill_case& c : cases)
        EXPECT_EQ(lang::fill(c.pattern, c.args), c.result) << c.pattern;
}

TEST(Catalogue, EveryTextOfTheCodeIsTranslatedInEveryLanguage)
{
    const QString lupdate = QStandardPaths::findExecutable(
        QStringLiteral("lupdate"),
        {QStringLiteral("/usr/lib/qt6/bin"), QStringLiteral("/usr/lib/qt6/libexec")});
    ASSERT_FALSE(lupdate.isEmpty()) << "lupdate (qt6-l10n-tools) is needed";
    QTemporaryDir dir;
    const QString extracted = dir.filePath(QStringLiteral("found.ts"));
    QProcess run;
    run.start(lupdate, {QStringLiteral("-tr-function-alias"),
                        QStringLiteral("translate+=cf_tr,QT_TRANSLATE_NOOP+=CF_TR_NOOP"),
                        QStringLiteral("-locations"), QStringLiteral("none"),
                        QStringLiteral("-no-obsolete"), QStringLiteral("-silent"),
                        QStringLiteral(CF_TESTS_DIR "/../src"), QStringLiteral("-ts"), extracted});
    ASSERT_TRUE(run.waitForFinished(120000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    const std::vector<entry> in_code = read_ts(extracted);
    ASSERT_GT(in_code.size(), 100u) << "lupdate found too few texts to be reading the code";

    for (const std::string& code : lang::shipped()) {
        if (code == "en")
            continue;
        SCOPED_TRACE(code);
        const std::vector<entry> committed =
            read_ts(QStringLiteral(CF_TESTS_DIR "/../data/translations/"
                                                "crumbleford_%1.ts")
                        .arg(QString::fromStdString(code)));
        std::set<std::pair<std::string, std::string>> present;
        for (const entry& e : committed) {
            present.insert({e.context, e.source});
            EXPECT_FALSE(e.unfinished) << e.context << ": \"" << e.source << "\" is unfinished";
            EXPECT_FALSE(e.translation.empty())
                << e.context << ": \"" << e.source << "\" has no translation";
        }
        for (const entry& e : in_code)
            EXPECT_TRUE(present.count({e.context, e.source}))
                << e.context << ": \"" << e.source << "\" is missing";
    }
}

TEST(Catalogue, APauseMenuInGermanShowsGermanRows)
{
    english_after restore;
    headless_screen screen;
    ASSERT_TRUE(lang::use("de", staged));
    game_scene s;
    s.open_pause_menu();
    ASSERT_NE(s.menu, nullptr);
    std::vector<std::string> rows;
    for (const myglitem* row : s.menu->items)
        if (auto* text = dynamic_cast<const igm_just_text*>(row))
            rows.push_back(text->text);
    const std::vector<std::string> german{"WEITER", "ZUR KARTE", "NEUSTART", "HILFE"};
    EXPECT_EQ(rows, german);
}

TEST(Catalogue, TheSettingsLanguageRowCyclesAndAppliesAtOnce)
{
    english_after restore;
    headless_screen screen;
    const QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("settings")).toStdString();
    std::vector<std::string> applied;
    settings_scene::apply_language = [&](const std::string& code) {
        applied.push_back(code);
        lang::use(code, staged);
    };
    {
        settings_scene s(path);
        EXPECT_EQ(s.language, "auto");
        s.step(settings_scene::row::language, -1);
        EXPECT_EQ(s.language, "es") << "back from the first choice to the last";
        s.choose(settings_scene::row::language);
        EXPECT_EQ(s.language, "auto");
        s.step(settings_scene::row::language, 1);
        s.step(settings_scene::row::language, 1);
        EXPECT_EQ(s.language, "de");
        // A label is as wide as its letters, not its bytes ("Ä" is two).
        const std::string size_label = cf_tr("settings", "INTERFACE SIZE");
        ASSERT_GT(size_label.size(), static_cast<size_t>(extra_functions::glyph_count(size_label)));
        int found = 0;
        for (const layout_box& b : s.layout_boxes()) {
            if (b.label == QStringLiteral("INTERFACE SIZE")) {
                EXPECT_EQ(b.rect.width(), 20.0 * extra_functions::glyph_count(size_label));
                ++found;
            }
        }
        EXPECT_EQ(found, 1);
    }
    ASSERT_EQ(applied.size(), 4u);
    EXPECT_EQ(applied.back(), "de");
    EXPECT_EQ(cf_tr("settings", "LANGUAGE"), "SPRACHE");
    EXPECT_EQ(settings_scene::saved_language(path), "de") << "saved at once";
    settings_scene again(path);
    EXPECT_EQ(again.language, "de");
    settings_scene::apply_language = nullptr;
}

// The warnings before a drawn level is tried come in the player's language,
// colour words and all; the checker's own English is what the command line
// prints.
TEST(Catalogue, TryWarningsSpeakThePlayersLanguage)
{
    english_after restore;
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/drawn.level";
    // A red character standing on a red block, and no exit.
    {
        std::ofstream f(path);
        f << "mapsize 8 6\nmkframe\nstockblock 2 4 red\nchar 2 3 red null null 0 null null 0 null null 0\n";
    }
    const std::vector<std::string> english = try_warnings::of_file(path);
    ASSERT_EQ(english, std::vector<std::string>{"the level has no exit"});
    ASSERT_TRUE(lang::use("de", staged));
    EXPECT_EQ(try_warnings::of_file(path),
              std::vector<std::string>{"das Level hat keinen Ausgang"});

    {
        std::ofstream f(path);
        f << "mapsize 8 6\nmkframe\nstockblock 2 4 red\nchar 2 3 red null null 0 null null 0 null null 0\nexit 5 3 blue\n";
    }
    const std::vector<std::string> german = try_warnings::of_file(path);
    EXPECT_NE(
        std::find(german.begin(), german.end(), "Ausgang in Blau: keine Figur kann ihn nehmen"),
        german.end())
        << (german.empty() ? "" : german.front());
}

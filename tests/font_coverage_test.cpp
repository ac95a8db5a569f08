// Every text a catalogue gives the game can be drawn by the atlas font: a
// letter it lacks would show as a gap in the player's language only.

#include "extra_functions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{

struct missing_glyph {
    std::string language, text;
    char32_t ch;
};

std::string describe(const std::vector<missing_glyph>& missing)
{
    std::string out;
    for (const missing_glyph& m : missing) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(m.ch));
        out += m.language + ": \"" + m.text + "\" uses " + code + " '" +
               QString::fromUcs4(&m.ch, 1).toStdString() + "'\n";
    }
    return out;
}

// The characters of one translated text the font lacks. Qt's place markers
// (%1, %L1, %n) are replaced by numbers before a text is drawn.
void check_text(const std::string& language, const QString& text,
                std::vector<missing_glyph>& missing)
{
    static const QRegularExpression marker("%L?([0-9]{1,2}|n)");
    const std::string utf8 = QString(text).remove(marker).toStdString();
    for (const char32_t ch : extra_functions::code_points(utf8))
        if (!extra_functions::font_has(ch))
            missing.push_back({language, text.toStdString(), ch});
}

// Reads a Qt Linguist catalogue: every translation the compiled catalogue
// keeps (not the vanished and obsolete ones), each plural form on its own.
// The help pages, the credits and the menus' banners are set in DejaVu Sans
// by the atlas generator, not in the atlas font, so their contexts are not
// the font's.
std::vector<missing_glyph> glyphs_missing(const QString& file)
{
    std::vector<missing_glyph> missing;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << file.toStdString();
        return missing;
    }
    std::string language = QFileInfo(file).completeBaseName().toStdString();
    QXmlStreamReader xml(&f);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message" &&
                   (context == "help" || context == "credits" || context == "banners")) {
            xml.skipCurrentElement();
        } else if (xml.name() == u"TS" && !xml.attributes().value("language").isEmpty()) {
            language = xml.attributes().value("language").toString().toStdString();
        } else if (xml.name() == u"translation") {
            const QStringView type = xml.attributes().value("type");
            if (type == u"vanished" || type == u"obsolete") {
                xml.skipCurrentElement();
                continue;
            }
            QString direct;
            bool forms = false;
            while (!xml.hasError() && !(xml.readNext() == QXmlStreamReader::EndElement &&
                                        xml.name() == u"translation")) {
                if (xml.isStartElement()) {
                    forms = true;
                    check_text(language, xml.readElementText(), missing);
                } else if (xml.isCharacters()) {
                    direct += xml.text();
                }
            }
            if (!forms)
                check_text(language, direct, missing);
        }
    }
    if (xml.hasError())
        ADD_FAILURE() << file.toStdString() << ": " << xml.errorString().toStdString();
    return missing;
}

} // namespace

TEST(FontCoverage, EveryCatalogueUsesOnlyCharactersTheFontDraws)
{
    const QDir dir(QStringLiteral(CF_TESTS_DIR "/../data/translations"));
    const QStringList files = dir.entryList({"*.ts"}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 3) << "no catalogues in " << dir.path().toStdString();
    for (const QString& name : files) {
        const std::vector<missing_glyph> missing = glyphs_missing(dir.filePath(name));
        EXPECT_TRUE(missing.empty())
            << "the atlas font lacks characters of " << name.toStdString() << ":\n"
            << describe(missing);
    }
}

TEST(FontCoverage, NamesTheLanguageTheTextAndTheCharacter)
{
    // Entities are read as the characters they stand for, place markers are
    // left out, and a vanished text is not shipped.
    const std::vector<missing_glyph> missing =
        glyphs_missing(QStringLiteral(CF_TESTS_DIR "/fixtures/translations/crumbleford_xx.ts"));
    EXPECT_EQ(describe(missing), "xx_XX: \"C\u0152UR\" uses U+0152 '\u0152'\n"
                                 "xx_XX: \"%n \u20AC & PLUS\" uses U+20AC '\u20AC'\n"
                                 "xx_XX: \"%n \u20AC & PLUS\" uses U+0026 '&'\n");
}

// The sprite atlas drawn by crumbleford-atlas: its size, that every cell of
// the atlas table holds a picture of the right kind (drawn, transparent
// around sprites, opaque for backgrounds and banners, in its colour), the
// blank texel the game tints, and that the generator draws the same bytes
// on every run. Each language's atlas differs from the English one in its
// pages only, and their texts stay on the page.

#include "atlas_table.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace
{

const char* const atlas_file = CF_STAGE_DIR "textures/cf_2048.png";

struct cell {
    std::string name;
    atlas::rect r;
};

const QImage& atlas_image()
{
    static const QImage image =
        QImage(QString::fromUtf8(atlas_file)).convertToFormat(QImage::Format_ARGB32);
    return image;
}

// The atlas drawn with the help pages and credits in `code`.
QImage language_atlas(const std::string& code)
{
    const std::string file = CF_STAGE_DIR "textures/cf_2048_" + code + ".png";
    return QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_ARGB32);
}

const std::vector<std::string> other_languages = {"de", "fr", "es"};

std::string indexed(const char* entry, int i, int j = -1)
{
    std::string s = std::string(entry) + "(" + std::to_string(i);
    if (j >= 0)
        s += ", " + std::to_string(j);
    return s + ")";
}

// Cells that are sprites, not full tiles: they must be transparent around.
std::vector<cell> sprite_cells()
{
    std::vector<cell> cells;
    for (int c = 0; c < 4; ++c) {
        for (int f = 0; f < atlas::char_frames; ++f)
            cells.push_back({indexed("character", c, f), atlas::character(c, f)});
        for (int f = 0; f < atlas::bomb_frames; ++f)
            cells.push_back({indexed("bomb", c, f), atlas::bomb(c, f)});
        cells.push_back({indexed("cloud", c), atlas::cloud(c)});
        cells.push_back({indexed("spikes", c), atlas::spikes(c)});
        cells.push_back({indexed("door_out", c), atlas::door_out(c)});
        cells.push_back({indexed("switch_char", c), atlas::switch_char(c)});
        cells.push_back({indexed("focus_marker", c), atlas::focus_marker(c)});
    }
    for (int k = 0; k < atlas::glyph_count; ++k) {
        if (k != atlas::blank_glyph)
            cells.push_back({indexed("glyph", k), atlas::glyph(k)});
    }
    for (int i = 0; i < atlas::punctuation_count; ++i)
        cells.push_back({indexed("punctuation", i), atlas::punctuation(i)});
    for (int i = 0; i < atlas::latin_count; ++i)
        cells.push_back({indexed("latin_glyph", i), atlas::latin_glyph(i).r});
    const std::vector<cell> icons = {
        {"play", atlas::play},
        {"quit", atlas::quit},
        {"help_icon", atlas::help_icon},
        {"credits_icon", atlas::credits_icon},
        {"back", atlas::back},
        {"zoomin", atlas::zoomin},
        {"zoomout", atlas::zoomout},
        {"switch_mv", atlas::switch_mv},
        {"switch_ctrl", atlas::switch_ctrl},
        {"open_the_door", atlas::open_the_door},
        {"brush", atlas::brush},
        {"rewind", atlas::rewind},
        {"sound_on", atlas::sound_on},
        {"sound_off", atlas::sound_off},
        {"pencil", atlas::pencil},
        {"gear", atlas::gear},
        {"par_mark", atlas::par_mark},
        {"apply", atlas::apply},
        {"door_in_np", atlas::door_in_np},
        {"door_in_p", atlas::door_in_p},
        {"prompt_key", atlas::prompt_key},
        {"prompt_pad", atlas::prompt_pad},
        {"prompt_key_blank", atlas::prompt_key_blank},
        {"cloud_arrow", atlas::cloud_arrow},
        {"mode_glow", atlas::mode_glow},
    };
    cells.insert(cells.end(), icons.begin(), icons.end());
    return cells;
}

// Full tiles, backgrounds, banners and pages.
std::vector<cell> tile_cells()
{
    std::vector<cell> cells;
    for (int c = 0; c < 4; ++c) {
        cells.push_back({indexed("stock", c), atlas::stock(c)});
        cells.push_back({indexed("stock_expendable", c), atlas::stock_expendable(c)});
        cells.push_back({indexed("falling", c), atlas::falling(c)});
    }
    return cells;
}

std::vector<cell> opaque_cells()
{
    return {
        {"level_paused", atlas::level_paused}, {"level_failed", atlas::level_failed},
        {"level_passed", atlas::level_passed}, {"credits", atlas::credits},
        {"help_first", atlas::help_first},     {"help_second", atlas::help_second},
        {"help_third", atlas::help_third},     {"bg_non_grassy", atlas::bg_non_grassy},
        {"grassy_up", atlas::grassy_up},       {"grassy_center", atlas::grassy_center},
        {"grassy_down", atlas::grassy_down},
    };
}

// Every cell some item draws. Left out: the reserved cells (resume, restart,
// to_main_menu, exit_game, bg_grassy), whose texels belong to the drawn cells
// overlapping them, and the two cells allowed to be empty (see
// BlankGlyphAndBlankTexelAreTheOnlyEmptyCells).
std::vector<cell> drawn_cells()
{
    std::vector<cell> cells = sprite_cells();
    for (const auto& list : {tile_cells(), opaque_cells()})
        cells.insert(cells.end(), list.begin(), list.end());
    return cells;
}

double drawn_share(const QImage& image, const atlas::rect& r)
{
    int drawn = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x)
            drawn += qAlpha(image.pixel(x, y)) > 0;
    return double(drawn) / (r.w * r.h);
}

QByteArray run_generator(const QString& output)
{
    QProcess gen;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    gen.setProcessEnvironment(env);
    gen.start(QString::fromUtf8(CF_ATLAS_GEN_BINARY), {output});
    EXPECT_TRUE(gen.waitForFinished(30000)) << "the generator did not finish";
    EXPECT_EQ(gen.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().toStdString();
    QFile f(output);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << output.toStdString();
    return f.readAll();
}

} // namespace

TEST(AtlasPng, IsA2048SquareImageWithAlpha)
{
    const QImage& image = atlas_image();
    ASSERT_FALSE(image.isNull()) << "cannot read " << atlas_file;
    EXPECT_EQ(image.width(), atlas::size);
    EXPECT_EQ(image.height(), atlas::size);
    EXPECT_TRUE(QImage(QString::fromUtf8(atlas_file)).hasAlphaChannel());
}

TEST(AtlasPng, BlankTexelIsTransparentBlackWithATransparentMargin)
{
    const QImage& image = atlas_image();
    ASSERT_FALSE(image.isNull());
    // Tints are added to this texel, so it must add nothing itself; linear
    // filtering reads its neighbours too, so they stay transparent as well.
    EXPECT_EQ(image.pixel(atlas::blank.x, atlas::blank.y), qRgba(0, 0, 0, 0));
    for (int y = atlas::blank.y - 2; y <= atlas::blank.y + 2; ++y)
        for (int x = atlas::blank.x - 2; x <= atlas::blank.x + 2; ++x)
            EXPECT_EQ(qAlpha(image.pixel(x, y)), 0) << "near the blank texel at " << x << "," << y;
}

TEST(AtlasPng, EveryDrawnCellHasContent)
{
    const QImage& image = atlas_image();
    ASSERT_FALSE(image.isNull());
    for (const cell& c : drawn_cells())
        EXPECT_GE(drawn_share(image, c.r), 0.12) << c.name << " is (almost) empty";
}

TEST(AtlasPng, BlankGlyphAndBlankTexelAreTheOnlyEmptyCells)
{
    // The one exception to "every sprite cell has drawn content": glyph 36 is
    // the space of the game's texts and must show nothing, and the blank
    // texel must stay transparent black (tested above).
    const QImage& image = atlas_image();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(drawn_share(image, atlas::glyph(atlas::blank_glyph)), 0.0);
    EXPECT_EQ(drawn_share(image, atlas::blank), 0.0);
}

TEST(AtlasPng, TheFontsSecondPartTakesOnlyFreeTexels)
{
    // Its cells lie in the atlas, apart from each other (the narrow marks'
    // half cells too) and from every other entry, the blank glyph and the
    // blank texel included; the reserved cells are drawn by no item and may
    // be drawn over.
    std::vector<cell> others = drawn_cells();
    others.erase(std::remove_if(others.begin(), others.end(),
                                [](const cell& c) { return c.name.rfind("latin_glyph", 0) == 0; }),
                 others.end());
    others.push_back({"glyph(36)", atlas::glyph(atlas::blank_glyph)});
    others.push_back({"blank", atlas::blank});
    auto overlap = [](const atlas::rect& a, const atlas::rect& b) {
        return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
    };
    for (int i = 0; i < atlas::latin_count; ++i) {
        const atlas::rect r = atlas::latin_glyph(i).r;
        const std::string name = indexed("latin_glyph", i);
        EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.w <= atlas::size && r.y + r.h <= atlas::size)
            << name;
        for (const cell& other : others)
            EXPECT_FALSE(overlap(r, other.r)) << name << " overlaps " << other.name;
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(overlap(r, atlas::latin_glyph(j).r))
                << name << " overlaps latin_glyph " << j;
    }
}

TEST(AtlasPng, PeriodAndCommaAreTheLowerMarksOfColonAndSemicolon)
{
    // Where ":" and ";" are cut, the upper dot's shadow has faded out and
    // the lower mark's outline has not begun, so each half shows one mark
    // whole; and a glyph's marks stand apart in their half cells.
    const QImage& image = atlas_image();
    ASSERT_FALSE(image.isNull());
    for (const atlas::font_char& mark : {atlas::period, atlas::comma}) {
        EXPECT_GE(drawn_share(image, mark.r), 0.12) << char(mark.ch);
        int faintest = 0;
        for (int x = mark.r.x; x < mark.r.x + mark.r.w; ++x)
            faintest = std::max(faintest, qAlpha(image.pixel(x, mark.r.y - 1)));
        EXPECT_LE(faintest, 64) << char(mark.ch) << ": the mark above reaches into the cut";
    }
    for (int i = 0; i < atlas::latin_count; ++i) {
        const atlas::rect r = atlas::latin_glyph(i).r;
        for (int y = r.y; y < r.y + r.h; ++y) {
            EXPECT_EQ(qAlpha(image.pixel(r.x, y)), 0) << indexed("latin_glyph", i);
            EXPECT_EQ(qAlpha(image.pixel(r.x + r.w - 1, y)), 0) << indexed("latin_glyph", i);
        }
    }
}

TEST(AtlasPng, AccentedCapitalsShareTheBaselineOfTheirLetters)
{
    // The lowest row of the letter's body is the baseline's: an accented
    // capital must stand on it as its plain letter does, or words hop.
    const QImage& image = atlas_image();
    ASSERT_FALSE(image.isNull());
    auto lowest_row = [&](const atlas::rect& r) {
        for (int y = r.y + r.h - 1; y >= r.y; --y)
            for (int x = r.x; x < r.x + r.w; ++x)
                if (qAlpha(image.pixel(x, y)) == 255)
                    return y - r.y;
        return -1;
    };
    // The body's left edge near the baseline, where neither an accent nor
    // the squeeze of the body moves it.
    auto left_edge = [&](const atlas::rect& r) {
        for (int x = r.x; x < r.x + r.w; ++x)
            for (int y = r.y + 2 * r.h / 3; y < r.y + r.h; ++y)
                if (qAlpha(image.pixel(x, y)) == 255)
                    return x - r.x;
        return -1;
    };
    const std::pair<char32_t, char> pairs[] = {{U'\u00C0', 'A'}, {U'\u00C9', 'E'}, {U'\u00CF', 'I'},
                                               {U'\u00D1', 'N'}, {U'\u00D6', 'O'}, {U'\u00DA', 'U'},
                                               {U'\u00DD', 'Y'}, {U'\u00C5', 'A'}};
    for (const auto& [accented, letter] : pairs) {
        int i = 0;
        while (i < atlas::latin_count && atlas::latin_glyph(i).ch != accented)
            ++i;
        ASSERT_LT(i, atlas::latin_count) << letter;
        const atlas::rect plain = atlas::glyph(10 + letter - 'A');
        const atlas::rect r = atlas::latin_glyph(i).r;
        EXPECT_NEAR(lowest_row(r), lowest_row(plain), 1) << "the accented " << letter;
        EXPECT_NEAR(left_edge(r), left_edge(plain), 1) << "the accented " << letter;
    }
}

TEST(AtlasPng, SpritesAreTransparentAtTheirCorners)
{
    const QImage& image = atlas_image();
    ASSERT_FALSE(image.isNull());
    for (const cell& c : sprite_cells()) {
        const int right = c.r.x + c.r.w - 1, bottom = c.r.y + c.r.h - 1;
        for (const auto& [x, y] : {std::pair{c.r.x, c.r.y}, std::pair{right, c.r.y},
                                   std::pair{c.r.x, bottom}, std::pair{right, bottom}})
            EXPECT_EQ(qAlpha(image.pixel(x, y)), 0) << c.name << " at corner " << x << "," << y;
    }
}

TEST(AtlasPng, TilesFillTheirCell)
{
    // Blocks tile the world: apart from their rounded corners they cover the cell.
    const QImage& image = atlas_image();
    ASSERT_FALSE(image.isNull());
    for (const cell& c : tile_cells())
        EXPECT_GE(drawn_share(image, c.r), 0.95) << c.name;
}

TEST(AtlasPng, BackgroundsBannersAndPagesAreFullyOpaque)
{
    const QImage& image = atlas_image();
    ASSERT_FALSE(image.isNull());
    for (const cell& c : opaque_cells()) {
        int see_through = 0;
        for (int y = c.r.y; y < c.r.y + c.r.h; ++y)
            for (int x = c.r.x; x < c.r.x + c.r.w; ++x)
                see_through += qAlpha(image.pixel(x, y)) != 255;
        EXPECT_EQ(see_through, 0) << c.name << " has texels that are not opaque";
    }
}

TEST(AtlasPng, HelpPagesAreFilledAndStayInsideTheirFrame)
{
    // Dark texels are text and outlines. Every band of a help page holds
    // some (no half-empty page, no rows lost below the last one), and the
    // margin outside the frame line holds none (no text or picture running
    // off the page).
    std::vector<std::pair<std::string, QImage>> atlases = {{"en", atlas_image()}};
    for (const std::string& code : other_languages)
        atlases.push_back({code, language_atlas(code)});
    for (const auto& [code, image] : atlases) {
        SCOPED_TRACE(code);
        ASSERT_FALSE(image.isNull());
        auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 110; };
        const std::vector<cell> pages = {{"help_first", atlas::help_first},
                                         {"help_second", atlas::help_second},
                                         {"help_third", atlas::help_third}};
        for (const cell& c : pages) {
            const int band = 100, inner = 24;
            for (int top = inner; top < c.r.h - inner; top += band) {
                int count = 0;
                for (int y = top; y < std::min(top + band, c.r.h - inner); ++y)
                    for (int x = inner; x < c.r.w - inner; ++x)
                        count += dark(c.r.x + x, c.r.y + y);
                EXPECT_GE(count, 400) << c.name << ": little or nothing drawn from y " << top;
            }
            int in_margin = 0;
            for (int y = 0; y < c.r.h; ++y)
                for (int x = 0; x < c.r.w; ++x) {
                    const bool margin = x < 10 || y < 10 || x >= c.r.w - 10 || y >= c.r.h - 10;
                    in_margin += margin && dark(c.r.x + x, c.r.y + y);
                }
            EXPECT_EQ(in_margin, 0) << c.name << " draws outside its frame";
        }
    }
}

TEST(LanguageAtlas, DiffersFromTheEnglishInItsPagesAndBannersOnly)
{
    const QImage& english = atlas_image();
    ASSERT_FALSE(english.isNull());
    const std::vector<cell> pages = {
        {"help_first", atlas::help_first},     {"help_second", atlas::help_second},
        {"help_third", atlas::help_third},     {"credits", atlas::credits},
        {"level_paused", atlas::level_paused}, {"level_failed", atlas::level_failed},
        {"level_passed", atlas::level_passed}};
    auto in_page = [&](int x, int y) {
        for (const cell& c : pages)
            if (x >= c.r.x && x < c.r.x + c.r.w && y >= c.r.y && y < c.r.y + c.r.h)
                return true;
        return false;
    };
    for (const std::string& code : other_languages) {
        const QImage image = language_atlas(code);
        ASSERT_EQ(image.size(), english.size()) << code;
        int changed_elsewhere = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                changed_elsewhere += !in_page(x, y) && image.pixel(x, y) != english.pixel(x, y);
        EXPECT_EQ(changed_elsewhere, 0) << code << ": texels outside the pages and banners differ";
        // Every page and banner carries translated text, so each differs.
        for (const cell& c : pages) {
            int changed = 0;
            for (int y = c.r.y; y < c.r.y + c.r.h; ++y)
                for (int x = c.r.x; x < c.r.x + c.r.w; ++x)
                    changed += image.pixel(x, y) != english.pixel(x, y);
            EXPECT_GT(changed, c.r.h < 100 ? 200 : 1000)
                << code << ": " << c.name << " is still the English one";
        }
    }
}

TEST(AtlasPng, ColouredSpritesReadAsTheirColour)
{
    // The mean colour of a sprite's drawn texels: red, green or blue must
    // dominate for the coloured ones, and white ones stay neutral and light.
    const QImage& image = atlas_image();
    ASSERT_FALSE(image.isNull());
    for (int c = 0; c < 4; ++c) {
        const std::vector<cell> cells = {
            {indexed("character", c, 0), atlas::character(c, 0)},
            {indexed("stock", c), atlas::stock(c)},
            {indexed("stock_expendable", c), atlas::stock_expendable(c)},
            {indexed("cloud", c), atlas::cloud(c)},
            {indexed("bomb", c, 0), atlas::bomb(c, 0)},
            {indexed("focus_marker", c), atlas::focus_marker(c)},
        };
        for (const cell& s : cells) {
            double sum[3] = {0, 0, 0}, weight = 0;
            for (int y = s.r.y; y < s.r.y + s.r.h; ++y) {
                for (int x = s.r.x; x < s.r.x + s.r.w; ++x) {
                    const QRgb px = image.pixel(x, y);
                    const double a = qAlpha(px) / 255.0;
                    sum[0] += qRed(px) * a;
                    sum[1] += qGreen(px) * a;
                    sum[2] += qBlue(px) * a;
                    weight += a;
                }
            }
            ASSERT_GT(weight, 0) << s.name;
            const double r = sum[0] / weight, g = sum[1] / weight, b = sum[2] / weight;
            switch (c) {
            case 0:
                EXPECT_LT(std::max({r, g, b}) - std::min({r, g, b}), 30) << s.name;
                EXPECT_GT((r + g + b) / 3, 150) << s.name;
                break;
            case 1:
                EXPECT_GT(r, std::max(g, b) + 40) << s.name;
                break;
            case 2:
                EXPECT_GT(g, std::max(r, b) + 40) << s.name;
                break;
            default:
                EXPECT_GT(b, std::max(r, g) + 40) << s.name;
                break;
            }
        }
    }
}

TEST(AtlasGenerator, DrawsTheSameBytesOnEveryRun)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray first = run_generator(dir.filePath("first.png"));
    const QByteArray second = run_generator(dir.filePath("second.png"));
    ASSERT_FALSE(first.isEmpty());
    EXPECT_TRUE(first == second) << "two runs of the generator gave different files";
    QFile staged(QString::fromUtf8(atlas_file));
    ASSERT_TRUE(staged.open(QIODevice::ReadOnly));
    EXPECT_TRUE(staged.readAll() == first) << "the staged atlas is not what the generator draws";
}

TEST(AtlasGenerator, RefusesACatalogueItCannotUse)
{
    // Each would otherwise leave an English atlas under another language's name.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString staged = QStringLiteral(CF_STAGE_DIR "translations/");
    const struct {
        const char* what;
        QStringList args;
    } cases[] = {
        {"a missing catalogue", {"de", dir.filePath("crumbleford_de.qm")}},
        {"another language's catalogue", {"de", staged + "crumbleford_fr.qm"}},
        {"English, which has none", {"en", staged + "crumbleford_de.qm"}},
        {"a language the game does not ship", {"xx", staged + "crumbleford_de.qm"}},
        {"a language without its catalogue", {"de"}},
    };
    for (const auto& c : cases) {
        QProcess gen;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        gen.setProcessEnvironment(env);
        const QString output = dir.filePath("out.png");
        gen.start(QString::fromUtf8(CF_ATLAS_GEN_BINARY), QStringList{output} + c.args);
        ASSERT_TRUE(gen.waitForFinished(30000)) << c.what;
        EXPECT_NE(gen.exitCode(), 0) << c.what;
        EXPECT_FALSE(QFile::exists(output)) << c.what;
    }
}

TEST(AtlasGenerator, RefusesToRunWithoutAnOutputFile)
{
    QProcess gen;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    gen.setProcessEnvironment(env);
    gen.start(QString::fromUtf8(CF_ATLAS_GEN_BINARY), {});
    ASSERT_TRUE(gen.waitForFinished(30000));
    EXPECT_NE(gen.exitCode(), 0);
    EXPECT_FALSE(gen.readAllStandardError().isEmpty());
}

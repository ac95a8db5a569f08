// Colour-blind players tell the colours apart by their marks. The atlas is
// seen as each of the three dichromacies sees it, and every pair of colours
// of every coloured sprite must differ in its pattern of light and dark, not
// only in hue, at full size and shrunk to the smallest zoom.

#include "atlas_table.h"
#include "colour_sim.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace
{

using colour_sim::deficiency;

const char* const atlas_file = CF_STAGE_DIR "textures/cf_2048.png";

const QImage& atlas_image()
{
    static const QImage image =
        QImage(QString::fromUtf8(atlas_file)).convertToFormat(QImage::Format_ARGB32);
    return image;
}

// Every sprite kind that comes in the four colours, with its frames.
struct kind {
    const char* name;
    atlas::rect (*cell)(int c, int f);
    int frames;
};

const kind coloured_kinds[] = {
    {"character", atlas::character, atlas::char_frames},
    {"plain block", [](int c, int) { return atlas::stock(c); }, 1},
    {"expendable block", [](int c, int) { return atlas::stock_expendable(c); }, 1},
    {"falling block", [](int c, int) { return atlas::falling(c); }, 1},
    {"cloud", [](int c, int) { return atlas::cloud(c); }, 1},
    {"spikes", [](int c, int) { return atlas::spikes(c); }, 1},
    {"bomb", atlas::bomb, atlas::bomb_frames},
    {"exit", [](int c, int) { return atlas::door_out(c); }, 1},
    {"character switch", [](int c, int) { return atlas::switch_char(c); }, 1},
    {"focus marker", [](int c, int) { return atlas::focus_marker(c); }, 1},
};

const char* const colour_names[] = {"white", "red", "green", "blue"};

// At the smallest zoom a block is 10 pixels: cells are shrunk six times.
constexpr int smallest_zoom_shrink = 6;

// A cell as a colour-blind player sees it over a mid-grey world, shrunk by
// averaging shrink x shrink texels: the luminance of each texel and whether
// the sprite covers it.
struct seen_cell {
    std::vector<double> luminance;
    std::vector<bool> drawn;
};

seen_cell look(const atlas::rect& r, int shrink, deficiency d)
{
    const QImage& image = atlas_image();
    seen_cell seen;
    const int n = shrink * shrink;
    for (int by = 0; by < r.h / shrink; ++by) {
        for (int bx = 0; bx < r.w / shrink; ++bx) {
            double sum[3] = {0, 0, 0}, alpha = 0;
            for (int y = 0; y < shrink; ++y) {
                for (int x = 0; x < shrink; ++x) {
                    const QRgb px = image.pixel(r.x + bx * shrink + x, r.y + by * shrink + y);
                    const double a = qAlpha(px) / 255.0;
                    sum[0] += qRed(px) * a + 128 * (1 - a);
                    sum[1] += qGreen(px) * a + 128 * (1 - a);
                    sum[2] += qBlue(px) * a + 128 * (1 - a);
                    alpha += a;
                }
            }
            const QRgb shown = qRgb(qRound(sum[0] / n), qRound(sum[1] / n), qRound(sum[2] / n));
            seen.luminance.push_back(colour_sim::luminance(colour_sim::simulate(shown, d)));
            seen.drawn.push_back(alpha / n > 0.5);
        }
    }
    return seen;
}

// The luminance of the given texels normalised to zero mean and unit spread,
// so that only the pattern of light and dark is left, not the grey level.
std::vector<double> normalised(const std::vector<double>& luminance, const std::vector<size_t>& at)
{
    double mean = 0, spread = 0;
    for (size_t i : at)
        mean += luminance[i];
    mean /= at.size();
    for (size_t i : at)
        spread += (luminance[i] - mean) * (luminance[i] - mean);
    spread = std::sqrt(spread / at.size());
    std::vector<double> z;
    for (size_t i : at)
        z.push_back(spread > 0 ? (luminance[i] - mean) / spread : 0);
    return z;
}

// The share of the texels either sprite covers where the two normalised
// patterns disagree by more than half a spread.
double pattern_difference(const seen_cell& a, const seen_cell& b)
{
    std::vector<size_t> at;
    for (size_t i = 0; i < a.drawn.size(); ++i)
        if (a.drawn[i] || b.drawn[i])
            at.push_back(i);
    if (at.empty())
        return 0;
    const std::vector<double> za = normalised(a.luminance, at), zb = normalised(b.luminance, at);
    int differing = 0;
    for (size_t i = 0; i < at.size(); ++i)
        differing += std::abs(za[i] - zb[i]) > 0.5;
    return double(differing) / at.size();
}

} // namespace

TEST(ColourSimulation, KeepsGreysAndMergesThePairEachDeficiencyConfuses)
{
    // Our own red, green and blue: red-green blindness must bring red and
    // green closest together, blue-yellow blindness green and blue.
    const QRgb game_colours[] = {qRgb(0xE0, 0x46, 0x3C), qRgb(0x4D, 0xB3, 0x4D),
                                 qRgb(0x3F, 0x73, 0xD9)};
    auto distance = [](QRgb a, QRgb b) {
        return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b));
    };
    struct confusion {
        deficiency d;
        int a, b; // indices into game_colours of the pair that merges
    };
    for (const confusion& t :
         {confusion{deficiency::deuteranopia, 0, 1}, confusion{deficiency::protanopia, 0, 1},
          confusion{deficiency::tritanopia, 1, 2}}) {
        SCOPED_TRACE(colour_sim::name_of(t.d));
        for (int grey : {0, 40, 128, 200, 255}) {
            const QRgb seen = colour_sim::simulate(qRgba(grey, grey, grey, 77), t.d);
            EXPECT_LE(std::abs(qRed(seen) - grey), 1);
            EXPECT_LE(std::abs(qGreen(seen) - grey), 1);
            EXPECT_LE(std::abs(qBlue(seen) - grey), 1);
            EXPECT_EQ(qAlpha(seen), 77);
        }
        const int other = 3 - t.a - t.b;
        const double merged = distance(colour_sim::simulate(game_colours[t.a], t.d),
                                       colour_sim::simulate(game_colours[t.b], t.d));
        for (int kept : {t.a, t.b}) {
            const double apart = distance(colour_sim::simulate(game_colours[kept], t.d),
                                          colour_sim::simulate(game_colours[other], t.d));
            EXPECT_LT(merged * 1.5, apart) << "pair " << t.a << "," << t.b << " against " << other;
        }
        // Without the deficiency the merged pair is as far apart as any.
        EXPECT_GT(distance(game_colours[t.a], game_colours[t.b]), 150);
    }
}

TEST(ColourMarks, EveryColourPairDiffersInLightAndDarkAsColourBlindPlayersSeeIt)
{
    ASSERT_FALSE(atlas_image().isNull()) << "cannot read " << atlas_file;
    struct scale {
        const char* name;
        int shrink;
        double least_difference; // share of the sprite's texels
    };
    const scale scales[] = {{"full size", 1, 0.05}, {"smallest zoom", smallest_zoom_shrink, 0.05}};
    for (const scale& s : scales) {
        for (const kind& k : coloured_kinds) {
            double smallest = 1;
            std::string where;
            for (int f = 0; f < k.frames; ++f) {
                for (deficiency d : colour_sim::all_deficiencies) {
                    seen_cell seen[4];
                    for (int c = 0; c < 4; ++c)
                        seen[c] = look(k.cell(c, f), s.shrink, d);
                    for (int a = 0; a < 4; ++a) {
                        for (int b = a + 1; b < 4; ++b) {
                            const double diff = pattern_difference(seen[a], seen[b]);
                            EXPECT_GE(diff, s.least_difference)
                                << k.name << " frame " << f << " at " << s.name << ", "
                                << colour_sim::name_of(d) << ": " << colour_names[a] << " and "
                                << colour_names[b] << " look alike";
                            if (diff < smallest) {
                                smallest = diff;
                                where = std::string(colour_sim::name_of(d)) + ", " +
                                        colour_names[a] + "/" + colour_names[b];
                            }
                        }
                    }
                }
            }
            std::printf("%-16s %-13s smallest pattern difference %.3f (%s)\n", k.name, s.name,
                        smallest, where.c_str());
        }
    }
}

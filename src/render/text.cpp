// The atlas font and the number formatter.

#include "atlas_table.h"
#include "extra_functions.h"
#include "myglitem.h"
#include "spriteman.h"

#include <sstream>

namespace
{

constexpr int blank_glyph = 36;

// A character's picture and where it stands in its glyph's square, in
// texels of the 60-texel cell: most pictures fill the square.
struct glyph_look {
    const float* tex = nullptr;
    int dx = 0, dy = 0, w = 60, h = 60;
    bool small_letter = false; // a small capital when the case is kept
};

glyph_look full(const float* tex)
{
    glyph_look look;
    look.tex = tex;
    return look;
}

glyph_look placed(const float* tex, const atlas::font_char& g)
{
    glyph_look look;
    look.tex = tex;
    look.dx = g.dx;
    look.dy = g.dy;
    look.w = g.r.w;
    look.h = g.r.h;
    return look;
}

bool is_small_letter(char32_t ch)
{
    return (ch >= U'a' && ch <= U'z') || (ch >= 0xDF && ch <= 0xFE && ch != 0xF7);
}

// The capital a small letter shows: a-z and the Latin-1 letters are 32 apart;
// the sharp s has no capital of its own and shows itself.
char32_t capital_of(char32_t ch)
{
    return is_small_letter(ch) && ch != 0xDF ? ch - 32 : ch;
}

// The font's picture of ch, if it has one.
bool find_look(char32_t ch, glyph_look& look)
{
    const bool small = is_small_letter(ch);
    ch = capital_of(ch);
    if (ch >= U'0' && ch <= U'9')
        look = full(spriteman::tex_alphabet[ch - U'0']);
    else if (ch >= U'A' && ch <= U'Z')
        look = full(spriteman::tex_alphabet[10 + ch - U'A']);
    // "[" is the space of the menu texts; no-break spaces stand before French
    // marks.
    else if (ch == U' ' || ch == U'[' || ch == 0xA0 || ch == 0x202F)
        look = full(spriteman::tex_alphabet[blank_glyph]);
    else if (ch == U'/' || ch == U':' || ch == U'-')
        look = full(spriteman::tex_punctuation[ch == U'/' ? 0 : ch == U':' ? 1 : 2]);
    else if (ch == U'_') {
        // The dash set down by a third onto the baseline: an underscore that
        // read as a space would misname a level.
        look = full(spriteman::tex_punctuation[2]);
        look.dy = 20;
    } else if (ch == U'.')
        look = placed(spriteman::tex_period, atlas::period);
    else if (ch == U',')
        look = placed(spriteman::tex_comma, atlas::comma);
    else {
        if (ch == 0x2019)
            ch = U'\''; // the apostrophe is drawn in the typographer's shape
        int i = 0;
        while (i < atlas::latin_count && atlas::latin_glyph(i).ch != ch)
            ++i;
        if (i == atlas::latin_count)
            return false;
        look = placed(spriteman::tex_latin[i], atlas::latin_glyph(i));
    }
    look.small_letter = small;
    return true;
}

void print(const std::string& text, int x, int y, int size, bool keep_case)
{
    const std::vector<char32_t> chars = extra_functions::code_points(text);
    const int n = static_cast<int>(chars.size());
    const int top = y - size / 2;
    const int first_left = x - (n * size) / 2;
    // A small capital is three quarters high and shares the capitals'
    // baseline, which the atlas puts five sixths down the cell.
    const int small = size * 3 / 4;
    const int small_top = top + (size * 5) / 6 - (small * 5) / 6;
    float quad[8];
    for (int i = 0; i < n; ++i) {
        glyph_look look;
        if (!find_look(chars[i], look))
            look = full(spriteman::tex_alphabet[blank_glyph]); // keeps the gap it would fill
        int left = first_left + i * size, cell_top = top, side = size;
        if (keep_case && look.small_letter) {
            left += (size - small) / 2;
            cell_top = small_top;
            side = small;
        }
        myglitem::set_quad(quad, left + side * look.dx / 60, cell_top + side * look.dy / 60,
                           left + side * (look.dx + look.w) / 60,
                           cell_top + side * (look.dy + look.h) / 60);
        if (look.tex)
            myglitem::draw_strip(look.tex, quad);
    }
}

} // namespace

bool extra_functions::font_has(char32_t ch)
{
    glyph_look look;
    return find_look(ch, look);
}

void extra_functions::print_gl_label(const std::string& text, int x, int y, int size,
                                     bool keep_case)
{
    print(text, x, y, size, keep_case);
}

void extra_functions::print_gl_text(const std::string& text, int x, int y, int size)
{
    print(text, x, y, size, false);
}

std::string extra_functions::uint_to_string(unsigned int value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

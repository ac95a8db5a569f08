// The atlas font and the number formatter.

#include "extra_functions.h"
#include "myglitem.h"
#include "spriteman.h"

#include <sstream>

namespace
{

constexpr unsigned char blank_glyph = 36;

// Digits 0-9, letters A-Z (either case) as 10-35, "[" as the blank 36.
unsigned char glyph_of(unsigned char ch)
{
    // Any other byte would land on an unrelated glyph or none: show a gap.
    const bool has_glyph = (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') ||
                           (ch >= 'a' && ch <= 'z') || ch == '[';
    if (!has_glyph)
        return blank_glyph;
    unsigned char k = ch;
    if (k > '9')
        k -= 7;
    k -= '0';
    if (k > 36)
        k -= 32;
    return k;
}

// A label byte's texture: a glyph, a punctuation mark, or the blank.
const float* label_texture(unsigned char ch)
{
    static const char marks[] = "/:-";
    for (int i = 0; i < 3; ++i)
        if (ch == static_cast<unsigned char>(marks[i]))
            return spriteman::tex_punctuation[i];
    if (ch == '_')
        return spriteman::tex_punctuation[2]; // the dash, set lower
    return spriteman::tex_alphabet[ch == ' ' ? blank_glyph : glyph_of(ch)];
}

} // namespace

void extra_functions::print_gl_label(const std::string& text, int x, int y, int size,
                                     bool keep_case)
{
    const int n = static_cast<int>(text.size());
    const int top = y - size / 2;
    const int first_left = x - (n * size) / 2;
    // A small capital is three quarters high and shares the capitals'
    // baseline, which the atlas puts five sixths down the cell.
    const int small = size * 3 / 4;
    const int small_top = top + (size * 5) / 6 - (small * 5) / 6;
    float quad[8];
    for (int i = 0; i < n; ++i) {
        const unsigned char ch = static_cast<unsigned char>(text[i]);
        const int left = first_left + i * size;
        if (keep_case && ch >= 'a' && ch <= 'z') {
            const int inset = (size - small) / 2;
            myglitem::set_quad(quad, left + inset, small_top, left + inset + small,
                               small_top + small);
        } else if (ch == '_') {
            // From mid-height, where the dash sits, down to the baseline: an
            // underscore that reads as a space would misname a level.
            myglitem::set_quad(quad, left, top + size / 3, left + size, top + size / 3 + size);
        } else {
            myglitem::set_quad(quad, left, top, left + size, top + size);
        }
        if (const float* tex = label_texture(ch))
            myglitem::draw_strip(tex, quad);
    }
}

void extra_functions::print_gl_text(const std::string& text, int x, int y, int size)
{
    const int n = static_cast<int>(text.size());
    const int top = y - size / 2;
    const int first_left = x - (n * size) / 2;
    float quad[8];
    for (int i = 0; i < n; ++i) {
        const int left = first_left + i * size;
        myglitem::set_quad(quad, left, top, left + size, top + size);
        const float* tex = spriteman::tex_alphabet[glyph_of(static_cast<unsigned char>(text[i]))];
        if (tex)
            myglitem::draw_strip(tex, quad);
    }
}

std::string extra_functions::uint_to_string(unsigned int value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

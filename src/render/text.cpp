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

} // namespace

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

#include "extra_functions.h"

#include "cfg.h"

long long extra_functions::abs(long long v)
{
    // Two's complement negation: the most negative value maps to itself.
    return v < 0 ? static_cast<long long>(0ULL - static_cast<unsigned long long>(v)) : v;
}

long long extra_functions::bigtoceiled(long long v)
{
    long long q = v / cfg::multiplier;
    return q * cfg::multiplier != v ? q + 1 : q;
}

std::vector<char32_t> extra_functions::code_points(const std::string& text)
{
    std::vector<char32_t> out;
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t cp = lead;
        char32_t least = 0;
        if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3, cp = lead & 0x07, least = 0x10000;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2, cp = lead & 0x0F, least = 0x800;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1, cp = lead & 0x1F, least = 0x80;
        } else if (lead >= 0x80) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        bool ok = i + extra < n;
        for (int k = 1; ok && k <= extra; ++k) {
            const unsigned char c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not text.
        if (!ok || cp < least || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(cp);
        i += 1 + extra;
    }
    return out;
}

int extra_functions::glyph_count(const std::string& text)
{
    return static_cast<int>(code_points(text).size());
}

#ifndef CRUMBLEFORD_WORLD_EXTRA_FUNCTIONS_H
#define CRUMBLEFORD_WORLD_EXTRA_FUNCTIONS_H

// Free utilities shared by the world and the renderer: numeric helpers for
// the collision code, the atlas loader and the atlas font.

#include <string>
#include <vector>

class extra_functions
{
  public:
    static long long abs(long long v);
    // Cell count rounded up: the exclusive upper cell bound of a coordinate.
    static long long bigtoceiled(long long v);

    // Loads the atlas into one GL texture and builds spriteman's tables;
    // returns the texture name, or 0 when the image cannot be read.
    static unsigned int make_texture(const std::string& name);
    static void unmake_texture(unsigned int* texture);
    // Puts another atlas of the same layout (another language's pages) into
    // `texture`, keeping spriteman's tables; false, the texture unchanged,
    // when the image cannot be read or is another size.
    static bool refill_texture(unsigned int texture, const std::string& name);

    // Texts are drawn one glyph per character, a glyph's size apart; a
    // character the font lacks leaves a blank. Small letters show their
    // capitals.
    static void print_gl_text(const std::string& text, int x, int y, int size);
    // Like print_gl_text, for the game's newer labels: with keep_case small
    // letters show as small capitals, so a name reads as it was typed.
    static void print_gl_label(const std::string& text, int x, int y, int size,
                               bool keep_case = false);
    // Whether the atlas font draws ch (a space counts: its glyph is the blank).
    static bool font_has(char32_t ch);
    static std::string uint_to_string(unsigned int value);

    // Texts are UTF-8. The characters of `text` in order; a byte that does
    // not begin a well-formed sequence counts as one character U+FFFD, so a
    // damaged name still has a width and draws as gaps.
    static std::vector<char32_t> code_points(const std::string& text);
    // How many glyphs `text` draws: one per character, whatever its bytes.
    static int glyph_count(const std::string& text);
};

#endif

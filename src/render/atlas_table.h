#ifndef CRUMBLEFORD_RENDER_ATLAS_TABLE_H
#define CRUMBLEFORD_RENDER_ATLAS_TABLE_H

// Texel rectangles of every cell of the sprite atlas "cf_2048.png".
// One table shared by spriteman (texture coordinates) and the atlas
// generator (what it draws where), so the two can never drift apart.

namespace atlas
{

constexpr int size = 2048; // the atlas is size x size texels

struct rect {
    int x, y, w, h;
};

// Multi-cell entries, indexed by colour c (0 white, 1 red, 2 green, 3 blue),
// frame f and glyph k.
constexpr rect character(int c, int f)
{
    return {62 * f, 62 * c, 60, 60};
}
constexpr rect falling(int c)
{
    return {62 * c, 248, 60, 60};
}
constexpr rect stock(int c)
{
    return {62 * c, 310, 60, 60};
}
constexpr rect stock_expendable(int c)
{
    return {248 + 62 * c, 310, 60, 60};
}
constexpr rect cloud(int c)
{
    return {62 * c, 372, 60, 60};
}
constexpr rect spikes(int c)
{
    return {248 + 62 * c, 372, 60, 60};
}
constexpr rect door_out(int c)
{
    return {496, 186 + 124 * c, 120, 120};
}
constexpr rect switch_char(int c)
{
    return {310, 496 + 62 * c, 60, 60};
}
constexpr rect bomb(int c, int f)
{
    return {62 * f, 868 + 62 * c, 60, 60};
}
constexpr rect glyph(int k)
{
    return {620 + 62 * (k % 10), 992 + 62 * (k / 10), 60, 60};
}

constexpr int char_frames = 6;
constexpr int bomb_frames = 9;
constexpr int glyph_count = 37; // 0-9, A-Z, then the blank
constexpr int blank_glyph = 36;
// Punctuation for labels beyond the letters: "/", ":" and "-", in the three
// cells that follow the blank in the glyph grid.
constexpr int punctuation_count = 3;
constexpr rect punctuation(int i)
{
    return glyph(glyph_count + i);
}

// Single cells.
constexpr rect play{0, 682, 122, 122};
constexpr rect quit{124, 558, 122, 122};
constexpr rect help_icon{0, 558, 122, 122};
constexpr rect credits_icon{186, 434, 60, 60};
constexpr rect door_in_np{372, 62, 120, 60};
constexpr rect door_in_p{496, 186, 120, 60}; // top half of door_out(0)
constexpr rect back{0, 496, 60, 60};
constexpr rect back_reverse{60, 556, -60, -60}; // back turned by 180 degrees
constexpr rect zoomin{62, 496, 60, 60};
constexpr rect zoomout{124, 496, 60, 60};
constexpr rect switch_mv{186, 496, 60, 60};
constexpr rect switch_ctrl{248, 496, 60, 60};
constexpr rect open_the_door{372, 496, 60, 60};
constexpr rect brush{434, 496, 60, 60};
constexpr rect rewind{248, 434, 60, 60};
// Keyboard and pad play: the focus frame is stretched by its corners around
// whatever has the focus; the drawing cursor and its cloud-direction arrow
// (drawn pointing right, turned by the texture coordinates).
constexpr rect focus_frame{310, 434, 60, 60};
constexpr rect cursor{372, 434, 60, 60};
constexpr rect cursor_arrow{434, 434, 60, 60};
// Play hints: the door prompt as a key cap (two cells wide) or as the pad's
// face buttons, the marker over the steered character by colour, the mark
// of a cloud's way (pointing right, turned like the cursor arrow) and the
// glow behind the button of the active control surface.
constexpr rect prompt_key{1240, 1054, 122, 60};
constexpr rect prompt_pad{1364, 1054, 60, 60};
constexpr rect focus_marker(int c)
{
    return {1240 + 62 * (c % 3), 1116 + 62 * (c / 3), 60, 60};
}
constexpr rect cloud_arrow{1302, 1178, 60, 60};
constexpr rect mode_glow{1364, 1178, 60, 60};
constexpr rect sound_on{372, 620, 60, 60};
constexpr rect sound_off{434, 620, 60, 60};
constexpr rect pencil{1302, 992, 60, 60};
constexpr rect apply{496, 682, 120, 120};
constexpr rect level_paused{0, 806, 620, 60};
constexpr rect level_failed{0, 1116, 620, 60};
constexpr rect level_passed{0, 1178, 620, 60};
constexpr rect credits{1426, 0, 622, 1240};
constexpr rect help_first{0, 1248, 800, 800};
constexpr rect help_second{800, 1248, 800, 800};
constexpr rect help_third{1600, 1248, 448, 800}; // the pad and the menu keys
constexpr rect bg_non_grassy{620, 496, 800, 480};
constexpr rect grassy_up{620, 0, 800, 193};
constexpr rect grassy_center{620, 193, 800, 42};
constexpr rect grassy_down{620, 235, 800, 245};
// Must stay a transparent black texel: tints are added to it, so the tint
// alone decides the colour of flat rectangles.
constexpr rect blank{530, 30, 1, 1};
// Reserved cells no item draws; they overlap drawn cells.
constexpr rect resume{0, 620, 248, 60};
constexpr rect restart{0, 682, 248, 60};
constexpr rect to_main_menu{0, 744, 434, 60};
constexpr rect exit_game{0, 806, 310, 60};
constexpr rect bg_grassy{620, 0, 800, 480};
// Bound keys: the door prompt's key cap with no name, for the game to write
// the bound key's name on (two cells wide).
constexpr rect prompt_key_blank{124, 682, 122, 60};

// The settings: the title's gear button.
constexpr rect gear{372, 0, 60, 60};
// Records: the mark beside a map door whose level was passed at or under par.
constexpr rect par_mark{434, 0, 60, 60};

// The font beyond 0-9, A-Z and "/:-": the Latin-1 capitals and the sharp s,
// and the marks other languages' texts need, in cells the first layout left
// free. A picture stands at (dx, dy) texels in its glyph's 60 x 60 square:
// the narrow marks share a cell two to a cell and stand in the middle of the
// square. Lower-case letters show these capitals, as a-z show A-Z.
struct font_char {
    char32_t ch;
    rect r;
    int dx, dy;
};
constexpr rect exclamation_cell{372, 744, 60, 60}; // "!" and its turned twin
constexpr rect semicolon_cell{434, 744, 60, 60};   // ";" and the apostrophe
constexpr font_char latin_glyphs[] = {
    {U'À', {558, 0, 60, 60}, 0, 0},    // A grave
    {U'Á', {496, 62, 60, 60}, 0, 0},   // A acute
    {U'Â', {558, 62, 60, 60}, 0, 0},   // A circumflex
    {U'Ã', {372, 124, 60, 60}, 0, 0},  // A tilde
    {U'Ä', {434, 124, 60, 60}, 0, 0},  // A diaeresis
    {U'Å', {496, 124, 60, 60}, 0, 0},  // A ring
    {U'Æ', {558, 124, 60, 60}, 0, 0},  // AE
    {U'Ç', {372, 186, 60, 60}, 0, 0},  // C cedilla
    {U'È', {434, 186, 60, 60}, 0, 0},  // E grave
    {U'É', {248, 248, 60, 60}, 0, 0},  // E acute
    {U'Ê', {310, 248, 60, 60}, 0, 0},  // E circumflex
    {U'Ë', {372, 248, 60, 60}, 0, 0},  // E diaeresis
    {U'Ì', {434, 248, 60, 60}, 0, 0},  // I grave
    {U'Í', {0, 434, 60, 60}, 0, 0},    // I acute
    {U'Î', {62, 434, 60, 60}, 0, 0},   // I circumflex
    {U'Ï', {124, 434, 60, 60}, 0, 0},  // I diaeresis
    {U'Ð', {248, 558, 60, 60}, 0, 0},  // eth
    {U'Ñ', {372, 558, 60, 60}, 0, 0},  // N tilde
    {U'Ò', {434, 558, 60, 60}, 0, 0},  // O grave
    {U'Ó', {248, 620, 60, 60}, 0, 0},  // O acute
    {U'Ô', {248, 682, 60, 60}, 0, 0},  // O circumflex
    {U'Õ', {372, 682, 60, 60}, 0, 0},  // O tilde
    {U'Ö', {434, 682, 60, 60}, 0, 0},  // O diaeresis
    {U'Ø', {124, 744, 60, 60}, 0, 0},  // O stroke
    {U'Ù', {186, 744, 60, 60}, 0, 0},  // U grave
    {U'Ú', {248, 744, 60, 60}, 0, 0},  // U acute
    {U'Û', {310, 744, 60, 60}, 0, 0},  // U circumflex
    {U'Ü', {558, 868, 60, 60}, 0, 0},  // U diaeresis
    {U'Ý', {558, 930, 60, 60}, 0, 0},  // Y acute
    {U'Þ', {558, 992, 60, 60}, 0, 0},  // thorn
    {U'ß', {1240, 992, 60, 60}, 0, 0}, // sharp s
    {U'?', {1364, 992, 60, 60}, 0, 0},
    {U'¿', {558, 1054, 60, 60}, 0, 0}, // turned question mark
    {U'!', {exclamation_cell.x, exclamation_cell.y, 30, 60}, 15, 0},
    {U'¡', {exclamation_cell.x + 30, exclamation_cell.y, 30, 60}, 15, 0}, // turned "!"
    {U';', {semicolon_cell.x, semicolon_cell.y, 30, 60}, 15, 0},
    {U'\'', {semicolon_cell.x + 30, semicolon_cell.y, 30, 60}, 15, 0},
};
constexpr int latin_count = sizeof(latin_glyphs) / sizeof(latin_glyphs[0]);
constexpr font_char latin_glyph(int i)
{
    return latin_glyphs[i];
}
// The period and the comma have no pictures of their own: they are what ":"
// and ";" show below the row where the two cells are cut, the lower dot and
// the tail, which sit where a period and a comma sit.
constexpr int mark_cut = 36;
constexpr font_char period{
    U'.', {punctuation(1).x, punctuation(1).y + mark_cut, 60, 60 - mark_cut}, 0, mark_cut};
constexpr font_char comma{
    U',', {semicolon_cell.x, semicolon_cell.y + mark_cut, 30, 60 - mark_cut}, 15, mark_cut};

} // namespace atlas

#endif

#ifndef CRUMBLEFORD_TOOLS_ATLAS_GEN_UI_SPRITES_H
#define CRUMBLEFORD_TOOLS_ATLAS_GEN_UI_SPRITES_H

// The interface sprites of the atlas: HUD and menu icons on dark badges, the
// glyphs of the game's font and the three menu banners. Each function draws
// one cell with its top-left corner at the painter's origin, in the cell's
// size (60 x 60 unless noted).

#include "atlas_table.h"

class QPainter;

namespace art
{

void draw_back_icon(QPainter& p); // also shown turned by 180 degrees
void draw_zoom_icon(QPainter& p, bool zoom_in);
void draw_steer_icon(QPainter& p);  // steering surface (ctrl_switch)
void draw_scroll_icon(QPainter& p); // scrolling surface (mv_switch)
void draw_open_door_icon(QPainter& p);
void draw_brush_icon(QPainter& p);
void draw_rewind_icon(QPainter& p);
// The mute button: a loudspeaker sounding, or crossed out.
void draw_sound_icon(QPainter& p, bool on);
void draw_switch_char_icon(QPainter& p, int c);
void draw_apply_icon(QPainter& p); // 120 x 120
void draw_play_icon(QPainter& p);  // 122 x 122
void draw_help_icon(QPainter& p);  // 122 x 122
void draw_quit_icon(QPainter& p);  // 122 x 122
void draw_credits_icon(QPainter& p);
// The main menu's way into the level editor.
void draw_pencil_icon(QPainter& p);
void draw_gear_icon(QPainter& p);

// Glyph k of the font: 0-9 the digits, 10-35 A-Z, 36 the blank (left empty).
void draw_glyph(QPainter& p, int k);
// A character of the font's second part (atlas::latin_glyph), in the glyphs'
// style, in its own cell or half cell: width g.r.w.
void draw_latin_glyph(QPainter& p, const atlas::font_char& g);

enum class banner { paused, failed, passed };
void draw_banner(QPainter& p, banner kind); // 620 x 60, opaque

} // namespace art

#endif

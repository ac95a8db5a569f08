#ifndef CRUMBLEFORD_RENDER_SPRITEMAN_H
#define CRUMBLEFORD_RENDER_SPRITEMAN_H

// Texture coordinates of every atlas cell, computed once when the atlas is
// loaded. Each tex_ entry is 8 floats (u, v of the top-left, top-right,
// bottom-left and bottom-right corners); multi-cell entries are indexed by
// colour number (and frame or glyph). Items hand these arrays to GL as they are.

class spriteman
{
  public:
    static float sprite_width;
    static float sprite_height;

    static float* tex_char[24];
    static float* tex_falling[4];
    static float* tex_stock[4];
    static float* tex_stock_expendable[4];
    static float* tex_cloud[4];
    static float* tex_spikes[4];
    static float* tex_door_out[4];
    static float* tex_switch_char[4];
    static float* tex_bomb[36];
    static float* tex_alphabet[37];
    static float* tex_punctuation[3]; // "/", ":", "-"
    // The font's second part, as atlas::latin_glyph lists it, and the period
    // and the comma (parts of ":" and ";").
    static float* tex_latin[37];
    static float* tex_period;
    static float* tex_comma;
    static float* tex_focus_marker[4];

    static float* tex_play;
    static float* tex_quit;
    static float* tex_help_icon;
    static float* tex_credits_icon;
    static float* tex_door_in_np;
    static float* tex_door_in_p;
    static float* tex_back;
    static float* tex_back_reverse;
    static float* tex_zoomin;
    static float* tex_zoomout;
    static float* tex_switch_mv;
    static float* tex_switch_ctrl;
    static float* tex_open_the_door;
    static float* tex_brush;
    static float* tex_rewind;
    static float* tex_focus_frame;
    static float* tex_cursor;
    static float* tex_cursor_arrow;
    static float* tex_prompt_key;
    static float* tex_prompt_key_blank;
    static float* tex_prompt_pad;
    static float* tex_cloud_arrow;
    static float* tex_mode_glow;
    static float* tex_sound_on;
    static float* tex_sound_off;
    static float* tex_pencil;
    static float* tex_gear;
    static float* tex_apply;
    static float* tex_level_paused;
    static float* tex_level_failed;
    static float* tex_level_passed;
    static float* tex_credits;
    static float* tex_help_first;
    static float* tex_help_second;
    static float* tex_help_third;
    static float* tex_bg_non_grassy;
    static float* tex_grassy_up;
    static float* tex_grassy_center;
    static float* tex_grassy_down;
    static float* tex_blank;
    static float* tex_resume;
    static float* tex_restart;
    static float* tex_to_main_menu;
    static float* tex_exit_game;
    static float* tex_bg_grassy;
    // Records: a map door's mark for a level passed at or under par.
    static float* tex_par_mark;

    static float* color_blank; // 4 floats, all 0: the neutral tint

    static void init(float width, float height);
    static void deinit();
    static bool ready() { return color_blank != nullptr; }
    static void apply_coords(float* coords, float x, float y, float w, float h);
    static void rotate_right(float* coords);
};

#endif

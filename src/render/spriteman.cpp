#include "spriteman.h"

#include "atlas_table.h"

#include <iostream>

float spriteman::sprite_width = 0;
float spriteman::sprite_height = 0;

float* spriteman::tex_char[24] = {};
float* spriteman::tex_falling[4] = {};
float* spriteman::tex_stock[4] = {};
float* spriteman::tex_stock_expendable[4] = {};
float* spriteman::tex_cloud[4] = {};
float* spriteman::tex_spikes[4] = {};
float* spriteman::tex_door_out[4] = {};
float* spriteman::tex_switch_char[4] = {};
float* spriteman::tex_bomb[36] = {};
float* spriteman::tex_alphabet[37] = {};
float* spriteman::tex_punctuation[3] = {};
float* spriteman::tex_latin[37] = {};
float* spriteman::tex_period = nullptr;
float* spriteman::tex_comma = nullptr;
float* spriteman::tex_focus_marker[4] = {};

float* spriteman::tex_play = nullptr;
float* spriteman::tex_quit = nullptr;
float* spriteman::tex_help_icon = nullptr;
float* spriteman::tex_credits_icon = nullptr;
float* spriteman::tex_door_in_np = nullptr;
float* spriteman::tex_door_in_p = nullptr;
float* spriteman::tex_back = nullptr;
float* spriteman::tex_back_reverse = nullptr;
float* spriteman::tex_zoomin = nullptr;
float* spriteman::tex_zoomout = nullptr;
float* spriteman::tex_switch_mv = nullptr;
float* spriteman::tex_switch_ctrl = nullptr;
float* spriteman::tex_open_the_door = nullptr;
float* spriteman::tex_brush = nullptr;
float* spriteman::tex_rewind = nullptr;
float* spriteman::tex_focus_frame = nullptr;
float* spriteman::tex_cursor = nullptr;
float* spriteman::tex_cursor_arrow = nullptr;
float* spriteman::tex_prompt_key = nullptr;
float* spriteman::tex_prompt_key_blank = nullptr;
float* spriteman::tex_prompt_pad = nullptr;
float* spriteman::tex_cloud_arrow = nullptr;
float* spriteman::tex_mode_glow = nullptr;
float* spriteman::tex_sound_on = nullptr;
float* spriteman::tex_sound_off = nullptr;
float* spriteman::tex_pencil = nullptr;
float* spriteman::tex_gear = nullptr;
float* spriteman::tex_par_mark = nullptr;
float* spriteman::tex_apply = nullptr;
float* spriteman::tex_level_paused = nullptr;
float* spriteman::tex_level_failed = nullptr;
float* spriteman::tex_level_passed = nullptr;
float* spriteman::tex_credits = nullptr;
float* spriteman::tex_help_first = nullptr;
float* spriteman::tex_help_second = nullptr;
float* spriteman::tex_help_third = nullptr;
float* spriteman::tex_bg_non_grassy = nullptr;
float* spriteman::tex_grassy_up = nullptr;
float* spriteman::tex_grassy_center = nullptr;
float* spriteman::tex_grassy_down = nullptr;
float* spriteman::tex_blank = nullptr;
float* spriteman::tex_resume = nullptr;
float* spriteman::tex_restart = nullptr;
float* spriteman::tex_to_main_menu = nullptr;
float* spriteman::tex_exit_game = nullptr;
float* spriteman::tex_bg_grassy = nullptr;

float* spriteman::color_blank = nullptr;

namespace
{

// Every single-cell entry with its rectangle, so init and deinit walk one list.
struct single_cell {
    float** entry;
    atlas::rect r;
};

const single_cell single_cells[] = {
    {&spriteman::tex_play, atlas::play},
    {&spriteman::tex_quit, atlas::quit},
    {&spriteman::tex_help_icon, atlas::help_icon},
    {&spriteman::tex_credits_icon, atlas::credits_icon},
    {&spriteman::tex_door_in_np, atlas::door_in_np},
    {&spriteman::tex_door_in_p, atlas::door_in_p},
    {&spriteman::tex_back, atlas::back},
    {&spriteman::tex_back_reverse, atlas::back_reverse},
    {&spriteman::tex_zoomin, atlas::zoomin},
    {&spriteman::tex_zoomout, atlas::zoomout},
    {&spriteman::tex_switch_mv, atlas::switch_mv},
    {&spriteman::tex_switch_ctrl, atlas::switch_ctrl},
    {&spriteman::tex_open_the_door, atlas::open_the_door},
    {&spriteman::tex_brush, atlas::brush},
    {&spriteman::tex_rewind, atlas::rewind},
    {&spriteman::tex_focus_frame, atlas::focus_frame},
    {&spriteman::tex_cursor, atlas::cursor},
    {&spriteman::tex_cursor_arrow, atlas::cursor_arrow},
    {&spriteman::tex_prompt_key, atlas::prompt_key},
    {&spriteman::tex_prompt_key_blank, atlas::prompt_key_blank},
    {&spriteman::tex_prompt_pad, atlas::prompt_pad},
    {&spriteman::tex_cloud_arrow, atlas::cloud_arrow},
    {&spriteman::tex_mode_glow, atlas::mode_glow},
    {&spriteman::tex_sound_on, atlas::sound_on},
    {&spriteman::tex_sound_off, atlas::sound_off},
    {&spriteman::tex_pencil, atlas::pencil},
    {&spriteman::tex_gear, atlas::gear},
    {&spriteman::tex_apply, atlas::apply},
    {&spriteman::tex_level_paused, atlas::level_paused},
    {&spriteman::tex_level_failed, atlas::level_failed},
    {&spriteman::tex_level_passed, atlas::level_passed},
    {&spriteman::tex_credits, atlas::credits},
    {&spriteman::tex_help_first, atlas::help_first},
    {&spriteman::tex_help_second, atlas::help_second},
    {&spriteman::tex_help_third, atlas::help_third},
    {&spriteman::tex_bg_non_grassy, atlas::bg_non_grassy},
    {&spriteman::tex_grassy_up, atlas::grassy_up},
    {&spriteman::tex_grassy_center, atlas::grassy_center},
    {&spriteman::tex_grassy_down, atlas::grassy_down},
    {&spriteman::tex_blank, atlas::blank},
    {&spriteman::tex_resume, atlas::resume},
    {&spriteman::tex_restart, atlas::restart},
    {&spriteman::tex_to_main_menu, atlas::to_main_menu},
    {&spriteman::tex_exit_game, atlas::exit_game},
    {&spriteman::tex_bg_grassy, atlas::bg_grassy},
    {&spriteman::tex_par_mark, atlas::par_mark},
    {&spriteman::tex_period, atlas::period.r},
    {&spriteman::tex_comma, atlas::comma.r},
};

static_assert(sizeof(spriteman::tex_latin) / sizeof(float*) == atlas::latin_count,
              "one texture entry per character of the font's second part");

float* make_cell(const atlas::rect& r)
{
    float* coords = new float[8];
    spriteman::apply_coords(coords, r.x, r.y, r.w, r.h);
    return coords;
}

template <int N> void free_cells(float* (&cells)[N])
{
    for (float*& c : cells) {
        delete[] c;
        c = nullptr;
    }
}

} // namespace

void spriteman::init(float width, float height)
{
    deinit(); // a second load must not leak the first tables
    sprite_width = width;
    sprite_height = height;
    for (int c = 0; c < 4; ++c) {
        for (int f = 0; f < atlas::char_frames; ++f)
            tex_char[c * atlas::char_frames + f] = make_cell(atlas::character(c, f));
        for (int f = 0; f < atlas::bomb_frames; ++f)
            tex_bomb[c * atlas::bomb_frames + f] = make_cell(atlas::bomb(c, f));
        tex_falling[c] = make_cell(atlas::falling(c));
        tex_stock[c] = make_cell(atlas::stock(c));
        tex_stock_expendable[c] = make_cell(atlas::stock_expendable(c));
        tex_cloud[c] = make_cell(atlas::cloud(c));
        tex_spikes[c] = make_cell(atlas::spikes(c));
        tex_door_out[c] = make_cell(atlas::door_out(c));
        tex_switch_char[c] = make_cell(atlas::switch_char(c));
        tex_focus_marker[c] = make_cell(atlas::focus_marker(c));
    }
    for (int k = 0; k < atlas::glyph_count; ++k)
        tex_alphabet[k] = make_cell(atlas::glyph(k));
    for (int i = 0; i < atlas::punctuation_count; ++i)
        tex_punctuation[i] = make_cell(atlas::punctuation(i));
    for (int i = 0; i < atlas::latin_count; ++i)
        tex_latin[i] = make_cell(atlas::latin_glyph(i).r);
    for (const single_cell& s : single_cells)
        *s.entry = make_cell(s.r);
    color_blank = new float[4]{0, 0, 0, 0};
}

void spriteman::deinit()
{
    // Pointers are reset so that a stale table is never drawn from.
    free_cells(tex_char);
    free_cells(tex_falling);
    free_cells(tex_stock);
    free_cells(tex_stock_expendable);
    free_cells(tex_cloud);
    free_cells(tex_spikes);
    free_cells(tex_door_out);
    free_cells(tex_switch_char);
    free_cells(tex_focus_marker);
    free_cells(tex_bomb);
    free_cells(tex_alphabet);
    free_cells(tex_punctuation);
    free_cells(tex_latin);
    for (const single_cell& s : single_cells) {
        delete[] * s.entry;
        *s.entry = nullptr;
    }
    delete[] color_blank;
    color_blank = nullptr;
}

void spriteman::apply_coords(float* coords, float x, float y, float w, float h)
{
    const float u = x / sprite_width;
    const float v = 1 - y / sprite_height;
    coords[0] = coords[4] = u;
    coords[1] = coords[3] = v;
    coords[2] = coords[6] = u + w / sprite_width;
    coords[5] = coords[7] = v - h / sprite_height;
}

void spriteman::rotate_right(float* coords)
{
    for (int i = 0; i < 8; ++i)
        std::cout << "arg_tex[" << i << "] = " << coords[i] << "\n";
    const float old[8] = {coords[0], coords[1], coords[2], coords[3],
                          coords[4], coords[5], coords[6], coords[7]};
    const int from[8] = {4, 5, 0, 1, 6, 7, 2, 3};
    for (int i = 0; i < 8; ++i)
        coords[i] = old[from[i]];
    for (int i = 0; i < 8; ++i)
        std::cout << "OUT arg_tex[" << i << "] = " << coords[i] << "\n";
}

#include "editor_palette.h"

#include "cfg.h"
#include "editor_layout.h"
#include "extra_functions.h"
#include "myglitem.h"
#include "spriteman.h"

namespace
{

const level_record::kind_t kinds[editor_palette::kind_count] = {
    level_record::stockblock, level_record::stock_expendable,
    level_record::spikes,     level_record::falling,
    level_record::cloud,      level_record::exit,
    level_record::character};

const unsigned char directions[] = {cfg::p, cfg::d, cfg::l, cfg::g, 0};

const float badge_tint[4] = {0.05f, 0.05f, 0.08f, 0.6f};
const float chosen_tint[4] = {0.5f, 0.45f, 0.1f, 0.6f};
// White, red, green, blue at full strength, for the swatches.
const float swatch_tint[4][4] = {{0.93f, 0.93f, 0.9f, 1},
                                 {0.88f, 0.27f, 0.24f, 1},
                                 {0.3f, 0.7f, 0.3f, 1},
                                 {0.25f, 0.45f, 0.85f, 1}};

// The cell, less `inset` pixels on every side.
void fill(const screen_rect& r, int inset, const float* tint)
{
    myglitem::draw_flat_rect(static_cast<float>(r.left + inset), static_cast<float>(r.top + inset),
                             static_cast<float>(r.right - inset),
                             static_cast<float>(r.bottom - inset), tint);
}

void picture(const float* tex, const screen_rect& r, int inset)
{
    if (!tex)
        return;
    float quad[8];
    myglitem::set_quad(quad, static_cast<float>(r.left + inset), static_cast<float>(r.top + inset),
                       static_cast<float>(r.right - inset), static_cast<float>(r.bottom - inset));
    myglitem::draw_strip(tex, quad);
}

} // namespace

const float* editor_palette::sprite(level_record::kind_t kind, unsigned char colour)
{
    const int c = colour & 3;
    switch (kind) {
    case level_record::stockblock:
        return spriteman::tex_stock[c];
    case level_record::stock_expendable:
        return spriteman::tex_stock_expendable[c];
    case level_record::spikes:
        return spriteman::tex_spikes[c];
    case level_record::falling:
        return spriteman::tex_falling[c];
    case level_record::cloud:
        return spriteman::tex_cloud[c];
    case level_record::exit:
        return spriteman::tex_door_out[c];
    case level_record::character:
        return spriteman::tex_char[c * 6];
    default: // records the editor does not place
        return nullptr;
    }
}

const float* editor_palette::stock_sprite(unsigned int type, unsigned char colour)
{
    const int c = colour & 3;
    switch (type) {
    case cfg::static0:
        return spriteman::tex_stock[c];
    case cfg::spike:
        return spriteman::tex_spikes[c];
    case cfg::cloud:
        return spriteman::tex_cloud[c];
    case cfg::falling:
        return spriteman::tex_falling[c];
    case cfg::destroyer:
        return spriteman::tex_bomb[c * 9];
    case cfg::character:
        return spriteman::tex_char[c * 6];
    default:
        return nullptr;
    }
}

const char* editor_palette::direction_letter(unsigned char direction)
{
    switch (direction) {
    case cfg::p:
        return "R";
    case cfg::l:
        return "L";
    case cfg::g:
        return "U";
    case cfg::d:
        return "D";
    default:
        return "0";
    }
}

namespace
{

// Index `delta` steps on from `i` in a ring of n entries.
int ring_step(int i, int delta, int n)
{
    return ((i + delta) % n + n) % n;
}

} // namespace

void editor_palette::step_kind(int delta)
{
    int i = 0;
    while (i < kind_count && kinds[i] != kind)
        ++i;
    kind = kinds[ring_step(i % kind_count, delta, kind_count)];
}

void editor_palette::step_colour(int delta)
{
    colour = static_cast<unsigned char>(ring_step(colour & 3, delta, 4));
}

void editor_palette::step_direction(int delta)
{
    const int n = sizeof directions;
    for (int i = 0; i < n; ++i)
        if (directions[i] == direction) {
            direction = directions[ring_step(i, delta, n)];
            return;
        }
    direction = directions[0];
}

bool editor_palette::number_key(int digit)
{
    if (digit >= 1 && digit <= kind_count) {
        if (kind == kinds[digit - 1])
            next_colour();
        kind = kinds[digit - 1];
        return true;
    }
    if (digit == 8) {
        next_colour();
        return true;
    }
    if (digit == 9) {
        next_direction();
        return true;
    }
    return false;
}

bool editor_palette::contains(int x, int y, int viewport_height) const
{
    return editor_layout::palette_strip(viewport_height).contains(x, y);
}

bool editor_palette::press(int x, int y, int viewport_height)
{
    if (!contains(x, y, viewport_height))
        return false;
    for (int i = 0; i < kind_count; ++i)
        if (editor_layout::kind_cell(i, viewport_height).contains(x, y)) {
            kind = kinds[i];
            return true;
        }
    for (int c = 0; c < 4; ++c)
        if (editor_layout::colour_cell(c, viewport_height).contains(x, y)) {
            colour = static_cast<unsigned char>(c);
            return true;
        }
    if (editor_layout::direction_cell(viewport_height).contains(x, y))
        next_direction();
    return true; // the gaps belong to the strip too
}

level_record editor_palette::record_for(int column, int row) const
{
    return level_document::make(kind, column, row, colour, direction);
}

void editor_palette::draw(int viewport_height) const
{
    for (int i = 0; i < kind_count; ++i) {
        const screen_rect r = editor_layout::kind_cell(i, viewport_height);
        fill(r, 0, kinds[i] == kind ? chosen_tint : badge_tint);
        picture(sprite(kinds[i], colour), r, 6);
        extra_functions::print_gl_text(std::to_string(i + 1), r.left + 11, r.top + 11, 14);
    }
    for (int c = 0; c < 4; ++c) {
        const screen_rect r = editor_layout::colour_cell(c, viewport_height);
        fill(r, 0, c == colour ? chosen_tint : badge_tint);
        fill(r, 10, swatch_tint[c]);
    }
    const screen_rect r = editor_layout::direction_cell(viewport_height);
    fill(r, 0, kind == level_record::cloud ? chosen_tint : badge_tint);
    picture(spriteman::tex_cloud[colour & 3], r, 6);
    extra_functions::print_gl_text(direction_letter(direction), (r.left + r.right) / 2,
                                   (r.top + r.bottom) / 2, 24);
}

#include "stock_strip.h"

#include "cfg.h"
#include "drawer_block_switch.h"
#include "game_scene.h"
#include "hud.h"
#include "spriteman.h"
#include "stockchar.h"

#include <algorithm>
#include <vector>

stock_strip::stock_strip(game_scene* scene, hud* bar) : world(scene), bar(bar)
{
    this->scene = scene;
    depth = 0.05; // with the bar's buttons
    // The bar's child: it goes when the bar goes.
    setParentItem(bar);
    scene->add_gl_item(this);
}

stock_strip::~stock_strip()
{
    world->remove_gl_item(this);
}

bool stock_strip::shown() const
{
    if (world->drawer_kind & cfg::drawer_drawer_type)
        return false;
    const stockchar* ch = world->focused_char();
    if (!ch)
        return false;
    return std::any_of(std::begin(ch->stock_slots), std::end(ch->stock_slots),
                       [](const stock_slot* s) { return s && s->type; });
}

void stock_strip::updateGL()
{
    if (!shown())
        return;
    const stockchar* ch = world->focused_char();
    std::vector<const stock_slot*> filled;
    for (const stock_slot* s : ch->stock_slots)
        if (s && s->type)
            filled.push_back(s);
    // Right-aligned under the bar, in slot order from left to right.
    const int slot_width = 2 * cell + gap;
    const int right = viewport_width() - gap;
    const int left = right - static_cast<int>(filled.size()) * slot_width - gap;
    const int top = bar->height + 2 + gap;
    draw_flat_rect(left, top, right, top + cell + 2 * gap, fill_color);
    int x = left + gap;
    float q[8];
    for (const stock_slot* s : filled) {
        // Glyphs run 0-9, A-Z, then the blank.
        set_quad(q, x, top + gap, x + cell, top + gap + cell);
        draw_strip(spriteman::tex_alphabet[std::min<unsigned int>(s->count, 36)], q);
        if (const float* icon = drawer_block_switch::icon_of(*s)) {
            set_quad(q, x + cell, top + gap, x + 2 * cell, top + gap + cell);
            draw_strip(icon, q);
        }
        x += slot_width;
    }
}

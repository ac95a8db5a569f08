#include "drawer_block_switch.h"

#include "cfg.h"
#include "drawing_drawer.h"
#include "game_scene.h"
#include "hud.h"
#include "spriteman.h"
#include "stockchar.h"

#include <algorithm>

namespace
{

// The focused character's slot, or nullptr when there is none.
stock_slot* shown_slot(game_scene* world, unsigned char slot)
{
    stockchar* focused = world->focused_char();
    return focused && slot < 3 ? focused->stock_slots[slot] : nullptr;
}

} // namespace

float* drawer_block_switch::icon_of(const stock_slot& s)
{
    const unsigned int c = s.colornum & 3;
    switch (s.type) {
    case cfg::static0:
        return spriteman::tex_stock[c];
    case cfg::cloud:
        return spriteman::tex_cloud[c];
    case cfg::destroyer:
        return spriteman::tex_bomb[c * 9]; // first frame of that colour
    case cfg::falling:
        return spriteman::tex_falling[c];
    case cfg::spike:
        return spriteman::tex_spikes[c];
    case cfg::stock_expendable:
        return spriteman::tex_stock_expendable[c];
    }
    return nullptr;
}

drawer_block_switch::drawer_block_switch(game_scene* scene, hud* column, drawing_drawer* surface,
                                         unsigned char slot)
    : world(scene), column(column), surface(surface), slot(slot)
{
    this->scene = scene;
    width = column->button_size;
    height = column->button_size / 2;
    resizeGL();
    depth = 0.05;
    scene->addItem(this);
    scene->add_gl_item(this);
    column->add_hud_item(this);
}

drawer_block_switch::~drawer_block_switch()
{
    world->remove_gl_item(this);
}

QRectF drawer_block_switch::boundingRect() const
{
    return QRectF(0, 0, width, height);
}

void drawer_block_switch::resizeGL()
{
    const int w = viewport_width();
    // Below the scene's top bar, which stays drawn over the surface.
    const int top_bar = world->top_hud ? world->top_hud->height : 0;
    const int top = column->slot_margin + column->start_cursor + top_bar;
    column->start_cursor += height + 2 * column->slot_margin;
    set_quad(vertices, w - width / 2, top, w, top + height);
    set_quad(count_quad, w - width, top, w - width / 2, top + height);
    set_quad(highlight_quad, w - drawing_drawer::column_width, top - column->slot_margin, w,
             top + height + column->slot_margin);
}

void drawer_block_switch::clicked(int, int)
{
    // An empty slot may be selected too; applying it then does nothing.
    if (shown_slot(world, slot))
        surface->selected_slot = slot;
}

void drawer_block_switch::updateGL()
{
    const stock_slot* s = shown_slot(world, slot);
    if (!s || s->type == 0)
        return;
    if (slot == surface->selected_slot) {
        set_tint(highlight_color);
        draw_strip(spriteman::tex_blank, highlight_quad);
        set_tint(spriteman::color_blank);
    }
    // Glyphs run 0-9, A-Z, then the blank: a count past the last glyph
    // shows the blank rather than reading outside the font.
    draw_strip(spriteman::tex_alphabet[std::min<unsigned int>(s->count, 36)], count_quad);
    if (float* icon = icon_of(*s))
        draw_strip(icon, vertices);
}

#include "play_marks.h"

#include "bindings.h"
#include "catalogue.h"
#include "extra_functions.h"
#include "game_scene.h"
#include "hud.h"
#include "hud_buttons.h"
#include "moving_drawer.h"
#include "myscene.h"
#include "spriteman.h"
#include "stockchar.h"

#include <algorithm>

namespace
{

// Held for a third of a second: a drag starting is not yet a mistake.
constexpr int hint_after_ticks = 10;

} // namespace

play_marks::play_marks(game_scene* scene, hud* bar) : world(scene), bar(bar)
{
    this->scene = scene;
    // Above every block (characters are at 0.3), below the bar and menus.
    depth = 0.2;
    // The bar's child: it goes when the bar goes.
    setParentItem(bar);
    scene->add_gl_item(this);
}

play_marks::~play_marks()
{
    world->remove_gl_item(this);
}

stockchar* play_marks::prompted() const
{
    // The door key only reaches a character while the world runs.
    if (!world->running || world->menu)
        return nullptr;
    stockchar* ch = world->focused_char();
    return ch && !ch->doors_here().empty() ? ch : nullptr;
}

namespace
{

bool pad_door_shown()
{
    return myscene::pad_in_use &&
           input::bindings_in_force().pad(input::intent::door) != input::pad_button::count;
}

} // namespace

std::string play_marks::prompt_label()
{
    using input::intent;
    if (pad_door_shown()) {
        const input::pad_button b = input::bindings_in_force().pad(intent::door);
        static const input::bindings table;
        return b == table.pad(intent::door) ? "" : input::pad_label(b);
    }
    const std::vector<int> keys = input::keys_for(intent::door);
    if (keys.empty() || keys.front() == input::script_key(intent::door))
        return "";
    return input::key_label(keys.front());
}

const float* play_marks::prompt_texture()
{
    if (!prompt_label().empty())
        return spriteman::tex_prompt_key_blank;
    return pad_door_shown() ? spriteman::tex_prompt_pad : spriteman::tex_prompt_key;
}

stockchar* play_marks::marked() const
{
    return world->characters.size() >= 2 ? world->focused_char() : nullptr;
}

bool play_marks::scroll_hint() const
{
    const auto* mover = dynamic_cast<const moving_drawer*>(world->drawer);
    return mover && !mover->glance && !world->menu && mover->still_ticks >= hint_after_ticks;
}

void play_marks::updateGL()
{
    if (scroll_hint())
        draw_scroll_hint();
    stockchar* marked_char = marked();
    stockchar* prompted_char = prompted();
    stockchar* over = marked_char ? marked_char : prompted_char;
    if (!over)
        return;
    // Pinned to the character in the world, so drawn in the screen's pixels;
    // sized by the zoom, but never too small to read (at the interface's
    // scale) or large enough to hide the blocks around.
    screen_pixels unscaled;
    const float s = static_cast<float>(ui_scale());
    const float block = static_cast<float>(world->block_size);
    const float mid = static_cast<float>(over->pos().x() - world->view_left) + over->width / 2.0f;
    float bottom = static_cast<float>(over->pos().y() - world->view_top) - 2;
    float q[8];
    if (marked_char) {
        const float side = std::clamp(block * 0.45f, 16.0f * s, 34.0f * s);
        set_quad(q, mid - side / 2, bottom - side, mid + side / 2, bottom);
        draw_strip(spriteman::tex_focus_marker[marked_char->color_index & 3], q);
        bottom -= side + 2;
    }
    if (prompted_char) {
        const float high = std::clamp(block * 0.55f, 22.0f * s, 34.0f * s);
        const std::string label = prompt_label();
        // A long name stretches the cap rather than shrinking below reading.
        const int letter = static_cast<int>(high * 0.6f);
        const float named =
            static_cast<float>(extra_functions::glyph_count(label) * letter) + high * 0.6f;
        const float wide = !label.empty()     ? std::max(high * 122 / 60, named)
                           : pad_door_shown() ? high
                                              : high * 122 / 60;
        set_quad(q, mid - wide / 2, bottom - high, mid + wide / 2, bottom);
        draw_strip(prompt_texture(), q);
        if (!label.empty())
            extra_functions::print_gl_label(label, static_cast<int>(mid),
                                            static_cast<int>(bottom - high * 0.55f), letter);
    }
}

// An arrow up at the steering button, with what it does.
void play_marks::draw_scroll_hint()
{
    for (const myglitem* item : bar->items) {
        if (!dynamic_cast<const ctrl_switch*>(item))
            continue;
        const float left = item->vertices[0], right = item->vertices[2];
        const float top = static_cast<float>(bar->height + 2);
        float q[8];
        set_quad(q, left, top, right, top + (right - left));
        draw_turned(spriteman::tex_cursor_arrow, q, cfg::g);
        const int size = 20;
        const int x = std::max(static_cast<int>(left + right) / 2, 6 * size);
        // Just below the arrow, which fills the upper half of its quad.
        extra_functions::print_gl_text(cf_tr("hud", "TAP TO WALK"), x,
                                       static_cast<int>(top + (right - left) / 2 + size), size);
        return;
    }
}

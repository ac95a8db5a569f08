#include "stock_expendable.h"

#include "cfg.h"
#include "spriteman.h"

stock_expendable::stock_expendable(game_scene* scene, long long x, long long y,
                                   unsigned char color_index)
    : stockblock(scene, cfg::stock_expendable, x, y, color_index)
{
}

void stock_expendable::updateGL()
{
    draw_square(spriteman::tex_stock_expendable[color_index & 3]);
}

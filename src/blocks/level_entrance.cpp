#include "level_entrance.h"

#include "cfg.h"
#include "extra_functions.h"
#include "game_scene.h"
#include "spriteman.h"
#include "stockchar.h"

level_entrance::level_entrance(game_scene* scene, long long x, long long y,
                               const std::string& level_name)
    : stockblock(scene, cfg::entrance, x, y, 0), level_name(level_name)
{
    calculate_size(); // its own picture's: the base could only size a square
}

void level_entrance::calculate_size()
{
    prepareGeometryChange();
    width = static_cast<int>(size * world->px_per_unit);
    height = width / 2;
    setPos(static_cast<float>(x * world->px_per_unit), static_cast<float>(y * world->px_per_unit));
}

void level_entrance::triggered(stockchar* who)
{
    world->tell(world_event{world_event::door, who});
    // The map screen enters the level when the tick is over.
    world->enter_level_request = level_name;
}

void level_entrance::updateGL()
{
    draw_square(passed ? spriteman::tex_door_in_p : spriteman::tex_door_in_np);
    const int x_text = static_cast<int>((vertices[0] + vertices[2]) * 0.5);
    const int y_text = static_cast<int>(vertices[1] - height / 2 + 5.0);
    extra_functions::print_gl_text(level_name, x_text, y_text, height);
    if (passed && par_mark) {
        float quad[8];
        par_mark_quad(vertices, height, quad);
        draw_strip(spriteman::tex_par_mark, quad);
    }
}

void level_entrance::par_mark_quad(const float* door, int door_height, float* quad)
{
    // On the frame's upper right corner, clear of the name above and of the
    // opening, and small enough to stay within the door's hit square.
    const float side = door_height * 0.7f;
    const float right = door[2] + side * 0.25f;
    const float top = door[1] - side * 0.05f;
    set_quad(quad, right - side, top, right, top + side);
}

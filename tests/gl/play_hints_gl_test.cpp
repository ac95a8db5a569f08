// The hints drawn over play, read back from the game's own GL widget: the
// marker over the steered character and the door prompt show the atlas
// cells they were drawn from, where they were drawn, and the glow shows
// around the active surface's button only.

#include "atlas_table.h"
#include "cfg.h"
#include "gl/gl_game.h"
#include "gl/in_process.h"
#include "gl_backend.h"
#include "gl_recorder.h"
#include "hud.h"
#include "level_scene.h"
#include "play_marks.h"
#include "scene_manager.h"
#include "stockblock.h"

#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

namespace
{

// What an item sends through the GL seam in one frame, while the real
// backend stands aside.
std::vector<recorded_draw> recorded(myglitem* item)
{
    gl_backend* real = gl_backend::current();
    std::vector<recorded_draw> draws;
    {
        gl_recorder rec;
        item->updateGL();
        draws = rec.draws;
    }
    gl_backend::install(real);
    return draws;
}

// The quad's bounds, whichever way its corners were turned.
QRect area_of(const recorded_draw& d)
{
    const auto& p = d.positions;
    const float left = std::min({p[0], p[2], p[4], p[6]}),
                right = std::max({p[0], p[2], p[4], p[6]});
    const float top = std::min({p[1], p[3], p[5], p[7]}),
                bottom = std::max({p[1], p[3], p[5], p[7]});
    return QRect(QPoint(qRound(left), qRound(top)), QPoint(qRound(right) - 1, qRound(bottom) - 1));
}

// Share of the pixels between the button and the edge of its glow that
// read as the glow's gold.
double gold_around(const QImage& frame, const QRect& glow, const QRect& button)
{
    int gold = 0, total = 0;
    for (int y = glow.top(); y <= glow.bottom(); ++y)
        for (int x = glow.left(); x <= glow.right(); ++x) {
            if (button.contains(x, y) || !frame.rect().contains(x, y))
                continue;
            const QColor c = frame.pixelColor(x, y);
            ++total;
            gold += c.red() > c.blue() + 60 && c.green() > c.blue() + 30;
        }
    return total ? double(gold) / total : 0;
}

} // namespace

TEST(play_hints_gl, NewSpritesShowTheirAtlasCells)
{
    if (!gl_game::have_display())
        GTEST_SKIP() << "no X display";
    QTemporaryDir dir;
    const std::string path = dir.filePath("hints.level").toStdString();
    std::ofstream(path) << "mapsize 14 9\n"
                           "stockblock 1 7 white\nstockblock 2 7 white\nstockblock 3 7 white\n"
                           "stockblock 4 7 white\nstockblock 5 7 white\nstockblock 6 7 white\n"
                           "exit 3 5 red\n"
                           "char 3.5 6.3 red red cloud 4 null null 0 null null 0\n"
                           "char 6 6.3 blue null null 0 null null 0 null null 0\n";
    view v;
    myglwidget* gl = in_process::shown_gl(v, QSize(800, 480));
    ASSERT_NE(gl, nullptr);
    auto* level = new level_scene("hints", path, nullptr);
    scene_manager::current()->add_scene(level);
    level->timer->stop(); // the world stands still between frames
    level->self_drawing = false;
    level->end_title_card(); // the usual view, as after any first key
    level->tick();           // the camera finds the character

    const QImage frame = gl->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(frame.isNull());
    QDir().mkpath(gl_game::artifacts());
    frame.save(gl_game::artifacts() + "/play_hints.png");
    const QImage atlas_image(QString::fromStdString(cfg::tex_directory + "cf_2048.png"));
    ASSERT_FALSE(atlas_image.isNull());

    play_marks* marks = nullptr;
    for (QGraphicsItem* child : level->top_hud->childItems())
        if (auto* m = dynamic_cast<play_marks*>(child))
            marks = m;
    ASSERT_NE(marks, nullptr);
    const std::vector<recorded_draw> hints = recorded(marks);
    ASSERT_EQ(hints.size(), 2u) << "the marker and the prompt";
    ASSERT_TRUE(hints[0].uses(spriteman::tex_focus_marker[1]));
    ASSERT_TRUE(hints[1].uses(spriteman::tex_prompt_key));
    EXPECT_GE(
        gl_game::cell_agreement(frame, atlas_image, atlas::focus_marker(1), area_of(hints[0]), 3),
        0.85)
        << "the marker";
    EXPECT_GE(gl_game::cell_agreement(frame, atlas_image, atlas::prompt_key, area_of(hints[1])),
              0.85)
        << "the prompt";

    // The steering button is lit: a gold glow shows around it, and around
    // no other button.
    int lit = 0;
    for (myglitem* button : level->top_hud->items) {
        const std::vector<recorded_draw> draws = recorded(button);
        const QRect icon = area_of(draws.back());
        const QRect around = icon.adjusted(-6, -6, 6, 6);
        if (draws.size() == 2 && draws[0].uses(spriteman::tex_mode_glow)) {
            ++lit;
            EXPECT_EQ(area_of(draws[0]), around);
            EXPECT_GE(gold_around(frame, around, icon), 0.5) << "the glow";
        } else {
            EXPECT_LT(gold_around(frame, around, icon), 0.1) << "no glow";
        }
    }
    EXPECT_EQ(lit, 1);
}

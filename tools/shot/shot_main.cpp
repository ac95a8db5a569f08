// crumbleford-shot: a picture of a level's start, drawn by the game's own GL
// widget and scene, for the levels document. Needs an X display (Xvfb will do).
//
//   crumbleford-shot LEVEL_FILE OUT.png [WxH]

#include "game_controls.h"
#include "game_scene.h"
#include "hud_buttons.h"
#include "myglitem.h"
#include "myglwidget.h"
#include "scene_manager.h"
#include "spriteman.h"
#include "view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>

namespace
{

int usage()
{
    std::cerr << "usage: crumbleford-shot LEVEL_FILE OUT.png [WxH]\n";
    return 2;
}

// The picture is drawn this many times larger and then scaled down: 400 x 240
// becomes the handheld's 800 x 480, on which the HUD bar, which has a fixed
// pixel height, takes its usual share.
constexpr int oversample = 2;

// A level scene for any level file, with the HUD buttons a level shows.
game_scene* level_from(const std::string& path)
{
    auto* s = new game_scene(nullptr);
    s->load_from_file(path);
    new go_menu(s, s->top_hud);
    new ::zoom_in(s, s->top_hud);
    new ::zoom_out(s, s->top_hud);
    new ctrl_switch(s, s->top_hud);
    new mv_switch(s, s->top_hud);
    new open_the_door(s, s->top_hud);
    new drawer_switch(s, s->top_hud);
    new character_switch(s, s->top_hud);
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    // Every world made here has the game's own controls.
    game_controls::install();
    if (argc < 3 || argc > 4)
        return usage();
    const std::string level_path = argv[1];
    const QString out_path = QString::fromLocal8Bit(argv[2]);
    int out_width = 400, out_height = 240;
    if (argc == 4 && (std::sscanf(argv[3], "%dx%d", &out_width, &out_height) != 2 ||
                      out_width < 16 || out_height < 16 || out_width > 4000 || out_height > 4000))
        return usage();

    QApplication app(argc, argv);
    std::string reason;
    if (!myglwidget::atlas_loadable(myglwidget::atlas_path(), &reason)) {
        std::cerr << "crumbleford-shot: the sprite atlas " << myglwidget::atlas_path()
                  << " cannot be loaded (" << reason << ")\n";
        return 1;
    }
    view v;
    // Pictures are taken at 100 %, whatever interface size the player chose.
    myglitem::set_interface_scale(1.0);
    auto* gl = qobject_cast<myglwidget*>(v.viewport());
    if (!gl) {
        std::cerr << "crumbleford-shot: needs a display with OpenGL (try Xvfb)\n";
        return 1;
    }
    const int width = out_width * oversample, height = out_height * oversample;
    v.setFixedSize(width, height);
    v.show();

    // The world stands still at its start: no tick runs.
    game_scene* level = level_from(level_path);
    v.manager->add_scene(level);
    level->timer->stop();

    // Wait for the GL context and the atlas (a loaded machine may take a
    // while), then a little more for the window to settle.
    QElapsedTimer waited;
    waited.start();
    while (!spriteman::ready() && waited.elapsed() < 20000)
        app.processEvents(QEventLoop::AllEvents, 50);
    if (!spriteman::ready()) {
        std::cerr << "crumbleford-shot: the GL view did not start\n";
        return 1;
    }
    const qint64 settle = waited.elapsed() + 300;
    while (waited.elapsed() < settle)
        app.processEvents(QEventLoop::AllEvents, 50);

    // The whole grid fits below the HUD bar, centred.
    constexpr int hud_px = 68;
    const int fit = std::min(width / std::max(level->grid_width, 1),
                             (height - hud_px) / std::max(level->grid_height, 1));
    gl->makeCurrent();
    level->block_size = static_cast<unsigned int>(std::clamp(fit, 10, 200));
    level->calculate_sizes();
    gl->doneCurrent();
    const double bs = level->block_size;
    v.centerOn(level->grid_width * bs / 2, level->grid_height * bs / 2 - hud_px / 2.0);
    app.processEvents();

    const QImage frame = gl->grabFramebuffer();
    if (frame.isNull()) {
        std::cerr << "crumbleford-shot: nothing was drawn\n";
        return 1;
    }
    const QImage picture =
        frame.scaled(out_width, out_height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!picture.save(out_path)) {
        std::cerr << "crumbleford-shot: cannot write " << out_path.toStdString() << "\n";
        return 1;
    }
    return 0;
}

// crumbleford-atlas: draws the sprite atlas "cf_2048.png".
//
// Usage: QT_QPA_PLATFORM=offscreen crumbleford-atlas <output.png> [<language> <catalogue.qm>]
//
// With a language, the help pages and the credits are drawn in it from its
// compiled catalogue ("crumbleford_<language>.qm"); every other cell is the
// same as in the English atlas.
//
// Every cell is placed by the atlas table (atlas_table.h), the one source of
// truth shared with the game's texture coordinates. The picture is the same
// byte for byte on every run: no clock, no unseeded randomness, and text from
// one font file loaded by path.

#include "atlas_table.h"
#include "backgrounds.h"
#include "catalogue.h"
#include "focus_sprites.h"
#include "hint_sprites.h"
#include "pages.h"
#include "paint_kit.h"
#include "ui_sprites.h"
#include "world_sprites.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <functional>

namespace
{

const char* const font_file = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

// Draws one cell: the painter's origin at the cell's corner, nothing outside it.
void in_cell(QPainter& p, const atlas::rect& r, const std::function<void()>& draw)
{
    p.save();
    p.setClipRect(r.x, r.y, r.w, r.h);
    p.translate(r.x, r.y);
    draw();
    p.restore();
}

void draw_world_sprites(QPainter& p)
{
    for (int c = 0; c < 4; ++c) {
        for (int f = 0; f < atlas::char_frames; ++f)
            in_cell(p, atlas::character(c, f), [&] { art::draw_character(p, c, f); });
        in_cell(p, atlas::stock(c), [&] { art::draw_plain_block(p, c); });
        in_cell(p, atlas::stock_expendable(c), [&] { art::draw_expendable_block(p, c); });
        in_cell(p, atlas::falling(c), [&] { art::draw_falling_block(p, c); });
        in_cell(p, atlas::cloud(c), [&] { art::draw_cloud(p, c); });
        in_cell(p, atlas::spikes(c), [&] { art::draw_spikes(p, c); });
        for (int f = 0; f < atlas::bomb_frames; ++f)
            in_cell(p, atlas::bomb(c, f), [&] { art::draw_bomb(p, c, f); });
        // The white portal's top half is also door_in_p, the passed entrance.
        in_cell(p, atlas::door_out(c), [&] { art::draw_exit_portal(p, c); });
    }
    in_cell(p, atlas::door_in_np, [&] { art::draw_entrance_closed(p); });
}

void draw_interface(QPainter& p)
{
    in_cell(p, atlas::back, [&] { art::draw_back_icon(p); });
    in_cell(p, atlas::zoomin, [&] { art::draw_zoom_icon(p, true); });
    in_cell(p, atlas::zoomout, [&] { art::draw_zoom_icon(p, false); });
    in_cell(p, atlas::switch_ctrl, [&] { art::draw_steer_icon(p); });
    in_cell(p, atlas::switch_mv, [&] { art::draw_scroll_icon(p); });
    in_cell(p, atlas::open_the_door, [&] { art::draw_open_door_icon(p); });
    in_cell(p, atlas::brush, [&] { art::draw_brush_icon(p); });
    in_cell(p, atlas::rewind, [&] { art::draw_rewind_icon(p); });
    in_cell(p, atlas::focus_frame, [&] { art::draw_focus_frame(p); });
    in_cell(p, atlas::cursor, [&] { art::draw_cursor(p); });
    in_cell(p, atlas::cursor_arrow, [&] { art::draw_cursor_arrow(p); });
    in_cell(p, atlas::prompt_key, [&] { art::draw_prompt_key(p); });
    in_cell(p, atlas::prompt_pad, [&] { art::draw_prompt_pad(p); });
    in_cell(p, atlas::prompt_key_blank, [&] { art::draw_prompt_key_blank(p); });
    for (int c = 0; c < 4; ++c)
        in_cell(p, atlas::focus_marker(c), [&] { art::draw_focus_marker(p, c); });
    in_cell(p, atlas::cloud_arrow, [&] { art::draw_cloud_arrow(p); });
    in_cell(p, atlas::mode_glow, [&] { art::draw_mode_glow(p); });
    in_cell(p, atlas::par_mark, [&] { art::draw_par_mark(p); });
    in_cell(p, atlas::sound_on, [&] { art::draw_sound_icon(p, true); });
    in_cell(p, atlas::sound_off, [&] { art::draw_sound_icon(p, false); });
    for (int c = 0; c < 4; ++c)
        in_cell(p, atlas::switch_char(c), [&] { art::draw_switch_char_icon(p, c); });
    in_cell(p, atlas::apply, [&] { art::draw_apply_icon(p); });
    in_cell(p, atlas::play, [&] { art::draw_play_icon(p); });
    in_cell(p, atlas::help_icon, [&] { art::draw_help_icon(p); });
    in_cell(p, atlas::quit, [&] { art::draw_quit_icon(p); });
    in_cell(p, atlas::credits_icon, [&] { art::draw_credits_icon(p); });
    in_cell(p, atlas::pencil, [&] { art::draw_pencil_icon(p); });
    in_cell(p, atlas::gear, [&] { art::draw_gear_icon(p); });
    for (int k = 0; k < atlas::glyph_count; ++k)
        in_cell(p, atlas::glyph(k), [&] { art::draw_glyph(p, k); });
    for (int i = 0; i < atlas::punctuation_count; ++i)
        in_cell(p, atlas::punctuation(i), [&] { art::draw_glyph(p, atlas::glyph_count + i); });
    for (int i = 0; i < atlas::latin_count; ++i)
        in_cell(p, atlas::latin_glyph(i).r,
                [&] { art::draw_latin_glyph(p, atlas::latin_glyph(i)); });
    in_cell(p, atlas::level_paused, [&] { art::draw_banner(p, art::banner::paused); });
    in_cell(p, atlas::level_failed, [&] { art::draw_banner(p, art::banner::failed); });
    in_cell(p, atlas::level_passed, [&] { art::draw_banner(p, art::banner::passed); });
}

void draw_pictures(QPainter& p)
{
    in_cell(p, atlas::bg_non_grassy, [&] { art::draw_level_background(p); });
    in_cell(p, atlas::grassy_up, [&] { art::draw_menu_sky(p); });
    in_cell(p, atlas::grassy_center, [&] { art::draw_menu_middle(p); });
    in_cell(p, atlas::grassy_down, [&] { art::draw_menu_ground(p); });
    in_cell(p, atlas::help_first, [&] { art::draw_help_controls(p); });
    in_cell(p, atlas::help_second, [&] { art::draw_help_blocks(p); });
    in_cell(p, atlas::help_third, [&] { art::draw_help_pad(p); });
    in_cell(p, atlas::credits, [&] { art::draw_credits_page(p); });
}

// The reserved cells (resume, restart, to_main_menu, exit_game, bg_grassy)
// are drawn by no item: their texels belong to the cells that overlap them.
QImage draw_atlas()
{
    QImage image(atlas::size, atlas::size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    draw_world_sprites(p);
    draw_interface(p);
    draw_pictures(p);
    p.end();
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: crumbleford-atlas <output.png> [<language> <catalogue.qm>]\n");
        return 2;
    }
    // A missing or misnamed catalogue would quietly give an English atlas
    // under another language's name: refuse instead.
    if (argc == 4) {
        const std::string code = argv[2];
        const QFileInfo catalogue(QString::fromLocal8Bit(argv[3]));
        const std::string directory = catalogue.absolutePath().toStdString() + "/";
        if (catalogue.fileName().toStdString() != "crumbleford_" + code + ".qm" || code == "en" ||
            !lang::use(code, directory)) {
            std::fprintf(stderr, "crumbleford-atlas: cannot use the %s catalogue %s\n", argv[2],
                         argv[3]);
            return 1;
        }
    }
    // Without its font Qt would silently draw no text at all: refuse instead.
    if (!QFileInfo::exists(font_file) || QFontDatabase::addApplicationFont(font_file) < 0 ||
        !kit::load_font(font_file)) {
        std::fprintf(stderr,
                     "crumbleford-atlas: cannot load the font %s; install the Debian package "
                     "fonts-dejavu-core\n",
                     font_file);
        return 1;
    }

    const QImage image = draw_atlas();
    // Tints are added to the blank texel, so it must stay transparent black.
    if (image.pixel(atlas::blank.x, atlas::blank.y) != 0u) {
        std::fprintf(stderr, "crumbleford-atlas: the blank texel was drawn over\n");
        return 1;
    }
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "crumbleford-atlas: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

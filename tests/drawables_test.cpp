// What the world's objects, the characters' walk cycle, the in-game menu
// and the drawing stock's slot icons send through the GL seam, named by the
// atlas cells they use, in drawing order.

#include "cfg.h"
#include "drawer_block_switch.h"
#include "drawing_drawer.h"
#include "game_scene.h"
#include "gl_recorder.h"
#include "headless_screen.h"
#include "hud.h"
#include "in_game_menu.h"
#include "stockchar.h"

#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

// The atlas cell a draw used, as "<table>[<index>]", with the tint when one
// is set: a draw with no cell or an unknown one is named so.
std::string name_of(const recorded_draw& d)
{
    struct table {
        const char* name;
        float** entries;
        int count;
    };
    const table tables[] = {
        {"char", spriteman::tex_char, 24},
        {"stock", spriteman::tex_stock, 4},
        {"expendable", spriteman::tex_stock_expendable, 4},
        {"falling", spriteman::tex_falling, 4},
        {"cloud", spriteman::tex_cloud, 4},
        {"spikes", spriteman::tex_spikes, 4},
        {"exit", spriteman::tex_door_out, 4},
        {"bomb", spriteman::tex_bomb, 36},
        {"glyph", spriteman::tex_alphabet, 37},
        {"punctuation", spriteman::tex_punctuation, 3},
        {"blank", &spriteman::tex_blank, 1},
        {"paused", &spriteman::tex_level_paused, 1},
        {"cloud_arrow", &spriteman::tex_cloud_arrow, 1},
    };
    std::string name = "unknown";
    for (const table& t : tables)
        for (int i = 0; i < t.count && name == "unknown"; ++i)
            if (d.uses(t.entries[i]))
                name = t.count == 1 ? t.name : std::string(t.name) + "[" + std::to_string(i) + "]";
    if (d.tint != std::array<float, 4>{0, 0, 0, 0}) {
        name += " tinted";
        for (float f : d.tint)
            name += " " + QString::number(f).toStdString();
    }
    return name;
}

std::vector<std::string> names_of(const gl_recorder& gl)
{
    std::vector<std::string> names;
    for (const recorded_draw& d : gl.draws)
        names.push_back(name_of(d));
    return names;
}

// Glyph cells of a text: digits first, then the letters, then "[", the space.
std::vector<std::string> glyphs(const std::string& text)
{
    std::vector<std::string> names;
    for (char ch : text)
        names.push_back("glyph[" + std::to_string(ch <= '9' ? ch - '0' : 10 + ch - 'A') + "]");
    return names;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(Drawables, DrawTheirAtlasCellsInOrder)
{
    headless_screen screen;
    QTemporaryDir dir;
    const struct {
        const char* what;
        const char* level; // after "mapsize 6 6"
        // Draws one or more frames of the thing under test.
        std::function<void(game_scene&)> draw;
        std::vector<std::string> expected;
    } cases[] = {
        {"plain block",
         "stockblock 1 1 red",
         [](game_scene& s) { s.grid[1][1]->updateGL(); },
         {"stock[1]"}},
        {"expendable block",
         "stock_expendable 2 1 green",
         [](game_scene& s) { s.grid[2][1]->updateGL(); },
         {"expendable[2]"}},
        {"spikes",
         "spikes 1 2 blue",
         [](game_scene& s) { s.grid[1][2]->updateGL(); },
         {"spikes[3]"}},
        {"falling block",
         "falling 1 1 white",
         [](game_scene& s) { s.fallings[0].front()->updateGL(); },
         {"falling[0]"}},
        {"cloud",
         "cloud 1 1 up red",
         [](game_scene& s) { s.clouds[1].front()->updateGL(); },
         {"cloud[1]", "cloud_arrow"}},
        {"exit",
         "exit 1 1 green",
         [](game_scene& s) { s.exits[2].front()->updateGL(); },
         {"exit[2]"}},
        {"standing character keeps frame 0",
         "char 1 1 blue null null 0 null null 0 null null 0",
         [](game_scene& s) {
             for (int i = 0; i < 3; ++i)
                 s.characters[0]->updateGL();
         },
         {"char[18]", "char[18]", "char[18]"}},
        {"walking character turns its six frames",
         "char 1 1 red null null 0 null null 0 null null 0",
         [](game_scene& s) {
             s.characters[0]->vx = 1;
             for (int i = 0; i < 7; ++i)
                 s.characters[0]->updateGL();
         },
         {"char[6]", "char[7]", "char[8]", "char[9]", "char[10]", "char[11]", "char[6]"}},
        {"pause menu dims the world, then its title and texts", "",
         [](game_scene& s) {
             s.open_pause_menu();
             s.menu->updateGL();
             for (myglitem* row : s.menu->items)
                 row->updateGL();
         },
         std::vector<std::string>{"blank tinted 0 0 0 0.5", "paused"} + glyphs("RESUME") +
             glyphs("TO[MAP[SELECT") + glyphs("RESTART") + glyphs("HELP")},
        {"stock slots show the selected one, counts and block icons",
         "char 1 1 red green stockblock 3 blue falling 12 null null 0",
         [](game_scene& s) {
             s.switch_drawer(cfg::drawer_drawer_type);
             auto* surface = dynamic_cast<drawing_drawer*>(s.drawer);
             for (myglitem* item : surface->tool_bar->items)
                 if (dynamic_cast<drawer_block_switch*>(item))
                     item->updateGL();
         },
         {"blank tinted", "glyph[3]", "stock[2]", "glyph[12]", "falling[3]"}},
    };
    int files = 0;
    for (const auto& c : cases) {
        const std::string path = dir.filePath(QString("%1.level").arg(files++)).toStdString();
        std::ofstream(path) << "mapsize 6 6\n" << c.level << "\n";
        game_scene s;
        testing::internal::CaptureStdout();
        s.load_from_file(path);
        testing::internal::GetCapturedStdout();
        gl_recorder gl;
        c.draw(s);
        std::vector<std::string> seen = names_of(gl);
        // The highlight's tint is the surface's own choice: only that it is tinted counts.
        for (std::string& name : seen)
            if (name.rfind("blank tinted", 0) == 0 && c.expected.front() == "blank tinted")
                name = "blank tinted";
        EXPECT_EQ(seen, c.expected) << c.what;
    }
}

} // namespace

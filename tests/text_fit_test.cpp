// Every text fits, in every language: each screen is laid out and drawn at
// the smallest window, and every box it lays out and every text it draws
// must stay inside the window, clear of the others; a text drawn over a box
// stays inside that box. Translations run longer than English, so a row that
// fits in English may not in German.

#include "MainWindow.h"
#include "atlas_table.h"
#include "catalogue.h"
#include "controls_scene.h"
#include "editor_scene.h"
#include "gl_recorder.h"
#include "headless_screen.h"
#include "level_scene.h"
#include "map_select_scene.h"
#include "menu_scene.h"
#include "own_levels_scene.h"
#include "scene_manager.h"
#include "settings_scene.h"
#include "tex_scrolling_view.h"

#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

// The character a drawn quad shows when it is a glyph of the atlas font;
// 0 when it is not a glyph.
char32_t glyph_of(const recorded_draw& d)
{
    for (int k = 0; k < atlas::glyph_count; ++k)
        if (d.uses(spriteman::tex_alphabet[k]))
            return k < 10 ? static_cast<char32_t>('0' + k)
                          : (k < 36 ? static_cast<char32_t>('A' + k - 10) : U' ');
    static const char32_t marks[] = U"/:-";
    for (int i = 0; i < atlas::punctuation_count; ++i)
        if (d.uses(spriteman::tex_punctuation[i]))
            return marks[i];
    for (int i = 0; i < atlas::latin_count; ++i)
        if (d.uses(spriteman::tex_latin[i]))
            return atlas::latin_glyph(i).ch;
    if (d.uses(spriteman::tex_period))
        return U'.';
    if (d.uses(spriteman::tex_comma))
        return U',';
    return 0;
}

// The texts of a drawing that stay uncovered: glyphs drawn one after
// another, each starting where the one before ends (a small capital is
// inset in its cell). What lies under the last picture that holds every
// box (a menu's panel over its level) or is covered whole by a later
// picture belongs to the screen below, not to this one.
std::vector<layout_box> drawn_texts(const std::vector<recorded_draw>& draws,
                                    const std::vector<layout_box>& boxes)
{
    auto rect_of = [](const recorded_draw& d) {
        return QRectF(QPointF(d.left(), d.top()), QPointF(d.right(), d.bottom()));
    };
    QRectF all;
    for (const layout_box& b : boxes)
        all = all.united(b.rect);
    size_t panel = 0;
    for (size_t i = 0; i < draws.size(); ++i)
        if (draws[i].count == 4 && !glyph_of(draws[i]) && !all.isEmpty() &&
            rect_of(draws[i]).adjusted(-0.5, -0.5, 0.5, 0.5).contains(all))
            panel = i;
    std::vector<layout_box> texts;
    std::vector<size_t> ends; // the index of each text's last glyph
    bool open = false;
    for (size_t i = panel; i < draws.size(); ++i) {
        const recorded_draw& d = draws[i];
        const char32_t c = d.count == 4 ? glyph_of(d) : 0;
        if (!c) {
            open = false;
            continue;
        }
        const QRectF quad(QPointF(d.left(), d.top()), QPointF(d.right(), d.bottom()));
        if (open) {
            layout_box& run = texts.back();
            const double size = run.rect.height();
            const bool follows = quad.left() >= run.rect.right() - 1 - size / 4 &&
                                 quad.left() <= run.rect.right() + size / 2 &&
                                 quad.top() < run.rect.bottom() && quad.bottom() > run.rect.top();
            if (follows) {
                run.label += QChar(static_cast<char16_t>(c));
                run.rect = run.rect.united(quad);
                ends.back() = i;
                continue;
            }
        }
        texts.push_back({QString(QChar(static_cast<char16_t>(c))), quad});
        ends.push_back(i);
        open = true;
    }
    std::vector<layout_box> shown;
    for (size_t t = 0; t < texts.size(); ++t) {
        bool covered = false;
        for (size_t i = ends[t] + 1; i < draws.size() && !covered; ++i) {
            const recorded_draw& d = draws[i];
            covered = d.count == 4 && !glyph_of(d) && rect_of(d).contains(texts[t].rect);
        }
        if (!covered)
            shown.push_back(texts[t]);
    }
    return shown;
}

bool overlap(const QRectF& a, const QRectF& b)
{
    const QRectF common = a.intersected(b);
    return common.width() > 0.5 && common.height() > 0.5;
}

// What a laid-out and drawn screen owes the window and itself; every fault
// names the language, the screen, the size and the text.
void check_screen(const std::vector<layout_box>& boxes, const std::vector<layout_box>& texts,
                  QSize size, const std::string& where)
{
    const QRectF window = QRectF(0, 0, size.width(), size.height()).adjusted(-0.5, -0.5, 0.5, 0.5);
    auto name = [](const layout_box& b) {
        const QRectF& r = b.rect;
        return "\"" + b.label.toStdString() + "\" (" + std::to_string(int(r.left())) + "," +
               std::to_string(int(r.top())) + " " + std::to_string(int(r.width())) + "x" +
               std::to_string(int(r.height())) + ")";
    };
    for (const std::vector<layout_box>* list : {&boxes, &texts})
        for (const layout_box& b : *list)
            EXPECT_TRUE(window.contains(b.rect)) << where << ": " << name(b) << " is clipped";
    for (size_t i = 0; i < boxes.size(); ++i)
        for (size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(overlap(boxes[i].rect, boxes[j].rect))
                << where << ": " << name(boxes[i]) << " overlaps " << name(boxes[j]);
    for (size_t i = 0; i < texts.size(); ++i)
        for (size_t j = i + 1; j < texts.size(); ++j)
            EXPECT_FALSE(overlap(texts[i].rect, texts[j].rect))
                << where << ": " << name(texts[i]) << " overlaps " << name(texts[j]);
    for (const layout_box& t : texts)
        for (const layout_box& b : boxes)
            EXPECT_FALSE(overlap(t.rect, b.rect) &&
                         !b.rect.adjusted(-0.5, -0.5, 0.5, 0.5).contains(t.rect))
                << where << ": " << name(t) << " runs out of " << name(b);
}

struct screen {
    const char* name;
    // Pushes the screen (and whatever it sits on) over the title.
    std::function<void(scene_manager&, const QString& dir)> open;
};

void open_level(scene_manager& m, void (game_scene::*open_menu)())
{
    auto* level = new level_scene("1");
    m.add_scene(level);
    if (open_menu)
        (level->*open_menu)();
}

const std::vector<screen>& screens()
{
    auto page = [](float** shown, float** next) {
        return [shown, next](scene_manager& m, const QString&) {
            m.add_scene(new tex_scrolling_view(*shown, next ? *next : nullptr));
        };
    };
    static const std::vector<screen> list = {
        {"title", [](scene_manager&, const QString&) {}},
        {"map", [](scene_manager& m, const QString&) { m.add_scene(new map_select_scene()); }},
        {"level", [](scene_manager& m, const QString&) { open_level(m, nullptr); }},
        {"pause menu",
         [](scene_manager& m, const QString&) { open_level(m, &game_scene::open_pause_menu); }},
        {"failed menu",
         [](scene_manager& m, const QString&) { open_level(m, &game_scene::open_failed_menu); }},
        {"passed menu",
         [](scene_manager& m, const QString&) { open_level(m, &game_scene::open_passed_menu); }},
        {"editor",
         [](scene_manager& m, const QString& dir) {
             m.add_scene(new editor_scene(dir.toStdString() + "/"));
         }},
        {"editor menu",
         [](scene_manager& m, const QString& dir) {
             auto* e = new editor_scene(dir.toStdString() + "/");
             e->menu.open = true;
             m.add_scene(e);
         }},
        {"editor question",
         [](scene_manager& m, const QString& dir) {
             auto* e = new editor_scene(dir.toStdString() + "/");
             e->ask(editor_scene::mode_t::confirm_leave);
             m.add_scene(e);
         }},
        {"own levels",
         [](scene_manager& m, const QString& dir) {
             auto* e = new editor_scene(dir.toStdString() + "/");
             m.add_scene(e);
             auto* list = new own_levels_scene(e);
             list->names = {"abcdefghijklmnopqrstuvwx", "a"};
             m.add_scene(list);
         }},
        {"settings",
         [](scene_manager& m, const QString& dir) {
             m.add_scene(new settings_scene(dir.toStdString() + "/settings"));
         }},
        {"controls",
         [](scene_manager& m, const QString& dir) {
             m.add_scene(new controls_scene(dir.toStdString() + "/settings"));
         }},
        {"help 1", page(&spriteman::tex_help_first, &spriteman::tex_help_second)},
        {"help 2", page(&spriteman::tex_help_second, &spriteman::tex_help_third)},
        {"help 3", page(&spriteman::tex_help_third, nullptr)},
        {"credits", page(&spriteman::tex_credits, nullptr)},
    };
    return list;
}

} // namespace

TEST(TextFit, EveryTextFitsEveryScreenInEveryLanguage)
{
    QTemporaryDir own_levels;
    ASSERT_TRUE(own_levels.isValid());
    // The settings screen with every row it can have: the controls row too.
    settings_scene::make_controls_page = [] { return static_cast<myscene*>(nullptr); };
    struct restore {
        ~restore()
        {
            settings_scene::make_controls_page = nullptr;
            lang::use("en", "");
        }
    } reset;
    // The smallest window the game allows is also the smallest common one.
    std::vector<QSize> sizes = {QSize(MainWindow::minimum_width, MainWindow::minimum_height)};
    if (sizes.front() != QSize(800, 480))
        sizes.push_back(QSize(800, 480));
    for (const std::string& code : lang::shipped()) {
        ASSERT_TRUE(lang::use(code, CF_STAGE_DIR "translations/")) << code;
        for (const QSize& size : sizes) {
            headless_screen window(size.width(), size.height());
            for (const screen& s : screens()) {
                const std::string where = code + ", " + s.name + ", " +
                                          std::to_string(size.width()) + "x" +
                                          std::to_string(size.height());
                scene_manager manager(new menu_scene, nullptr, nullptr);
                s.open(manager, own_levels.path());
                myscene* top = manager.top();
                top->resizeGL();
                gl_recorder drawing;
                top->updateGL();
                const std::vector<layout_box> boxes = top->layout_boxes();
                std::vector<layout_box> texts = drawn_texts(drawing.draws, boxes);
                // A world's signs scroll with it and may be cut by the
                // window's edge; its interface is what the boxes hold.
                if (dynamic_cast<game_scene*>(top))
                    texts.erase(std::remove_if(texts.begin(), texts.end(),
                                               [&](const layout_box& t) {
                                                   for (const layout_box& b : boxes)
                                                       if (overlap(t.rect, b.rect))
                                                           return false;
                                                   return true;
                                               }),
                                texts.end());
                check_screen(boxes, texts, size, where);
            }
        }
    }
}

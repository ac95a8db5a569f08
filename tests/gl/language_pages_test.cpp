// The help pages and the credits in each language: the page viewer, drawing
// from that language's atlas, shows that language's page, and a picture of
// each is kept in the artefacts.

#include "atlas_table.h"
#include "gl_game.h"
#include "in_process.h"
#include "scene_manager.h"
#include "spriteman.h"
#include "tex_scrolling_view.h"
#include "view.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace
{

QImage atlas_named(const std::string& name)
{
    return QImage(QString::fromStdString(CF_STAGE_DIR "textures/" + name))
        .convertToFormat(QImage::Format_ARGB32);
}

struct page_match {
    int compared = 0; // points where the language's page and the English differ
    int own = 0;      // of those, points the screen draws as the language's page
};

// Where the language's page and the English one differ (its texts), which
// of the two the screen shows. Points keep off the arrows in the corners.
page_match compare_texts(const QImage& screen, const QRect& area, const QImage& own,
                         const QImage& english)
{
    const int tolerance = 24;
    auto near = [&](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) <= tolerance &&
               std::abs(a.green() - b.green()) <= tolerance &&
               std::abs(a.blue() - b.blue()) <= tolerance;
    };
    page_match m;
    for (int y = 4; y < area.height() - 4; y += 2)
        for (int x = 4; x < area.width() - 4; x += 2) {
            const QPoint at = area.topLeft() + QPoint(x, y);
            if (!screen.rect().contains(at) || at.y() < 80)
                continue;
            const QColor want = own.pixelColor(x, y), other = english.pixelColor(x, y);
            if (near(want, other))
                continue;
            ++m.compared;
            m.own += near(screen.pixelColor(at), want);
        }
    return m;
}

} // namespace

TEST(language_pages, EachLanguageShowsItsOwnHelpPagesAndCredits)
{
    if (!gl_game::have_display())
        GTEST_SKIP() << "no X display";
    struct page {
        const char* name;
        std::function<float*()> shown, next;
        atlas::rect cell;
    };
    const std::vector<page> pages = {
        {"first", [] { return spriteman::tex_help_first; },
         [] { return spriteman::tex_help_second; }, atlas::help_first},
        {"second", [] { return spriteman::tex_help_second; },
         [] { return spriteman::tex_help_third; }, atlas::help_second},
        {"third", [] { return spriteman::tex_help_third; }, [] { return nullptr; },
         atlas::help_third},
        {"credits", [] { return spriteman::tex_credits; }, [] { return nullptr; }, atlas::credits},
    };
    const QImage english = atlas_named(myglwidget::atlas_name);
    ASSERT_FALSE(english.isNull());

    view v;
    myglwidget* gl = in_process::shown_gl(v, QSize(800, 480));
    ASSERT_NE(gl, nullptr);
    ASSERT_TRUE(in_process::wait_for([] { return scene_manager::current()->scenes.size() > 1; }));
    // Later tests in this process draw from the English atlas.
    struct back_to_english {
        myglwidget* gl;
        ~back_to_english() { gl->reload_atlas(myglwidget::atlas_name); }
    } reset{gl};

    for (const std::string code : {"en", "de", "fr", "es"}) {
        const std::string name = code == "en" ? myglwidget::atlas_name : "cf_2048_" + code + ".png";
        ASSERT_TRUE(gl->reload_atlas(name)) << name;
        const QImage atlas = atlas_named(name);
        ASSERT_FALSE(atlas.isNull()) << name;
        for (const page& p : pages) {
            const std::string where = code + " " + p.name;
            auto* shown = new tex_scrolling_view(p.shown(), p.next());
            scene_manager::current()->add_scene(shown);
            // Two ticks: the page homes its view.
            for (int t = 0; t < 2; ++t)
                scene_manager::current()->tick(scene_manager::current()->top());
            const QImage frame = gl->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
            QDir().mkpath(gl_game::artifacts());
            frame.save(gl_game::artifacts() +
                       QStringLiteral("/page-%1-%2.png")
                           .arg(QString::fromStdString(code), QString::fromLatin1(p.name)));

            const QSize drawn(qRound(shown->page_width), qRound(shown->page_height));
            const QRect area(QPoint(qRound(-shown->view_left), qRound(-shown->view_top)), drawn);
            const QImage own = gl_game::drawn_cell(atlas, p.cell, drawn);
            EXPECT_GT(gl_game::agreement(frame, area, own), 0.9)
                << where << ": the screen does not show the page";
            if (code != "en") {
                const page_match m =
                    compare_texts(frame, area, own, gl_game::drawn_cell(english, p.cell, drawn));
                EXPECT_GT(m.compared, 200) << where << ": the page is hardly translated";
                EXPECT_GT(m.own, m.compared * 8 / 10)
                    << where << ": the screen shows the English texts";
            }
            scene_manager::current()->go_back();
        }
    }
}

// A label in the player's language read back from the game's own GL widget:
// each accented letter and mark shows the atlas picture it was drawn from,
// where it was drawn, the period and the comma as parts of their cells.

#include "atlas_table.h"
#include "cfg.h"
#include "extra_functions.h"
#include "gl/gl_game.h"
#include "gl/in_process.h"
#include "gl_backend.h"
#include "gl_recorder.h"
#include "myscene.h"
#include "scene_manager.h"

#include <QDir>
#include <gtest/gtest.h>

namespace
{

class label_item : public myglitem
{
  public:
    explicit label_item(std::string text) : text(std::move(text)) {}
    void updateGL() override { extra_functions::print_gl_label(text, 400, 240, 50); }
    QRectF boundingRect() const override { return QRectF(); }
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    std::string text;
};

atlas::rect latin_rect(char32_t ch)
{
    for (int i = 0; i < atlas::latin_count; ++i)
        if (atlas::latin_glyph(i).ch == ch)
            return atlas::latin_glyph(i).r;
    ADD_FAILURE() << "no cell for U+" << std::hex << static_cast<unsigned>(ch);
    return atlas::blank;
}

QRect area_of(const recorded_draw& d)
{
    return QRect(QPoint(qRound(d.left()), qRound(d.top())),
                 QPoint(qRound(d.right()) - 1, qRound(d.bottom()) - 1));
}

} // namespace

TEST(font_gl, AccentedLabelShowsTheAtlasCells)
{
    if (!gl_game::have_display())
        GTEST_SKIP() << "no X display";
    view v;
    myglwidget* gl = in_process::shown_gl(v, QSize(800, 480));
    ASSERT_NE(gl, nullptr);
    auto* scene = new myscene();
    // "CA, L'ETE. !SI!" in French and Spanish: a cedilla, acute accents, the
    // comma, apostrophe, period and both exclamation marks.
    auto* label = new label_item("\u00C7A, L'\u00C9T\u00C9. \u00A1S\u00CD!");
    scene->add_gl_item(label);
    scene_manager::current()->add_scene(scene);

    const QImage frame = gl->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(frame.isNull());
    QDir().mkpath(gl_game::artifacts());
    frame.save(gl_game::artifacts() + "/font_label.png");
    const QImage atlas_image(QString::fromStdString(cfg::tex_directory + "cf_2048.png"));
    ASSERT_FALSE(atlas_image.isNull());

    std::vector<recorded_draw> draws;
    {
        gl_backend* real = gl_backend::current();
        {
            gl_recorder rec;
            label->updateGL();
            draws = rec.draws;
        }
        gl_backend::install(real);
    }
    // The character and the cell it shows; spaces show nothing to compare.
    const std::pair<int, atlas::rect> shown[] = {
        {0, latin_rect(U'\u00C7')},  {1, atlas::glyph(10)},      {2, atlas::comma.r},
        {4, atlas::glyph(21)},       {5, latin_rect(U'\'')},     {6, latin_rect(U'\u00C9')},
        {7, atlas::glyph(29)},       {8, latin_rect(U'\u00C9')}, {9, atlas::period.r},
        {11, latin_rect(U'\u00A1')}, {12, atlas::glyph(28)},     {13, latin_rect(U'\u00CD')},
        {14, latin_rect(U'!')},
    };
    ASSERT_EQ(draws.size(), 15u);
    for (const auto& [i, cell] : shown)
        EXPECT_GE(gl_game::cell_agreement(frame, atlas_image, cell, area_of(draws[i]), 2), 0.85)
            << "character " << i;
    // Narrow marks are drawn no wider than their half cell.
    EXPECT_EQ(area_of(draws[14]).width(), 25);
}

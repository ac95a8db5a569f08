#ifndef CRUMBLEFORD_APP_TEX_SCROLLING_VIEW_H
#define CRUMBLEFORD_APP_TEX_SCROLLING_VIEW_H

// A page screen: one large atlas picture (a help page or the credits) that
// the finger drags one to one, or keys scroll, with a back arrow and, when
// there is a following page, a next arrow. Pushed on the scene stack by
// whoever opens it; the scene manager owns it.

#include "myscene.h"

#include <string>
#include <vector>

class QGraphicsSceneMouseEvent;
class QGraphicsView;

class tex_scrolling_view : public myscene
{
    Q_OBJECT
  public:
    tex_scrolling_view(float* page, float* next_page, QObject* parent = nullptr);

    void resizeGL() override;
    void updateGL() override;
    // Up and Down scroll a step, PageUp and PageDown a screenful; Right is
    // the next arrow, Left back to the page before (nothing on a first
    // page, so a stray Left never leaves); back is the back arrow.
    bool intent_event(const input::meaning& m, bool pressed, bool repeat) override;
    // The arrows, the scroll mark and the part of the page showing text.
    std::vector<layout_box> layout_boxes() const override;

    float* page;
    float* next_page;
    float page_quad[8];
    // Drag guard: while set, moves and the release do not scroll. Set until
    // the first press that starts a drag.
    bool busy = true;
    float draw_quad[8];
    float back_quad[8];
    float next_quad[8];
    long long press_x = 0;
    long long press_y = 0;
    long long last_x = 0;
    long long last_y = 0;
    long long anchor_x = 0;
    long long anchor_y = 0;
    double page_width = 0; // pixels
    double page_height = 0;
    // The back arrow was pressed: the page closes at its next tick, never
    // inside its own event handler.
    // Opened by the next arrow of the page before, which waits below it.
    bool follows_page = false;

  public slots:
    void advance() override;

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* e) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* e) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* e) override;

  private:
    void lay_out();
    // On a help page, the player's own keys where they differ from the
    // page's, as lines in the band between the arrows; none otherwise.
    std::vector<std::string> own_keys_lines() const;
    int own_keys_letter() const;
    // Atlas coordinates of the page's top-left texel as a point, and of its
    // left and right texel columns, as quads that stretch them.
    void edge_texels(float* top_left, float* left_column, float* right_column) const;
    // Whether the page is scrolled off its top.
    bool scrolled() const;
    // The scroll mark's track and thumb, viewport pixels; false when the
    // page fits the window and does not scroll.
    bool scroll_mark(QRectF* track, QRectF* thumb) const;
    void open_next_page();
    // Scrolls the page by dy pixels (down for positive), within its edges.
    void scroll_by(double dy);
    // Takes the view as it is, when the first tick has not yet homed it.
    void settle_home();
    // Scrolls the view showing this page so that scene point (x, y) is in
    // the middle (the view clamps it), and records the new view position.
    // False when no view shows the page yet.
    bool center_view(double x, double y);
    void record_view_position(QGraphicsView* v);
    QGraphicsView* shown_in() const;
    bool home_pending = true; // the page still has to be scrolled to its top-left
};

#endif

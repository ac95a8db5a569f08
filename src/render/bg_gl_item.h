#ifndef CRUMBLEFORD_RENDER_BG_GL_ITEM_H
#define CRUMBLEFORD_RENDER_BG_GL_ITEM_H

// A full-screen background that does not scroll: one picture stretched over
// the viewport, or a middle picture between a top and a bottom strip that
// keep their aspect ratio across the full width. Its scene owns it.

#include "myglitem.h"

class bg_gl_item : public myglitem
{
  public:
    // tex_up and tex_down are both null for a plain background.
    bg_gl_item(myscene* scene, float* tex, float* tex_up, float* tex_down);
    ~bg_gl_item() override;

    void updateGL() override;
    void resizeGL() override;
    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}

    // The v extent over the u extent of a texture-coordinate array.
    static float aspect_ratio(const float* tex);

    float* tex;
    float* tex_up;
    float* tex_down;
    float up_vertices[8] = {};
    float down_vertices[8] = {};

  private:
    bool has_strips() const { return tex_up && tex_down; }
};

#endif

#ifndef CRUMBLEFORD_APP_MYSCENE_H
#define CRUMBLEFORD_APP_MYSCENE_H

// Base of every screen: a graphics scene with its own tick timer and a
// drawing list of GL items sorted by depth. The scene manager owns scenes and
// runs only the top one's timer.

#include "input_table.h"

#include <QGraphicsScene>
#include <list>

class QGraphicsSceneMouseEvent;
class QKeyEvent;
class QTimer;
class myglitem;

class myscene : public QGraphicsScene
{
    Q_OBJECT
  public:
    explicit myscene(QObject* parent = nullptr);
    ~myscene() override;

    virtual void add_gl_item(myglitem* item);
    virtual void remove_gl_item(myglitem* item);
    virtual void updateGL();
    virtual void resizeGL() {}
    virtual void reactivated() {}
    // Whether the atlas is sampled linearly when this scene is drawn; the GL
    // widget applies it where the atlas is bound, in its own context.
    virtual bool smooth_atlas() const { return true; }
    // While a scene takes typed text (a name being entered), every letter
    // key is its own, the sound toggle's M included.
    virtual bool takes_text() const { return false; }
    // What a key or pad button means reaches the screen here, pressed or
    // let go; a held key's automatic repeats come with `repeat` set. True
    // when the screen acted on it.
    virtual bool intent_event(const input::meaning&, bool /*pressed*/, bool /*repeat*/)
    {
        return false;
    }
    // Keys reach a screen only as what they mean.
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

    // Milliseconds between ticks: 1000 / ticks_per_second, truncated.
    int tick_period() const { return static_cast<int>(1000 / ticks_per_second); }

    long long ticks_per_second = 30;
    QTimer* timer;
    std::list<myglitem*> gl_items; // ascending depth; equal depths in insertion order
    bool reactivate = false;
    myglitem* background = nullptr; // owned
    double view_left = 0;
    double view_top = 0;
    double view_center_x = 0;
    double view_center_y = 0;
    bool running = false;
    bool self_drawing = false; // the scene repaints from its own tick
    // Set by a key or pad button, cleared by a press of the pointer: focus
    // frames and the drawing cursor show only while the player uses keys,
    // so a mouse or touch player sees the screens as they always were.
    static bool keys_in_use;

  public slots:
    virtual void advance() {}

  protected:
    // Qt turns the second press of a quick double tap into a double-click;
    // every screen takes it as the press it is, or every other tap is lost.
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* e) override;
};

#endif

#ifndef CRUMBLEFORD_APP_MYSCENE_H
#define CRUMBLEFORD_APP_MYSCENE_H

// Base of every screen: a graphics scene with its own tick timer and a
// drawing list of GL items sorted by depth. The scene manager owns scenes,
// runs only the top one's timer and acts on what each tick requests.

#include "input_table.h"
#include "myglitem.h"

#include <QGraphicsScene>
#include <list>

class QGraphicsSceneMouseEvent;
class QGraphicsView;
class QKeyEvent;
class QTimer;
class myglitem;
class myscene;

// What acts on a tick's requests: the scene manager while the game runs.
class scene_shell
{
  public:
    virtual ~scene_shell() = default;
    virtual void repaint(bool always) = 0;
    // Pops s; false when it stays (it is not the top, or the last screen).
    virtual bool leave(myscene* s) = 0;
    virtual void open_help() = 0;
    virtual void enter(myscene* next) = 0;
};

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
    // The elements the screen shows now that a player reads or presses,
    // in viewport pixels; what lies under an open menu is left out.
    virtual std::vector<layout_box> layout_boxes() const { return {}; }
    // Whether the screen shows a world at the player's zoom. Such a screen
    // scales only its interface items; any other screen is interface
    // through and through, and the view scales it whole.
    virtual bool world_view() const { return false; }
    // Boxes an interface lays out, in the pixels of the viewport.
    static std::vector<layout_box> on_screen(std::vector<layout_box> boxes);
    // What a key or pad button means reaches the screen here, pressed or
    // let go; a held key's automatic repeats come with `repeat` set. True
    // when the screen acted on it.
    virtual bool intent_event(const input::meaning&, bool /*pressed*/, bool /*repeat*/)
    {
        return false;
    }
    // A pad's button, which reaches intent_event as what it means unless a
    // screen wants the button itself (the controls page binding one).
    virtual bool pad_button_event(input::pad_button b, bool pressed, bool repeat)
    {
        return intent_event(input::pad_meaning(b), pressed, repeat);
    }
    // Keys reach a screen only as what they mean.
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

    // One tick: advance(), then what it requested, in this order: the
    // repaint, the reactivation, the scene's own requests, leaving (which
    // deletes the scene: false is returned and nothing may follow), the help
    // pages or another scene, and the end of the tick. Without a shell (the
    // simulator, tests) a tick does all but repainting, leaving and entering.
    bool tick(scene_shell* shell = nullptr);

    // What a tick asks of the shell.
    enum class repaint { no, if_focused, always };
    repaint repaint_request = repaint::no;
    bool leave_request = false;       // pop this scene
    bool help_request = false;        // push the help pages over it
    myscene* enter_request = nullptr; // push this scene; owned until pushed
    // Requests only a kind of scene knows how to meet (the menus a game
    // scene's tick asked for), after the repaint and the reactivation.
    virtual void settle_requests() {}
    // The tick's last step, reached only when the scene was not left.
    virtual void finish_tick() {}

    // Writes where a viewport of the given size shows this scene into the
    // view position fields: its top-left corner, the x of its top centre
    // and the y of its middle left.
    void record_view_position(const QGraphicsView* v, int width, int height);

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
    // Whether the last key or button pressed was a pad's: prompts show the
    // pad's button then, and the keyboard's key otherwise.
    static bool pad_in_use;

  public slots:
    virtual void advance() {}

  protected:
    // Qt turns the second press of a quick double tap into a double-click;
    // every screen takes it as the press it is, or every other tap is lost.
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* e) override;
};

#endif

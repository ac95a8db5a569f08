#ifndef CRUMBLEFORD_APP_SCENE_MANAGER_H
#define CRUMBLEFORD_APP_SCENE_MANAGER_H

// The stack of screens. It owns every scene on it; only the top scene is
// shown and only its timer runs. After each tick it acts on what the scene
// requested: a repaint, leaving, entering another screen.

#include <list>

class myscene;
class view;
class progress_manager;

class scene_manager
{
  public:
    scene_manager(myscene* first, view* v, progress_manager* pm);
    virtual ~scene_manager();
    scene_manager(const scene_manager&) = delete;
    scene_manager& operator=(const scene_manager&) = delete;

    void add_scene(myscene* s);
    // Deletes the top scene and reactivates the one below; refuses (returns
    // false) when only one scene is left, so there is always a screen.
    bool go_back();
    myscene* top() const { return scenes.empty() ? nullptr : scenes.back(); }

    // One tick of s, its requests met here; false when s left (it is gone).
    bool tick(myscene* s);
    // Lays out every scene on the stack for the viewport, oldest first, so
    // going back shows them at the current size.
    void resize_scenes();

    std::list<myscene*> scenes; // last is the top

    static view* _view_static_ptr;
    static progress_manager* _progress_manager_static_ptr;
    // The manager in charge, reached by the title's buttons.
    static scene_manager* current();
    // Pushes s onto the current manager's stack; with no manager (a scene
    // made outside the game) s is deleted, since nothing would own it.
    static void push(myscene* s);

  private:
    void show(myscene* s);
    void start(myscene* s);
    static scene_manager* instance;
};

#endif

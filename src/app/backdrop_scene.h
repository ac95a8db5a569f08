#ifndef CRUMBLEFORD_APP_BACKDROP_SCENE_H
#define CRUMBLEFORD_APP_BACKDROP_SCENE_H

// The first screen until the title scene exists: the level background,
// repainted every tick while the window has the focus. The scene manager
// owns it.

#include "myscene.h"

class backdrop_scene : public myscene
{
    Q_OBJECT
  public:
    explicit backdrop_scene(QObject* parent = nullptr);

    void resizeGL() override;

  public slots:
    void advance() override;

  private:
    // The atlas tables appear only once the GL context exists, after the
    // scene was created.
    void ensure_background();
};

#endif

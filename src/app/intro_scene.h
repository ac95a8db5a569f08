#ifndef CRUMBLEFORD_APP_INTRO_SCENE_H
#define CRUMBLEFORD_APP_INTRO_SCENE_H

// The first screen on the stack: a few blank frames, then it opens the main
// menu and stays underneath it for the rest of the run. The view creates it;
// the scene manager owns it.

#include "myscene.h"

class intro_scene : public myscene
{
    Q_OBJECT
  public:
    explicit intro_scene(QObject* parent = nullptr);

    void updateGL() override {}

    int countdown = 2; // ticks left before the main menu opens

  public slots:
    void advance() override;
};

#endif

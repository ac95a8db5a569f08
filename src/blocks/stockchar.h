#ifndef CRUMBLEFORD_BLOCKS_STOCKCHAR_H
#define CRUMBLEFORD_BLOCKS_STOCKCHAR_H

// A player character: walks, falls and jumps under its held-key flags,
// slides along what it meets without pushing, is pushed by clouds and
// falling blocks, opens doors and carries a three-slot drawing stock.

#include "input_table.h"
#include "stockblock.h"

class QKeyEvent;

struct stock_slot {
    unsigned char colornum = 1;
    unsigned int type = 0;
    unsigned char count = 9;
};

class stockchar : public stockblock
{
  public:
    stockchar(game_scene* scene, long long x, long long y, unsigned char color_index);
    ~stockchar() override;

    void advance(int phase) override;
    void updateGL() override;
    void destroyed() override;
    void push(unsigned char dir, long long pos, int force, stockblock* pusher) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    // What a pressed or released key means for a character.
    void press(input::intent i);
    void release(input::intent i);

    // Triggers every door (exit of our colour, or entrance) we overlap.
    void activate_doors();
    // The doors activate_doors would trigger now: the door prompt asks too.
    std::list<stockblock*> doors_here();

    bool left_held = false;
    bool right_held = false;
    bool jump_held = false;
    bool down_held = false;
    stock_slot* stock_slots[3];
    unsigned int anim_counter = 0;
    long long walk_speed;
    long long ground_accel;
    long long air_accel;
    long long jump_speed;

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent*) override {}
    void mouseMoveEvent(QGraphicsSceneMouseEvent*) override {}
    void mouseReleaseEvent(QGraphicsSceneMouseEvent*) override {}
};

#endif

#ifndef CRUMBLEFORD_BLOCKS_STOCKBLOCK_H
#define CRUMBLEFORD_BLOCKS_STOCKBLOCK_H

// Base of every world object, and itself the plain static grid block. Holds
// position, size and velocity in world units, answers the swept-square
// overlap query and resolves pushes and slides. The game scene owns blocks;
// deleting one unregisters it everywhere.

#include "cfg.h"
#include "myglitem.h"

#include <list>

class game_scene;
class stockchar;

class stockblock : public myglitem
{
  public:
    // A plain static block in the cell containing (x, y).
    stockblock(game_scene* scene, long long x, long long y, unsigned char color_index);
    ~stockblock() override;

    void advance(int) override {}
    QRectF boundingRect() const override;
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void updateGL() override;
    void calculate_size() override;

    // A blast or the loader's "delete" is about to remove this block.
    virtual void destroyed() {}
    // A block moving in direction dir reached this one; pos is its leading edge.
    virtual void push(unsigned char dir, long long pos, int force, stockblock* pusher);
    // A character activated this block (doors).
    virtual void triggered(stockchar*) {}

    void calculate_colorflag();
    std::list<stockblock*> colliding_blocks(long long x1, long long y1, long long x2, long long y2,
                                            unsigned int mask);
    void mk1dcollisions(std::list<stockblock*>& candidates, unsigned char dir, long long pos,
                        int force, stockblock* pusher, bool self_placed);
    void mk2dcollisions(std::list<stockblock*>& candidates);
    // Something below stopped this block's fall: vy becomes 0, and a real
    // fall is told as a landing.
    void stop_fall();

    game_scene* world = nullptr;
    long long x = 0;
    long long y = 0;
    long long vx = 0;
    long long vy = 0;
    int weight = 100;
    unsigned char tick_mark = 0;
    unsigned char contacts = 0;
    long long size = 0;
    long long next_x = 0;
    long long next_y = 0;

  protected:
    // What every kind's constructor shares: kind, colour, size (the level
    // format's for the kind), weight and drawing depth are set before the
    // scene hears of the block. A grid kind is filed in the cell containing
    // (x, y) and snapped to it; a listed kind is registered at (x, y) as
    // given; a block of no kind is a probe the scene never hears of.
    stockblock(game_scene* scene, unsigned int type, long long x, long long y,
               unsigned char color_index, int weight = 100, double depth = 0.5);
    // Files a listed kind with the scene. A character does this at the end
    // of its own constructor: the scene files it as the character it only
    // is from then on.
    void register_listed();

    // The shared push reaction of the moving kinds: move out of the way
    // along dir if force beats weight, with mask naming what can stop us.
    void push_reaction(unsigned char dir, long long pos, int force, stockblock* pusher,
                       unsigned int mask);
    // Marks the block as moved in this tick; false if it already moved (a
    // push of equal force made it move early).
    bool claim_tick();
    // The tentative position after one tick at the current velocity.
    void tentative_move();
    // Item position from the world position.
    void sync_item_pos();
    // Draws the block's square with the given texture coordinates.
    void draw_square(const float* tex);

  private:
    // Registers a grid kind in its cell and with the scene, snapping x, y.
    void place_in_grid();
};

#endif

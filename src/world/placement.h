#ifndef CRUMBLEFORD_WORLD_PLACEMENT_H
#define CRUMBLEFORD_WORLD_PLACEMENT_H

// Drawing a block from the focused character's stock into the grid: the
// validity test and, when committing, the placement. The drawing surface's
// apply button and the simulator's "place" events both come here.

class game_scene;
class stockchar;

// Whether grid cell (cell_x, cell_y) overlaps the open box reaching two block
// edges beyond the character on every side: where it may draw.
bool in_reach(const stockchar& ch, long long cell_x, long long cell_y);

// Answers whether the block of stock slot `slot` of the focused character can
// be placed at grid cell (cell_x, cell_y); with commit set, also places it
// (a cloud starts moving in `direction`) and spends one unit of the slot.
bool place_from_stock(game_scene* scene, unsigned int slot, long long cell_x, long long cell_y,
                      unsigned char direction, bool commit);

#endif

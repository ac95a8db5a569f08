#ifndef CRUMBLEFORD_WORLD_WORLD_EVENT_H
#define CRUMBLEFORD_WORLD_WORLD_EVENT_H

// Something that just happened in the world, told to the scene's listeners
// by the code that made it happen. Telling it changes nothing, so a world
// with listeners runs exactly as one without.

class stockblock;

struct world_event {
    enum kind_t {
        jump,        // a character took off
        land,        // a character's fall was stopped (speed)
        step,        // a character on the ground moved by its own walk
        push,        // a block was shoved out of the way (dir)
        draw,        // a block was drawn from a character's stock
        cloud_turn,  // a stopped cloud turned back along its track
        block_land,  // a falling block's fall was stopped (speed)
        fuse,        // a bomb's fuse began to burn
        blast,       // a bomb went off (victims)
        spikes,      // spikes caught a character: the level is lost
        death,       // a character was destroyed: the level is lost
        fell_out,    // a character fell out of the world below its grid
        char_switch, // the focus moved to the next character
        door,        // a character opened a door into a level
        exit_taken,  // a character left through its exit
        passed,      // the last character left: the level is passed
    };
    kind_t kind;
    // Who it happened to; only to tell one object's events from another's,
    // as it may be gone by the time the tick ends.
    const stockblock* who = nullptr;
    long long speed = 0;   // land, block_land: how fast it fell
    unsigned char dir = 0; // push: the direction it was shoved in
    int victims = 0;       // blast: how many objects it destroyed
};

#endif

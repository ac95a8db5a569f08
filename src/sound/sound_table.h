#ifndef CRUMBLEFORD_SOUND_SOUND_TABLE_H
#define CRUMBLEFORD_SOUND_SOUND_TABLE_H

// Every sound the game plays: the one list shared by the sound generator,
// which writes a WAV file per entry at build time, and the player, which
// loads them by the same names. Lengths are in milliseconds.

namespace sounds
{

enum id : int {
    footstep,
    jump,
    land,
    push,
    draw,
    cloud_turn,
    block_land,
    spikes,
    fuse,
    blast,
    crumble,
    char_switch,
    door,
    exit_taken,
    passed,
    failed,
    button,
    rewind,
    menu_music,
    level_music,
    count
};

struct entry {
    const char* name; // file name without ".wav"
    int length_ms;
    bool loops;
};

constexpr int sample_rate = 22050;

// The bomb's fuse lasts one second of world time (30 ticks).
constexpr entry table[count] = {
    {"footstep", 70, false},     {"jump", 180, false},         {"land", 130, false},
    {"push", 160, false},        {"draw", 200, false},         {"cloud_turn", 260, false},
    {"block_land", 200, false},  {"spikes", 420, false},       {"fuse", 1000, false},
    {"blast", 900, false},       {"crumble", 320, false},      {"char_switch", 130, false},
    {"door", 450, false},        {"exit_taken", 380, false},   {"passed", 1400, false},
    {"failed", 1400, false},     {"button", 50, false},        {"rewind", 450, false},
    {"menu_music", 16000, true}, {"level_music", 16000, true},
};

inline int sample_count(id s)
{
    return static_cast<int>(static_cast<long long>(table[s].length_ms) * sample_rate / 1000);
}

} // namespace sounds

#endif

#ifndef CRUMBLEFORD_TESTS_RECORDING_SINK_H
#define CRUMBLEFORD_TESTS_RECORDING_SINK_H

// A sound sink that keeps what it was asked to play, installed for as long
// as it lives, so a test can hear what the game asked for.

#include "sound_sink.h"

#include <algorithm>
#include <vector>

class recording_sink : public sound_sink
{
  public:
    recording_sink() { install(this); }
    ~recording_sink() override { install(nullptr); }
    void play(sounds::id s) override { played.push_back(s); }
    void play_music(sounds::id loop) override { music = loop; }
    bool muted() const override { return mute; }
    void set_muted(bool on) override { mute = on; }

    int count(sounds::id s) const
    {
        return static_cast<int>(std::count(played.begin(), played.end(), s));
    }
    // Position of the first s, or -1.
    int first(sounds::id s) const
    {
        const auto it = std::find(played.begin(), played.end(), s);
        return it == played.end() ? -1 : static_cast<int>(it - played.begin());
    }

    std::vector<sounds::id> played;
    int music = -1;
    bool mute = false;
};

#endif

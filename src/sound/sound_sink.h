#ifndef CRUMBLEFORD_SOUND_SOUND_SINK_H
#define CRUMBLEFORD_SOUND_SOUND_SINK_H

// Where the game asks for sounds: the player while the game runs, a
// recorder in tests, nothing at all in the simulator. The one installed
// sink is not owned here; whoever installs it uninstalls it.

#include "sound_table.h"

class sound_sink
{
  public:
    virtual ~sound_sink() = default;
    // An effect or a jingle, mixed over whatever already plays.
    virtual void play(sounds::id s) = 0;
    // The loop for the screen shown now; asking again for the loop that
    // already plays changes nothing.
    virtual void play_music(sounds::id loop) = 0;
    virtual bool muted() const = 0;
    virtual void set_muted(bool on) = 0;
    // Loudness of the music and of the effects, 0 to 100 each, heard at
    // once; mute silences both whatever they are. A sink that cannot play
    // (the simulator's, a test's recorder) ignores them.
    virtual void set_volumes(int /*music*/, int /*effects*/) {}
    virtual int music_volume() const { return 100; }
    virtual int effects_volume() const { return 100; }

    static sound_sink* current() { return installed(); }
    static void install(sound_sink* s) { installed() = s; }
    // Plays on the installed sink, if there is one.
    static void cue(sounds::id s)
    {
        if (sound_sink* sink = current())
            sink->play(s);
    }
    static void toggle_mute()
    {
        if (sound_sink* sink = current())
            sink->set_muted(!sink->muted());
    }

  private:
    static sound_sink*& installed()
    {
        static sound_sink* sink = nullptr;
        return sink;
    }
};

#endif

#ifndef CRUMBLEFORD_SOUND_SOUND_BOARD_H
#define CRUMBLEFORD_SOUND_SOUND_BOARD_H

// The game's player: loads every generated WAV file into OpenAL once and
// mixes effects on a small pool of voices over one looping music voice.
// Without an audio device it says so in one line on standard error and
// stays silent; every call is then a no-op. The view owns the one board.

#include "sound_sink.h"

#include <memory>
#include <string>
#include <vector>

class settings_store;

class sound_board : public sound_sink
{
  public:
    // device: an OpenAL device name, or nullptr for the system's default.
    sound_board(const std::string& sounds_dir, const std::string& settings_path,
                const char* device = nullptr);
    ~sound_board() override;

    void play(sounds::id s) override;
    void play_music(sounds::id loop) override;
    bool muted() const override { return is_muted; }
    // Remembered in the settings file at once.
    void set_muted(bool on) override;
    // Heard at once; the settings screen remembers them. The board reads
    // them from the settings file when it starts.
    void set_volumes(int music, int effects) override;
    int music_volume() const override { return music_percent; }
    int effects_volume() const override { return effects_percent; }
    // The loudness the music voice and the effect voices are heard at, from
    // 0 to 1, mute included: what the board sets, device or not.
    float music_gain() const;
    float effect_gain() const;

    bool has_device() const { return context != nullptr; }
    // The effect the voices played last, for tests; -1 for none.
    int last_played() const { return last; }

    // A mono 16-bit WAV's samples; empty when the file is not one.
    static std::vector<short> read_wav(const std::string& path, int* rate = nullptr);

  private:
    void apply_gain();
    void apply_volumes();

    std::unique_ptr<settings_store> settings;
    bool is_muted = false;
    int music_percent = 100;
    int effects_percent = 100;
    int last = -1;
    void* device_handle = nullptr; // ALCdevice
    void* context = nullptr;       // ALCcontext
    std::vector<unsigned int> buffers;
    std::vector<unsigned int> voices;
    unsigned int music_voice = 0;
    int music = -1;
};

#endif

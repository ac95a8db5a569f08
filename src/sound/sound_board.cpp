#include "sound_board.h"

#include "settings_store.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace
{

// Enough voices for a blast, its rubble, a jingle and footsteps at once.
constexpr int voice_count = 12;
// The music at full volume: under the effects, which carry what happens.
constexpr float full_music_gain = 0.3f;

unsigned read_le(const unsigned char* p, int bytes)
{
    unsigned v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

// Opens the device with standard error silenced: the audio libraries below
// OpenAL report a missing card in a dozen lines of their own, and the game
// says it in one.
ALCdevice* open_device_quietly(const char* name)
{
    if (!std::getenv("ALSOFT_LOGLEVEL"))
        setenv("ALSOFT_LOGLEVEL", "0", 0);
    std::fflush(stderr);
    const int saved = ::dup(2);
    const int null_fd = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved >= 0 && null_fd >= 0)
        ::dup2(null_fd, 2);
    ALCdevice* device = alcOpenDevice(name);
    if (saved >= 0 && null_fd >= 0)
        ::dup2(saved, 2);
    if (null_fd >= 0)
        ::close(null_fd);
    if (saved >= 0)
        ::close(saved);
    return device;
}

} // namespace

std::vector<short> sound_board::read_wav(const std::string& path, int* rate)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                           std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return {};
    bool format_ok = false;
    std::size_t pos = 12;
    while (pos + 8 <= bytes.size()) {
        const unsigned char* chunk = bytes.data() + pos;
        const std::size_t size = read_le(chunk + 4, 4);
        if (size > bytes.size() - pos - 8)
            return {};
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
            // Mono 16-bit PCM is all the generator writes.
            format_ok = read_le(chunk + 8, 2) == 1 && read_le(chunk + 10, 2) == 1 &&
                        read_le(chunk + 22, 2) == 16;
            if (rate)
                *rate = static_cast<int>(read_le(chunk + 12, 4));
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!format_ok)
                return {};
            std::vector<short> samples(size / 2);
            for (std::size_t i = 0; i < samples.size(); ++i)
                samples[i] = static_cast<short>(read_le(chunk + 8 + 2 * i, 2));
            return samples;
        }
        pos += 8 + size + (size & 1);
    }
    return {};
}

sound_board::sound_board(const std::string& sounds_dir, const std::string& settings_path,
                         const char* device)
    : settings(std::make_unique<settings_store>(settings_path))
{
    is_muted = settings->get("sound", "on") == "off";
    music_percent = settings->get_number("music_volume", 0, 100, 100);
    effects_percent = settings->get_number("effects_volume", 0, 100, 100);
    ALCdevice* d = open_device_quietly(device);
    if (!d) {
        std::fprintf(stderr, "No audio device: playing without sound.\n");
        return;
    }
    ALCcontext* c = alcCreateContext(d, nullptr);
    if (!c || !alcMakeContextCurrent(c)) {
        if (c)
            alcDestroyContext(c);
        alcCloseDevice(d);
        std::fprintf(stderr, "No audio device: playing without sound.\n");
        return;
    }
    device_handle = d;
    context = c;

    buffers.assign(sounds::count, 0);
    alGenBuffers(sounds::count, buffers.data());
    for (int i = 0; i < sounds::count; ++i) {
        int rate = 0;
        const std::vector<short> samples =
            read_wav(sounds_dir + sounds::table[i].name + ".wav", &rate);
        // A missing file only silences its own sound.
        if (!samples.empty() && rate > 0)
            alBufferData(buffers[i], AL_FORMAT_MONO16, samples.data(),
                         static_cast<ALsizei>(samples.size() * 2), rate);
    }
    voices.assign(voice_count, 0);
    alGenSources(voice_count, voices.data());
    alGenSources(1, &music_voice);
    alSourcei(music_voice, AL_LOOPING, AL_TRUE);
    apply_gain();
    apply_volumes();
}

sound_board::~sound_board()
{
    if (sound_sink::current() == this)
        sound_sink::install(nullptr);
    if (!context)
        return;
    alSourceStopv(static_cast<ALsizei>(voices.size()), voices.data());
    alSourceStop(music_voice);
    alDeleteSources(static_cast<ALsizei>(voices.size()), voices.data());
    alDeleteSources(1, &music_voice);
    alDeleteBuffers(static_cast<ALsizei>(buffers.size()), buffers.data());
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(static_cast<ALCcontext*>(context));
    alcCloseDevice(static_cast<ALCdevice*>(device_handle));
}

void sound_board::play(sounds::id s)
{
    if (s < 0 || s >= sounds::count || sounds::table[s].loops)
        return;
    last = s;
    if (!context || is_muted)
        return;
    // A free voice, or else the one that has played longest.
    ALuint chosen = voices.front();
    float oldest = -1;
    for (ALuint v : voices) {
        ALint state = 0;
        alGetSourcei(v, AL_SOURCE_STATE, &state);
        if (state != AL_PLAYING) {
            chosen = v;
            break;
        }
        float offset = 0;
        alGetSourcef(v, AL_SEC_OFFSET, &offset);
        if (offset > oldest) {
            oldest = offset;
            chosen = v;
        }
    }
    alSourceStop(chosen);
    alSourcei(chosen, AL_BUFFER, static_cast<ALint>(buffers[s]));
    alSourcePlay(chosen);
}

void sound_board::play_music(sounds::id loop)
{
    if (loop < 0 || loop >= sounds::count || !sounds::table[loop].loops || loop == music)
        return;
    music = loop;
    if (!context)
        return;
    alSourceStop(music_voice);
    alSourcei(music_voice, AL_BUFFER, static_cast<ALint>(buffers[loop]));
    alSourcePlay(music_voice);
}

void sound_board::set_muted(bool on)
{
    is_muted = on;
    apply_gain();
    if (!settings->set("sound", on ? "off" : "on"))
        std::fprintf(stderr, "Could not save the sound setting.\n");
}

void sound_board::apply_gain()
{
    if (context)
        alListenerf(AL_GAIN, is_muted ? 0.0f : 1.0f);
}

void sound_board::set_volumes(int music, int effects)
{
    music_percent = std::clamp(music, 0, 100);
    effects_percent = std::clamp(effects, 0, 100);
    apply_volumes();
}

float sound_board::music_gain() const
{
    return is_muted ? 0.0f : full_music_gain * static_cast<float>(music_percent) / 100;
}

float sound_board::effect_gain() const
{
    return is_muted ? 0.0f : static_cast<float>(effects_percent) / 100;
}

void sound_board::apply_volumes()
{
    if (!context)
        return;
    // Mute stays the listener's: the sources keep their volumes through it.
    alSourcef(music_voice, AL_GAIN, full_music_gain * static_cast<float>(music_percent) / 100);
    const float effects = static_cast<float>(effects_percent) / 100;
    for (ALuint v : voices)
        alSourcef(v, AL_GAIN, effects);
}

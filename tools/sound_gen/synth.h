#ifndef CRUMBLEFORD_TOOLS_SOUND_GEN_SYNTH_H
#define CRUMBLEFORD_TOOLS_SOUND_GEN_SYNTH_H

// The small synthesiser the sound generator plays its recipes on:
// oscillators, seeded noise, envelopes and one-pole filters over a buffer of
// doubles, and the finishing steps that make a clean 16-bit WAV of it. No
// clock and no unseeded randomness, so every build writes the same bytes.

#include <cstdint>
#include <string>
#include <vector>

namespace synth
{

using wave = std::vector<double>;

constexpr double pi = 3.14159265358979323846;

// Frequency of a MIDI note number (69 is A 440 Hz).
double note_hz(double note);

// A reproducible white-noise source in [-1, 1].
class noise
{
  public:
    explicit noise(std::uint32_t seed) : state(seed ? seed : 1u) {}
    double next();

  private:
    std::uint32_t state;
};

// A phase-accumulating oscillator: its pitch may change every sample
// without clicks.
class osc
{
  public:
    enum shape { sine, triangle, soft_square };
    explicit osc(shape s) : form(s) {}
    double next(double hz, int rate);

  private:
    shape form;
    double phase = 0; // in cycles
};

// Attack, then exponential decay with time constant tau, then a linear
// release to silence over the last release seconds of the length.
double envelope(double t, double attack, double tau, double length, double release);

// One-pole filters; cutoff in Hz.
class lowpass
{
  public:
    lowpass(double hz, int rate);
    double next(double x);
    void set(double hz, int rate);

  private:
    double a = 0;
    double y = 0;
};

class highpass
{
  public:
    highpass(double hz, int rate);
    double next(double x);

  private:
    double a;
    double prev_x = 0;
    double y = 0;
};

// Removes the mean under a Hann window, so the ends stay at rest while the
// whole comes to no DC offset.
void remove_dc(wave& w);
// Removes the plain mean: for loops, where a constant shift makes no seam.
void remove_dc_loop(wave& w);
// Scales to the given peak (fraction of full scale).
void normalise(wave& w, double peak);
// Short fades against clicks at the ends.
void fade_ends(wave& w, int rate, double seconds);

// Writes mono 16-bit PCM; false if the file cannot be written.
bool write_wav(const std::string& path, const wave& w, int rate);

} // namespace synth

#endif

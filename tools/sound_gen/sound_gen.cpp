// crumbleford-sounds: plays every effect and music loop of the game on our
// own synthesiser and writes them as 16-bit mono WAV files.
//
// Usage: crumbleford-sounds <output directory>
//
// The recipes are plain code over seeded noise, so every build writes the
// same bytes. Effects are kept short and are peak-normalised to a level
// each, loud for a blast, soft for a footstep, so they sit together.

#include "sound_table.h"
#include "synth.h"

#include <cmath>
#include <cstdio>
#include <string>

using namespace synth;

namespace
{

constexpr int rate = sounds::sample_rate;

wave blank(sounds::id s)
{
    return wave(static_cast<std::size_t>(sounds::sample_count(s)), 0.0);
}

double seconds(sounds::id s)
{
    return sounds::table[s].length_ms / 1000.0;
}

double time_of(std::size_t i)
{
    return static_cast<double>(i) / rate;
}

// Filtered noise under an envelope: scrapes, hisses, thuds.
void add_noise(wave& w, std::uint32_t seed, double cutoff, double gain, double attack, double tau,
               double release, double start = 0)
{
    noise n(seed);
    lowpass lp(cutoff, rate);
    const double len = time_of(w.size()) - start;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double t = time_of(i) - start;
        const double x = lp.next(n.next());
        w[i] += gain * x * envelope(t, attack, tau, len, release);
    }
}

// A pitch glide from hz0 to hz1 (exponential) under an envelope.
void add_glide(wave& w, osc::shape shape, double hz0, double hz1, double gain, double attack,
               double tau, double start = 0, double length = -1)
{
    osc o(shape);
    const double len = length > 0 ? length : time_of(w.size()) - start;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double t = time_of(i) - start;
        if (t < 0 || t >= len)
            continue;
        const double hz = hz0 * std::pow(hz1 / hz0, t / len);
        w[i] += gain * o.next(hz, rate) * envelope(t, attack, tau, len, 0.01);
    }
}

// A soft bell-like note: a sine with a quiet octave and twelfth.
void add_note(wave& w, double note, double start, double length, double gain, double tau,
              bool wrap = false)
{
    const double hz = note_hz(note);
    const auto first = static_cast<long long>(start * rate);
    const auto n = static_cast<long long>(length * rate);
    const auto size = static_cast<long long>(w.size());
    for (long long k = 0; k < n; ++k) {
        long long i = first + k;
        if (wrap)
            i %= size;
        else if (i >= size)
            break;
        const double t = static_cast<double>(k) / rate;
        const double ph = 2 * pi * hz * t;
        const double v =
            std::sin(ph) + 0.25 * std::sin(2 * ph) * std::exp(-t / 0.15) + 0.08 * std::sin(3 * ph);
        w[static_cast<std::size_t>(i)] += gain * v * envelope(t, 0.008, tau, length, 0.05);
    }
}

// A slow pad chord: two detuned sines per note, swelling in and out.
void add_pad(wave& w, const int* notes, int count, double start, double length, double gain)
{
    const auto first = static_cast<long long>(start * rate);
    const auto n = static_cast<long long>(length * rate);
    const auto size = static_cast<long long>(w.size());
    for (int j = 0; j < count; ++j) {
        const double hz = note_hz(notes[j]);
        for (long long k = 0; k < n; ++k) {
            const double t = static_cast<double>(k) / rate;
            const double swell = std::sin(pi * t / length);
            const double v = std::sin(2 * pi * hz * t) + std::sin(2 * pi * hz * 1.004 * t + 1.0);
            w[static_cast<std::size_t>((first + k) % size)] += gain * 0.5 * v * swell * swell;
        }
    }
}

void finish(wave& w, double peak)
{
    // Faded first: the DC removal then leaves the quiet ends alone.
    fade_ends(w, rate, 0.003);
    remove_dc(w);
    normalise(w, peak);
}

wave footstep()
{
    wave w = blank(sounds::footstep);
    add_noise(w, 11, 1400, 1.0, 0.002, 0.015, 0.01);
    add_glide(w, osc::sine, 180, 90, 0.6, 0.002, 0.02);
    finish(w, 0.30);
    return w;
}

wave jump()
{
    wave w = blank(sounds::jump);
    add_glide(w, osc::soft_square, 330, 740, 0.5, 0.005, 0.12);
    add_glide(w, osc::sine, 660, 1480, 0.2, 0.005, 0.08);
    finish(w, 0.50);
    return w;
}

wave land()
{
    wave w = blank(sounds::land);
    add_glide(w, osc::sine, 140, 60, 1.0, 0.002, 0.04);
    add_noise(w, 23, 900, 0.5, 0.001, 0.025, 0.02);
    finish(w, 0.55);
    return w;
}

wave push()
{
    wave w = blank(sounds::push);
    add_noise(w, 37, 500, 1.0, 0.03, 0.2, 0.06);
    add_glide(w, osc::triangle, 95, 85, 0.35, 0.03, 0.2);
    finish(w, 0.40);
    return w;
}

wave draw()
{
    wave w = blank(sounds::draw);
    add_glide(w, osc::sine, 520, 1040, 0.8, 0.003, 0.06);
    add_note(w, 84, 0.05, 0.15, 0.35, 0.05);
    finish(w, 0.50);
    return w;
}

wave cloud_turn()
{
    wave w = blank(sounds::cloud_turn);
    noise n(41);
    lowpass lp(400, rate);
    const double len = seconds(sounds::cloud_turn);
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double t = time_of(i);
        // The cutoff rises and falls: a soft whoosh.
        lp.set(300 + 1500 * std::sin(pi * t / len), rate);
        w[i] = lp.next(n.next()) * std::sin(pi * t / len);
    }
    add_glide(w, osc::sine, 300, 450, 0.15, 0.05, 0.2);
    finish(w, 0.35);
    return w;
}

wave block_land()
{
    wave w = blank(sounds::block_land);
    add_glide(w, osc::sine, 110, 45, 1.0, 0.002, 0.06);
    add_noise(w, 53, 600, 0.6, 0.001, 0.04, 0.03);
    add_glide(w, osc::triangle, 220, 180, 0.15, 0.001, 0.03);
    finish(w, 0.65);
    return w;
}

wave spikes()
{
    wave w = blank(sounds::spikes);
    add_noise(w, 67, 5000, 0.5, 0.001, 0.03, 0.02);
    add_glide(w, osc::soft_square, 520, 130, 0.6, 0.003, 0.2);
    add_glide(w, osc::soft_square, 540, 135, 0.4, 0.003, 0.2);
    finish(w, 0.60);
    return w;
}

wave fuse()
{
    wave w = blank(sounds::fuse);
    noise n(71), crackle(73);
    highpass hp(2500, rate);
    for (std::size_t i = 0; i < w.size(); ++i) {
        // A steady hiss with sparse sparks on it.
        double v = 0.3 * hp.next(n.next());
        const double c = crackle.next();
        if (c > 0.996)
            v += 0.9 * (c - 0.996) / 0.004;
        w[i] = v;
    }
    highpass dc(60, rate);
    for (double& v : w)
        v = dc.next(v);
    fade_ends(w, rate, 0.04);
    finish(w, 0.30);
    return w;
}

wave blast()
{
    wave w = blank(sounds::blast);
    add_noise(w, 79, 1200, 1.0, 0.003, 0.18, 0.2);
    add_noise(w, 83, 250, 1.5, 0.005, 0.3, 0.25);
    add_glide(w, osc::sine, 90, 35, 1.0, 0.003, 0.25);
    finish(w, 0.90);
    return w;
}

wave crumble()
{
    wave w = blank(sounds::crumble);
    // Grains of rubble: short noise bursts at falling pitch.
    const double starts[] = {0.0, 0.04, 0.07, 0.12, 0.16, 0.21};
    std::uint32_t seed = 89;
    for (double s : starts) {
        wave g = w;
        for (double& v : g)
            v = 0;
        add_noise(g, seed++, 2500 - s * 6000, 0.8 - s * 2, 0.001, 0.02, 0.01, s);
        for (std::size_t i = 0; i < w.size(); ++i)
            w[i] += g[i];
    }
    finish(w, 0.50);
    return w;
}

wave char_switch()
{
    wave w = blank(sounds::char_switch);
    add_note(w, 76, 0.0, 0.07, 0.6, 0.04);
    add_note(w, 81, 0.055, 0.075, 0.6, 0.04);
    finish(w, 0.40);
    return w;
}

wave door()
{
    wave w = blank(sounds::door);
    // A rising open fifth: somewhere new.
    add_note(w, 67, 0.0, 0.45, 0.5, 0.2);
    add_note(w, 74, 0.09, 0.36, 0.5, 0.2);
    add_note(w, 79, 0.18, 0.27, 0.5, 0.15);
    add_noise(w, 97, 700, 0.15, 0.02, 0.08, 0.05);
    finish(w, 0.50);
    return w;
}

wave exit_taken()
{
    wave w = blank(sounds::exit_taken);
    add_glide(w, osc::sine, 392, 1568, 0.7, 0.01, 0.18);
    add_glide(w, osc::triangle, 196, 784, 0.25, 0.01, 0.18);
    finish(w, 0.50);
    return w;
}

wave passed()
{
    wave w = blank(sounds::passed);
    // C major, up the chord and a held top note.
    const int notes[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i)
        add_note(w, notes[i], 0.12 * i, i == 3 ? 1.0 : 0.5, 0.5, i == 3 ? 0.45 : 0.2);
    add_note(w, 60, 0.36, 1.0, 0.35, 0.4);
    add_note(w, 67, 0.36, 1.0, 0.25, 0.4);
    finish(w, 0.70);
    return w;
}

wave failed()
{
    wave w = blank(sounds::failed);
    // Down a minor chord, ending low.
    const int notes[] = {67, 63, 60, 55};
    for (int i = 0; i < 4; ++i)
        add_note(w, notes[i], 0.18 * i, i == 3 ? 0.85 : 0.5, 0.5, i == 3 ? 0.35 : 0.2);
    add_note(w, 48, 0.54, 0.85, 0.35, 0.35);
    finish(w, 0.65);
    return w;
}

wave button()
{
    wave w = blank(sounds::button);
    add_glide(w, osc::sine, 1800, 1200, 0.8, 0.001, 0.012);
    add_noise(w, 101, 4000, 0.2, 0.0005, 0.004, 0.005);
    finish(w, 0.35);
    return w;
}

wave rewind()
{
    wave w = blank(sounds::rewind);
    osc o(osc::triangle), wobble(osc::sine);
    const double len = seconds(sounds::rewind);
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double t = time_of(i);
        // A tape spun backwards: pitch falling with a quick warble.
        const double hz = 1400 * std::pow(0.2, t / len) * (1 + 0.08 * wobble.next(14, rate));
        w[i] = o.next(hz, rate) * envelope(t, 0.01, 0.3, len, 0.08);
    }
    add_noise(w, 103, 3000, 0.12, 0.01, 0.3, 0.08);
    finish(w, 0.45);
    return w;
}

// Calm: four bars of sixty beats a minute, Fmaj7 Dm7 Bbmaj7 Csus4-C, a pad,
// a slow arpeggio and a few melody notes. Notes ring over the loop point
// into the loop's start, so it repeats without a seam.
wave menu_music()
{
    wave w = blank(sounds::menu_music);
    const double beat = 1.0;
    const int chords[4][4] = {
        {53, 57, 60, 64}, {50, 53, 57, 60}, {46, 50, 53, 57}, {48, 53, 55, 60}};
    const int bass[4] = {41, 38, 34, 36};
    for (int bar = 0; bar < 4; ++bar) {
        const double t0 = bar * 4 * beat;
        add_pad(w, chords[bar], 4, t0, 4 * beat + 0.5, 0.05);
        add_note(w, bass[bar], t0, 3.5, 0.22, 1.2, true);
        const int order[8] = {0, 1, 2, 3, 2, 1, 2, 3};
        for (int k = 0; k < 8; ++k)
            add_note(w, chords[bar][order[k]] + 12, t0 + k * beat / 2, 1.2, 0.09, 0.35, true);
    }
    // The melody, as (beat, note, beats long).
    const double melody[][3] = {{0, 72, 2},  {2, 69, 1},  {3, 67, 1},  {4, 69, 3}, {8, 65, 2},
                                {10, 67, 1}, {11, 69, 1}, {12, 67, 2}, {14, 72, 2}};
    for (const auto& m : melody)
        add_note(w, m[1], m[0] * beat, m[2] * beat + 0.6, 0.16, 0.6, true);
    remove_dc_loop(w);
    normalise(w, 0.5);
    return w;
}

// Busier: 120 beats a minute, Am F C G over eight bars, a plucked
// arpeggio in eighths, a walking bass, soft off-beat ticks and a tune.
wave level_music()
{
    wave w = blank(sounds::level_music);
    const double beat = 0.5;
    const int chords[4][3] = {{57, 60, 64}, {53, 57, 60}, {48, 52, 55}, {55, 59, 62}};
    const int roots[4] = {45, 41, 36, 43};
    for (int bar = 0; bar < 8; ++bar) {
        const int c = bar / 2;
        const double t0 = bar * 4 * beat;
        const int arp[8] = {0, 1, 2, 1, 0, 1, 2, 1};
        for (int k = 0; k < 8; ++k)
            add_note(w, chords[c][arp[k]] + 12, t0 + k * beat / 2, 0.5, 0.08, 0.12, true);
        const int walk[4] = {0, 7, 12, 7};
        for (int k = 0; k < 4; ++k)
            add_note(w, roots[c] + walk[k], t0 + k * beat, 0.45, 0.2, 0.2, true);
        noise n(200 + static_cast<std::uint32_t>(bar));
        highpass hp(6000, rate);
        for (int k = 0; k < 4; ++k) {
            const auto start = static_cast<std::size_t>((t0 + (k + 0.5) * beat) * rate);
            for (std::size_t i = 0; i < static_cast<std::size_t>(0.05 * rate); ++i)
                w[(start + i) % w.size()] +=
                    0.05 * hp.next(n.next()) * std::exp(-time_of(i) / 0.012);
        }
    }
    const double tune[][3] = {{0, 76, 1},  {1, 74, 1},  {2, 72, 2},  {4, 72, 1},  {5, 74, 1},
                              {6, 76, 2},  {8, 77, 2},  {10, 76, 1}, {11, 74, 1}, {12, 72, 4},
                              {16, 74, 1}, {17, 72, 1}, {18, 71, 2}, {20, 74, 2}, {22, 79, 2},
                              {24, 79, 1}, {25, 77, 1}, {26, 76, 2}, {28, 74, 4}};
    for (const auto& m : tune)
        add_note(w, m[1], m[0] * beat, m[2] * beat + 0.3, 0.13, 0.4, true);
    remove_dc_loop(w);
    normalise(w, 0.5);
    return w;
}

wave make(sounds::id s)
{
    switch (s) {
    case sounds::footstep:
        return footstep();
    case sounds::jump:
        return jump();
    case sounds::land:
        return land();
    case sounds::push:
        return push();
    case sounds::draw:
        return draw();
    case sounds::cloud_turn:
        return cloud_turn();
    case sounds::block_land:
        return block_land();
    case sounds::spikes:
        return spikes();
    case sounds::fuse:
        return fuse();
    case sounds::blast:
        return blast();
    case sounds::crumble:
        return crumble();
    case sounds::char_switch:
        return char_switch();
    case sounds::door:
        return door();
    case sounds::exit_taken:
        return exit_taken();
    case sounds::passed:
        return passed();
    case sounds::failed:
        return failed();
    case sounds::button:
        return button();
    case sounds::rewind:
        return rewind();
    case sounds::menu_music:
        return menu_music();
    case sounds::level_music:
        return level_music();
    case sounds::count:
        break;
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: crumbleford-sounds <output directory>\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    for (int i = 0; i < sounds::count; ++i) {
        const auto s = static_cast<sounds::id>(i);
        const std::string path = dir + sounds::table[s].name + ".wav";
        if (!write_wav(path, make(s), rate)) {
            std::fprintf(stderr, "crumbleford-sounds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}

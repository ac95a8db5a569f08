#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace synth
{

double note_hz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

double noise::next()
{
    // xorshift32: the same sequence on every machine.
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<double>(state) / 2147483647.5 - 1.0;
}

double osc::next(double hz, int rate)
{
    double v = 0;
    switch (form) {
    case sine:
        v = std::sin(2 * pi * phase);
        break;
    case triangle:
        v = phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
        break;
    case soft_square:
        // A squashed sine: the hollow colour of a square without its
        // aliasing edges.
        v = std::tanh(3 * std::sin(2 * pi * phase)) / std::tanh(3.0);
        break;
    }
    phase += hz / rate;
    phase -= std::floor(phase);
    return v;
}

double envelope(double t, double attack, double tau, double length, double release)
{
    if (t < 0 || t >= length)
        return 0;
    double a = attack > 0 && t < attack ? t / attack : 1.0;
    if (t >= attack)
        a = std::exp(-(t - attack) / tau);
    if (release > 0 && t > length - release)
        a *= (length - t) / release;
    return a;
}

lowpass::lowpass(double hz, int rate)
{
    set(hz, rate);
}

void lowpass::set(double hz, int rate)
{
    a = 1.0 - std::exp(-2 * pi * hz / rate);
}

double lowpass::next(double x)
{
    y += a * (x - y);
    return y;
}

highpass::highpass(double hz, int rate) : a(std::exp(-2 * pi * hz / rate)) {}

double highpass::next(double x)
{
    y = a * (y + x - prev_x);
    prev_x = x;
    return y;
}

void remove_dc(wave& w)
{
    if (w.size() < 2)
        return;
    double sum = 0, window_sum = 0;
    std::vector<double> window(w.size());
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double s = std::sin(pi * static_cast<double>(i) / static_cast<double>(w.size() - 1));
        window[i] = s * s;
        sum += w[i];
        window_sum += window[i];
    }
    const double k = sum / window_sum;
    for (std::size_t i = 0; i < w.size(); ++i)
        w[i] -= k * window[i];
}

void remove_dc_loop(wave& w)
{
    if (w.empty())
        return;
    double sum = 0;
    for (double v : w)
        sum += v;
    const double mean = sum / static_cast<double>(w.size());
    for (double& v : w)
        v -= mean;
}

void normalise(wave& w, double peak)
{
    double top = 0;
    for (double v : w)
        top = std::max(top, std::fabs(v));
    if (top == 0)
        return;
    for (double& v : w)
        v *= peak / top;
}

void fade_ends(wave& w, int rate, double seconds)
{
    const std::size_t n = std::min(w.size() / 2, static_cast<std::size_t>(seconds * rate));
    for (std::size_t i = 0; i < n; ++i) {
        const double g = static_cast<double>(i) / static_cast<double>(n);
        w[i] *= g;
        w[w.size() - 1 - i] *= g;
    }
}

namespace
{

void put16(std::FILE* f, unsigned v)
{
    const unsigned char b[2] = {static_cast<unsigned char>(v & 0xff),
                                static_cast<unsigned char>((v >> 8) & 0xff)};
    std::fwrite(b, 1, 2, f);
}

void put32(std::FILE* f, unsigned long v)
{
    put16(f, static_cast<unsigned>(v & 0xffff));
    put16(f, static_cast<unsigned>((v >> 16) & 0xffff));
}

} // namespace

bool write_wav(const std::string& path, const wave& w, int rate)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const unsigned long data_bytes = static_cast<unsigned long>(w.size()) * 2;
    std::fwrite("RIFF", 1, 4, f);
    put32(f, 36 + data_bytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    put32(f, 16);
    put16(f, 1); // PCM
    put16(f, 1); // mono
    put32(f, static_cast<unsigned long>(rate));
    put32(f, static_cast<unsigned long>(rate) * 2);
    put16(f, 2);
    put16(f, 16);
    std::fwrite("data", 1, 4, f);
    put32(f, data_bytes);
    for (double v : w) {
        const long s = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        put16(f, static_cast<unsigned>(s) & 0xffff);
    }
    const bool ok = std::ferror(f) == 0;
    return std::fclose(f) == 0 && ok;
}

} // namespace synth

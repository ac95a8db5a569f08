#include "extra_functions.h"

#include "cfg.h"

long long extra_functions::abs(long long v)
{
    // Two's complement negation: the most negative value maps to itself.
    return v < 0 ? static_cast<long long>(0ULL - static_cast<unsigned long long>(v)) : v;
}

long long extra_functions::bigtoceiled(long long v)
{
    long long q = v / cfg::multiplier;
    return q * cfg::multiplier != v ? q + 1 : q;
}

unsigned char extra_functions::string_to_colornum(const std::string& word)
{
    if (word == "white")
        return 0;
    if (word == "red")
        return 1;
    if (word == "green")
        return 2;
    if (word == "blue")
        return 3;
    return 0;
}

unsigned char extra_functions::string_to_dir(const std::string& word)
{
    if (word == "left")
        return cfg::l;
    if (word == "right")
        return cfg::p;
    if (word == "up")
        return cfg::g;
    if (word == "down")
        return cfg::d;
    return 0;
}

unsigned int extra_functions::string_to_blocktype(const std::string& word)
{
    if (word == "char")
        return cfg::character;
    if (word == "stockblock")
        return cfg::static0;
    if (word == "cloud")
        return cfg::cloud;
    if (word == "spikes")
        return cfg::spike;
    if (word == "falling")
        return cfg::falling;
    if (word == "destroyer")
        return cfg::destroyer;
    return 0;
}

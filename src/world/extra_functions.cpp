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

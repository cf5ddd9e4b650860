#pragma once

#include <cmath>
#include <cstdint>

// Every computed value becomes a sample by rounding to the nearest integer,
// ties to even: the default rounding mode, which the program never changes.
// With -fno-math-errno (the synth library builds with it) lrint is a single
// conversion instruction. Callers keep `value` within 32-bit range.
inline std::int32_t RoundToNearestEven(double value)
{
    return static_cast<std::int32_t>(std::lrint(value));
}

#pragma once

#include <algorithm>
#include <cstdint>

#include "synth/round_to_even.h"
#include "synth/walk_end.h"
#include "synth/wav_image.h"

// Twenty seconds: the walk may stop on the first 0 it stores after these.
inline constexpr std::int32_t BROWNISH_NOISE_MIN_SAMPLES = 20 * SYNTH_SAMPLE_RATE;
// Weight of each new white value in the one-pole smoothing.
inline constexpr double BROWNISH_SMOOTHING = 0.03;

// Writes white noise from `random` passed through one-pole smoothing
// (0.97 of the previous sample plus 0.03 of the new value) until a 0 is
// stored after the first twenty seconds; that 0 is the image's last sample,
// so the loop seam continues the smoothing from 0 as if never interrupted.
// Stores at most min(capacity, WAV_CAPACITY) samples; a walk that reaches
// that before its 0 is cut at its last zero crossing. Returns the count.
template <class Source>
std::int32_t WriteBrownishNoise(WavImage image, Source& random, std::int32_t capacity = WAV_CAPACITY)
{
    capacity = std::clamp(capacity, std::int32_t{1}, WAV_CAPACITY);
    Source local = random;   // kept out of reach of the byte stores, see WriteWhiteNoise
    std::int32_t k = 0;
    std::int32_t previous = 0;
    for (;;) {
        const std::int32_t white = 32767 - local.Draw(65535, 1);
        // The difference is exact in integers; product and sum in double.
        const std::int32_t value = RoundToNearestEven(
            previous + static_cast<double>(white - previous) * BROWNISH_SMOOTHING);
        if (value <= -32767 || value >= 32767)
            continue;
        if (k == capacity) {
            k = EndAtLastZeroCrossing(image, k);
            break;
        }
        StoreSample(image, k, value);
        ++k;
        if (k > BROWNISH_NOISE_MIN_SAMPLES && value == 0)
            break;
        previous = value;
    }
    random = local;
    FinishWavImage(image, k);
    return k;
}

// The same from the program's shared random source, at full capacity.
std::int32_t WriteBrownishNoise(WavImage image);

#pragma once

#include <cstdint>

#include "synth/wav_image.h"

// Twenty seconds and one sample.
inline constexpr std::int32_t WHITE_NOISE_SAMPLES = 20 * SYNTH_SAMPLE_RATE + 1;

// Writes 882,001 independent samples, uniform over -32766..32766, drawn
// from `random` (anything with Draw(max, min)), and returns the count.
// `random` runs on: successive images differ.
template <class Source>
std::int32_t WriteWhiteNoise(WavImage image, Source& random)
{
    // A local copy of the source: the sample stores go
    // through byte pointers, which the compiler must otherwise assume may
    // change the shared state, reloading it on every draw.
    Source local = random;
    std::int32_t k = 0;
    while (k < WHITE_NOISE_SAMPLES) {
        const std::int32_t value = 32767 - local.Draw(65535, 1);   // -32768..32766
        // Keep the noise symmetric: the two lowest values have no positive
        // counterpart and are drawn again.
        if (value <= -32767 || value >= 32767)
            continue;
        StoreSample(image, k, value);
        ++k;
    }
    random = local;
    FinishWavImage(image, k);
    return k;
}

// The same from the program's shared random source.
std::int32_t WriteWhiteNoise(WavImage image);

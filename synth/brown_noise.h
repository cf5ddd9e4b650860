#pragma once

#include <algorithm>
#include <cstdint>

#include "synth/round_to_even.h"
#include "synth/walk_end.h"
#include "synth/wav_image.h"

// One hundred seconds: the walk may stop on the first 0 it stores after these.
inline constexpr std::int32_t BROWN_NOISE_MIN_SAMPLES = 100 * SYNTH_SAMPLE_RATE;
// The walk turns back once it would pass these.
inline constexpr std::int32_t BROWN_NOISE_TURN = 14000;
// Positions are stored only strictly inside +-(BROWN_NOISE_EDGE - margin),
// the margin drawn afresh from 0..BROWN_NOISE_MARGIN for every position.
inline constexpr std::int32_t BROWN_NOISE_EDGE = 32000;
inline constexpr std::int32_t BROWN_NOISE_MARGIN = 200;

// Writes a bounded random walk drawn from `random` (anything with Draw(max)
// and Draw(max, min)): it drifts in its current direction by the drawn step
// times (1 - coefficient), turns back whenever it would pass +-14000, is
// jittered by -1000..1000 on every sample, and stores only the positions
// inside the window. It stops on a stored 0 after the first hundred seconds;
// that 0 is the image's last sample. Stores at most min(capacity,
// WAV_CAPACITY) samples; a walk that reaches that before its 0 is cut at its
// last zero crossing. Returns the count.
//
// The draws come in a fixed order (step limit once; then per position the
// step, a new limit on each turn test that holds, the jitter, the margin),
// so a given source state gives one image.
template <class Source>
std::int32_t WriteBrownNoise(WavImage image, double coefficient, Source& random,
                             std::int32_t capacity = WAV_CAPACITY)
{
    capacity = std::clamp(capacity, std::int32_t{1}, WAV_CAPACITY);
    Source local = random;   // kept out of reach of the byte stores, see WriteWhiteNoise
    std::int32_t k = 0;
    std::int32_t x = 0;
    bool down = false;
    std::int32_t limit = local.Draw(1600, 700);
    for (;;) {
        std::int32_t step = local.Draw(limit);
        step = RoundToNearestEven(step - step * coefficient);
        // Strictly beyond the threshold; meeting it exactly does not turn.
        // While the walk stays beyond, the limit is drawn again each time.
        if (x + step > BROWN_NOISE_TURN) {
            down = true;
            limit = local.Draw(3000, 1500);
        }
        if (x + step < -BROWN_NOISE_TURN) {
            limit = local.Draw(3000, 1500);
            down = false;
        }
        step = step + local.Draw(2000) - 1000;
        x = down ? x - step : x + step;
        const std::int32_t margin = local.Draw(BROWN_NOISE_MARGIN);
        // Outside the window nothing is stored, but the walk goes on from
        // where it is.
        if (margin - BROWN_NOISE_EDGE < x && x < BROWN_NOISE_EDGE - margin) {
            if (k == capacity) {
                k = EndAtLastZeroCrossing(image, k);
                break;
            }
            StoreSample(image, k, x);
            ++k;
            if (k > BROWN_NOISE_MIN_SAMPLES && x == 0)
                break;
        }
    }
    random = local;
    FinishWavImage(image, k);
    return k;
}

// One play request's walk: reseeds the program's shared random source with
// the elapsed-milliseconds clock (0 for the first brown noise of a run, so
// that one is the same in every run) and writes the walk from it. The white
// and brownish noises continue from the state it leaves.
std::int32_t WriteBrownNoise(WavImage image, double coefficient);

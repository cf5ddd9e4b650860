#include "synth/sine_tone.h"

#include <cmath>

#include "synth/generate_into_slot.h"
#include "synth/generators.h"
#include "synth/round_to_even.h"

std::int32_t WriteSineTone(WavImage image, int hz)
{
    // Outside this range the tone could never cross zero upwards and the
    // loop below would not end.
    if (hz < 1 || hz > TONE_MAX_HZ)
        return 0;

    const double cyclesStep = static_cast<double>(TWO_PI_SINGLE) * hz;
    std::int32_t leading = 0;         // non-positive values before the first positive one
    bool positiveSeen = false;
    std::int32_t previous = 0;
    std::int32_t k = 0;
    for (;; ++k) {
        // The angle is formed in this order (constant times hz, times k,
        // over the rate) and the sine is rounded to single precision: the
        // samples must match to the last unit.
        const double angle = cyclesStep * k / SYNTH_SAMPLE_RATE;
        const float sine = static_cast<float>(std::sin(angle));
        const std::int32_t value = RoundToNearestEven(TONE_AMPLITUDE * static_cast<double>(sine));

        bool isLeading = false;
        if (value > 0)
            positiveSeen = true;
        else if (!positiveSeen) {
            ++leading;
            isLeading = true;
        }
        // An upward crossing after one second ends the tone; its positive
        // value is left out, so the loop runs from just below zero back to
        // the first positive sample.
        if (previous <= 0 && value > 0 && k > SYNTH_SAMPLE_RATE)
            break;
        if (!isLeading) {
            // Never reached for 1..TONE_MAX_HZ, but no tone may outgrow the block.
            if (k - leading >= WAV_CAPACITY)
                break;
            StoreSample(image, k - leading, value);
        }
        previous = value;
    }
    const std::int32_t samples = k - leading;
    FinishWavImage(image, samples);
    return samples;
}

void GenerateSineTone(int hz, SlotNumber slot)
{
    GenerateIntoSlot(slot, [hz](WavImage image) { return WriteSineTone(image, hz); });
}

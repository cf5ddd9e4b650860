#include "synth/brown_noise.h"

#include "synth/elapsed_clock.h"
#include "synth/generate_into_slot.h"
#include "synth/generators.h"
#include "synth/random_source.h"

std::int32_t WriteBrownNoise(WavImage image, double coefficient)
{
    RandomSource& random = SharedRandomSource();
    random.Reseed(ElapsedMilliseconds());
    return WriteBrownNoise(image, coefficient, random);
}

void GenerateBrownNoise(double coefficient, SlotNumber slot)
{
    GenerateIntoSlot(slot, [coefficient](WavImage image) { return WriteBrownNoise(image, coefficient); });
}

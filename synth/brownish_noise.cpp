#include "synth/brownish_noise.h"

#include "synth/generate_into_slot.h"
#include "synth/generators.h"
#include "synth/random_source.h"

std::int32_t WriteBrownishNoise(WavImage image)
{
    return WriteBrownishNoise(image, SharedRandomSource());
}

void GenerateBrownishNoise(SlotNumber slot)
{
    GenerateIntoSlot(slot, [](WavImage image) { return WriteBrownishNoise(image); });
}

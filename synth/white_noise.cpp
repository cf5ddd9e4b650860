#include "synth/white_noise.h"

#include "synth/generate_into_slot.h"
#include "synth/generators.h"
#include "synth/random_source.h"

std::int32_t WriteWhiteNoise(WavImage image)
{
    return WriteWhiteNoise(image, SharedRandomSource());
}

void GenerateWhiteNoise(SlotNumber slot)
{
    GenerateIntoSlot(slot, [](WavImage image) { return WriteWhiteNoise(image); });
}

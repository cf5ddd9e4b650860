#pragma once

#include <cstdint>

#include "channels/sound_slots.h"
#include "synth/wav_image.h"

// The hand-over every generator shares: a fresh block, filled by `write`
// (which stores the samples, writes the header and returns the sample
// count, 0 when it had nothing to make), loaded into `slot` with the block's
// length so the loader never looks past it, and released whatever the load
// made of it. Without a block nothing is stored and nothing is loaded, and
// the slot keeps what it had.
template <class Write>
void GenerateIntoSlot(SlotNumber slot, Write&& write)
{
    const WavImage image = CreateWavImage();
    if (image.bytes == nullptr)
        return;
    const std::int32_t samples = write(image);
    if (samples > 0)
        LoadSlotFromMemory(slot, image.bytes, WAV_BLOCK_SIZE);
    ReleaseWavImage(image);
}

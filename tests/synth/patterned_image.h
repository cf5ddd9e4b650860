#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "synth/wav_image.h"

// A real image block with every byte preset to PATTERN, so a test can tell
// the bytes a writer touched from the ones it left alone.
class PatternedImage {
public:
    static constexpr std::uint8_t PATTERN = 0xA5;

    PatternedImage() : image(CreateWavImage())
    {
        if (image.bytes != nullptr)
            std::memset(image.bytes, PATTERN, WAV_BLOCK_SIZE);
    }
    ~PatternedImage() { ReleaseWavImage(image); }
    PatternedImage(const PatternedImage&) = delete;
    PatternedImage& operator=(const PatternedImage&) = delete;

    // Offset of the first byte from `offset` on that differs from PATTERN,
    // or WAV_BLOCK_SIZE when there is none.
    std::size_t FirstTouchedFrom(std::size_t offset) const
    {
        for (std::size_t i = offset; i < WAV_BLOCK_SIZE; ++i)
            if (image.bytes[i] != PATTERN)
                return i;
        return WAV_BLOCK_SIZE;
    }

    std::vector<std::int16_t> Samples(std::int32_t count) const
    {
        std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
        for (std::int32_t i = 0; i < count; ++i)
            samples[static_cast<std::size_t>(i)] = ReadSample(image, i);
        return samples;
    }

    std::uint32_t ReadLE32(std::size_t offset) const
    {
        const std::uint8_t* b = image.bytes + offset;
        return b[0] | (b[1] << 8) | (b[2] << 16) | (std::uint32_t{b[3]} << 24);
    }

    WavImage image;
};

#pragma once

#include <cstddef>
#include <cstdint>

// A generated sound as a complete RIFF/WAVE file, 16-bit mono PCM at
// SYNTH_SAMPLE_RATE, at the start of one fixed-size memory block. Sample i
// lives at byte WAV_HEADER_SIZE + 2i; the header is written last, once the
// sample count is known. Only the first WAV_HEADER_SIZE + 2n bytes are ever
// written; the rest of the block keeps whatever the allocator left there.
//
// An image lives inside one play request: CreateWavImage, StoreSample for
// every sample, FinishWavImage, the load into a slot, ReleaseWavImage.

inline constexpr int SYNTH_SAMPLE_RATE = 44100;
inline constexpr std::size_t WAV_BLOCK_SIZE = 10'000'000;
inline constexpr std::size_t WAV_HEADER_SIZE = 44;
// The most samples a block can hold: 4,999,978.
inline constexpr std::int32_t WAV_CAPACITY =
    static_cast<std::int32_t>((WAV_BLOCK_SIZE - WAV_HEADER_SIZE) / 2);

struct WavImage {
    // Start of the WAV_BLOCK_SIZE-byte block, or null when the allocator had
    // none to give; a null image must not be stored into or loaded.
    std::uint8_t* bytes = nullptr;
};

// The numeric writers compose every byte explicitly, least significant
// first, so the layout does not depend on the host's byte order.

// One byte per character (its low 8 bits), no terminator.
void WriteTag(std::uint8_t* at, const char* text);

inline void WriteLE16(std::uint8_t* at, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    at[0] = static_cast<std::uint8_t>(bits & 0xFF);
    at[1] = static_cast<std::uint8_t>((bits >> 8) & 0xFF);
}

inline void WriteLE32(std::uint8_t* at, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    at[0] = static_cast<std::uint8_t>(bits & 0xFF);
    at[1] = static_cast<std::uint8_t>((bits >> 8) & 0xFF);
    at[2] = static_cast<std::uint8_t>((bits >> 16) & 0xFF);
    at[3] = static_cast<std::uint8_t>((bits >> 24) & 0xFF);
}

// A fresh, uncleared block; bytes is null when allocation failed.
WavImage CreateWavImage();

// Stores the low 16 bits of `value` as sample `index`. The caller keeps
// index below WAV_CAPACITY; this is the generators' inner-loop store, so it
// checks nothing.
inline void StoreSample(WavImage image, std::int32_t index, std::int32_t value)
{
    WriteLE16(image.bytes + WAV_HEADER_SIZE + 2 * static_cast<std::size_t>(index), value);
}

// Reads sample `index` back, sign-extended (for the generators' own
// look-backs and for inspection).
inline std::int16_t ReadSample(WavImage image, std::int32_t index)
{
    const std::uint8_t* at = image.bytes + WAV_HEADER_SIZE + 2 * static_cast<std::size_t>(index);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(at[0] | (at[1] << 8)));
}

// Writes the 44-byte header for `sampleCount` samples (0..WAV_CAPACITY).
void FinishWavImage(WavImage image, std::int32_t sampleCount);

// Bytes the finished image occupies: header plus samples.
constexpr std::size_t WavImageLength(std::int32_t sampleCount)
{
    return WAV_HEADER_SIZE + 2 * static_cast<std::size_t>(sampleCount);
}

// Returns the block to the allocator. A null image is ignored.
void ReleaseWavImage(WavImage image);

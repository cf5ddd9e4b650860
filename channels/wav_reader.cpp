#include "channels/wav_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::size_t RIFF_HEADER_SIZE = 12;   // "RIFF", size, form type
constexpr std::size_t CHUNK_HEADER_SIZE = 8;   // identifier, body size
constexpr std::size_t FORMAT_RECORD_SIZE = 16; // the PCM part of "fmt "
constexpr std::uint16_t FORMAT_TAG_PCM = 1;

std::uint16_t ReadLE16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ReadLE32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool HasTag(const unsigned char* p, const char* tag)
{
    return std::memcmp(p, tag, 4) == 0;
}

struct PcmFormat {
    int channels;
    int sampleRate;
    int bitsPerSample;
    std::size_t blockAlign;
};

// The format record of a "fmt " body of `size` bytes, when it is one the
// layer plays: PCM, one or two channels, 8 or 16 bits, and a block
// alignment that matches them (a frame size that disagrees would misplace
// every sample after the first).
std::optional<PcmFormat> ReadFormat(const unsigned char* body, std::size_t size)
{
    if (size < FORMAT_RECORD_SIZE) {
        return std::nullopt;
    }
    const std::uint16_t tag = ReadLE16(body);
    const int channels = ReadLE16(body + 2);
    const std::uint32_t sampleRate = ReadLE32(body + 4);
    // body + 8: bytes per second, derived and not needed
    const std::size_t blockAlign = ReadLE16(body + 12);
    const int bits = ReadLE16(body + 14);
    if (tag != FORMAT_TAG_PCM || channels < 1 || channels > SOUND_CHANNELS_MAX) {
        return std::nullopt;
    }
    if (bits != 8 && bits != 16) {
        return std::nullopt;
    }
    if (blockAlign != static_cast<std::size_t>(channels * bits / 8)) {
        return std::nullopt;
    }
    if (sampleRate < SOUND_RATE_MIN || sampleRate > SOUND_RATE_MAX) {
        return std::nullopt;
    }
    return PcmFormat{channels, static_cast<int>(sampleRate), bits, blockAlign};
}

} // namespace

bool IsRiffImage(std::span<const unsigned char> block)
{
    return block.size() >= 4 && HasTag(block.data(), "RIFF");
}

std::optional<WavSound> ReadWavImage(std::span<const unsigned char> block)
{
    if (!IsRiffImage(block) || block.size() < RIFF_HEADER_SIZE) {
        return std::nullopt;
    }
    const unsigned char* base = block.data();
    const std::size_t length = block.size();
    std::optional<PcmFormat> format;

    // Each step compares sizes against what is left, never offsets against
    // a sum, so a body size near 2^32 cannot wrap the walk back into range.
    std::size_t offset = RIFF_HEADER_SIZE;
    while (length - offset >= CHUNK_HEADER_SIZE) {
        const unsigned char* chunk = base + offset;
        const std::size_t bodySize = ReadLE32(chunk + 4);
        const std::size_t bodyOffset = offset + CHUNK_HEADER_SIZE;
        const std::size_t available = length - bodyOffset;

        if (format && HasTag(chunk, "data")) {
            const std::size_t dataBytes = std::min(bodySize, available);
            const std::size_t frames = dataBytes / format->blockAlign;
            if (frames == 0 || frames > SOUND_FRAMES_MAX) {
                return std::nullopt;
            }
            const SampleEncoding encoding =
                format->bitsPerSample == 16 ? SampleEncoding::Signed16LE : SampleEncoding::Unsigned8;
            return WavSound{format->sampleRate, PcmSamples{base + bodyOffset, encoding, format->channels, frames}};
        }
        if (bodySize > available) {
            return std::nullopt;
        }
        if (!format && HasTag(chunk, "fmt ")) {
            format = ReadFormat(base + bodyOffset, bodySize);
            if (!format) {
                return std::nullopt;
            }
        }
        offset = bodyOffset + bodySize;
    }
    return std::nullopt;
}

#include "channels/pcm_samples.h"

#include <bit>
#include <cstring>

namespace {

// A 16-bit little-endian sample. On a little-endian host this is a plain
// load, which lets the loops below run at memory speed.
std::int16_t ReadLE16(const unsigned char* p)
{
    if constexpr (std::endian::native == std::endian::little) {
        std::int16_t value;
        std::memcpy(&value, p, sizeof value);
        return value;
    } else {
        return static_cast<std::int16_t>(p[0] | (p[1] << 8));
    }
}

// 8-bit PCM is unsigned around 128.
std::int16_t Widen8(unsigned char sample)
{
    return static_cast<std::int16_t>((sample - 128) * 256);
}

template <class Read>
void Write(const PcmSamples& from, std::int16_t* to, int toChannels, std::size_t bytesPerSample, Read read)
{
    const unsigned char* in = from.data;
    if (from.channels == 1 && toChannels == 2) {
        for (std::size_t i = 0; i < from.frames; ++i) {
            const std::int16_t sample = read(in + i * bytesPerSample);
            to[2 * i] = sample;
            to[2 * i + 1] = sample;
        }
        return;
    }
    const std::size_t count = from.frames * static_cast<std::size_t>(from.channels);
    for (std::size_t i = 0; i < count; ++i) {
        to[i] = read(in + i * bytesPerSample);
    }
}

} // namespace

void WriteFrames(const PcmSamples& from, std::int16_t* to, int toChannels)
{
    const bool asItIs = toChannels == from.channels && (toChannels == 1 || toChannels == 2);
    const bool monoTwice = from.channels == 1 && toChannels == 2;
    if (!asItIs && !monoTwice) {
        return;
    }
    if (from.encoding == SampleEncoding::Signed16LE) {
        Write(from, to, toChannels, 2, ReadLE16);
    } else {
        Write(from, to, toChannels, 1, [](const unsigned char* p) { return Widen8(*p); });
    }
}

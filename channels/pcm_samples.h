#pragma once

#include <cstddef>
#include <cstdint>

// How samples lie in a block the layer reads from.
enum class SampleEncoding {
    Unsigned8,   // 8-bit PCM, unsigned around 128
    Signed16LE,  // 16-bit PCM, least significant byte first
};

// Interleaved PCM frames in memory the caller owns: a RIFF image's "data"
// chunk, or a stretch of decoded Ogg Vorbis.
struct PcmSamples {
    const unsigned char* data = nullptr;
    SampleEncoding encoding = SampleEncoding::Signed16LE;
    int channels = 0;  // 1 or 2
    std::size_t frames = 0;
};

// Writes `from` into `to` as 16-bit samples in host order, `toChannels` per
// frame: each frame as it is, or a mono frame's one sample twice when
// `toChannels` is 2. `to` has room for from.frames x toChannels samples and
// nothing beyond them is touched. `toChannels` is from.channels or, for a
// mono sound, 2; anything else writes nothing. 8-bit samples are widened to
// the same full scale.
void WriteFrames(const PcmSamples& from, std::int16_t* to, int toChannels);

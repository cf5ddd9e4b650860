#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "signal.h"

struct EncoderSettings {
    float quality;           // libvorbis VBR quality, -0.1 .. 1.0
    double lowpassKhz;       // 0 keeps the encoder's own choice for the quality
    std::uint32_t serial;    // the logical stream's serial number
    std::string title;       // TITLE comment
};

// Encodes the whole signal at SAMPLE_RATE as one complete Ogg Vorbis I
// stream: the three headers alone on the first pages (granule position 0),
// then the audio, the last page marked end of stream. The final granule
// position equals the signal's frame count, so a decoder yields exactly as
// many frames as went in. Samples are clamped to [-1, 1]. Empty on an
// encoder error.
std::optional<std::vector<unsigned char>> EncodeOggVorbis(const Signal& signal, const EncoderSettings& settings);

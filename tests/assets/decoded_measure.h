#pragma once

#include <cstddef>
#include <optional>

#include "assets/assets.h"

// What a recording sounds like once decoded, measured while streaming
// through libvorbisfile so that even the five-minute reminder needs no
// large buffer.
struct DecodedMeasure {
    int channels = 0;
    long sampleRate = 0;
    std::size_t frames = 0;
    int peak = 0;                   // largest |sample|, of 32768
    int largestStep = 0;            // between neighbouring frames, any channel
    int seamStep = 0;               // from the last frame to the first
    std::size_t soundingFrames = 0; // one past the last frame with a nonzero sample
};

std::optional<DecodedMeasure> DecodeAndMeasure(EmbeddedBlock block);

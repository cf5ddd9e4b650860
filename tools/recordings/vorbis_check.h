#pragma once

#include <cstddef>
#include <optional>
#include <vector>

// Decodes an encoded recording back to 16-bit PCM, to measure what a
// listener will actually hear rather than what went into the encoder.
struct DecodedRecording {
    int channels = 0;
    long sampleRate = 0;
    std::size_t frames = 0;
    std::vector<short> samples;  // interleaved
};

std::optional<DecodedRecording> DecodeOggVorbis(const std::vector<unsigned char>& bytes);

struct DecodedLevels {
    double peakDb;       // dBFS of the largest |sample|
    double rmsDb;        // dBFS over every sample
    int seamStep;        // largest step from the last frame to the first, over channels
    int largestStep;     // largest step between neighbouring frames inside the loop
};

DecodedLevels MeasureDecoded(const DecodedRecording& recording);

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Small sounds made by our own code for the sound layer's tests and the
// loader's fuzzer: RIFF images chunk by chunk, Ogg Vorbis streams encoded
// with libvorbisenc, and test signals.

using Bytes = std::vector<unsigned char>;

// Interleaved 16-bit samples of a sine: every channel the same unless
// `channelGains` gives each its own amplitude factor.
std::vector<std::int16_t> SineSamples(double frequency, int sampleRate, std::size_t frames,
                                      double amplitude, int channels = 1,
                                      std::vector<double> channelGains = {});

// One RIFF chunk. `declaredSize` overrides the size field, so that a test can
// lie about a body's length.
struct RiffChunk {
    std::string id;
    Bytes body;
    std::optional<std::uint32_t> declaredSize;
};

// The 16-byte PCM format record of a "fmt " chunk.
Bytes FormatRecord(int formatTag, int channels, int sampleRate, int bitsPerSample, int blockAlign);
Bytes PcmBytes(std::span<const std::int16_t> samples);

// "RIFF", size, form type, then the chunks in order. The RIFF size field is
// the true one unless `riffSize` is given.
Bytes RiffImage(const std::vector<RiffChunk>& chunks, const std::string& formType = "WAVE",
                std::optional<std::uint32_t> riffSize = std::nullopt);

// A well-formed 16-bit PCM image: "fmt " then "data".
Bytes WavImage(std::span<const std::int16_t> samples, int channels, int sampleRate);

// An Ogg Vorbis stream of the interleaved samples (floats in -1..1).
Bytes EncodeOggVorbis(std::span<const float> interleaved, int channels, int sampleRate,
                      float quality = 0.3f);

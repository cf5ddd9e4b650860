#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A sound decoded completely to 16-bit PCM in host byte order, interleaved
// channel by channel, ready to hand to the output. Both decoders produce
// this and nothing else, so the output sees one sample format.
struct DecodedSound {
    int channels = 0;     // 1 or 2
    int sampleRate = 0;   // the sound's own frames per second
    std::vector<std::int16_t> samples;  // channels x frames values

    std::size_t Frames() const { return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0; }
    // The size of the PCM as the format record describes it: channels x frames x 2.
    std::size_t Bytes() const { return samples.size() * sizeof(std::int16_t); }
};

// The formats the layer plays: what both decoders accept and the output
// can hold with each channel reaching its own output channel.
inline constexpr int SOUND_CHANNELS_MAX = 2;
// A sound's own rate must lie in the range a sound output is expected to
// play a buffer at; anything outside it is a damaged header, not a sound.
inline constexpr int SOUND_RATE_MIN = 100;
inline constexpr int SOUND_RATE_MAX = 200000;
// The output takes a buffer of at most 2^31 - 1 bytes, and a sound may be
// held there as two channels of 16 bits: about 3.4 hours at 44100 Hz.
inline constexpr std::size_t SOUND_FRAMES_MAX = 0x7FFFFFFF / 4;

#pragma once

#include <cstddef>

// What the output needs to know of a sound before it holds it: how many
// channels, at what rate, and how many frames. Both loaders state it first
// and then write the frames straight into the memory the output provides,
// so that a sound is never held twice on its way in.
struct SoundFormat {
    int channels = 0;        // 1 or 2
    int sampleRate = 0;      // the sound's own frames per second
    std::size_t frames = 0;
};

// The formats the layer plays: what both loaders accept and the output
// can hold with each channel reaching its own output channel.
inline constexpr int SOUND_CHANNELS_MAX = 2;
// A sound's own rate must lie in the range a sound output is expected to
// play a buffer at; anything outside it is a damaged header, not a sound.
inline constexpr int SOUND_RATE_MIN = 100;
inline constexpr int SOUND_RATE_MAX = 200000;
// The output takes a buffer of at most 2^31 - 1 bytes, and a sound may be
// held there as two channels of 16 bits: about 3.4 hours at 44100 Hz.
inline constexpr std::size_t SOUND_FRAMES_MAX = 0x7FFFFFFF / 4;

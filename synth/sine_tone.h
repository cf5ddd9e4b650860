#pragma once

#include <cstdint>

#include "synth/wav_image.h"

inline constexpr std::int32_t TONE_AMPLITUDE = 28000;
// 2 pi as the single-precision constant 6.283185 (6.28318500518798828125),
// a little short of 2 pi. The tones' last samples (-4, -4, 0 for 440, 432
// and 46 Hz) depend on this exact value.
inline constexpr float TWO_PI_SINGLE = 6.283185f;
// Highest frequency a 44100 Hz image can carry.
inline constexpr int TONE_MAX_HZ = SYNTH_SAMPLE_RATE / 2;

// Writes at least one second of a sine tone of `hz` into `image`: it begins
// with the first positive sample and ends just before the first upward zero
// crossing after one second, so it loops without a jump. Draws no random
// numbers: every call gives the same image. Returns the sample count
// (44,100 for the catalogue's tones), or 0, writing nothing, when `hz` is
// outside 1..TONE_MAX_HZ.
std::int32_t WriteSineTone(WavImage image, int hz);

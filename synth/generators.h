#pragma once

#include "channels/sound_slots.h"

// The computed sounds. Each builds a 16-bit mono WAV image at 44100 Hz in a
// fresh memory block, loads it into `slot` and releases the block; the slot
// keeps its own copy.

inline constexpr double BROWN_NOISE_PLAIN = 0.99;
inline constexpr double BROWN_NOISE_BASSY = 0.93;

void GenerateSineTone(int hz, SlotNumber slot);
void GenerateWhiteNoise(SlotNumber slot);
void GenerateBrownishNoise(SlotNumber slot);
void GenerateBrownNoise(double coefficient, SlotNumber slot);

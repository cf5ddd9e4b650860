#pragma once

#include "channels/sound_slots.h"

// The computed sounds. Each builds a 16-bit mono WAV image at 44100 Hz in a
// fresh memory block, loads it into `slot` and releases the block; the slot
// keeps its own copy. The whole sound is computed before the call returns.
// Without memory for the block, nothing is loaded and the slot keeps what it
// had. Event thread only.

// Damping of the brown noise's drift: plain, and the bassier variant.
inline constexpr double BROWN_NOISE_PLAIN = 0.99;
inline constexpr double BROWN_NOISE_BASSY = 0.93;

// One second of a sine tone of `hz` (1..22050; anything else loads nothing),
// the same on every call.
void GenerateSineTone(int hz, SlotNumber slot);
// Twenty seconds of white noise, fresh on every call.
void GenerateWhiteNoise(SlotNumber slot);
// Smoothed white noise of twenty seconds or a little more, ending on 0.
void GenerateBrownishNoise(SlotNumber slot);
// A bounded random walk of a hundred seconds or more, ending on 0; the first
// one of a run is the same in every run.
void GenerateBrownNoise(double coefficient, SlotNumber slot);

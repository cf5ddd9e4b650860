#pragma once

#include <cstdint>

#include "synth/wav_image.h"

// The noise walks end only on a stored 0, so their loop seam runs through
// zero. Should a walk fill the block first, the image is cut where the walk
// last crossed or touched zero instead, keeping the seam near zero.
//
// Given the `count` samples stored (count >= 1), returns the length of the
// image that ends there: at the last stored 0, or, at the last pair of
// neighbours of opposite sign, at the one of the two nearer zero. A walk
// that never came back to zero ends after its first sample, the one next to
// the 0 it started from.
std::int32_t EndAtLastZeroCrossing(WavImage image, std::int32_t count);

#pragma once

#include <cstddef>
#include <vector>

#include "seeded_random.h"

// Everything that moves inside a recording (hum, flutter, swells, sweeps)
// completes a whole number of cycles over the loop, so the loop's end meets
// its start in the same phase.

// The frequency nearest to `hz` that fits a whole number (at least one) of
// cycles into `frames`.
double LoopFrequency(double hz, std::size_t frames);

// sin(2 pi f t + phase) over the loop, with f first fitted to the loop.
std::vector<double> LoopTone(std::size_t frames, double hz, double phase = 0.0);

// A smooth random movement in [-1, 1]: a sum of sines of minCycles to
// maxCycles whole cycles per loop, random phases, amplitudes falling with
// frequency, scaled so its largest excursion is exactly 1.
std::vector<double> PeriodicWander(std::size_t frames, SeededRandom& random, int minCycles, int maxCycles);

// Turns a looping signal so that it starts where every channel is nearest
// zero and moving least. The loop is unchanged as a loop, but the encoder,
// which sees silence before the first frame and after the last, then meets
// no step at either end, and its error at the seam stays as small as
// anywhere else.
void RotateToQuietStart(std::vector<std::vector<double>>& channels);

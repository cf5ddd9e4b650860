#pragma once

#include "signal.h"

// Level measures used to balance the recordings against each other.

double ToDecibels(double ratio);   // 20 log10, -infinity for 0
double FromDecibels(double db);

double PeakLevel(const Signal& signal);   // largest |sample|
double RmsLevel(const Signal& signal);    // over every sample of every channel

// Programme loudness in LUFS: K-weighting (a high shelf for the head's
// effect and a 38 Hz high pass), mean square per channel, summed, without
// gating, since every recording that is levelled this way is a steady noise.
double Loudness(const Signal& signal);

void Scale(Signal& signal, double gain);

// Scales one channel's samples to the given RMS (nothing for silence), so a
// recipe can mix its parts at stated ratios.
void SetRms(std::vector<double>& samples, double rms);

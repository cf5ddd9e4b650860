#pragma once

#include <optional>
#include <vector>

// Measures over one channel of sound (full scale 1) at `rate` frames per
// second. Times are seconds from the first sample given. Levels are in dB
// relative to full scale: a full-scale sine has a tone level of 0 dB and an
// RMS of -3 dB.

// The sound through a fourth-order Butterworth high-pass at `low` Hz and
// low-pass at `high` Hz; a corner of 0 leaves that side open.
std::vector<double> BandPassed(const std::vector<double>& sound, int rate, double low, double high);

double RmsDb(const std::vector<double>& sound);

// Level of the sine component at `hz`: the power at that frequency averaged
// over Hann-windowed pieces of `window` frames that overlap by half, shown
// as the amplitude of a steady sine of that power.
double ToneLevelDb(const std::vector<double>& sound, int rate, double hz, int window = 4096);

// How far the tone at `hz` stands above the sound's spectrum next to it:
// its level less the median level at 50 to 130 Hz on either side. A steady
// sine in noise stands tens of dB above; noise alone stays near 0.
double ToneProminenceDb(const std::vector<double>& sound, int rate, double hz, int window = 4096);

// Moments where the sound rises to `thresholdDb` (peak of 2.5 ms pieces)
// after at least `holdSeconds` below it: the starts of ticks and beeps.
std::vector<double> Onsets(const std::vector<double>& sound, int rate, double thresholdDb, double holdSeconds);

// The moment from which the sound stays below `thresholdDb` (peak of
// 2.5 ms pieces) to its end: 0 when it never reaches it, the end when its
// last piece still does.
double QuietFrom(const std::vector<double>& sound, int rate, double thresholdDb);

// The first moment at which the tone at `newHz` outweighs the one at
// `oldHz` by 6 dB in short pieces (21 ms at 48 kHz, the moment being the
// piece's middle) and keeps doing so for the next 20 ms. Nothing when it
// never does.
std::optional<double> ToneTakeover(const std::vector<double>& sound, int rate, double oldHz, double newHz);

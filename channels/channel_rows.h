#pragma once

#include <array>

#include "app/numbering.h"

// The handlers of the channel rows. Each takes the row index r, 1..ROW_COUNT,
// and finds the row's controls and sound slot from it.

// Plays the row's chosen sound from its start, looping, at the row's rate and
// volume, replacing what the row played before.
void PlayPressed(int r);

// Stops the row's sound and shows the play picture again.
void StopPressed(int r);

// Resets the row's rate to natural speed for the next play, and warns before
// pure white noise. What the row plays goes on unchanged.
void SelectorChanged(int r);

// Apply the rate and volume track bars' positions to the playing sound.
void RateMoved(int r);
void VolumeMoved(int r);

// A row's playback frequency is its rate position times this, so the default
// rate of 441 plays every 44100 Hz sound at its natural speed.
inline constexpr int ROW_HZ_PER_RATE_STEP = 100;

// Index r is 1 while row r has been played and not stopped since; index 0 is
// unused.
extern std::array<unsigned char, ROW_COUNT + 1> RowPlaying;

#pragma once

#include <array>

#include "app/numbering.h"

// The handlers of the five channel rows; r is the row index, 1..ROW_COUNT.
void SelectorChanged(int r);
void PlayPressed(int r);
void StopPressed(int r);
void RateMoved(int r);
void VolumeMoved(int r);

// Index r is 1 while row r has been played and not stopped since; index 0 is
// unused.
extern std::array<unsigned char, ROW_COUNT + 1> RowPlaying;

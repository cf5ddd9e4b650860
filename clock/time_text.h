#pragma once

#include <string>

// The local wall-clock time of day.
struct LocalTime {
    int hour;    // 0..23
    int minute;  // 0..59
    int second;  // 0..60
};

// Reads the local clock (time zone and daylight saving applied) once.
using WallClock = LocalTime (*)();

// Replaces the clock that CurrentTimeText reads, so that a test can drive
// midnight, a clock set back or a jump forward. nullptr restores the system's.
void SetWallClock(WallClock clock);

// "HH:MM:SS" from one reading of the wall clock, each field two digits.
std::u16string CurrentTimeText();

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct AlarmState {
    bool enabled = false;
    bool armed = true;
    bool ringing = false;
    std::u16string alarmText;
};

extern AlarmState alarmState;

void AlarmButtonPressed();
void AlarmTick(std::u16string_view newText, std::u16string_view previousText);

// Reads a number from text: blanks and tabs skipped, a sign, "$" hex or "%"
// binary or decimal digits, stopping at the first non-digit, wrapping at 64
// bits; no digits gives 0. Every ":" is removed first.
std::int64_t TimeValue(std::u16string_view text);

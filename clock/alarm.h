#pragma once

#include <string>
#include <string_view>

// The daily alarm. The alarm button's caption is its visible state:
// "Enable Alarm" (off), "Disable Alarm" (on, waiting or armed), "ALARM"
// (ringing).
struct AlarmState {
    bool enabled = false;   // changed ticks test the alarm
    bool armed = true;      // the alarm time still lies ahead today
    bool ringing = false;   // the alarm sound plays in its slot
    std::u16string alarmText;  // hour text, minute text and "00"
};

extern AlarmState alarmState;

// Switches the alarm on, or off (silencing it when it rings), by the
// button's caption.
void AlarmButtonPressed();

// Runs on a clock tick whose time text `newText` differs from the text
// shown before, `previousText`: rings when the alarm time has passed, and
// re-arms when the time went backwards (midnight, or a clock set back).
void AlarmTick(std::u16string_view newText, std::u16string_view previousText);

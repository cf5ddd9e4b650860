#pragma once

// Runs on every tick of the clock timer: refreshes the clock label when the
// time text has changed, giving the alarm its chance first.
void ClockTick();

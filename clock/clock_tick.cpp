// Placeholder until the clock lands.
#include "clock/clock_tick.h"
void ClockTick() {}

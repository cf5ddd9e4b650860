#pragma once

// Runs on every tick of the clock timer: when the time text differs from the
// one the clock label shows, gives the alarm its chance, then shows the new
// text. The label's own text is the clock's only memory of the last second
// shown, so ticks that pile up or go missing never matter.
void ClockTick();

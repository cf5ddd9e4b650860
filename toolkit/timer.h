#pragma once

// One repeating timer per number, owned by a window. Each period raises a
// TimerTick; ticks that fall due while the program is busy may arrive as one.
void StartTimer(int window, int timer, int periodMs);

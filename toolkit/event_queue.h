#pragma once

#include "toolkit/events.h"

// The queue between the widgets' user-action signals and WaitEvent. Only the
// toolkit's own slots and event handlers fill it, on the program's one thread.

// Adds an event at the end. A TimerTick of a timer that already has a tick
// waiting is merged into it: the clock only needs to know that time passed.
void QueueEvent(EventKind kind, int number) noexcept;

// Takes the oldest event; false when the queue is empty.
bool TakeQueuedEvent(Event& event) noexcept;

void ClearEventQueue() noexcept;

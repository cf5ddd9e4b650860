#pragma once

enum class EventKind {
    ControlEvent,  // number: the control the user worked
    CloseRequest,  // number: the window the user asked to close
    TimerTick,     // number: the timer that elapsed
    Other,         // anything else the wait returns; number is 0
};

struct Event {
    EventKind kind;
    int number;
};

// Blocks, without a time-out and without spinning, until the next event and
// returns it. Handlers bound with BindClickHandler run inside this call.
Event WaitEvent();

// Returns true and fills `event` when one is ready (after letting the window
// system deliver what is pending), false when none is. Never blocks.
bool PollEvent(Event& event);

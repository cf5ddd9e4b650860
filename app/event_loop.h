#pragma once

#include "toolkit/events.h"

// The handlers the loop routes to. The program's are the real ones; a test
// puts its own in to see where each event goes.
struct LoopHandlers {
    void (*selectorChanged)(int r);
    void (*playPressed)(int r);
    void (*stopPressed)(int r);
    void (*rateMoved)(int r);
    void (*volumeMoved)(int r);
    void (*toggleHelpWindow)();
    void (*alarmButtonPressed)();
    void (*clockTick)();
};

LoopHandlers ProgramHandlers();

enum class LoopStep { Continue, Quit };

// Hands one event to its handler by its number. Events of any other
// control, window or timer, and events of other kinds, change nothing.
// Quit only for a close request of the main window.
LoopStep RouteEvent(const Event& event, const LoopHandlers& handlers);

// Waits for events and routes them until the main window's close request
// has been handled.
void RunEventLoop(const LoopHandlers& handlers);

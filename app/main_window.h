#pragma once

// Opens the main window, window 0, and creates every control on it in Tab
// order with its first state, the clock label showing the current time;
// starts the clock timer on the way. False, with nothing created, when the
// window cannot be opened.
bool BuildMainWindow();

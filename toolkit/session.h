#pragma once

#include <string>

// The toolkit session: the one connection to the window system.
// Every toolkit call comes from the program's one thread.

// Opens the connection to the display. Returns false, without aborting the
// process, when there is no display to open; nothing else may be called then.
bool InitToolkit();

// Names the desktop entry (its file name without ".desktop") that the
// desktop uses to match the program's windows with its launcher and icon.
// Called before the first window opens.
void NameDesktopEntry(const std::string& id);

// Closes every window still open, releases pictures and fonts, and ends the
// connection to the display.
void ReleaseToolkit();

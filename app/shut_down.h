#pragma once

enum class SoundOutput { NeverOpened, Opened };

// Stops every sound and closes the output when it was opened, closes the
// windows, releases the pictures and fonts, and ends the toolkit session.
void ShutDown(SoundOutput output);

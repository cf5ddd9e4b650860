#pragma once

// Stops every sound and closes the output (when it was opened), then closes
// the windows, releases the pictures and fonts, and ends the toolkit
// session.
void ShutDown();

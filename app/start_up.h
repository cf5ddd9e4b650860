#pragma once

// The steps of start-up before the main window exists.

// Gives the alarm and the channel rows their start values.
void ResetProgramState();

// Decodes the four pictures in the order logo, playing, stop, play, and the
// program's icon. A picture that does not decode is left out, unreported.
void LoadEmbeddedPictures();

// Font 10 for the notice line and the help text, font 11 for the clock. A
// font that cannot be made is left out, unreported.
void CreateProgramFonts();

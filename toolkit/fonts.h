#pragma once

#include <string>

enum class FontWeight { Regular, Bold };

// Makes font `font` of the given face at `points` points: a character height
// of points x screen pixels per inch / 72, rounded. When the face is not
// installed a monospace face of the system stands in. Returns false when no
// font can be made.
bool CreateFont(int font, const std::u16string& face, int points, FontWeight weight);
bool FontExists(int font);
void ReleaseFonts();

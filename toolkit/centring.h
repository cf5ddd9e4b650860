#pragma once

#include <algorithm>

// Where a window of `outerSize` starts on a screen of `screenSize` so that it
// sits in the middle; a window larger than the screen starts at its edge.
// Halves round down.
constexpr int CentredOrigin(int screenSize, int outerSize)
{
    return (screenSize - std::min(screenSize, outerSize)) / 2;
}

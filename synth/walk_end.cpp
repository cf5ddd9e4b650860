#include "synth/walk_end.h"

#include <cstdlib>

std::int32_t EndAtLastZeroCrossing(WavImage image, std::int32_t count)
{
    for (std::int32_t i = count - 1; i >= 1; --i) {
        const std::int32_t here = ReadSample(image, i);
        const std::int32_t before = ReadSample(image, i - 1);
        if (here == 0)
            return i + 1;
        if (before != 0 && (here < 0) != (before < 0))
            return std::abs(before) < std::abs(here) ? i : i + 1;
    }
    return 1;
}

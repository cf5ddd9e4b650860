#include "channels/volume_table.h"

#include <algorithm>
#include <cmath>

VolumeTable BuildVolumeTable()
{
    VolumeTable table{};
    table[SLOT_VOLUME_MIN] = ATTENUATION_SILENT;
    for (int v = SLOT_VOLUME_MIN + 1; v < SLOT_VOLUME_MAX; ++v) {
        // log10 of 1000 * v is exact for v = 1 and 10, and no other v gives an
        // integer product, so truncation never sits on a rounding edge.
        const double hundredthsDb = std::trunc(2000.0 * std::log10(1000.0 * v));
        table[v] = static_cast<std::int32_t>(hundredthsDb) - 10000;
    }
    // Stored, not computed, so that full level is exactly 0 dB.
    table[SLOT_VOLUME_MAX] = 0;
    return table;
}

std::int32_t AttenuationFor(const VolumeTable& table, int volume)
{
    return table[static_cast<std::size_t>(std::clamp(volume, SLOT_VOLUME_MIN, SLOT_VOLUME_MAX))];
}

float GainForAttenuation(std::int32_t attenuation)
{
    if (attenuation <= ATTENUATION_SILENT) {
        return 0.0f;
    }
    return static_cast<float>(std::pow(10.0, attenuation / 2000.0));
}

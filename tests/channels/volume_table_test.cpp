#include <cmath>

#include <gtest/gtest.h>

#include "channels/volume_table.h"

namespace {

struct TellingRow {
    int volume;
    std::int32_t attenuation;
    double gain;
};

TEST(VolumeTable, TellingRowsGiveTheirAttenuationAndGain)
{
    const TellingRow rows[] = {
        {0, -10000, 0.0},   {1, -4000, 0.0100}, {5, -2603, 0.0499},  {10, -2000, 0.1000}, {25, -1205, 0.2497},
        {50, -603, 0.4995}, {75, -250, 0.7499}, {99, -9, 0.9897},    {100, 0, 1.0000},
    };
    const VolumeTable table = BuildVolumeTable();
    for (const TellingRow& row : rows) {
        SCOPED_TRACE(row.volume);
        EXPECT_EQ(table[static_cast<std::size_t>(row.volume)], row.attenuation);
        EXPECT_NEAR(GainForAttenuation(row.attenuation), row.gain, 0.00005);
    }
    // Silence and full level are exact, not merely close.
    EXPECT_EQ(GainForAttenuation(table[0]), 0.0f);
    EXPECT_EQ(GainForAttenuation(table[100]), 1.0f);
}

TEST(VolumeTable, EveryEntryIsTheFloorOfTheDecibelRatio)
{
    // Truncating a negative value toward zero would be one hundredth of a
    // decibel too loud; the product is taken before the offset so that
    // truncation and floor agree.
    const VolumeTable table = BuildVolumeTable();
    for (int v = 1; v < 100; ++v) {
        SCOPED_TRACE(v);
        EXPECT_EQ(table[static_cast<std::size_t>(v)], static_cast<std::int32_t>(std::floor(2000.0 * std::log10(v / 100.0))));
    }
}

TEST(VolumeTable, VolumesOutsideTheRangeAreClamped)
{
    const VolumeTable table = BuildVolumeTable();
    EXPECT_EQ(AttenuationFor(table, 150), 0);
    EXPECT_EQ(AttenuationFor(table, -5), ATTENUATION_SILENT);
    EXPECT_EQ(GainForAttenuation(AttenuationFor(table, -5)), 0.0f);
}

} // namespace

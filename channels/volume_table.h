#pragma once

#include <array>
#include <cstdint>

// The program's volume 0..100 as an attenuation in hundredths of a decibel,
// so that volume v plays at very nearly v / 100 of full level.

inline constexpr int SLOT_VOLUME_MIN = 0;
inline constexpr int SLOT_VOLUME_MAX = 100;
// Attenuation of volume 0: -100 dB, which the output treats as silence.
inline constexpr std::int32_t ATTENUATION_SILENT = -10000;

using VolumeTable = std::array<std::int32_t, SLOT_VOLUME_MAX + 1>;

// Entry 0 is silent, entry 100 is exactly 0 (full level), and entry v in
// between is trunc(2000 * log10(1000 * v)) - 10000, i.e. floor(2000 *
// log10(v / 100)) hundredths of a decibel.
VolumeTable BuildVolumeTable();

// The table's entry for `volume` clamped to 0..100.
std::int32_t AttenuationFor(const VolumeTable& table, int volume);

// The linear amplitude factor an attenuation stands for: 10^(attenuation /
// 2000), and exactly 0 for the silent entry.
float GainForAttenuation(std::int32_t attenuation);

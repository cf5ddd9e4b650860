#pragma once

#include <cstdint>

// The program's pseudo-random integer source: xoshiro128++ (128 bits of
// state, 32-bit outputs; passes BigCrush and PractRand) with Lemire's
// nearly divisionless bounded draw, which is exactly uniform. Everything is
// inline: the noise generators draw several numbers per sample and must not
// pay a call for each.
class RandomSource {
public:
    explicit RandomSource(std::uint32_t seed) { Reseed(seed); }

    // Restarts the sequence: the same seed gives the same draws.
    void Reseed(std::uint32_t seed);

    // Uniform in [0, max]; max itself when max < 0.
    std::int32_t Draw(std::int32_t max) { return Draw(max, 0); }

    // Uniform in [min, max], both ends included; max when min > max.
    std::int32_t Draw(std::int32_t max, std::int32_t min)
    {
        if (min > max)
            return max;
        const std::uint32_t span = static_cast<std::uint32_t>(max) - static_cast<std::uint32_t>(min);
        if (span == UINT32_MAX)
            return static_cast<std::int32_t>(NextBits());
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(min) + Below(span + 1));
    }

    // The next 32 raw bits.
    std::uint32_t NextBits()
    {
        const std::uint32_t result = Rotl(s[0] + s[3], 7) + s[0];
        const std::uint32_t t = s[1] << 9;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = Rotl(s[3], 11);
        return result;
    }

private:
    static std::uint32_t Rotl(std::uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

    // Uniform in [0, range), range >= 1. Multiplying by the range maps the
    // 32 raw bits onto range buckets; the few products whose low half falls
    // below 2^32 mod range would make some buckets one larger, so they are
    // drawn again. For the small ranges used here that is a rare event, and
    // the division that finds the threshold runs only then.
    std::uint32_t Below(std::uint32_t range)
    {
        std::uint64_t product = std::uint64_t{NextBits()} * range;
        auto low = static_cast<std::uint32_t>(product);
        if (low < range) {
            const std::uint32_t threshold = (0u - range) % range;
            while (low < threshold) {
                product = std::uint64_t{NextBits()} * range;
                low = static_cast<std::uint32_t>(product);
            }
        }
        return static_cast<std::uint32_t>(product >> 32);
    }

    std::uint32_t s[4];
};

// The one source the noise generators share. At its first use it seeds
// itself from the operating system's entropy, so the white and brownish
// noises differ from run to run unless a brown noise has reseeded it.
// Event thread only.
RandomSource& SharedRandomSource();

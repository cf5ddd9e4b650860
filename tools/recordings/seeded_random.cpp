#include "seeded_random.h"

#include <cmath>
#include <numbers>

static std::uint64_t SplitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

static std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

SeededRandom::SeededRandom(std::uint64_t seed)
{
    for (auto& word : state)
        word = SplitMix(seed);
}

std::uint64_t SeededRandom::Next()
{
    const std::uint64_t result = RotateLeft(state[1] * 5, 7) * 9;
    const std::uint64_t t = state[1] << 17;
    state[2] ^= state[0];
    state[3] ^= state[1];
    state[1] ^= state[2];
    state[0] ^= state[3];
    state[2] ^= t;
    state[3] = RotateLeft(state[3], 45);
    return result;
}

double SeededRandom::Uniform()
{
    // The top 53 bits give every double in [0, 1) on a 2^-53 grid.
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

double SeededRandom::Uniform(double low, double high) { return low + (high - low) * Uniform(); }

double SeededRandom::Gaussian()
{
    if (hasSpare) {
        hasSpare = false;
        return spareGaussian;
    }
    // Box-Muller; 1 - Uniform() is never 0, so the logarithm is finite.
    const double radius = std::sqrt(-2.0 * std::log(1.0 - Uniform()));
    const double angle = 2.0 * std::numbers::pi * Uniform();
    spareGaussian = radius * std::sin(angle);
    hasSpare = true;
    return radius * std::cos(angle);
}

std::vector<double> WhiteNoise(std::size_t frames, SeededRandom& random)
{
    std::vector<double> noise(frames);
    for (auto& sample : noise)
        sample = random.Gaussian();
    return noise;
}

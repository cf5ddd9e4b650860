#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A small deterministic generator (xoshiro256**, seeded through SplitMix64),
// so that every build of the tools makes the same recordings bit for bit,
// whatever the standard library's distributions do.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed);

    std::uint64_t Next();
    double Uniform();                                  // [0, 1)
    double Uniform(double low, double high);
    double Gaussian();                                 // mean 0, deviation 1

private:
    std::uint64_t state[4];
    double spareGaussian = 0.0;
    bool hasSpare = false;
};

// Gaussian white noise of deviation 1.
std::vector<double> WhiteNoise(std::size_t frames, SeededRandom& random);

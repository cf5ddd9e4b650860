#include "periodic.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "signal.h"

double LoopFrequency(double hz, std::size_t frames)
{
    const double cycles = std::max(1.0, std::round(hz * static_cast<double>(frames) / SAMPLE_RATE));
    return cycles * SAMPLE_RATE / static_cast<double>(frames);
}

std::vector<double> LoopTone(std::size_t frames, double hz, double phase)
{
    // Phase from the whole number of cycles, so rounding never accumulates.
    const double cycles = std::round(LoopFrequency(hz, frames) * static_cast<double>(frames) / SAMPLE_RATE);
    std::vector<double> tone(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const double turns = std::fmod(cycles * static_cast<double>(i), static_cast<double>(frames)) /
                             static_cast<double>(frames);
        tone[i] = std::sin(2.0 * std::numbers::pi * turns + phase);
    }
    return tone;
}

std::vector<double> PeriodicWander(std::size_t frames, SeededRandom& random, int minCycles, int maxCycles)
{
    std::vector<double> wander(frames, 0.0);
    for (int k = minCycles; k <= maxCycles; ++k) {
        const double amplitude = random.Uniform(0.4, 1.0) / k;
        const double phase = random.Uniform(0.0, 2.0 * std::numbers::pi);
        const double step = 2.0 * std::numbers::pi * k / static_cast<double>(frames);
        for (std::size_t i = 0; i < frames; ++i)
            wander[i] += amplitude * std::sin(step * static_cast<double>(i) + phase);
    }
    double largest = 0;
    for (double v : wander)
        largest = std::max(largest, std::abs(v));
    if (largest > 0)
        for (double& v : wander)
            v /= largest;
    return wander;
}

void RotateToQuietStart(std::vector<std::vector<double>>& channels)
{
    if (channels.empty() || channels[0].size() < 2)
        return;
    const std::size_t frames = channels[0].size();
    std::size_t best = 0;
    double bestScore = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < frames; ++i) {
        const std::size_t before = (i + frames - 1) % frames;
        double score = 0;
        for (const auto& channel : channels)
            score += std::abs(channel[i]) + std::abs(channel[before]) + std::abs(channel[i] - channel[before]);
        if (score < bestScore) {
            bestScore = score;
            best = i;
        }
    }
    for (auto& channel : channels)
        std::rotate(channel.begin(), channel.begin() + static_cast<std::ptrdiff_t>(best), channel.end());
}

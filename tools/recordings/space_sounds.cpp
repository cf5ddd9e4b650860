#include <array>
#include <cmath>
#include <numbers>

#include "filters.h"
#include "levels.h"
#include "periodic.h"
#include "recipes.h"
#include "seeded_random.h"

Signal SpaceNoise()
{
    const std::size_t frames = Seconds(10.0);
    SeededRandom random(0x59ACE);
    // The rumble: brown noise kept below 140 Hz.
    auto rumble = WhiteNoise(frames, random);
    BrownenCircular(rumble, 15.0);
    FilterCircular(rumble, {Biquad::LowPass(140, 0.707), Biquad::HighPass(18, 0.707)});
    SetRms(rumble, 1.0);
    // Three resonances wandering slowly up and down by most of an octave,
    // each over pink noise of its own.
    const std::array<double, 3> centres{90, 210, 480};
    std::vector<double> resonances(frames, 0.0);
    for (const double centre : centres) {
        auto source = WhiteNoise(frames, random);
        PinkenCircular(source);
        const auto drift = PeriodicWander(frames, random, 1, 4);
        StateVariable filter;
        RunCircular(source, [&](std::size_t i, double x) {
            return filter.Process(x, centre * std::exp2(0.7 * drift[i]), 6.0).band;
        });
        SetRms(source, 1.0);
        for (std::size_t i = 0; i < frames; ++i)
            resonances[i] += source[i];
    }
    SetRms(resonances, 0.5);
    Signal s = Signal::Silent(1, frames);
    for (std::size_t i = 0; i < frames; ++i)
        s.channels[0][i] = rumble[i] + resonances[i];
    return s;
}

Signal SpaceBreeze()
{
    const std::size_t frames = Seconds(30.0);
    SeededRandom random(0xB2EE2E);
    Signal s = Signal::Silent(2, frames);
    // Two gusts, each pink noise through a filter whose cutoff sweeps
    // between about 300 Hz and 3.4 kHz, each drifting across the stereo
    // field on its own path (equal-power panning).
    for (int gust = 0; gust < 2; ++gust) {
        auto air = WhiteNoise(frames, random);
        PinkenCircular(air);
        FilterCircular(air, {Biquad::HighPass(100, 0.707)});
        const auto sweep = PeriodicWander(frames, random, 2, 7);
        StateVariable filter;
        RunCircular(air, [&](std::size_t i, double x) {
            const auto out = filter.Process(x, 300.0 * std::exp2(1.75 * (1.0 + sweep[i])), 1.1);
            return 0.65 * out.band + 0.35 * out.low;
        });
        SetRms(air, 1.0);
        const auto swell = PeriodicWander(frames, random, 2, 9);
        const auto path = PeriodicWander(frames, random, 1, 3);
        for (std::size_t i = 0; i < frames; ++i) {
            const double position = 0.5 + 0.45 * (gust == 0 ? path[i] : -path[i]);
            const double angle = 0.5 * std::numbers::pi * position;
            const double v = air[i] * (1.0 + 0.4 * swell[i]);
            s.channels[0][i] += std::cos(angle) * v;
            s.channels[1][i] += std::sin(angle) * v;
        }
    }
    // A thin, faint hiss of air over everything, different on each side.
    for (auto& side : s.channels) {
        auto hiss = WhiteNoise(frames, random);
        FilterCircular(hiss, {Biquad::HighPass(3000, 0.707), Biquad::LowPass(12000, 0.707)});
        SetRms(hiss, 0.12);
        for (std::size_t i = 0; i < frames; ++i)
            side[i] += hiss[i];
    }
    return s;
}

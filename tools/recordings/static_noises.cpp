#include "filters.h"
#include "levels.h"
#include "periodic.h"
#include "recipes.h"
#include "seeded_random.h"

// The hiss family. Each is shaped white noise; the lengths differ so that
// two rows playing different statics never fall into step.

Signal CrtTvStatic()
{
    const std::size_t frames = Seconds(9.0);
    SeededRandom random(0xC127);
    Signal s{{WhiteNoise(frames, random)}};
    auto& hiss = s.channels[0];
    // Bright: the lows thinned out and the top lifted.
    FilterCircular(hiss, {Biquad::HighPass(350, 0.707), Biquad::HighShelf(4000, 5.0), Biquad::LowPass(17500, 0.707)});
    SetRms(hiss, 1.0);
    // The horizontal line frequency of a 525-line set, 15.734 kHz, heard as
    // a thin whine over the hiss.
    const auto whine = LoopTone(frames, 15734.0);
    for (std::size_t i = 0; i < frames; ++i)
        hiss[i] += 0.25 * whine[i];
    return s;
}

Signal PlainStatic()
{
    SeededRandom random(0x57A71C);
    Signal s{{WhiteNoise(Seconds(8.0), random)}};
    // Flat across the band; only the inaudible extremes are trimmed.
    FilterCircular(s.channels[0], {Biquad::HighPass(40, 0.707), Biquad::LowPass(15000, 0.707)});
    return s;
}

Signal LowStatic()
{
    SeededRandom random(0x10757A);
    Signal s{{WhiteNoise(Seconds(8.5), random)}};
    // Fourth-order low pass: a dark, muffled hiss with little above 1 kHz.
    FilterCircular(s.channels[0], {Biquad::HighPass(35, 0.707), Biquad::LowPass(480, 0.6), Biquad::LowPass(480, 0.6)});
    return s;
}

Signal GentleStatic()
{
    SeededRandom random(0x6E7713);
    Signal s{{WhiteNoise(Seconds(7.0), random)}};
    auto& hiss = s.channels[0];
    PinkenCircular(hiss);
    FilterCircular(hiss, {Biquad::HighPass(60, 0.707), Biquad::LowPass(2800, 0.6), Biquad::LowPass(6000, 0.707)});
    return s;
}

Signal WaterfallishStatic()
{
    const std::size_t frames = Seconds(12.0);
    SeededRandom random(0xFA11);
    // The body of the fall: pink noise with the mid-range forward.
    auto body = WhiteNoise(frames, random);
    PinkenCircular(body);
    FilterCircular(body, {Biquad::HighPass(120, 0.707), Biquad::Peak(1800, 0.6, 4.0), Biquad::LowPass(9000, 0.707)});
    SetRms(body, 1.0);
    // The spray: a brighter band that swells on its own.
    auto spray = WhiteNoise(frames, random);
    FilterCircular(spray, {Biquad::BandPass(4500, 0.8)});
    SetRms(spray, 0.4);
    // Slow swells (a quarter to one and a half per second) and a faster
    // flicker of turbulence on top.
    const auto swell = PeriodicWander(frames, random, 3, 16);
    const auto spraySwell = PeriodicWander(frames, random, 5, 24);
    const auto flicker = PeriodicWander(frames, random, 24, 72);
    Signal s = Signal::Silent(1, frames);
    for (std::size_t i = 0; i < frames; ++i)
        s.channels[0][i] = body[i] * (1.0 + 0.45 * swell[i] + 0.12 * flicker[i]) + spray[i] * (1.0 + 0.6 * spraySwell[i]);
    return s;
}

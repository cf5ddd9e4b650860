#include <array>

#include "filters.h"
#include "levels.h"
#include "periodic.h"
#include "recipes.h"
#include "seeded_random.h"

Signal IndustrialFan()
{
    const std::size_t frames = Seconds(8.0);
    SeededRandom random(0x1F4A);
    // Air rushing through a big cowl: pink noise, rounded off above 2.5 kHz
    // with a low-mid body.
    auto air = WhiteNoise(frames, random);
    PinkenCircular(air);
    FilterCircular(air, {Biquad::HighPass(45, 0.707), Biquad::LowPass(2500, 0.707), Biquad::Peak(250, 0.8, 4.0)});
    SetRms(air, 1.0);
    // Three blades at 10 turns a second chop the air 30 times a second; one
    // blade a little out of balance adds a once-per-turn beat.
    const auto bladePass = LoopTone(frames, 30.0);
    const auto turn = LoopTone(frames, 10.0, 1.1);
    // The motor's hum: twice the 50 Hz mains and its harmonics.
    const std::array<std::pair<double, double>, 6> hum{
        {{50, 0.3}, {100, 1.0}, {200, 0.55}, {300, 0.3}, {400, 0.2}, {600, 0.1}}};
    std::vector<double> motor(frames, 0.0);
    for (const auto& [hz, level] : hum) {
        const auto tone = LoopTone(frames, hz, random.Uniform(0.0, 6.28));
        for (std::size_t i = 0; i < frames; ++i)
            motor[i] += level * tone[i];
    }
    SetRms(motor, 0.35);
    const auto thump = LoopTone(frames, 60.0, 0.4);
    Signal s = Signal::Silent(1, frames);
    for (std::size_t i = 0; i < frames; ++i)
        s.channels[0][i] = air[i] * (1.0 + 0.22 * bladePass[i] + 0.08 * turn[i]) + motor[i] + 0.05 * thump[i];
    return s;
}

Signal FastSteelFan()
{
    const std::size_t frames = Seconds(6.0);
    SeededRandom random(0x57EE1);
    // 35 turns a second, four blades: a buzzy 140 Hz flutter.
    const auto bladePass = LoopTone(frames, 140.0);
    const auto turn = LoopTone(frames, 35.0, 0.7);
    const auto motorWhine = LoopTone(frames, 280.0, 0.2);
    const auto motorOvertone = LoopTone(frames, 560.0, 1.3);
    // Shared air and ring make the centre of the image; a part of each that
    // differs between the sides spreads it slightly.
    auto sharedAir = WhiteNoise(frames, random);
    auto sharedRing = WhiteNoise(frames, random);
    // The steel housing's modes, inharmonic like a struck plate.
    const std::array<double, 5> modes{1870, 3110, 4530, 6120, 8740};
    Signal s = Signal::Silent(2, frames);
    for (int side = 0; side < 2; ++side) {
        auto air = WhiteNoise(frames, random);
        for (std::size_t i = 0; i < frames; ++i)
            air[i] = 0.85 * sharedAir[i] + 0.5 * air[i];
        FilterCircular(air, {Biquad::HighPass(120, 0.707), Biquad::LowPass(7000, 0.707), Biquad::Peak(2200, 1.0, 3.0)});
        SetRms(air, 1.0);

        auto excitation = WhiteNoise(frames, random);
        for (std::size_t i = 0; i < frames; ++i)
            excitation[i] = 0.8 * sharedRing[i] + 0.6 * excitation[i];
        // Each side's modes sit a few tenths of a percent apart, so the ring
        // shimmers between the speakers.
        const double detune = side == 0 ? 0.996 : 1.004;
        std::vector<double> ring(frames, 0.0);
        for (const double hz : modes) {
            auto band = excitation;
            FilterCircular(band, {Biquad::BandPass(hz * detune, 35.0)});
            for (std::size_t i = 0; i < frames; ++i)
                ring[i] += band[i];
        }
        SetRms(ring, 0.5);

        auto& out = s.channels[side];
        for (std::size_t i = 0; i < frames; ++i)
            out[i] = air[i] * (1.0 + 0.18 * bladePass[i] + 0.1 * turn[i]) + ring[i] * (1.0 + 0.3 * turn[i]) +
                     0.05 * motorWhine[i] + 0.025 * motorOvertone[i];
    }
    return s;
}

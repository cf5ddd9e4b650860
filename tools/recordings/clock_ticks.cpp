#include <cmath>
#include <numbers>
#include <vector>

#include "recipes.h"
#include "seeded_random.h"

namespace {

// One ringing mode of the clock's case and movement.
struct Mode {
    double hz;
    double decaySeconds;
    double amplitude;
};

// Everything of one strike dies away within this time, and the strike is
// faded to exact zero at its end, so the gaps between strikes are true
// silence and the loop's seam falls in silence.
constexpr double STRIKE_SECONDS = 0.22;
constexpr double FADE_SECONDS = 0.03;

// A sharp click (a short noise burst) exciting a few damped modes; the
// escape wheel's tooth lands a moment later and rings the modes again more
// softly, which gives a mechanical clock its slightly doubled tick.
void AddStrike(std::vector<double>& out, std::size_t at, const std::vector<Mode>& modes, SeededRandom& random)
{
    const std::size_t length = Seconds(STRIKE_SECONDS);
    const std::size_t fadeStart = length - Seconds(FADE_SECONDS);
    const double echoDelay = 0.009, echoLevel = 0.35;
    for (std::size_t i = 0; i < length && at + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / SAMPLE_RATE;
        double v = 0;
        for (const double start : {0.0, echoDelay}) {
            if (t < start)
                continue;
            const double u = t - start;
            const double gain = start == 0.0 ? 1.0 : echoLevel;
            const double attack = 1.0 - std::exp(-u / 0.00012);
            for (const Mode& m : modes)
                v += gain * attack * m.amplitude * std::exp(-u / m.decaySeconds) *
                     std::sin(2.0 * std::numbers::pi * m.hz * u);
            v += gain * 0.6 * random.Gaussian() * std::exp(-u / 0.0008);
        }
        if (i >= fadeStart) {
            const double x = static_cast<double>(i - fadeStart) / static_cast<double>(length - fadeStart);
            v *= 0.5 * (1.0 + std::cos(std::numbers::pi * x));
        }
        out[at + i] += v;
    }
}

const std::vector<Mode>& TickModes()
{
    static const std::vector<Mode> modes{
        {1320, 0.016, 0.45}, {2630, 0.009, 1.0}, {4180, 0.006, 0.7}, {6350, 0.004, 0.45}, {9100, 0.0025, 0.25}};
    return modes;
}

// The tock is the same escapement on the other pallet: a little lower and
// duller, with more of the case's body in it.
const std::vector<Mode>& TockModes()
{
    static const std::vector<Mode> modes{{520, 0.030, 0.35},  {1080, 0.019, 0.45}, {2160, 0.011, 1.0},
                                         {3430, 0.007, 0.6},  {5210, 0.005, 0.35}, {7460, 0.003, 0.15}};
    return modes;
}

Signal TickTockLoop(double secondsPerBeat, std::uint64_t seed)
{
    Signal s = Signal::Silent(1, Seconds(2 * secondsPerBeat));
    SeededRandom random(seed);
    // A few milliseconds of silence before the tick keep the loop's seam
    // (and the encoder's first block) clear of the attack.
    const std::size_t lead = Seconds(0.005);
    AddStrike(s.channels[0], lead, TickModes(), random);
    AddStrike(s.channels[0], lead + Seconds(secondsPerBeat), TockModes(), random);
    return s;
}

}  // namespace

Signal ClockTicking() { return TickTockLoop(1.0, 0x7C10C4); }

Signal ClockTickingFast() { return TickTockLoop(0.5, 0x7C10C5); }

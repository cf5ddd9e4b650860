#include <cmath>
#include <numbers>
#include <vector>

#include "recipes.h"

namespace {

// Each pattern starts this long after the loop's first frame, so that the
// seam lies in silence and the encoder's first block holds no attack.
constexpr double LEAD_SECONDS = 0.01;

// Raised-cosine edges of `edgeSeconds` at both ends of a note of
// `noteSeconds`: the note starts and ends at exact zero, without a click.
double Edges(double t, double noteSeconds, double edgeSeconds)
{
    if (t < 0 || t >= noteSeconds)
        return 0.0;
    if (t < edgeSeconds)
        return 0.5 * (1.0 - std::cos(std::numbers::pi * t / edgeSeconds));
    if (t > noteSeconds - edgeSeconds)
        return 0.5 * (1.0 - std::cos(std::numbers::pi * (noteSeconds - t) / edgeSeconds));
    return 1.0;
}

}  // namespace

Signal NeatReminder(std::size_t frames)
{
    // A rising major triad, C6 E6 G6, soft bell-like notes: noticeable
    // without being alarming. The pattern opens the loop; the rest of it is
    // zeros, which the encoder stores almost for free.
    const double notes[] = {1046.50, 1318.51, 1567.98};
    const double noteSeconds = 0.12, stepSeconds = 0.18;
    Signal s = Signal::Silent(2, frames);
    for (int n = 0; n < 3; ++n) {
        const std::size_t start = Seconds(LEAD_SECONDS + n * stepSeconds);
        for (std::size_t i = 0; i < Seconds(noteSeconds) && start + i < frames; ++i) {
            const double t = static_cast<double>(i) / SAMPLE_RATE;
            const double phase = 2.0 * std::numbers::pi * notes[n] * t;
            const double envelope = Edges(t, noteSeconds, 0.006) * std::exp(-t / 0.06);
            const double v = envelope * (std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase));
            s.channels[0][start + i] = v;
            s.channels[1][start + i] = v;
        }
    }
    return s;
}

Signal AlarmBeeps()
{
    // The classic bedside alarm: a piezo-like square tone at 2 kHz, four
    // quick beeps and a pause, once a second, seven times.
    const double toneHz = 2000.0, beepSeconds = 0.085, beepStep = 0.16;
    Signal s = Signal::Silent(1, Seconds(7.0));
    auto& out = s.channels[0];
    for (int second = 0; second < 7; ++second) {
        for (int beep = 0; beep < 4; ++beep) {
            const std::size_t start = Seconds(LEAD_SECONDS + second + beep * beepStep);
            for (std::size_t i = 0; i < Seconds(beepSeconds); ++i) {
                const double t = static_cast<double>(i) / SAMPLE_RATE;
                // Odd harmonics up to 14 kHz: square, but band-limited so it
                // does not alias.
                double v = 0;
                for (int k = 1; k * toneHz < 15000.0; k += 2)
                    v += std::sin(2.0 * std::numbers::pi * k * toneHz * t) / k;
                out[start + i] = Edges(t, beepSeconds, 0.003) * v;
            }
        }
    }
    return s;
}

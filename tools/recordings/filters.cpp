#include "filters.h"

#include <cmath>
#include <numbers>

#include "signal.h"

namespace {

struct Prototype {
    double b0, b1, b2, a0, a1, a2;
};

Biquad Normalised(const Prototype& p)
{
    Biquad f;
    f.b0 = p.b0 / p.a0;
    f.b1 = p.b1 / p.a0;
    f.b2 = p.b2 / p.a0;
    f.a1 = p.a1 / p.a0;
    f.a2 = p.a2 / p.a0;
    return f;
}

double Omega(double hz) { return 2.0 * std::numbers::pi * hz / SAMPLE_RATE; }

}  // namespace

Biquad Biquad::LowPass(double hz, double q)
{
    const double w = Omega(hz), alpha = std::sin(w) / (2 * q), c = std::cos(w);
    return Normalised({(1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha});
}

Biquad Biquad::HighPass(double hz, double q)
{
    const double w = Omega(hz), alpha = std::sin(w) / (2 * q), c = std::cos(w);
    return Normalised({(1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha});
}

Biquad Biquad::BandPass(double hz, double q)
{
    const double w = Omega(hz), alpha = std::sin(w) / (2 * q), c = std::cos(w);
    return Normalised({alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha});
}

Biquad Biquad::Peak(double hz, double q, double gainDb)
{
    const double a = std::pow(10.0, gainDb / 40.0);
    const double w = Omega(hz), alpha = std::sin(w) / (2 * q), c = std::cos(w);
    return Normalised({1 + alpha * a, -2 * c, 1 - alpha * a, 1 + alpha / a, -2 * c, 1 - alpha / a});
}

// Shelves with slope 1 (the steepest without overshoot).
Biquad Biquad::LowShelf(double hz, double gainDb)
{
    const double a = std::pow(10.0, gainDb / 40.0);
    const double w = Omega(hz), c = std::cos(w), alpha = std::sin(w) / std::sqrt(2.0);
    const double s = 2 * std::sqrt(a) * alpha;
    return Normalised({a * ((a + 1) - (a - 1) * c + s), 2 * a * ((a - 1) - (a + 1) * c),
                       a * ((a + 1) - (a - 1) * c - s), (a + 1) + (a - 1) * c + s,
                       -2 * ((a - 1) + (a + 1) * c), (a + 1) + (a - 1) * c - s});
}

Biquad Biquad::HighShelf(double hz, double gainDb)
{
    const double a = std::pow(10.0, gainDb / 40.0);
    const double w = Omega(hz), c = std::cos(w), alpha = std::sin(w) / std::sqrt(2.0);
    const double s = 2 * std::sqrt(a) * alpha;
    return Normalised({a * ((a + 1) + (a - 1) * c + s), -2 * a * ((a - 1) + (a + 1) * c),
                       a * ((a + 1) + (a - 1) * c - s), (a + 1) - (a - 1) * c + s,
                       2 * ((a - 1) - (a + 1) * c), (a + 1) - (a - 1) * c - s});
}

StateVariable::Outputs StateVariable::Process(double x, double hz, double q)
{
    const double g = std::tan(std::numbers::pi * hz / SAMPLE_RATE);
    const double k = 1.0 / q;
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = x - ic2;
    const double v1 = a1 * ic1 + a2 * v3;
    const double v2 = ic2 + a2 * ic1 + a3 * v3;
    ic1 = 2 * v1 - ic1;
    ic2 = 2 * v2 - ic2;
    return {v2, v1, x - k * v1 - v2};
}

void FilterCircular(std::vector<double>& samples, std::vector<Biquad> chain)
{
    for (auto& section : chain)
        RunCircular(samples, [&section](std::size_t, double x) { return section.Process(x); });
}

void PinkenCircular(std::vector<double>& samples)
{
    // Seven one-pole stages spread over the audible range sum to within about
    // half a decibel of -3 dB per octave above 10 Hz.
    double b[7] = {};
    RunCircular(samples, [&b](std::size_t, double white) {
        b[0] = 0.99886 * b[0] + white * 0.0555179;
        b[1] = 0.99332 * b[1] + white * 0.0750759;
        b[2] = 0.96900 * b[2] + white * 0.1538520;
        b[3] = 0.86650 * b[3] + white * 0.3104856;
        b[4] = 0.55000 * b[4] + white * 0.5329522;
        b[5] = -0.7616 * b[5] - white * 0.0168980;
        const double pink = b[0] + b[1] + b[2] + b[3] + b[4] + b[5] + b[6] + white * 0.5362;
        b[6] = white * 0.115926;
        return pink * 0.11;
    });
}

void BrownenCircular(std::vector<double>& samples, double cornerHz)
{
    const double leak = std::exp(-2.0 * std::numbers::pi * cornerHz / SAMPLE_RATE);
    double level = 0;
    RunCircular(samples, [&](std::size_t, double white) {
        level = leak * level + (1 - leak) * white;
        return level;
    });
}

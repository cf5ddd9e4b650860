#include "levels.h"

#include "filters.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// The two K-weighting sections, designed for our sample rate from their
// analogue prototypes (the published coefficients are for 48 kHz).
Biquad HeadShelf()
{
    const double gainDb = 3.999843853973347, hz = 1681.974450955533, q = 0.7071752369554196;
    const double k = std::tan(std::numbers::pi * hz / SAMPLE_RATE);
    const double vh = std::pow(10.0, gainDb / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1.0 + k / q + k * k;
    return {(vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
            2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

Biquad LowCut()
{
    const double hz = 38.13547087602444, q = 0.5003270373238773;
    const double k = std::tan(std::numbers::pi * hz / SAMPLE_RATE);
    const double a0 = 1.0 + k / q + k * k;
    return {1.0, -2.0, 1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

}  // namespace

double ToDecibels(double ratio)
{
    return ratio > 0 ? 20.0 * std::log10(ratio) : -std::numeric_limits<double>::infinity();
}

double FromDecibels(double db) { return std::pow(10.0, db / 20.0); }

double PeakLevel(const Signal& signal)
{
    double peak = 0;
    for (const auto& channel : signal.channels)
        for (double v : channel)
            peak = std::max(peak, std::abs(v));
    return peak;
}

double RmsLevel(const Signal& signal)
{
    double sum = 0;
    std::size_t count = 0;
    for (const auto& channel : signal.channels) {
        for (double v : channel)
            sum += v * v;
        count += channel.size();
    }
    return count ? std::sqrt(sum / static_cast<double>(count)) : 0.0;
}

double Loudness(const Signal& signal)
{
    double power = 0;
    for (const auto& channel : signal.channels) {
        Biquad shelf = HeadShelf(), cut = LowCut();
        double sum = 0;
        for (double v : channel) {
            const double w = cut.Process(shelf.Process(v));
            sum += w * w;
        }
        if (!channel.empty())
            power += sum / static_cast<double>(channel.size());
    }
    return power > 0 ? -0.691 + 10.0 * std::log10(power) : -std::numeric_limits<double>::infinity();
}

void Scale(Signal& signal, double gain)
{
    for (auto& channel : signal.channels)
        for (double& v : channel)
            v *= gain;
}

void SetRms(std::vector<double>& samples, double rms)
{
    double sum = 0;
    for (double v : samples)
        sum += v * v;
    if (sum <= 0)
        return;
    const double gain = rms / std::sqrt(sum / static_cast<double>(samples.size()));
    for (double& v : samples)
        v *= gain;
}

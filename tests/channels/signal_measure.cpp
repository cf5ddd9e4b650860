#include "signal_measure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "channels/loopback_output.h"

std::vector<float> Rendered::Channel(int channel, std::size_t from) const
{
    std::vector<float> out;
    for (std::size_t i = from; i < Frames(); ++i) {
        out.push_back(At(i, channel));
    }
    return out;
}

Rendered RenderFrames(int channels, int sampleRate, std::size_t frames)
{
    Rendered rendered;
    rendered.channels = channels;
    rendered.sampleRate = sampleRate;
    rendered.samples.assign(frames * static_cast<std::size_t>(channels), 0.0f);
    RenderLoopback(rendered.samples.data(), frames);
    return rendered;
}

float Peak(const std::vector<float>& signal)
{
    float peak = 0.0f;
    for (const float value : signal) {
        peak = std::max(peak, std::fabs(value));
    }
    return peak;
}

double ZeroCrossingFrequency(const std::vector<float>& signal, int sampleRate)
{
    double first = -1.0;
    double last = -1.0;
    int crossings = 0;
    for (std::size_t i = 1; i < signal.size(); ++i) {
        if (signal[i - 1] < 0.0f && signal[i] >= 0.0f) {
            const double at = static_cast<double>(i - 1) + signal[i - 1] / (signal[i - 1] - signal[i]);
            if (first < 0.0) {
                first = at;
            }
            last = at;
            ++crossings;
        }
    }
    if (crossings < 2) {
        return 0.0;
    }
    return (crossings - 1) * static_cast<double>(sampleRate) / (last - first);
}

double ToneAmplitude(const std::vector<float>& signal, int sampleRate, double frequency)
{
    const std::size_t n = signal.size();
    if (n < 2) {
        return 0.0;
    }
    double re = 0.0;
    double im = 0.0;
    double windowSum = 0.0;
    const double step = 2.0 * std::numbers::pi * frequency / sampleRate;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = 2.0 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(n - 1);
        const double window = 0.35875 - 0.48829 * std::cos(t) + 0.14128 * std::cos(2 * t) - 0.01168 * std::cos(3 * t);
        const double value = signal[i] * window;
        re += value * std::cos(step * static_cast<double>(i));
        im -= value * std::sin(step * static_cast<double>(i));
        windowSum += window;
    }
    return 2.0 * std::sqrt(re * re + im * im) / windowSum;
}

double ToDecibels(double amplitude)
{
    return 20.0 * std::log10(std::max(amplitude, 1e-12));
}

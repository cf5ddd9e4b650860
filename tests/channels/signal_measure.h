#pragma once

#include <cstddef>
#include <vector>

// Measurements on rendered output: interleaved float frames as the
// loopback device produces them.

struct Rendered {
    int channels = 0;
    int sampleRate = 0;
    std::vector<float> samples;  // interleaved

    std::size_t Frames() const { return samples.size() / static_cast<std::size_t>(channels); }
    float At(std::size_t frame, int channel) const { return samples[frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel)]; }
    // One channel from `from` onwards.
    std::vector<float> Channel(int channel, std::size_t from = 0) const;
};

// Renders `frames` frames of the running loopback layer.
Rendered RenderFrames(int channels, int sampleRate, std::size_t frames);

float Peak(const std::vector<float>& signal);

// Frequency from rising zero crossings, interpolated between samples.
double ZeroCrossingFrequency(const std::vector<float>& signal, int sampleRate);

// Amplitude of the component at `frequency` (a full-scale sine gives 1),
// from a Blackman-Harris windowed DFT so that other tones do not leak in.
double ToneAmplitude(const std::vector<float>& signal, int sampleRate, double frequency);

double ToDecibels(double amplitude);

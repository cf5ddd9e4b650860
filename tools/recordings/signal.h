#pragma once

#include <cstddef>
#include <vector>

// A recording while it is being made: one vector of samples per channel, in
// double precision, nominally within [-1, 1]. Every recipe builds its sound
// so that the frame after the last is the first again: the recording loops.
struct Signal {
    std::vector<std::vector<double>> channels;

    static Signal Silent(int channelCount, std::size_t frames)
    {
        return Signal{std::vector<std::vector<double>>(channelCount, std::vector<double>(frames, 0.0))};
    }
    int ChannelCount() const { return static_cast<int>(channels.size()); }
    std::size_t Frames() const { return channels.empty() ? 0 : channels[0].size(); }
};

inline constexpr int SAMPLE_RATE = 44100;

inline std::size_t Seconds(double seconds)
{
    return static_cast<std::size_t>(seconds * SAMPLE_RATE + 0.5);
}

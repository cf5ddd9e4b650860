#include "raw_recording.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <sys/stat.h>

std::optional<double> RecordedSeconds(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return std::nullopt;
    const auto frames = static_cast<std::int64_t>(info.st_size) / RECORDING_FRAME_BYTES;
    return static_cast<double>(frames) / RECORDING_RATE;
}

std::optional<std::vector<double>> ReadMixed(const std::string& path, double from, double to, Mix mix)
{
    const auto seconds = RecordedSeconds(path);
    if (!seconds || !(from >= 0) || !(to > from))
        return std::nullopt;
    const auto total = static_cast<std::int64_t>(std::llround(*seconds * RECORDING_RATE));
    const auto first = std::min(total, static_cast<std::int64_t>(std::llround(from * RECORDING_RATE)));
    const auto last = std::min(total, static_cast<std::int64_t>(std::llround(to * RECORDING_RATE)));
    if (last <= first)
        return std::nullopt;

    std::ifstream file(path, std::ios::binary);
    if (!file.seekg(first * RECORDING_FRAME_BYTES))
        return std::nullopt;
    std::vector<unsigned char> bytes(static_cast<std::size_t>((last - first) * RECORDING_FRAME_BYTES));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    // The writer may be mid-frame at the end; keep the whole frames read.
    const auto framesRead = static_cast<std::size_t>(file.gcount()) / RECORDING_FRAME_BYTES;
    if (framesRead == 0)
        return std::nullopt;

    const auto sample = [&](std::size_t frame, int channel) {
        const unsigned char* at = bytes.data() + frame * RECORDING_FRAME_BYTES + 2 * channel;
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(at[0] | (at[1] << 8))));
    };
    std::vector<double> mixed(framesRead);
    for (std::size_t i = 0; i < framesRead; ++i) {
        const double left = sample(i, 0), right = sample(i, 1);
        mixed[i] = (mix == Mix::Mid ? left + right : left - right) / 2.0 / 32768.0;
    }
    return mixed;
}

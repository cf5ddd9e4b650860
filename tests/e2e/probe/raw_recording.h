#pragma once

#include <optional>
#include <string>
#include <vector>

// The end-to-end sink's recording: raw signed 16-bit little-endian stereo at
// 48000 frames per second, written in real time while the tests run, so a
// position in it is also a moment in time.
inline constexpr int RECORDING_RATE = 48000;
inline constexpr int RECORDING_CHANNELS = 2;
inline constexpr int RECORDING_FRAME_BYTES = 2 * RECORDING_CHANNELS;

// Seconds of sound in the file so far (whole frames only); nothing when the
// file cannot be read.
std::optional<double> RecordedSeconds(const std::string& path);

// How the two channels become one: their mean (what both sides carry), or
// half their difference (what differs between the sides: silence for a
// mono sound placed in the middle).
enum class Mix { Mid, Side };

// The frames between `from` and `to` seconds as one channel, scaled so that
// full scale is 1. The span is cut to what the file holds; nothing when the
// file cannot be read or the span is empty.
std::optional<std::vector<double>> ReadMixed(const std::string& path, double from, double to, Mix mix);

#include "synth/elapsed_clock.h"

#include <chrono>

std::uint32_t ElapsedMilliseconds()
{
    using Clock = std::chrono::steady_clock;
    static Clock::time_point origin;
    static bool started = false;
    // One reading serves as both origin and value, so the first call gives
    // exactly 0 however long the call itself takes.
    const Clock::time_point now = Clock::now();
    if (!started) {
        origin = now;
        started = true;
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - origin);
    return static_cast<std::uint32_t>(elapsed.count());
}

#pragma once

#include <cstdint>

// Milliseconds on a monotonic clock since this function's own first call in
// the run, cut to 32 bits: the first call returns 0. Event thread only.
std::uint32_t ElapsedMilliseconds();

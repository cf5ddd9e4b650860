#include "synth/random_source.h"

#include <sys/random.h>

#include <chrono>

namespace {

// SplitMix64 spreads a 32-bit seed over the 128-bit state. xoshiro must
// never start from all zeros; SplitMix64's outputs are a bijection of its
// counter, so two successive ones are never both zero.
std::uint64_t SplitMix64(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint32_t UnpredictableSeed()
{
    std::uint32_t seed = 0;
    if (getrandom(&seed, sizeof seed, GRND_NONBLOCK) == static_cast<ssize_t>(sizeof seed))
        return seed;
    // No entropy yet (very early boot): the clock and where the stack lies
    // still differ from run to run.
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    const auto place = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&seed));
    std::uint64_t mix = ticks ^ (place << 16);
    return static_cast<std::uint32_t>(SplitMix64(mix));
}

} // namespace

void RandomSource::Reseed(std::uint32_t seed)
{
    std::uint64_t x = seed;
    const std::uint64_t a = SplitMix64(x);
    const std::uint64_t b = SplitMix64(x);
    s[0] = static_cast<std::uint32_t>(a);
    s[1] = static_cast<std::uint32_t>(a >> 32);
    s[2] = static_cast<std::uint32_t>(b);
    s[3] = static_cast<std::uint32_t>(b >> 32);
}

RandomSource& SharedRandomSource()
{
    static RandomSource shared(UnpredictableSeed());
    return shared;
}

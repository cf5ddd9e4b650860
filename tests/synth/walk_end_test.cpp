#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "synth/brown_noise.h"
#include "synth/brownish_noise.h"
#include "synth/generators.h"
#include "synth/random_source.h"
#include "synth/walk_end.h"
#include "tests/synth/patterned_image.h"

// A walk that fills its block before its stopping 0 is cut where it last
// crossed or touched zero, and never writes past the block.

namespace {

TEST(WalkEnd, CutsAtTheLastZeroOrAtTheNearerSideOfTheLastCrossing)
{
    struct Case {
        const char* name;
        std::vector<std::int16_t> samples;
        std::int32_t length;
    };
    const Case cases[] = {
        {"crossing up, later side nearer", {500, -300, -800, 200, 900, 1500}, 4},
        {"crossing up, earlier side nearer", {500, -300, -800, -200, -100, 900, 1500}, 5},
        {"crossing down, earlier side nearer", {-500, 300, 800, 100, -900}, 4},
        {"a zero later than any crossing", {0, 100, -50, -300, 0, 400, 600}, 5},
        {"a crossing later than a zero", {0, 100, -50, -300}, 3},
        {"ends on zero", {300, 200, 0}, 3},
        {"never back to zero", {500, 800, 1200, 700}, 1},
        {"one sample", {700}, 1},
    };
    for (const Case& c : cases) {
        PatternedImage block;
        ASSERT_NE(block.image.bytes, nullptr);
        for (std::size_t i = 0; i < c.samples.size(); ++i)
            StoreSample(block.image, static_cast<std::int32_t>(i), c.samples[i]);
        EXPECT_EQ(EndAtLastZeroCrossing(block.image, static_cast<std::int32_t>(c.samples.size())), c.length)
            << c.name;
    }
}

// The image of a walk cut at its capacity ends at a zero crossing: its last
// sample is 0, or has the opposite sign of a neighbour and is the nearer
// to zero of the two; the samples the walk stored after it neither touch
// nor cross zero. Nothing beyond the capacity is written.
void ExpectCutAtLastCrossing(const PatternedImage& block, std::int32_t n, std::int32_t capacity,
                             const std::string& name)
{
    ASSERT_GE(n, 1) << name;
    ASSERT_LE(n, capacity) << name;
    EXPECT_EQ(block.ReadLE32(40), 2u * n) << name;
    EXPECT_EQ(block.FirstTouchedFrom(WavImageLength(capacity)), WAV_BLOCK_SIZE) << name;
    const auto stored = block.Samples(capacity);
    auto opposite = [](int a, int b) { return (a < 0 && b > 0) || (a > 0 && b < 0); };
    const int last = stored[static_cast<std::size_t>(n - 1)];
    const bool atZero = last == 0;
    const bool beforeNext = n < capacity && opposite(last, stored[static_cast<std::size_t>(n)]) &&
                            std::abs(last) < std::abs(stored[static_cast<std::size_t>(n)]);
    const bool afterPrevious = n >= 2 && opposite(last, stored[static_cast<std::size_t>(n - 2)]) &&
                               std::abs(last) <= std::abs(stored[static_cast<std::size_t>(n - 2)]);
    EXPECT_TRUE(atZero || beforeNext || afterPrevious) << name << ": image ends on " << last;
    for (std::int32_t i = n; i < capacity; ++i)
        ASSERT_NE(stored[static_cast<std::size_t>(i)], 0) << name << " sample " << i;
    // No later pair of neighbours crosses zero.
    const std::int32_t crossingEnd = beforeNext ? n : n - 1;
    for (std::int32_t i = crossingEnd + 1; i < capacity; ++i)
        ASSERT_FALSE(opposite(stored[static_cast<std::size_t>(i - 1)], stored[static_cast<std::size_t>(i)]))
            << name << " sample " << i;
}

TEST(WalkEnd, WalksCutAtASmallCapacityEndOnAZeroCrossing)
{
    constexpr std::int32_t CAPACITY = 50000;   // far below either walk's minimum length
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        for (double coefficient : {BROWN_NOISE_PLAIN, BROWN_NOISE_BASSY}) {
            PatternedImage block;
            ASSERT_NE(block.image.bytes, nullptr);
            RandomSource random(seed);
            const std::int32_t n = WriteBrownNoise(block.image, coefficient, random, CAPACITY);
            ExpectCutAtLastCrossing(block, n, CAPACITY,
                                    "brown " + std::to_string(coefficient) + " seed " + std::to_string(seed));
        }
        PatternedImage block;
        ASSERT_NE(block.image.bytes, nullptr);
        RandomSource random(seed);
        const std::int32_t n = WriteBrownishNoise(block.image, random, CAPACITY);
        ExpectCutAtLastCrossing(block, n, CAPACITY, "brownish seed " + std::to_string(seed));
    }
}

// Sources whose walks never store a 0, so they run into the block's own end.
struct UpperBoundSource {   // every draw its upper bound: the walk swings past +-14000 and back
    std::int32_t Draw(std::int32_t max) { return max; }
    std::int32_t Draw(std::int32_t max, std::int32_t) { return max; }
};
struct AlternatingSource {  // white values +32766, -32768, ...: smoothing swings about +-500
    bool low = false;
    std::int32_t Draw(std::int32_t max) { return Draw(max, 0); }
    std::int32_t Draw(std::int32_t max, std::int32_t min)
    {
        low = !low;
        return low ? min : max;
    }
};

// The real block's capacity: the image is cut inside the block, and a guard
// placed right after the block's 10,000,000 bytes stays untouched.
TEST(WalkEnd, WalksThatFillTheWholeBlockStopAtItsEnd)
{
    constexpr std::size_t GUARD = 4096;
    constexpr std::uint8_t PATTERN = 0x5A;
    struct Case {
        const char* name;
        std::int32_t (*write)(WavImage);
    };
    const Case cases[] = {
        {"brown", [](WavImage image) { UpperBoundSource s; return WriteBrownNoise(image, BROWN_NOISE_PLAIN, s); }},
        {"bassy", [](WavImage image) { UpperBoundSource s; return WriteBrownNoise(image, BROWN_NOISE_BASSY, s); }},
        {"brownish", [](WavImage image) { AlternatingSource s; return WriteBrownishNoise(image, s); }},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> buffer(WAV_BLOCK_SIZE + GUARD, PATTERN);
        const WavImage image{buffer.data()};
        const std::int32_t n = c.write(image);
        ASSERT_GE(n, 1) << c.name;
        ASSERT_LE(n, WAV_CAPACITY) << c.name;
        EXPECT_EQ(std::count(buffer.end() - GUARD, buffer.end(), PATTERN), static_cast<std::ptrdiff_t>(GUARD))
            << c.name;
        // The walk did reach the end of the block: its last sample was stored.
        EXPECT_NE(ReadSample(image, WAV_CAPACITY - 1), static_cast<std::int16_t>(PATTERN * 0x101)) << c.name;
        const std::int16_t last = ReadSample(image, n - 1);
        EXPECT_LE(std::abs(last), 1030) << c.name << " ends on " << last;
    }
}

} // namespace

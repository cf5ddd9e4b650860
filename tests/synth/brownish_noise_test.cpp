#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "synth/brownish_noise.h"
#include "synth/random_source.h"
#include "tests/synth/patterned_image.h"
#include "tests/synth/scripted_source.h"

namespace {

TEST(BrownishNoise, RunsTwentySecondsAndEndsOnItsOwnZero)
{
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        PatternedImage block;
        ASSERT_NE(block.image.bytes, nullptr);
        RandomSource random(seed);
        RandomSource peek = random;
        const std::int32_t firstWhite = 32767 - peek.Draw(65535, 1);

        const std::int32_t n = WriteBrownishNoise(block.image, random);
        ASSERT_GE(n, 882001) << seed;
        const auto samples = block.Samples(n);
        EXPECT_EQ(samples.back(), 0) << seed;
        EXPECT_EQ(samples.front(), std::nearbyint(0.03 * firstWhite)) << seed;
        // Zeros stored within the first twenty seconds did not end it.
        EXPECT_GT(std::count(samples.begin(), samples.begin() + 882000, 0), 0) << seed;
        EXPECT_GE(*std::min_element(samples.begin(), samples.end()), -32766) << seed;
        EXPECT_LE(*std::max_element(samples.begin(), samples.end()), 32766) << seed;
        // No 0 after the twenty seconds until the last sample: it ends on the first.
        EXPECT_EQ(std::count(samples.begin() + 882000, samples.end() - 1, 0), 0) << seed;
    }
}

// Each value is p + (w - p) x 0.03, rounded to nearest, ties to even.
TEST(BrownishNoise, SmoothsEachDrawIntoThePreviousValue)
{
    struct Step {
        std::int32_t white;          // w = 32767 - r
        std::int16_t expected;
    };
    const Step steps[] = {
        {33, 1},           // 0.99
        {51, 2},           // 1 + 1.5 = 2.5, a tie: to even
        {-98, -1},         // 2 - 3
        {-51, -2},         // -1 - 1.5 = -2.5, a tie: to even
        {32766, 981},      // -2 + 983.04, the highest draw
        {-32768, -31},     // 981 - 1012.47, the lowest draw
    };
    ScriptedSource script;
    std::vector<std::int16_t> expected;
    for (const Step& s : steps) {
        script.Add(32767 - s.white, 65535, 1);
        expected.push_back(s.expected);
    }
    PatternedImage block;
    ASSERT_NE(block.image.bytes, nullptr);
    WriteBrownishNoise(block.image, script, 8);
    EXPECT_TRUE(script.mismatches.empty()) << script.mismatches.front();
    EXPECT_EQ(block.Samples(6), expected);
}

TEST(BrownishNoise, SuccessiveImagesDiffer)
{
    PatternedImage a, b;
    ASSERT_NE(a.image.bytes, nullptr);
    ASSERT_NE(b.image.bytes, nullptr);
    RandomSource random(8);
    const std::int32_t n = WriteBrownishNoise(a.image, random);
    const std::int32_t m = WriteBrownishNoise(b.image, random);
    EXPECT_FALSE(n == m && std::memcmp(a.image.bytes, b.image.bytes, WavImageLength(n)) == 0);
}

} // namespace

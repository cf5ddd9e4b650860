#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "synth/random_source.h"
#include "synth/white_noise.h"
#include "tests/synth/patterned_image.h"
#include "tests/synth/scripted_source.h"

namespace {

TEST(WhiteNoise, HoldsExactlyTwentySecondsAndOneSampleOverTheSymmetricRange)
{
    PatternedImage block;
    ASSERT_NE(block.image.bytes, nullptr);
    RandomSource random(5);
    const std::int32_t n = WriteWhiteNoise(block.image, random);
    ASSERT_EQ(n, 882001);
    const auto samples = block.Samples(n);
    for (std::int16_t s : {-32768, -32767, 32767})
        EXPECT_EQ(std::count(samples.begin(), samples.end(), s), 0) << s;
    // Both ends of -32766..32766 occur: the whole range is in use.
    EXPECT_EQ(*std::min_element(samples.begin(), samples.end()), -32766);
    EXPECT_EQ(*std::max_element(samples.begin(), samples.end()), 32766);
}

// Draws from [1, 65535] become 32767 - r; the two that would give -32768
// and -32767 are drawn again rather than stored.
TEST(WhiteNoise, RedrawsTheTwoLowestValues)
{
    ScriptedSource script;
    for (std::int32_t r : {65535, 65534, 1, 32767, 65533, 65535, 2})
        script.Add(r, 65535, 1);
    PatternedImage block;
    ASSERT_NE(block.image.bytes, nullptr);
    ASSERT_EQ(WriteWhiteNoise(block.image, script), 882001);
    EXPECT_TRUE(script.mismatches.empty()) << script.mismatches.front();
    const auto samples = block.Samples(4);
    EXPECT_EQ(samples, (std::vector<std::int16_t>{32766, 0, -32766, 32765}));
}

TEST(WhiteNoise, SuccessiveImagesDifferAsTheSourceRunsOn)
{
    PatternedImage a, b;
    ASSERT_NE(a.image.bytes, nullptr);
    ASSERT_NE(b.image.bytes, nullptr);
    RandomSource random(11);
    const std::int32_t n = WriteWhiteNoise(a.image, random);
    WriteWhiteNoise(b.image, random);
    EXPECT_NE(std::memcmp(a.image.bytes + 44, b.image.bytes + 44, 2 * static_cast<std::size_t>(n)), 0);
}

} // namespace

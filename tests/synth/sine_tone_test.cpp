#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "synth/sine_tone.h"
#include "tests/synth/patterned_image.h"

namespace {

// The tone's value at step k, written out from its definition: single-
// precision 2 pi times f times k over the rate, the sine rounded to single
// precision, scaled and rounded to nearest even.
std::int32_t ToneValue(int hz, int k)
{
    const double angle = static_cast<double>(6.283185f) * hz * k / 44100;
    return static_cast<std::int32_t>(std::nearbyint(28000.0 * static_cast<float>(std::sin(angle))));
}

struct ToneCase {
    int hz;
    std::int16_t first;      // stored sample 0 (step 1)
    std::int16_t last;       // stored sample 44,099 (step 44,100)
    std::int32_t stopping;   // step 44,101: the upward crossing, not stored
};

class SineTone : public ::testing::TestWithParam<ToneCase> {};

TEST_P(SineTone, IsOneSecondFromItsFirstPositiveSampleToJustBeforeAnUpwardCrossing)
{
    const ToneCase c = GetParam();
    PatternedImage block;
    ASSERT_NE(block.image.bytes, nullptr);
    const std::int32_t n = WriteSineTone(block.image, c.hz);
    ASSERT_EQ(n, 44100);

    const auto samples = block.Samples(n);
    EXPECT_EQ(samples.front(), c.first);
    EXPECT_EQ(samples.back(), c.last);
    EXPECT_EQ(ToneValue(c.hz, 44101), c.stopping);
    for (int i = 0; i < n; ++i)
        ASSERT_EQ(samples[static_cast<std::size_t>(i)], ToneValue(c.hz, i + 1)) << "sample " << i;
    EXPECT_EQ(*std::max_element(samples.begin(), samples.end()), 28000);
    EXPECT_EQ(*std::min_element(samples.begin(), samples.end()), -28000);
    // The stopping value is left out: the block after the image is untouched.
    EXPECT_EQ(block.FirstTouchedFrom(WavImageLength(n)), WAV_BLOCK_SIZE);
}

TEST_P(SineTone, TwoRequestsGiveByteIdenticalImages)
{
    PatternedImage a, b;
    ASSERT_NE(a.image.bytes, nullptr);
    ASSERT_NE(b.image.bytes, nullptr);
    const std::int32_t n = WriteSineTone(a.image, GetParam().hz);
    ASSERT_EQ(WriteSineTone(b.image, GetParam().hz), n);
    EXPECT_EQ(std::memcmp(a.image.bytes, b.image.bytes, WavImageLength(n)), 0);
}

// The single-precision constant falls short of 2 pi, so the 440 and 432 Hz
// tones end on -4 where an exact 2 pi would give 0.
INSTANTIATE_TEST_SUITE_P(CatalogueTones, SineTone,
                         ::testing::Values(ToneCase{440, 1754, -4, 1750}, ToneCase{432, 1722, -4, 1719},
                                           ToneCase{46, 184, 0, 183}),
                         [](const auto& info) { return std::to_string(info.param.hz) + "Hz"; });

TEST(SineToneLimits, FrequenciesWithoutAnUpwardCrossingWriteNothing)
{
    for (int hz : {0, -440, TONE_MAX_HZ + 1}) {
        PatternedImage block;
        ASSERT_NE(block.image.bytes, nullptr);
        EXPECT_EQ(WriteSineTone(block.image, hz), 0) << hz;
        EXPECT_EQ(block.FirstTouchedFrom(0), WAV_BLOCK_SIZE) << hz;
    }
}

// The extremes of the accepted range still make a loopable tone of about a
// second: a positive start, a non-positive end. (At 22050 Hz the first
// hundred or so steps round to 0 and are dropped as leading values.)
TEST(SineToneLimits, RangeEndsMakeLoopableTones)
{
    for (int hz : {1, TONE_MAX_HZ}) {
        PatternedImage block;
        ASSERT_NE(block.image.bytes, nullptr);
        const std::int32_t n = WriteSineTone(block.image, hz);
        EXPECT_GT(n, 44100 - 1000) << hz;
        EXPECT_LE(n, 2 * 44100 + 2) << hz;
        EXPECT_GT(ReadSample(block.image, 0), 0) << hz;
        EXPECT_LE(ReadSample(block.image, n - 1), 0) << hz;
    }
}

} // namespace

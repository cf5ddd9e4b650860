#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "synth/random_source.h"

namespace {

constexpr std::int32_t INT_MIN32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t INT_MAX32 = std::numeric_limits<std::int32_t>::max();

TEST(RandomSource, DrawsStayWithinTheirBoundsAndReachBothEnds)
{
    struct Case {
        std::int32_t max, min;
    };
    const Case cases[] = {
        {0, 0}, {5, 5}, {1, 0}, {10, 0}, {200, 0}, {3000, 1500}, {65535, 1}, {-5, -10}, {2, -2},
    };
    RandomSource random(12345);
    for (const Case& c : cases) {
        bool sawMin = false, sawMax = false;
        for (int i = 0; i < 200000; ++i) {
            const std::int32_t v = random.Draw(c.max, c.min);
            ASSERT_GE(v, c.min) << "[" << c.min << ", " << c.max << "]";
            ASSERT_LE(v, c.max) << "[" << c.min << ", " << c.max << "]";
            sawMin |= v == c.min;
            sawMax |= v == c.max;
        }
        EXPECT_TRUE(sawMin && sawMax) << "[" << c.min << ", " << c.max << "]";
    }
}

TEST(RandomSource, BoundsOutOfOrderGiveTheUpperBound)
{
    RandomSource random(1);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(random.Draw(3, 7), 3);
        EXPECT_EQ(random.Draw(-1), -1);   // one bound: [0, max]
        EXPECT_EQ(random.Draw(INT_MIN32, INT_MAX32), INT_MIN32);
    }
}

TEST(RandomSource, FullRangeDrawsCoverNegativeAndPositive)
{
    RandomSource random(3);
    int negative = 0;
    for (int i = 0; i < 10000; ++i)
        negative += random.Draw(INT_MAX32, INT_MIN32) < 0;
    EXPECT_NEAR(negative, 5000, 300);
}

// A chi-square test over the values of a small range: a biased or
// ill-mixed draw shows up as counts far from even.
TEST(RandomSource, SmallRangeIsUniform)
{
    constexpr int VALUES = 201;   // the brown noise's margin draw
    constexpr int DRAWS = VALUES * 5000;
    std::array<int, VALUES> counts{};
    RandomSource random(99);
    for (int i = 0; i < DRAWS; ++i)
        ++counts[static_cast<std::size_t>(random.Draw(VALUES - 1))];
    const double expected = static_cast<double>(DRAWS) / VALUES;
    double chiSquare = 0;
    for (int c : counts)
        chiSquare += (c - expected) * (c - expected) / expected;
    // 200 degrees of freedom: mean 200, standard deviation 20; 320 is six
    // deviations out, a bound a sound generator does not reach.
    EXPECT_LT(chiSquare, 320.0);
}

// A range of 3 x 2^30 values: reducing 32 random bits by remainder would
// make the first 2^30 values twice as likely; multiplying without the
// rejection step would favour every third value. Both show here.
TEST(RandomSource, LargeRangeIsUnbiased)
{
    const std::int32_t min = INT_MIN32;
    const auto max = static_cast<std::int32_t>(static_cast<std::uint32_t>(min) + (3u << 30) - 1u);   // 2^30 - 1
    RandomSource random(2024);
    constexpr int DRAWS = 300000;
    int lowThird = 0;
    std::array<int, 3> residues{};
    for (int i = 0; i < DRAWS; ++i) {
        const std::uint32_t offset = static_cast<std::uint32_t>(random.Draw(max, min)) - static_cast<std::uint32_t>(min);
        ASSERT_LT(offset, 3u << 30);
        lowThird += offset < (1u << 30);
        ++residues[offset % 3];
    }
    // One third each, within about five standard deviations (258).
    EXPECT_NEAR(lowThird, DRAWS / 3, 1300);
    for (int r : residues)
        EXPECT_NEAR(r, DRAWS / 3, 1300);
}

TEST(RandomSource, ReseedingRestartsTheSequence)
{
    RandomSource a(42), b(7);
    std::vector<std::int32_t> first;
    for (int i = 0; i < 64; ++i)
        first.push_back(a.Draw(65535, 1));
    b.Reseed(42);
    a.Reseed(42);
    for (int i = 0; i < 64; ++i) {
        const std::int32_t v = a.Draw(65535, 1);
        EXPECT_EQ(v, first[static_cast<std::size_t>(i)]);
        EXPECT_EQ(b.Draw(65535, 1), v);
    }

    // Neighbouring seeds, 0 among them, give unrelated sequences.
    RandomSource zero(0), one(1);
    int same = 0;
    for (int i = 0; i < 64; ++i)
        same += zero.Draw(65535, 1) == one.Draw(65535, 1);
    EXPECT_LT(same, 3);
}

} // namespace

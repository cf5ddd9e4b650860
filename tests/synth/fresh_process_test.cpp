#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "synth/brown_noise.h"
#include "synth/elapsed_clock.h"
#include "synth/generators.h"
#include "synth/random_source.h"
#include "tests/synth/patterned_image.h"

// What a run does before anything else: the clock's origin, the shared
// source's own seeding, the first brown noise. Each needs a process in which
// neither the clock nor the source has been touched; a "threadsafe" death
// test runs its statement in a freshly started copy of this test program,
// which gives exactly that.

namespace {

class FreshProcess : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(FreshProcess, ClockStartsAtZeroOnItsFirstReadingAndCountsMilliseconds)
{
    EXPECT_EXIT(
        {
            const std::uint32_t first = ElapsedMilliseconds();
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            const std::uint32_t second = ElapsedMilliseconds();
            const std::uint32_t third = ElapsedMilliseconds();
            std::exit(first == 0 && second >= 30 && second < 5000 && third >= second ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(FreshProcess, SharedSourceSeedsItselfDifferentlyInEachRun)
{
    const std::string path = ::testing::TempDir() + "hushmere_synth_first_draws";
    std::string draws[2];
    for (std::string& drawn : draws) {
        std::remove(path.c_str());
        EXPECT_EXIT(
            {
                RandomSource& shared = SharedRandomSource();
                std::ofstream out(path);
                out << shared.NextBits() << ' ' << shared.NextBits();
                out.close();
                std::exit(out ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "");
        std::ifstream in(path);
        std::ostringstream text;
        text << in.rdbuf();
        drawn = text.str();
    }
    std::remove(path.c_str());
    EXPECT_FALSE(draws[0].empty());
    EXPECT_NE(draws[0], draws[1]);
}

// Exit codes: 0 when the run's first walk is the seed-0 walk and a later
// one, seeded from the clock, is not.
int CheckFirstBrownNoise(double coefficient)
{
    PatternedImage first, seedZero, later;
    if (first.image.bytes == nullptr || seedZero.image.bytes == nullptr || later.image.bytes == nullptr)
        return 4;
    const std::int32_t n = WriteBrownNoise(first.image, coefficient);
    RandomSource zero(0);
    if (WriteBrownNoise(seedZero.image, coefficient, zero) != n)
        return 1;
    if (std::memcmp(first.image.bytes, seedZero.image.bytes, WavImageLength(n)) != 0)
        return 2;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const std::int32_t m = WriteBrownNoise(later.image, coefficient);
    if (m == n && std::memcmp(first.image.bytes, later.image.bytes, WavImageLength(n)) == 0)
        return 3;
    return 0;
}

TEST_F(FreshProcess, FirstBrownNoiseOfARunIsTheSameInEveryRun)
{
    for (double coefficient : {BROWN_NOISE_PLAIN, BROWN_NOISE_BASSY})
        EXPECT_EXIT(std::exit(CheckFirstBrownNoise(coefficient)), ::testing::ExitedWithCode(0), "")
            << "coefficient " << coefficient;
}

} // namespace

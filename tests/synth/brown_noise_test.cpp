#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "synth/brown_noise.h"
#include "synth/generators.h"
#include "synth/random_source.h"
#include "tests/synth/patterned_image.h"
#include "tests/synth/scripted_source.h"

namespace {

// Scripts a walk one position at a time, in the walk's draw order: the
// step from [0, limit], a new limit from [1500, 3000] when a turn test
// holds, the jitter from [0, 2000], the margin from [0, 200].
class WalkScript {
public:
    explicit WalkScript(std::int32_t firstLimit) : limit(firstLimit) { source.Add(firstLimit, 1600, 700); }

    void Position(std::int32_t step, std::optional<std::int32_t> newLimit, std::int32_t jitter,
                  std::int32_t margin = 0)
    {
        source.Add(step, limit, 0);
        if (newLimit) {
            source.Add(*newLimit, 3000, 1500);
            limit = *newLimit;
        }
        source.Add(jitter, 2000, 0);
        source.Add(margin, 200, 0);
        ++positions;
    }

    ScriptedSource source;
    std::int32_t positions = 0;

private:
    std::int32_t limit;
};

// Runs a scripted walk that fills its capacity with exactly the scripted
// positions, and returns every position it stored.
std::vector<std::int16_t> StoredPositions(WalkScript& script, double coefficient = BROWN_NOISE_PLAIN)
{
    PatternedImage block;
    if (block.image.bytes == nullptr)
        return {};
    WriteBrownNoise(block.image, coefficient, script.source, script.positions);
    EXPECT_TRUE(script.source.mismatches.empty()) << script.source.mismatches.front();
    EXPECT_EQ(script.source.Used(), script.source.Size());
    return block.Samples(script.positions);
}

TEST(BrownNoise, DriftIsTheStepLessTheStepTimesTheCoefficientRoundedToEven)
{
    struct Case {
        double coefficient;
        std::int32_t drawn;
        std::int16_t drift;
    };
    const Case cases[] = {
        {BROWN_NOISE_PLAIN, 50, 0},    {BROWN_NOISE_PLAIN, 150, 2},   {BROWN_NOISE_PLAIN, 250, 2},   // 2.5: to even
        {BROWN_NOISE_PLAIN, 1600, 16}, {BROWN_NOISE_BASSY, 50, 4},    {BROWN_NOISE_BASSY, 150, 10},  // 10.5: to even
        {BROWN_NOISE_BASSY, 1600, 112}, {BROWN_NOISE_PLAIN, 0, 0},
    };
    for (const Case& c : cases) {
        WalkScript script(1600);
        script.Position(c.drawn, std::nullopt, 1000);   // jitter 0
        EXPECT_EQ(StoredPositions(script, c.coefficient), std::vector<std::int16_t>{c.drift})
            << c.coefficient << " " << c.drawn;
    }
}

// The walk turns only when position plus drift lies strictly beyond
// +-14000; while it stays beyond, a new limit is drawn each time. The
// script's expected bounds show when a limit is drawn, the positions show
// the direction.
TEST(BrownNoise, TurnsStrictlyBeyondTheThresholds)
{
    WalkScript script(1600);
    std::vector<std::int16_t> expected;
    auto expect = [&](std::int32_t x) { expected.push_back(static_cast<std::int16_t>(x)); };

    for (int x = 1000; x <= 13000; x += 1000) {   // climb, no drift
        script.Position(0, std::nullopt, 2000);
        expect(x);
    }
    script.Position(0, std::nullopt, 1990);
    expect(13990);
    script.Position(1000, std::nullopt, 1000);   // 13990 + 10 = 14000: no turn
    expect(14000);
    script.Position(0, std::nullopt, 1001);      // 14000 + 0: no turn; jitter +1
    expect(14001);
    script.Position(0, 3000, 1000);              // 14001: turn down
    expect(14001);
    script.Position(0, 3000, 1500);              // still beyond: new limit; down, so jitter +500 subtracts
    expect(13501);
    for (int x = 12501; x >= -13499; x -= 1000) {   // descend
        script.Position(0, std::nullopt, 2000);
        expect(x);
    }
    script.Position(0, std::nullopt, 1511);
    expect(-14010);
    script.Position(1000, std::nullopt, 1000);   // -14010 + 10 = -14000: no turn, still down
    expect(-14020);
    script.Position(1900, 3000, 1000);           // -14020 + 19 = -14001: turn up
    expect(-14001);
    script.Position(0, 3000, 1000);              // -14001: still beyond, new limit
    expect(-14001);
    script.Position(100, std::nullopt, 1000);    // -14001 + 1 = -14000: no turn
    expect(-14000);

    EXPECT_EQ(StoredPositions(script), expected);
}

// A position is stored only strictly inside +-(32000 - margin); one outside
// is skipped, yet the walk goes on from it.
TEST(BrownNoise, StoresOnlyInsideTheMarginedWindow)
{
    WalkScript script(1600);
    std::vector<std::int16_t> expected;
    for (int x = 1000; x <= 15000; x += 1000) {
        script.Position(0, std::nullopt, 2000);
        expected.push_back(static_cast<std::int16_t>(x));
    }
    // Beyond 14000 the walk heads down and every position draws a new
    // limit; a jitter of 0 then moves it up by 1000.
    for (int x = 16000; x <= 31000; x += 1000) {
        script.Position(0, 1500, 0);
        expected.push_back(static_cast<std::int16_t>(x));
    }
    script.Position(0, 1500, 200, 200);   // 31800 with margin 200: outside
    script.Position(0, 1500, 1000, 199);  // 31800 with margin 199: inside
    expected.push_back(31800);
    script.Position(0, 1500, 900, 0);     // 31900
    expected.push_back(31900);
    script.Position(0, 1500, 900, 0);     // 32000: outside even with no margin
    script.Position(0, 1500, 1001, 0);    // 31999, continuing from 32000
    expected.push_back(31999);

    PatternedImage block;
    ASSERT_NE(block.image.bytes, nullptr);
    const auto capacity = static_cast<std::int32_t>(expected.size());
    WriteBrownNoise(block.image, BROWN_NOISE_PLAIN, script.source, capacity);
    EXPECT_TRUE(script.source.mismatches.empty()) << script.source.mismatches.front();
    EXPECT_EQ(script.source.Used(), script.source.Size());
    EXPECT_EQ(block.Samples(capacity), expected);
}

class BrownNoiseWalk : public ::testing::TestWithParam<double> {};

TEST_P(BrownNoiseWalk, RunsAHundredSecondsInsideTheWindowAndEndsOnItsOwnZero)
{
    for (std::uint32_t seed : {0u, 1u}) {
        PatternedImage block;
        ASSERT_NE(block.image.bytes, nullptr);
        RandomSource random(seed);
        const std::int32_t n = WriteBrownNoise(block.image, GetParam(), random);
        ASSERT_GE(n, 4410001);
        const auto samples = block.Samples(n);
        EXPECT_EQ(samples.back(), 0);
        EXPECT_GE(*std::min_element(samples.begin(), samples.end()), -31999);
        EXPECT_LE(*std::max_element(samples.begin(), samples.end()), 31999);
        // Zeros within the first hundred seconds did not stop it; after
        // them it stops on the first.
        EXPECT_GT(std::count(samples.begin(), samples.begin() + 4410000, 0), 0);
        EXPECT_EQ(std::count(samples.begin() + 4410000, samples.end() - 1, 0), 0);
        EXPECT_EQ(block.ReadLE32(40), 2u * n);
    }
}

INSTANTIATE_TEST_SUITE_P(BothKinds, BrownNoiseWalk, ::testing::Values(BROWN_NOISE_PLAIN, BROWN_NOISE_BASSY),
                         [](const auto& info) { return info.param == BROWN_NOISE_PLAIN ? "Plain" : "Bassy"; });

} // namespace

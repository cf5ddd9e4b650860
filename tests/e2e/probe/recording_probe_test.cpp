// The measures the end-to-end tests judge the program by, on sounds whose
// answers are known: a measure that misreads would pass a broken program.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "raw_recording.h"
#include "signal_measures.h"

namespace {

constexpr int RATE = RECORDING_RATE;

std::vector<double> Make(double seconds, const std::function<double(double)>& at)
{
    std::vector<double> sound(static_cast<std::size_t>(seconds * RATE));
    for (std::size_t i = 0; i < sound.size(); ++i)
        sound[i] = at(static_cast<double>(i) / RATE);
    return sound;
}

double Sine(double hz, double t) { return std::sin(2.0 * std::numbers::pi * hz * t); }

// White noise with the given RMS, the same on every run.
std::vector<double> Noise(double seconds, double rms)
{
    std::mt19937 generator(7);
    std::normal_distribution<double> normal(0.0, rms);
    return Make(seconds, [&](double) { return normal(generator); });
}

std::vector<double> Sum(std::vector<double> a, const std::vector<double>& b)
{
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        a[i] += b[i];
    return a;
}

TEST(ToneMeasures, LevelAndProminenceOfASineInNoise)
{
    const auto sine = Make(2.0, [](double t) { return 0.5 * Sine(880, t); });
    EXPECT_NEAR(ToneLevelDb(sine, RATE, 880), -6.02, 0.1);

    const auto noise = Noise(2.0, 0.05);
    EXPECT_GE(ToneProminenceDb(Sum(sine, noise), RATE, 880), 30.0);
    EXPECT_LT(std::abs(ToneProminenceDb(noise, RATE, 880)), 6.0);
    // A neighbour 120 Hz away is not taken for the tone.
    EXPECT_LT(ToneProminenceDb(Sum(Make(2.0, [](double t) { return 0.5 * Sine(1000, t); }), noise), RATE, 880), 6.0);
}

TEST(ToneMeasures, TakeoverFindsThePitchChange)
{
    const double change = 1.0;
    const auto sound = Sum(Make(2.0, [&](double t) { return 0.4 * (t < change ? Sine(880, t) : Sine(997.73, t)); }),
                           Noise(2.0, 0.02));
    const auto at = ToneTakeover(sound, RATE, 880, 997.73);
    ASSERT_TRUE(at.has_value());
    EXPECT_NEAR(*at, change, 0.015);

    EXPECT_FALSE(ToneTakeover(Make(2.0, [](double t) { return 0.4 * Sine(880, t); }), RATE, 880, 997.73).has_value());
}

// Bursts of 5 ms at the given moments over quiet noise.
std::vector<double> Clicks(double seconds, const std::vector<double>& moments)
{
    return Sum(Make(seconds,
                    [&](double t) {
                        for (const double m : moments)
                            if (t >= m && t < m + 0.005)
                                return 0.5 * Sine(3000, t - m);
                        return 0.0;
                    }),
               Noise(seconds, 0.001));
}

TEST(EnvelopeMeasures, OnsetsNeedTheQuietBeforeThem)
{
    struct Case {
        const char* what;
        std::vector<double> clicks;
        double hold;
        std::vector<double> expected;
    };
    const Case cases[] = {
        {"one a second", {0.5, 1.5, 2.5}, 0.3, {0.5, 1.5, 2.5}},
        {"too soon after the start", {0.1, 1.1}, 0.3, {1.1}},
        {"too soon after another", {0.5, 0.6, 1.5}, 0.3, {0.5, 1.5}},
        {"none", {}, 0.3, {}},
    };
    for (const Case& c : cases) {
        const auto found = Onsets(Clicks(3.0, c.clicks), RATE, -30, c.hold);
        ASSERT_EQ(found.size(), c.expected.size()) << c.what;
        for (std::size_t i = 0; i < found.size(); ++i)
            EXPECT_NEAR(found[i], c.expected[i], 0.003) << c.what;
    }
}

TEST(EnvelopeMeasures, QuietFromIsWhereTheLastSoundEnds)
{
    const auto endsEarly = Make(2.0, [](double t) { return t < 1.234 ? 0.3 * Sine(500, t) : 0.0; });
    EXPECT_NEAR(QuietFrom(endsEarly, RATE, -50), 1.234, 0.003);
    EXPECT_DOUBLE_EQ(QuietFrom(std::vector<double>(RATE, 0.0), RATE, -50), 0.0);
    EXPECT_NEAR(QuietFrom(Make(2.0, [](double t) { return 0.3 * Sine(500, t); }), RATE, -50), 2.0, 1e-9);
    // Below the threshold counts as quiet.
    EXPECT_DOUBLE_EQ(QuietFrom(Make(1.0, [](double t) { return 0.001 * Sine(500, t); }), RATE, -50), 0.0);
}

TEST(BandMeasures, KeepTheBandAndDropTheRest)
{
    struct Case {
        double hz, low, high, expectedDb, tolerance;
    };
    // A full-scale sine has an RMS of -3 dB.
    const Case cases[] = {
        {40, 20, 80, -3.0, 1.0},     // inside the band
        {1000, 20, 80, -90, 30},     // far above it
        {40, 12000, 0, -120, 80},    // far below a high-pass
        {15000, 12000, 0, -3.0, 1.0},
    };
    for (const Case& c : cases) {
        const auto sine = Make(1.0, [&](double t) { return Sine(c.hz, t); });
        auto passed = BandPassed(sine, RATE, c.low, c.high);
        passed.erase(passed.begin(), passed.begin() + RATE / 10);  // the filters' start
        EXPECT_NEAR(RmsDb(passed), c.expectedDb, c.tolerance) << c.hz << " Hz through " << c.low << ".." << c.high;
    }
}

TEST(RawRecording, ReadsTheSpanAsMidOrSide)
{
    // One second: left = right for the first half, left = -right after.
    const std::string path = testing::TempDir() + "recording_probe_test.raw";
    {
        std::ofstream file(path, std::ios::binary);
        for (int i = 0; i < RATE; ++i) {
            const auto left = static_cast<std::int16_t>(i % 200 - 100);
            const auto right = static_cast<std::int16_t>(i < RATE / 2 ? left : -left);
            for (const std::int16_t v : {left, right}) {
                const auto bits = static_cast<std::uint16_t>(v);
                file.put(static_cast<char>(bits & 0xFF)).put(static_cast<char>(bits >> 8));
            }
        }
    }
    ASSERT_EQ(RecordedSeconds(path), 1.0);

    const auto firstMid = ReadMixed(path, 0.0, 0.5, Mix::Mid), firstSide = ReadMixed(path, 0.0, 0.5, Mix::Side);
    const auto secondMid = ReadMixed(path, 0.5, 1.0, Mix::Mid), secondSide = ReadMixed(path, 0.5, 1.0, Mix::Side);
    ASSERT_TRUE(firstMid && firstSide && secondMid && secondSide);
    ASSERT_EQ(firstMid->size(), static_cast<std::size_t>(RATE / 2));
    EXPECT_DOUBLE_EQ((*firstMid)[150], 50.0 / 32768.0);
    EXPECT_LE(RmsDb(*firstSide), -200.0);
    EXPECT_LE(RmsDb(*secondMid), -200.0);
    EXPECT_GT(RmsDb(*secondSide), -60.0);

    // A span past the end is cut to what is there; one wholly past it is nothing.
    const auto tail = ReadMixed(path, 0.9, 5.0, Mix::Mid);
    ASSERT_TRUE(tail);
    EXPECT_EQ(tail->size(), static_cast<std::size_t>(RATE / 10));
    EXPECT_FALSE(ReadMixed(path, 2.0, 3.0, Mix::Mid));
    EXPECT_FALSE(ReadMixed(path + ".missing", 0.0, 1.0, Mix::Mid));
    std::remove(path.c_str());
}

}  // namespace

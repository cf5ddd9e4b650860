#include <cmath>
#include <functional>
#include <iostream>
#include <numeric>

#include <gtest/gtest.h>

#include "app/numbering.h"
#include "channels/loopback_output.h"
#include "signal_measure.h"
#include "sound_fixtures.h"

namespace {

constexpr int OUTPUT_RATE = 48000;
constexpr int OUTPUT_CHANNELS = 2;
// Frames to let the resampler's filter fill before measuring.
constexpr std::size_t SETTLE = 4096;

const SlotNumber ROW1 = RowSlot(1);
const SlotNumber ROW2 = RowSlot(2);

bool Load(SlotNumber slot, const Bytes& block)
{
    return LoadSlotFromMemory(slot, block.data(), block.size());
}

// A tone whose loop holds whole periods, so that the seam is seamless and
// the measured frequency is the tone's own.
Bytes ToneImage(double frequency, int rate, double amplitude, int channels = 1, std::vector<double> gains = {})
{
    const auto periodFrames = static_cast<std::size_t>(rate / std::gcd(rate, static_cast<int>(frequency)));
    const std::size_t frames = periodFrames * ((static_cast<std::size_t>(rate) + periodFrames - 1) / periodFrames);
    return WavImage(SineSamples(frequency, rate, frames, amplitude, channels, std::move(gains)), channels, rate);
}

// Samples without a repeating pattern, so that a frame out of place shows.
std::vector<std::int16_t> NoiseSamples(std::size_t count, std::uint32_t seed)
{
    std::vector<std::int16_t> samples(count);
    for (auto& sample : samples) {
        seed = seed * 1664525u + 1013904223u;
        sample = static_cast<std::int16_t>(static_cast<std::int32_t>(seed >> 16) - 32768);
        sample = static_cast<std::int16_t>(sample / 2);
    }
    return samples;
}

class SoundSlotsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(InitLoopbackSoundOutput(OUTPUT_RATE, OUTPUT_CHANNELS)); }
    void TearDown() override { ShutdownSoundOutput(); }

    static Rendered Render(std::size_t frames) { return RenderFrames(OUTPUT_CHANNELS, OUTPUT_RATE, frames); }
};

struct RateCase {
    int soundRate;
    double tone;  // in the sound, at its own rate
    int hz;       // playback frequency; 0 leaves the sound's own rate
};

TEST_F(SoundSlotsTest, PlaysAtTheFrequencySet)
{
    const RateCase cases[] = {
        {44100, 440.0, 0},      {44100, 440.0, 88200}, {48000, 440.0, 0},     {22050, 440.0, 44100},
        {44100, 8820.0, 100},   {44100, 8820.0, 1000}, {44100, 8820.0, 100000},
    };
    for (const RateCase& c : cases) {
        const int hz = c.hz == 0 ? c.soundRate : c.hz;
        SCOPED_TRACE(::testing::Message() << c.tone << " Hz at " << c.soundRate << " played at " << hz);
        ASSERT_TRUE(Load(ROW1, ToneImage(c.tone, c.soundRate, 16000.0)));
        ASSERT_TRUE(PlaySlotLooped(ROW1, 100));
        if (c.hz != 0) {
            SetSlotFrequency(ROW1, c.hz);
        }
        EXPECT_EQ(InspectSlot(ROW1)->frequency, hz);
        const Rendered out = Render(2 * OUTPUT_RATE);
        const double tone = ZeroCrossingFrequency(out.Channel(0, SETTLE), OUTPUT_RATE);
        // The mixer steps through a sound in 1/4096ths of an output frame, so
        // the rate it consumes frames at is met to within half such a step.
        const double consumed = tone * c.soundRate / c.tone;
        EXPECT_NEAR(consumed, hz, OUTPUT_RATE / 8192.0 + 0.0005 * hz);
        ReleaseSlot(ROW1);
    }
}

struct LevelCase {
    int volume;
    double ratio;  // of full amplitude
};

enum class VolumeRoute { AtPlay, WhilePlaying };

TEST_F(SoundSlotsTest, VolumeScalesEachChannelByTheTable)
{
    const LevelCase levels[] = {
        {100, 1.0}, {75, 0.7499}, {50, 0.4995}, {1, 0.0100}, {0, 0.0}, {150, 1.0}, {-5, 0.0},
    };
    // Left and right at different amplitudes, so that a channel leaking into
    // the other, or a mono sound panned below full level, shows.
    struct SoundCase {
        int channels;
        std::vector<double> gains;
    };
    const SoundCase sounds[] = {{1, {1.0}}, {2, {1.0, 0.5}}};
    constexpr double AMPLITUDE = 29000.0;
    for (const SoundCase& sound : sounds) {
        // 1 kHz at the output's own rate: a peak falls exactly on a frame.
        ASSERT_TRUE(Load(ROW1, ToneImage(1000.0, OUTPUT_RATE, AMPLITUDE, sound.channels, sound.gains)));
        for (const VolumeRoute route : {VolumeRoute::AtPlay, VolumeRoute::WhilePlaying}) {
            for (const LevelCase& level : levels) {
                SCOPED_TRACE(::testing::Message() << sound.channels << " channel(s), volume " << level.volume
                                                  << (route == VolumeRoute::AtPlay ? " at play" : " while playing"));
                if (route == VolumeRoute::AtPlay) {
                    ASSERT_TRUE(PlaySlotLooped(ROW1, level.volume));
                } else {
                    ASSERT_TRUE(PlaySlotLooped(ROW1, 100));
                    Render(2400);
                    SetSlotVolume(ROW1, level.volume);
                }
                Render(2400);
                const Rendered out = Render(4800);
                for (int c = 0; c < OUTPUT_CHANNELS; ++c) {
                    const double gain = sound.channels == 1 ? 1.0 : sound.gains[static_cast<std::size_t>(c)];
                    const double expected = std::round(AMPLITUDE * gain) / 32768.0 * level.ratio;
                    EXPECT_NEAR(Peak(out.Channel(c)), expected, 0.0001 + 0.0005 * expected) << "channel " << c;
                }
                EXPECT_NEAR(InspectSlot(ROW1)->gain, level.ratio, 0.00005);
                EXPECT_EQ(InspectSlot(ROW1)->volume, std::clamp(level.volume, 0, 100));
            }
        }
    }
}

struct SeamCase {
    int soundRate;
    double tone;
    std::size_t frames;  // whole periods
    int hz;
};

TEST_F(SoundSlotsTest, LoopSeamHasNoJump)
{
    const SeamCase cases[] = {
        {48000, 480.0, 1000, 48000},
        {44100, 441.0, 1000, 44100},
        {44100, 441.0, 1000, 88200},
    };
    constexpr double AMPLITUDE = 0.5;
    for (const SeamCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.soundRate << " Hz played at " << c.hz);
        const auto samples = SineSamples(c.tone, c.soundRate, c.frames, AMPLITUDE * 32768.0);
        ASSERT_TRUE(Load(ROW1, WavImage(samples, 1, c.soundRate)));
        ASSERT_TRUE(PlaySlotLooped(ROW1, 100));
        SetSlotFrequency(ROW1, c.hz);
        // One second crosses the seam dozens of times. A smooth sine's second
        // difference is bounded by its curvature; a frame lost, repeated or
        // silenced at the seam breaks that bound many times over.
        const std::vector<float> out = Render(OUTPUT_RATE).Channel(0, SETTLE);
        const double played = c.tone * c.hz / c.soundRate;
        const double step = 2.0 * std::numbers::pi * played / OUTPUT_RATE;
        const double bound = AMPLITUDE * step * step * 1.25 + 0.002;
        double worst = 0.0;
        for (std::size_t i = 1; i + 1 < out.size(); ++i) {
            worst = std::max(worst, std::fabs(double(out[i + 1]) - 2.0 * out[i] + out[i - 1]));
        }
        EXPECT_LT(worst, bound);
        EXPECT_NEAR(Peak(out), AMPLITUDE, 0.01);
    }
}

// Written into the output's own storage or copied in from a block of ours,
// every sample arrives exactly as the image holds it, a mono sound on both
// channels alike.
TEST(FullLevel, AtTheOutputsOwnRateEverySampleArrivesExactly)
{
    const auto left = NoiseSamples(4800, 1);
    const auto right = NoiseSamples(4800, 2);
    std::vector<std::int16_t> stereo;
    for (std::size_t i = 0; i < left.size(); ++i) {
        stereo.push_back(left[i]);
        stereo.push_back(right[i]);
    }
    for (const LoopbackFilling filling : {LoopbackFilling::InPlace, LoopbackFilling::CopiedIn}) {
        const bool inPlace = filling == LoopbackFilling::InPlace;
        SCOPED_TRACE(inPlace ? "written in place" : "copied in");
        ASSERT_TRUE(InitLoopbackSoundOutput(OUTPUT_RATE, OUTPUT_CHANNELS, LoopbackResampler::Best, filling));
        // OpenAL Soft lends its storage on every system this is built for;
        // without it loads would quietly take the slower way.
        EXPECT_EQ(SoundsWrittenInPlace(), inPlace);
        ASSERT_TRUE(Load(ROW1, WavImage(stereo, 2, OUTPUT_RATE)));
        ASSERT_TRUE(Load(ROW2, WavImage(left, 1, OUTPUT_RATE)));
        for (const SlotNumber slot : {ROW1, ROW2}) {
            SCOPED_TRACE(slot);
            ASSERT_TRUE(PlaySlotLooped(slot, 100));
            const Rendered out = RenderFrames(OUTPUT_CHANNELS, OUTPUT_RATE, 9600);
            const bool mono = slot == ROW2;
            for (std::size_t i = 0; i < out.Frames(); ++i) {
                const std::size_t at = i % left.size();
                ASSERT_EQ(out.At(i, 0), left[at] / 32768.0f) << "frame " << i;
                ASSERT_EQ(out.At(i, 1), (mono ? left[at] : right[at]) / 32768.0f) << "frame " << i;
            }
            ReleaseSlot(slot);
        }
        ShutdownSoundOutput();
    }
}

struct FullLevelCase {
    int outputChannels;
    int soundChannels;
};

// Recordings are made at 44100 Hz and most outputs run at 48000 Hz: through
// the resampler too, every channel arrives at its own full level.
TEST(FullLevel, EachChannelArrivesAtItsOwnLevelThroughTheResampler)
{
    const FullLevelCase cases[] = {{2, 1}, {2, 2}, {1, 1}};
    const std::vector<double> amplitudes = {0.9, 0.45};
    for (const FullLevelCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.soundChannels << " channel(s) on " << c.outputChannels);
        ASSERT_TRUE(InitLoopbackSoundOutput(OUTPUT_RATE, c.outputChannels));
        const std::vector<double> gains(amplitudes.begin(), amplitudes.begin() + c.soundChannels);
        const Bytes image = WavImage(SineSamples(1000.0, 44100, 44100, 32768.0, c.soundChannels, gains), c.soundChannels, 44100);
        ASSERT_TRUE(LoadSlotFromMemory(ROW1, image.data(), image.size()));
        ASSERT_TRUE(PlaySlotLooped(ROW1, 100));
        const Rendered out = RenderFrames(c.outputChannels, OUTPUT_RATE, OUTPUT_RATE);
        for (int channel = 0; channel < c.outputChannels; ++channel) {
            const double expected = amplitudes[c.soundChannels == 1 ? 0 : static_cast<std::size_t>(channel)];
            const double gain = ToneAmplitude(out.Channel(channel, SETTLE), OUTPUT_RATE, 1000.0) / expected;
            std::cout << c.soundChannels << "-channel sound on a " << c.outputChannels << "-channel output, channel "
                      << channel << ": gain " << ToDecibels(gain) << " dB at volume 100\n";
            EXPECT_NEAR(gain, 1.0, 0.002) << "channel " << channel;
        }
        ShutdownSoundOutput();
    }
}

TEST_F(SoundSlotsTest, PlayOnAPlayingSlotRestartsFromTheFirstFrameAtTheNewVolume)
{
    ASSERT_TRUE(Load(ROW1, WavImage(NoiseSamples(24000, 3), 1, 44100)));
    ASSERT_TRUE(PlaySlotLooped(ROW1, 100));
    const Rendered first = Render(2400);
    Render(7000);
    ASSERT_TRUE(PlaySlotLooped(ROW1, 50));
    const Rendered again = Render(2400);
    for (std::size_t i = 0; i < first.Frames(); ++i) {
        ASSERT_NEAR(again.At(i, 0), first.At(i, 0) * 0.4995f, 0.0002) << "frame " << i;
    }
}

TEST_F(SoundSlotsTest, ReleaseSilencesAtOnceAndEmptiesTheSlot)
{
    ASSERT_TRUE(Load(ROW1, ToneImage(440.0, 44100, 20000.0)));
    ASSERT_TRUE(PlaySlotLooped(ROW1, 100));
    ASSERT_GT(Peak(Render(1000).Channel(0)), 0.5f);
    ReleaseSlot(ROW1);
    EXPECT_EQ(Peak(Render(2400).samples), 0.0f);
    EXPECT_FALSE(InspectSlot(ROW1));
    EXPECT_FALSE(SlotIsLoaded(ROW1));
    EXPECT_FALSE(PlaySlotLooped(ROW1, 100));
}

TEST_F(SoundSlotsTest, OperationsOnAnEmptySlotDoNothing)
{
    const std::pair<const char*, std::function<void()>> operations[] = {
        {"play", [] { EXPECT_FALSE(PlaySlotLooped(ROW2, 100)); }},
        {"frequency", [] { SetSlotFrequency(ROW2, 20000); }},
        {"volume", [] { SetSlotVolume(ROW2, 5); }},
        {"release", [] { ReleaseSlot(ROW2); }},
    };
    // Idle output: an empty slot must not wake it.
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        operation();
        EXPECT_FALSE(InspectSlot(ROW2));
        EXPECT_TRUE(OutputIsPaused());
    }
    // Beside a playing slot: that one is untouched.
    ASSERT_TRUE(Load(ROW1, ToneImage(440.0, 44100, 20000.0)));
    ASSERT_TRUE(PlaySlotLooped(ROW1, 50));
    SetSlotFrequency(ROW1, 22050);
    const SlotInfo before = *InspectSlot(ROW1);
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        operation();
        EXPECT_FALSE(InspectSlot(ROW2));
        const SlotInfo after = *InspectSlot(ROW1);
        EXPECT_EQ(after.frequency, before.frequency);
        EXPECT_EQ(after.volume, before.volume);
        EXPECT_TRUE(after.playing);
    }
    const std::vector<float> out = Render(2 * OUTPUT_RATE).Channel(0, SETTLE);
    EXPECT_NEAR(ZeroCrossingFrequency(out, OUTPUT_RATE), 220.0, 0.5);
    EXPECT_NEAR(Peak(out), 20000.0 / 32768.0 * 0.4995, 0.002);
}

TEST_F(SoundSlotsTest, FailedLoadLeavesTheSlotAsItWas)
{
    const Bytes refused[] = {
        Bytes(1000, 0x55),                                                         // neither RIFF nor Ogg
        RiffImage({{"fmt ", FormatRecord(1, 1, 44100, 16, 2), std::nullopt}}),      // no "data"
        RiffImage({{"fmt ", FormatRecord(3, 1, 44100, 32, 4), std::nullopt}, {"data", Bytes(400, 0), std::nullopt}}),
        Bytes{'O', 'g', 'g', 'S', 0, 2, 0, 0},                                     // a stream cut short
    };
    ASSERT_TRUE(Load(ROW1, ToneImage(440.0, 44100, 20000.0)));
    ASSERT_TRUE(PlaySlotLooped(ROW1, 100));
    const SlotInfo before = *InspectSlot(ROW1);
    for (const Bytes& block : refused) {
        SCOPED_TRACE(block.size());
        EXPECT_FALSE(Load(ROW1, block));
        EXPECT_FALSE(Load(ROW2, block));
    }
    EXPECT_FALSE(LoadSlotFromMemory(ROW1, nullptr, 100));
    const Bytes valid = ToneImage(880.0, 44100, 20000.0);
    EXPECT_FALSE(LoadSlotFromMemory(ROW1, valid.data(), 0));

    EXPECT_FALSE(InspectSlot(ROW2));
    const SlotInfo after = *InspectSlot(ROW1);
    EXPECT_EQ(after.frames, before.frames);
    EXPECT_TRUE(after.playing);
    const std::vector<float> out = Render(OUTPUT_RATE).Channel(0, SETTLE);
    EXPECT_NEAR(ZeroCrossingFrequency(out, OUTPUT_RATE), 440.0, 0.5);
    EXPECT_NEAR(Peak(out), 20000.0 / 32768.0, 0.002);
}

TEST_F(SoundSlotsTest, LoadIntoAPlayingSlotSilencesItAndLeavesTheNewSoundStopped)
{
    ASSERT_TRUE(Load(ROW1, ToneImage(440.0, 44100, 20000.0)));
    ASSERT_TRUE(PlaySlotLooped(ROW1, 30));
    SetSlotFrequency(ROW1, 88200);
    ASSERT_TRUE(Load(ROW1, ToneImage(300.0, 22050, 10000.0, 2)));

    EXPECT_EQ(Peak(Render(2400).samples), 0.0f);
    const SlotInfo info = *InspectSlot(ROW1);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.sampleRate, 22050);
    EXPECT_EQ(info.frequency, 22050);
    EXPECT_EQ(info.volume, 100);
    EXPECT_EQ(info.gain, 1.0f);
    EXPECT_FALSE(info.playing);
    EXPECT_TRUE(OutputIsPaused());

    // Played, the new sound starts at its own rate.
    ASSERT_TRUE(PlaySlotLooped(ROW1, 100));
    const std::vector<float> out = Render(OUTPUT_RATE).Channel(1, SETTLE);
    EXPECT_NEAR(ZeroCrossingFrequency(out, OUTPUT_RATE), 300.0, 0.5);
    EXPECT_NEAR(Peak(out), 10000.0 / 32768.0, 0.002);
}

TEST_F(SoundSlotsTest, OutputRestsWhileNothingPlays)
{
    const Bytes tone = ToneImage(440.0, 44100, 20000.0);
    EXPECT_TRUE(OutputIsPaused());
    ASSERT_TRUE(Load(ROW1, tone));
    ASSERT_TRUE(Load(ROW2, tone));
    EXPECT_TRUE(OutputIsPaused());
    ASSERT_TRUE(PlaySlotLooped(ROW1, 100));
    EXPECT_FALSE(OutputIsPaused());
    ASSERT_TRUE(PlaySlotLooped(ROW2, 100));
    ReleaseSlot(ROW1);
    EXPECT_FALSE(OutputIsPaused());
    ReleaseSlot(ROW2);
    EXPECT_TRUE(OutputIsPaused());

    ASSERT_TRUE(Load(ROW1, tone));
    ASSERT_TRUE(PlaySlotLooped(ROW1, 100));
    EXPECT_FALSE(OutputIsPaused());
    ASSERT_TRUE(Load(ROW1, tone));  // replaces the playing sound with a stopped one
    EXPECT_TRUE(OutputIsPaused());
    // Paused or not, the loopback device still renders what plays.
    ASSERT_TRUE(PlaySlotLooped(ROW1, 100));
    EXPECT_GT(Peak(Render(4800).Channel(0)), 0.5f);
}

} // namespace

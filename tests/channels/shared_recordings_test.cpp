#include <cmath>
#include <cstring>
#include <numbers>

#include <gtest/gtest.h>

#include "app/numbering.h"
#include "channels/loopback_output.h"
#include "signal_measure.h"
#include "sound_fixtures.h"

namespace {

constexpr int OUTPUT_RATE = 48000;
constexpr std::size_t SETTLE = 4096;

Bytes ToneStream(double frequency, std::size_t frames)
{
    std::vector<float> samples(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        samples[i] = static_cast<float>(0.5 * std::sin(2.0 * std::numbers::pi * frequency * static_cast<double>(i) / 44100.0));
    }
    return EncodeOggVorbis(samples, 1, 44100);
}

class SharedRecordingsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(InitLoopbackSoundOutput(OUTPUT_RATE, 2)); }
    void TearDown() override { ShutdownSoundOutput(); }
};

TEST_F(SharedRecordingsTest, SlotsLoadedFromOneBlockShareOneCopyAndPlayIndependently)
{
    const Bytes recording = ToneStream(441.0, 88200);
    for (int row = 1; row <= ROW_COUNT; ++row) {
        ASSERT_TRUE(LoadSlotFromMemory(RowSlot(row), recording.data(), recording.size()));
    }
    EXPECT_EQ(DecodedSoundCount(), 1u);

    // Row 1 at its own rate and full level, row 2 an octave up at half level.
    ASSERT_TRUE(PlaySlotLooped(RowSlot(1), 100));
    ASSERT_TRUE(PlaySlotLooped(RowSlot(2), 50));
    SetSlotFrequency(RowSlot(2), 88200);
    std::vector<float> out = RenderFrames(2, OUTPUT_RATE, OUTPUT_RATE).Channel(0, SETTLE);
    EXPECT_NEAR(ToneAmplitude(out, OUTPUT_RATE, 441.0), 0.5, 0.02);
    EXPECT_NEAR(ToneAmplitude(out, OUTPUT_RATE, 882.0), 0.5 * 0.4995, 0.02);

    // Row 3 starts later, at its own position: row 1's release leaves rows 2
    // and 3 playing, and the copy stays as long as any slot holds it.
    ASSERT_TRUE(PlaySlotLooped(RowSlot(3), 100));
    SetSlotFrequency(RowSlot(3), 22050);
    ReleaseSlot(RowSlot(1));
    out = RenderFrames(2, OUTPUT_RATE, OUTPUT_RATE).Channel(0, SETTLE);
    EXPECT_LT(ToneAmplitude(out, OUTPUT_RATE, 441.0), 0.001);
    EXPECT_NEAR(ToneAmplitude(out, OUTPUT_RATE, 882.0), 0.5 * 0.4995, 0.02);
    EXPECT_NEAR(ToneAmplitude(out, OUTPUT_RATE, 220.5), 0.5, 0.02);
    EXPECT_EQ(DecodedSoundCount(), 1u);

    for (int row = 2; row <= ROW_COUNT; ++row) {
        ReleaseSlot(RowSlot(row));
    }
    EXPECT_EQ(DecodedSoundCount(), 0u);
}

TEST_F(SharedRecordingsTest, OtherBytesAtTheSameAddressAreAnotherRecording)
{
    Bytes first = ToneStream(441.0, 44100);
    Bytes second = ToneStream(882.0, 44100);
    // Same length, so that only the content tells them apart; bytes after
    // a stream's last page are ignored by the decoder.
    const std::size_t length = std::max(first.size(), second.size());
    first.resize(length, 0);
    second.resize(length, 0);

    Bytes block = first;
    ASSERT_TRUE(LoadSlotFromMemory(RowSlot(1), block.data(), block.size()));
    std::memcpy(block.data(), second.data(), length);
    ASSERT_TRUE(LoadSlotFromMemory(RowSlot(2), block.data(), block.size()));
    EXPECT_EQ(DecodedSoundCount(), 2u);

    ASSERT_TRUE(PlaySlotLooped(RowSlot(2), 100));
    const std::vector<float> out = RenderFrames(2, OUTPUT_RATE, OUTPUT_RATE).Channel(0, SETTLE);
    EXPECT_NEAR(ToneAmplitude(out, OUTPUT_RATE, 882.0), 0.5, 0.02);
    EXPECT_LT(ToneAmplitude(out, OUTPUT_RATE, 441.0), 0.001);
}

} // namespace

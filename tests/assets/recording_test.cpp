#include <algorithm>
#include <cstddef>
#include <iterator>
#include <vector>
#include <optional>

#include <gtest/gtest.h>

#include "app/numbering.h"
#include "assets/assets.h"
#include "channels/loopback_output.h"
#include "channels/sound_slots.h"
#include "decoded_measure.h"
#include "ogg_pages.h"

namespace {

constexpr int RATE = 44100;
constexpr std::size_t SECOND = RATE;

struct RecordingCase {
    const char* name;
    Recording recording;
    int channels;
    std::size_t minFrames, maxFrames;  // equal where the length is the point
    bool reminder = false;             // a chime, then digital silence
};

void PrintTo(const RecordingCase& c, std::ostream* out) { *out << c.name; }

// The lengths bound what each recording is for: the clocks beat once (or
// twice) a second, the reminders come at exactly their period, the alarm
// rings 5 to 10 s per loop, the masking noise runs about a minute.
const RecordingCase RECORDINGS[] = {
    {"ClockTicking", Recording::ClockTicking, 1, 2 * SECOND, 2 * SECOND},
    {"ClockTickingFast", Recording::ClockTickingFast, 1, SECOND, SECOND},
    {"CrtTvStatic", Recording::CrtTvStatic, 1, 5 * SECOND, 15 * SECOND},
    {"LowStatic", Recording::LowStatic, 1, 5 * SECOND, 15 * SECOND},
    {"Static", Recording::Static, 1, 5 * SECOND, 15 * SECOND},
    {"GentleStatic", Recording::GentleStatic, 1, 5 * SECOND, 15 * SECOND},
    {"IndustrialFan", Recording::IndustrialFan, 1, 5 * SECOND, 15 * SECOND},
    {"FastSteelFan", Recording::FastSteelFan, 2, 5 * SECOND, 15 * SECOND},
    {"WaterfallishStatic", Recording::WaterfallishStatic, 1, 5 * SECOND, 15 * SECOND},
    {"SpaceNoise", Recording::SpaceNoise, 1, 5 * SECOND, 15 * SECOND},
    {"EveryoneShutUp", Recording::EveryoneShutUp, 1, 50 * SECOND, 70 * SECOND},
    {"SpaceBreeze", Recording::SpaceBreeze, 2, 20 * SECOND, 40 * SECOND},
    {"NeatReminder30Seconds", Recording::NeatReminder30Seconds, 2, 1'323'000, 1'323'000, true},
    {"NeatReminder1Minute", Recording::NeatReminder1Minute, 2, 2'646'000, 2'646'000, true},
    {"NeatReminder2Minutes", Recording::NeatReminder2Minutes, 2, 5'292'000, 5'292'000, true},
    {"NeatReminder5Minutes", Recording::NeatReminder5Minutes, 2, 13'230'000, 13'230'000, true},
    {"Alarm", Recording::Alarm, 1, 5 * SECOND, 10 * SECOND},
};

// -1 dBFS of 16-bit full scale, rounded down.
constexpr int CEILING = 29204;

class RecordingTest : public testing::TestWithParam<RecordingCase> {
protected:
    EmbeddedBlock Block() const { return EmbeddedRecording(GetParam().recording); }
};

TEST_P(RecordingTest, IsOneCompleteOggStreamOfTheRightLength)
{
    const OggShape shape = ReadOggShape(Block());
    ASSERT_TRUE(shape.problem.empty()) << shape.problem;
    ASSERT_GT(shape.pages, 0);
    EXPECT_EQ(shape.serialNumbers, 1);
    EXPECT_TRUE(shape.firstPageOpens);
    EXPECT_TRUE(shape.onlyFirstPageOpens);
    EXPECT_EQ(shape.firstGranule, 0);
    EXPECT_TRUE(shape.lastPageCloses);
    EXPECT_TRUE(shape.onlyLastPageCloses);
    EXPECT_GE(shape.lastGranule, static_cast<std::int64_t>(GetParam().minFrames));
    EXPECT_LE(shape.lastGranule, static_cast<std::int64_t>(GetParam().maxFrames));
}

TEST_P(RecordingTest, LoadsThroughTheSoundLayerAsChannelsTimesFramesTimesTwoBytes)
{
    ASSERT_TRUE(InitLoopbackSoundOutput(RATE, 2)) << "the sound layer's loopback output is unavailable";
    const SlotNumber slot = RowSlot(1);
    const EmbeddedBlock block = Block();
    ASSERT_TRUE(LoadSlotFromMemory(slot, block.data(), block.size()));
    const std::optional<SlotInfo> info = InspectSlot(slot);
    ReleaseSlot(slot);
    ASSERT_TRUE(info.has_value());
    const auto frames = static_cast<std::size_t>(ReadOggShape(block).lastGranule);
    EXPECT_EQ(info->channels, GetParam().channels);
    EXPECT_EQ(info->sampleRate, RATE);
    EXPECT_EQ(info->frames, frames);
    EXPECT_EQ(info->bytes, static_cast<std::size_t>(GetParam().channels) * frames * 2);
}

TEST_P(RecordingTest, LoopsWithoutAClickAndPeaksBelowMinusOneDbfs)
{
    const std::optional<DecodedMeasure> m = DecodeAndMeasure(Block());
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->channels, GetParam().channels);
    EXPECT_EQ(m->sampleRate, RATE);
    EXPECT_EQ(static_cast<std::int64_t>(m->frames), ReadOggShape(Block()).lastGranule);
    EXPECT_GT(m->peak, 0) << "silent recording";
    EXPECT_LE(m->peak, CEILING);
    EXPECT_LE(m->seamStep, m->largestStep) << "the step from the last frame to the first is a click";
}

INSTANTIATE_TEST_SUITE_P(Embedded, RecordingTest, testing::ValuesIn(RECORDINGS),
                         [](const testing::TestParamInfo<RecordingCase>& info) { return info.param.name; });

// A reminder's loop is one short chime and then exact zeros, so that what
// the listener hears is the chime once per period and nothing between.
class ReminderTest : public RecordingTest {};

TEST_P(ReminderTest, IsAChimeAtTheStartThenDigitalSilence)
{
    const std::optional<DecodedMeasure> m = DecodeAndMeasure(Block());
    ASSERT_TRUE(m.has_value());
    EXPECT_GT(m->soundingFrames, SECOND / 10);
    EXPECT_LE(m->soundingFrames, SECOND);
}

INSTANTIATE_TEST_SUITE_P(Embedded, ReminderTest,
                         testing::ValuesIn([] {
                             std::vector<RecordingCase> reminders;
                             std::copy_if(std::begin(RECORDINGS), std::end(RECORDINGS), std::back_inserter(reminders),
                                          [](const RecordingCase& c) { return c.reminder; });
                             return reminders;
                         }()),
                         [](const testing::TestParamInfo<RecordingCase>& info) { return info.param.name; });

TEST(RecordingBudgetTest, AllRecordingsTogetherStayUnderFourMegabytes)
{
    std::size_t total = 0;
    for (const RecordingCase& c : RECORDINGS)
        total += EmbeddedRecording(c.recording).size();
    EXPECT_LT(total, 4'000'000u);
}

}  // namespace

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/assets.h"
#include "channels/catalogue.h"
#include "channels/loopback_output.h"
#include "channels/sound_slots.h"

namespace {

constexpr SlotNumber SLOT = 40;
constexpr SlotNumber OTHER_SLOT = 41;
constexpr int RENDER_RATE = 48000;

struct RecordingCase {
    std::u16string_view name;
    Recording recording;
    int channels;
};

class RecordingEntryTest : public testing::TestWithParam<RecordingCase> {
protected:
    void TearDown() override
    {
        ReleaseSlot(SLOT);
        ReleaseSlot(OTHER_SLOT);
    }
};

// Loading the same embedded block twice shares one decoded copy, so the count
// of decoded sounds tells whether the name loaded exactly that recording.
TEST_P(RecordingEntryTest, NameLoadsItsOwnRecording)
{
    const RecordingCase& c = GetParam();
    LoadCatalogueSound(SLOT, c.name);
    const std::optional<SlotInfo> loaded = InspectSlot(SLOT);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->channels, c.channels);
    EXPECT_EQ(loaded->sampleRate, 44100);

    const std::size_t decoded = DecodedSoundCount();
    const EmbeddedBlock block = EmbeddedRecording(c.recording);
    ASSERT_TRUE(LoadSlotFromMemory(OTHER_SLOT, block.data(), block.size()));
    EXPECT_EQ(DecodedSoundCount(), decoded) << "the name loaded another recording";
    EXPECT_EQ(InspectSlot(OTHER_SLOT)->frames, loaded->frames);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, RecordingEntryTest, testing::Values(
    RecordingCase{u"Clock Ticking", Recording::ClockTicking, 1},
    RecordingCase{u"Clock Ticking Fast", Recording::ClockTickingFast, 1},
    RecordingCase{u"CRT TV Static", Recording::CrtTvStatic, 1},
    RecordingCase{u"Low Static", Recording::LowStatic, 1},
    RecordingCase{u"Static", Recording::Static, 1},
    RecordingCase{u"Gentle Static", Recording::GentleStatic, 1},
    RecordingCase{u"Industrial Fan", Recording::IndustrialFan, 1},
    RecordingCase{u"Fast Steel Fan", Recording::FastSteelFan, 2},
    RecordingCase{u"Waterfallish Static", Recording::WaterfallishStatic, 1},
    RecordingCase{u"Space Noise", Recording::SpaceNoise, 1},
    RecordingCase{u"Everyone Shut Up", Recording::EveryoneShutUp, 1},
    RecordingCase{u"Space Breeze", Recording::SpaceBreeze, 2},
    RecordingCase{u"NEAT Reminder (30 seconds)", Recording::NeatReminder30Seconds, 2},
    RecordingCase{u"NEAT Reminder (1 minute)", Recording::NeatReminder1Minute, 2},
    RecordingCase{u"NEAT Reminder (2 minutes)", Recording::NeatReminder2Minutes, 2},
    RecordingCase{u"NEAT Reminder (5 minutes)", Recording::NeatReminder5Minutes, 2}));

// Upward zero crossings per second of the first channel of a render.
double MeasuredFrequency(SlotNumber slot)
{
    const std::size_t frames = RENDER_RATE;
    std::vector<float> mix(frames * 2);
    PlaySlotLooped(slot, 100);
    RenderLoopback(mix.data(), frames);
    int crossings = 0;
    for (std::size_t i = 1; i < frames; ++i)
        crossings += mix[2 * (i - 1)] <= 0.0f && mix[2 * i] > 0.0f;
    return crossings;
}

struct GeneratedCase {
    std::u16string_view name;
    std::size_t minimumFrames;
    std::size_t maximumFrames;
    int toneHz;  // 0 for noises
};

class GeneratedEntryTest : public testing::TestWithParam<GeneratedCase> {
protected:
    void TearDown() override { ReleaseSlot(SLOT); }
};

TEST_P(GeneratedEntryTest, NameGeneratesItsOwnSound)
{
    const GeneratedCase& c = GetParam();
    LoadCatalogueSound(SLOT, c.name);
    const std::optional<SlotInfo> loaded = InspectSlot(SLOT);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->channels, 1);
    EXPECT_EQ(loaded->sampleRate, 44100);
    EXPECT_GE(loaded->frames, c.minimumFrames);
    EXPECT_LE(loaded->frames, c.maximumFrames);
    if (c.toneHz > 0) {
        EXPECT_NEAR(MeasuredFrequency(SLOT), c.toneHz, 1.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, GeneratedEntryTest, testing::Values(
    GeneratedCase{u"Generate Brown Noise", 4410001, 4999978, 0},
    GeneratedCase{u"Generate Brown Noise (Bassy)", 4410001, 4999978, 0},
    GeneratedCase{u"Generate Brownish/White Noise", 882001, 4999978, 0},
    GeneratedCase{u"Generate Absolute Random White Noise", 882001, 882001, 0},
    GeneratedCase{u"Generate 440Hz Sine Wave", 44100, 44100, 440},
    GeneratedCase{u"Generate 432Hz Sine Wave", 44100, 44100, 432},
    GeneratedCase{u"Generate 46Hz Sine Wave", 44100, 44100, 46}));

class UnknownNameTest : public testing::TestWithParam<std::u16string_view> {};

TEST_P(UnknownNameTest, LoadsNothingAndKeepsTheSlot)
{
    LoadCatalogueSound(SLOT, GetParam());
    EXPECT_FALSE(InspectSlot(SLOT).has_value());

    // A sound already there stays.
    LoadCatalogueSound(SLOT, u"Generate 46Hz Sine Wave");
    LoadCatalogueSound(SLOT, GetParam());
    const std::optional<SlotInfo> kept = InspectSlot(SLOT);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->frames, 44100u);
    ReleaseSlot(SLOT);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, UnknownNameTest, testing::Values(
    u"", u"static", u"STATIC", u"Static ", u" Static", u"Stat", u"Clock ticking",
    u"generate brown noise", u"Generate Brown Noise ", u"Generate  Brown Noise",
    u"NEAT Reminder (30 seconds) ", u"Space Noise\n"));

}  // namespace

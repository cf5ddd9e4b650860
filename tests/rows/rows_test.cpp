#include <algorithm>
#include <cmath>
#include <vector>

#include <QWidget>

#include "rows_fixture.h"
#include "toolkit/widget_access.h"

namespace {

constexpr std::size_t RENDER_FRAMES = 24000;

std::vector<float> Render(std::size_t frames)
{
    std::vector<float> mix(frames * 2);
    RenderLoopback(mix.data(), frames);
    return mix;
}

using RowsTest = RowsFixture;

TEST_F(RowsTest, PlayShowsPlayingAndStopReturnsToIdle)
{
    Choose(1, u"Clock Ticking");
    PlayPressed(1);
    EXPECT_EQ(RowPlaying[1], 1);
    EXPECT_EQ(ControlPicture(RowPlayButton(1)), PICTURE_PLAYING);
    const auto playing = InspectSlot(RowSlot(1));
    ASSERT_TRUE(playing.has_value());
    EXPECT_TRUE(playing->playing);
    EXPECT_EQ(playing->frequency, 44100);
    EXPECT_EQ(playing->volume, 100);
    EXPECT_EQ(ControlWidget(RowPlayButton(1))->accessibleDescription(), "Playing");

    StopPressed(1);
    EXPECT_EQ(RowPlaying[1], 0);
    EXPECT_EQ(ControlPicture(RowPlayButton(1)), PICTURE_PLAY);
    EXPECT_EQ(ControlWidget(RowPlayButton(1))->accessibleDescription(), "");
    EXPECT_FALSE(InspectSlot(RowSlot(1)).has_value());
}

TEST_F(RowsTest, StopOnAnIdleRowOnlyResetsThePicture)
{
    SetControlPicture(RowPlayButton(2), PICTURE_PLAYING);
    StopPressed(2);
    EXPECT_EQ(ControlPicture(RowPlayButton(2)), PICTURE_PLAY);
    EXPECT_EQ(RowPlaying[2], 0);
    EXPECT_FALSE(InspectSlot(RowSlot(2)).has_value());
}

TEST_F(RowsTest, PlayTwiceRestartsFromTheFirstFrame)
{
    Choose(1, u"Clock Ticking");
    PlayPressed(1);
    const std::vector<float> first = Render(RENDER_FRAMES);
    Render(RENDER_FRAMES / 3);
    PlayPressed(1);
    const std::vector<float> again = Render(RENDER_FRAMES);
    EXPECT_EQ(first, again);
    EXPECT_GT(*std::max_element(first.begin(), first.end()), 0.01f) << "nothing audible";
}

TEST_F(RowsTest, NewSelectionKeepsTheOldSoundUntilTheNextPlay)
{
    Choose(1, u"Generate 440Hz Sine Wave");
    MoveRate(1, 882);
    PlayPressed(1);
    ASSERT_EQ(InspectSlot(RowSlot(1))->frequency, 88200);

    Choose(1, u"Clock Ticking");
    EXPECT_EQ(ControlState(RowRate(1)), RATE_DEFAULT);
    const auto old = InspectSlot(RowSlot(1));
    ASSERT_TRUE(old.has_value());
    EXPECT_EQ(old->frequency, 88200);
    EXPECT_EQ(old->frames, 44100u);
    EXPECT_TRUE(old->playing);

    PlayPressed(1);
    const auto fresh = InspectSlot(RowSlot(1));
    ASSERT_TRUE(fresh.has_value());
    EXPECT_EQ(fresh->frequency, 44100);
    EXPECT_NE(fresh->frames, 44100u);
}

TEST_F(RowsTest, IdleRowTakesRateAndVolumeAtTheNextPlay)
{
    MoveRate(3, 1000);
    MoveVolume(3, 1);
    EXPECT_FALSE(InspectSlot(RowSlot(3)).has_value());

    Choose(3, u"Generate 440Hz Sine Wave");
    MoveRate(3, 1000);
    PlayPressed(3);
    const auto slot = InspectSlot(RowSlot(3));
    ASSERT_TRUE(slot.has_value());
    EXPECT_EQ(slot->frequency, 100000);
    EXPECT_EQ(slot->volume, 1);
    EXPECT_NEAR(20.0 * std::log10(slot->gain), -40.0, 0.01);
}

TEST_F(RowsTest, FiveRowsPlayOneRecordingIndependently)
{
    for (int r = 1; r <= ROW_COUNT; ++r) {
        Choose(r, u"Clock Ticking");
        MoveRate(r, 400 + r);
        MoveVolume(r, 10 * r);
        PlayPressed(r);
    }
    EXPECT_EQ(DecodedSoundCount(), 1u);
    for (int r = 1; r <= ROW_COUNT; ++r) {
        const auto slot = InspectSlot(RowSlot(r));
        ASSERT_TRUE(slot.has_value());
        EXPECT_TRUE(slot->playing);
        EXPECT_EQ(slot->frequency, (400 + r) * 100);
        EXPECT_EQ(slot->volume, 10 * r);
    }

    // Stopping one leaves the others playing.
    StopPressed(2);
    EXPECT_FALSE(InspectSlot(RowSlot(2)).has_value());
    EXPECT_TRUE(InspectSlot(RowSlot(1))->playing);
    EXPECT_EQ(DecodedSoundCount(), 1u);
    for (int r = 1; r <= ROW_COUNT; ++r)
        StopPressed(r);
    EXPECT_EQ(DecodedSoundCount(), 0u);
}

TEST_F(RowsTest, WhiteNoiseWarnsOnEachSelectionAndNeverOnPlay)
{
    Choose(1, u"Generate Absolute Random White Noise");
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0].title, u"warning");
    EXPECT_EQ(messageBoxes[0].text,
              u"Pure random white noise is about the\r\nmost strain you can put on speakers\r\n"
              u"and is about the quickest wear you can\r\npossibly apply. Proceed with caution.");
    EXPECT_EQ(messageBoxes[0].icon, MessageIcon::None);
    EXPECT_EQ(messageBoxes[0].ownerWindow, MAIN_WINDOW);

    PlayPressed(1);
    EXPECT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(InspectSlot(RowSlot(1))->frames, 882001u);

    Choose(1, u"Generate Absolute Random White Noise");
    Choose(4, u"Generate Absolute Random White Noise");
    Choose(4, u"Static");
    EXPECT_EQ(messageBoxes.size(), 3u);
}

TEST_F(RowsTest, RowWhoseSoundFailsToLoadStaysIdle)
{
    // A selector text that names no sound loads nothing.
    AddListEntry(RowSelector(5), u"Nothing at all");
    SetControlState(RowSelector(5), CATALOGUE_SIZE);
    PlayPressed(5);
    EXPECT_EQ(RowPlaying[5], 0);
    EXPECT_EQ(ControlPicture(RowPlayButton(5)), PICTURE_PLAY);
    EXPECT_FALSE(InspectSlot(RowSlot(5)).has_value());

    // Also after a sound played: the old one is released, the row goes idle.
    Choose(5, u"Clock Ticking");
    PlayPressed(5);
    ASSERT_EQ(RowPlaying[5], 1);
    SetControlState(RowSelector(5), CATALOGUE_SIZE);
    PlayPressed(5);
    EXPECT_EQ(RowPlaying[5], 0);
    EXPECT_EQ(ControlPicture(RowPlayButton(5)), PICTURE_PLAY);
    EXPECT_FALSE(InspectSlot(RowSlot(5)).has_value());
}

}  // namespace

#include <iostream>

#include <gtest/gtest.h>

#include "app/numbering.h"
#include "channels/loopback_output.h"
#include "signal_measure.h"
#include "sound_fixtures.h"

namespace {

constexpr int OUTPUT_RATE = 48000;
constexpr int SOUND_RATE = 44100;
constexpr double TONE = 15000.0;
constexpr int TOP_FREQUENCY = 100000;

struct AliasFigure {
    double toneDb;  // the folded tone
    double peakDb;  // everything that comes out, all of it alias
};

// A full-scale 15 kHz tone played at 100000 Hz lands at 34 kHz, above the
// 24 kHz limit of a 48 kHz output: nothing of it may come out, and what a
// resampler lets through folds back to 48000 - 34014 = 13986 Hz.
AliasFigure MeasureAlias(LoopbackResampler resampler)
{
    EXPECT_TRUE(InitLoopbackSoundOutput(OUTPUT_RATE, 2, resampler));
    const Bytes image = WavImage(SineSamples(TONE, SOUND_RATE, SOUND_RATE, 32767.0), 1, SOUND_RATE);
    EXPECT_TRUE(LoadSlotFromMemory(RowSlot(1), image.data(), image.size()));
    EXPECT_TRUE(PlaySlotLooped(RowSlot(1), 100));
    SetSlotFrequency(RowSlot(1), TOP_FREQUENCY);
    const std::vector<float> out = RenderFrames(2, OUTPUT_RATE, OUTPUT_RATE).Channel(0, 4800);
    ShutdownSoundOutput();
    const double folded = OUTPUT_RATE - TONE * TOP_FREQUENCY / SOUND_RATE;
    return {ToDecibels(ToneAmplitude(out, OUTPUT_RATE, folded)), ToDecibels(Peak(out))};
}

TEST(Resampling, ATopFrequencyFoldsNothingAudibleBack)
{
    const AliasFigure chosen = MeasureAlias(LoopbackResampler::Best);
    const AliasFigure linear = MeasureAlias(LoopbackResampler::OutputDefault);
    std::cout << "15 kHz tone at 100000 Hz on a 48 kHz output: folded tone " << chosen.toneDb << " dBFS, peak "
              << chosen.peakDb << " dBFS with the layer's resampler; " << linear.toneDb << " dBFS, peak "
              << linear.peakDb << " dBFS with the output's default\n";
    RecordProperty("alias_tone_dbfs", std::to_string(chosen.toneDb));
    RecordProperty("alias_peak_dbfs", std::to_string(chosen.peakDb));
    RecordProperty("alias_tone_dbfs_default_resampler", std::to_string(linear.toneDb));

    EXPECT_LT(chosen.toneDb, -70.0);
    EXPECT_LT(chosen.peakDb, -70.0);
    // The measurement does see folding where there is some.
    EXPECT_GT(linear.toneDb, -20.0);
}

} // namespace

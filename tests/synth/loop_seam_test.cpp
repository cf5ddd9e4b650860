#include <gtest/gtest.h>

#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/numbering.h"
#include "channels/loopback_output.h"
#include "synth/brown_noise.h"
#include "synth/brownish_noise.h"
#include "synth/generators.h"
#include "synth/random_source.h"
#include "synth/sine_tone.h"
#include "synth/wav_image.h"
#include "synth/white_noise.h"
#include "tests/synth/patterned_image.h"

// The generated sounds as a row plays them: loaded into a slot through the
// same entry points the catalogue calls, played looped, and rendered by the
// loopback device at the sounds' own rate.

namespace {

const SlotNumber SLOT = RowSlot(1);
constexpr int CHANNELS = 2;
constexpr std::size_t WINDOW = 2048;   // frames compared on each side of the seam
constexpr float FULL_SCALE = 32768.0f;

struct Entry {
    std::string name;
    std::function<void(SlotNumber)> generate;
    // The same image written through the generator's seam from the same
    // source state, or nothing where the request seeds itself (brown noise).
    std::function<std::int32_t(WavImage)> reference;
};

class GeneratedLoop : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(InitLoopbackSoundOutput(SYNTH_SAMPLE_RATE, CHANNELS)); }
    void TearDown() override { ShutdownSoundOutput(); }

    // The left channel of `frames` rendered frames.
    static std::vector<float> Render(std::size_t frames)
    {
        std::vector<float> interleaved(frames * CHANNELS);
        RenderLoopback(interleaved.data(), frames);
        std::vector<float> left(frames);
        for (std::size_t i = 0; i < frames; ++i)
            left[i] = interleaved[i * CHANNELS];
        return left;
    }
};

TEST_F(GeneratedLoop, EachEntryLoopsWithoutAJumpAtItsSeam)
{
    constexpr std::uint32_t SEED = 77;
    const Entry entries[] = {
        {"440 Hz", [](SlotNumber s) { GenerateSineTone(440, s); }, [](WavImage i) { return WriteSineTone(i, 440); }},
        {"432 Hz", [](SlotNumber s) { GenerateSineTone(432, s); }, [](WavImage i) { return WriteSineTone(i, 432); }},
        {"46 Hz", [](SlotNumber s) { GenerateSineTone(46, s); }, [](WavImage i) { return WriteSineTone(i, 46); }},
        {"white", GenerateWhiteNoise, [](WavImage i) { return WriteWhiteNoise(i); }},
        {"brownish", GenerateBrownishNoise, [](WavImage i) { return WriteBrownishNoise(i); }},
        {"brown", [](SlotNumber s) { GenerateBrownNoise(BROWN_NOISE_PLAIN, s); }, nullptr},
        {"brown (bassy)", [](SlotNumber s) { GenerateBrownNoise(BROWN_NOISE_BASSY, s); }, nullptr},
    };
    for (const Entry& entry : entries) {
        SCOPED_TRACE(entry.name);
        PatternedImage expected;
        ASSERT_NE(expected.image.bytes, nullptr);
        std::int32_t expectedFrames = 0;
        if (entry.reference) {
            SharedRandomSource().Reseed(SEED);
            expectedFrames = entry.reference(expected.image);
        }
        SharedRandomSource().Reseed(SEED);
        entry.generate(SLOT);

        const auto held = InspectSlot(SLOT);
        ASSERT_TRUE(held.has_value());
        EXPECT_EQ(held->sampleRate, SYNTH_SAMPLE_RATE);
        EXPECT_EQ(held->channels, 1);
        const std::size_t n = held->frames;
        if (entry.reference) {
            ASSERT_EQ(n, static_cast<std::size_t>(expectedFrames));
        }
        ASSERT_GT(n, WINDOW);

        ASSERT_TRUE(PlaySlotLooped(SLOT, 100));
        const std::vector<float> out = Render(n + WINDOW);

        // After the last frame the first follows at once: the loop neither
        // skips nor inserts anything.
        for (std::size_t j = 0; j < WINDOW; ++j)
            ASSERT_FLOAT_EQ(out[n + j], out[j]) << "frame " << j << " of the second pass";
        // What plays is the image itself, on both sides of the seam.
        if (entry.reference) {
            for (std::size_t i = 0; i < WINDOW; ++i) {
                const auto head = static_cast<std::int32_t>(i);
                const auto tail = static_cast<std::int32_t>(n - WINDOW + i);
                ASSERT_NEAR(out[i], ReadSample(expected.image, head) / FULL_SCALE, 1e-6) << "frame " << head;
                ASSERT_NEAR(out[n - WINDOW + i], ReadSample(expected.image, tail) / FULL_SCALE, 1e-6)
                    << "frame " << tail;
            }
        }
        // The step across the seam is one the sound makes anyway: no larger
        // than its largest step between neighbouring frames (a tone's seam
        // step exceeds the true continuation by a few units of 32768).
        float largestStep = 0;
        for (std::size_t i = 1; i < n; ++i)
            largestStep = std::max(largestStep, std::abs(out[i] - out[i - 1]));
        const float seamStep = std::abs(out[n] - out[n - 1]);
        EXPECT_LE(seamStep, largestStep + 8 / FULL_SCALE)
            << "seam from " << out[n - 1] * FULL_SCALE << " to " << out[n] * FULL_SCALE;
        ReleaseSlot(SLOT);
    }
}

// The noises that end on 0 meet the seam at 0: their loop passes through
// silence rather than jumping.
TEST_F(GeneratedLoop, NoiseWalksMeetTheirSeamAtZero)
{
    const std::function<void(SlotNumber)> walks[] = {
        GenerateBrownishNoise,
        [](SlotNumber s) { GenerateBrownNoise(BROWN_NOISE_PLAIN, s); },
        [](SlotNumber s) { GenerateBrownNoise(BROWN_NOISE_BASSY, s); },
    };
    for (const auto& generate : walks) {
        generate(SLOT);
        const auto held = InspectSlot(SLOT);
        ASSERT_TRUE(held.has_value());
        ASSERT_TRUE(PlaySlotLooped(SLOT, 100));
        const std::vector<float> out = Render(held->frames + 1);
        EXPECT_EQ(out[held->frames - 1], 0.0f);
        EXPECT_LT(std::abs(out[held->frames]), 1100 / FULL_SCALE);   // one step away from 0
        ReleaseSlot(SLOT);
    }
}

// Without memory for the block, a request loads nothing: the slot keeps the
// sound it had. The address space is capped, just above what the process
// already uses, so the 10 MB block cannot be had. Returns the exit code of
// the process it runs in: 0 when the slot kept its sound.
[[maybe_unused]] int RequestWithoutMemory()
{
    // One malloc arena for every thread: when the cap refuses the main
    // arena more memory, malloc would otherwise retry in an arena that a
    // sound thread made, whose reserved span grows without new address space.
    if (mallopt(M_ARENA_MAX, 1) != 1)
        return 9;
    if (!InitLoopbackSoundOutput(SYNTH_SAMPLE_RATE, CHANNELS))
        return 10;
    GenerateSineTone(440, SLOT);
    const auto before = InspectSlot(SLOT);
    if (!before || before->frames != 44100)
        return 11;
    long pages = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    if (pages == 0)
        return 12;
    const rlim_t cap = static_cast<rlim_t>(pages) * 4096 + (rlim_t{4} << 20);
    const rlimit limit{cap, cap};
    if (setrlimit(RLIMIT_AS, &limit) != 0)
        return 13;
    if (CreateWavImage().bytes != nullptr)
        return 14;
    GenerateBrownNoise(BROWN_NOISE_PLAIN, SLOT);
    GenerateWhiteNoise(SLOT);
    const auto after = InspectSlot(SLOT);
    return after && after->frames == 44100 ? 0 : 15;
}

TEST(GeneratedLoopWithoutMemory, RequestLeavesTheSlotAsItWas)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves address space of its own";
#else
    // A process of its own, so the cap binds nothing else.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(RequestWithoutMemory()), ::testing::ExitedWithCode(0), "");
#endif
}

} // namespace

#include <gtest/gtest.h>

#include "channels/wav_reader.h"
#include "sound_fixtures.h"

namespace {

// The samples an image yields, written out as the output would hold them.
std::vector<std::int16_t> Written(const WavSound& sound)
{
    std::vector<std::int16_t> out(sound.samples.frames * static_cast<std::size_t>(sound.samples.channels));
    WriteFrames(sound.samples, out.data(), sound.samples.channels);
    return out;
}

constexpr int RATE = 44100;
constexpr std::size_t FRAMES = 100;

std::vector<std::int16_t> Samples()
{
    return SineSamples(441.0, RATE, FRAMES, 20000.0);
}

RiffChunk Fmt()
{
    return {"fmt ", FormatRecord(1, 1, RATE, 16, 2), std::nullopt};
}

RiffChunk Data(std::size_t frames = FRAMES)
{
    const auto samples = Samples();
    return {"data", PcmBytes(std::span(samples).first(frames)), std::nullopt};
}

RiffChunk Other(const std::string& id, std::size_t size)
{
    return {id, Bytes(size, 0xAB), std::nullopt};
}

struct WavCase {
    const char* name;
    Bytes image;
    std::optional<std::size_t> frames;  // nullopt: the load is refused
};

std::vector<WavCase> Cases()
{
    RiffChunk dataClaimingMore = Data();
    dataClaimingMore.declaredSize = 1000 * 2;
    RiffChunk dataClaimingAll = Data();
    dataClaimingAll.declaredSize = 0xFFFFFFFFu;
    RiffChunk dataSmaller = Data();
    dataSmaller.declaredSize = 50 * 2;
    RiffChunk dataOddSize = Data();
    dataOddSize.declaredSize = 50 * 2 + 1;
    RiffChunk listPastEnd = Other("LIST", 8);
    listPastEnd.declaredSize = 4096;
    RiffChunk listWrapping = Other("LIST", 8);
    listWrapping.declaredSize = 0xFFFFFFF8u;
    RiffChunk fmtPastEnd = Fmt();
    fmtPastEnd.declaredSize = 64;
    Bytes dataHeaderCut = RiffImage({Fmt()});
    dataHeaderCut.insert(dataHeaderCut.end(), {'d', 'a', 't', 'a', 0x10});

    return {
        {"well formed", RiffImage({Fmt(), Data()}), FRAMES},
        {"wrong RIFF size", RiffImage({Fmt(), Data()}, "WAVE", 7), FRAMES},
        {"RIFF size beyond the block", RiffImage({Fmt(), Data()}, "WAVE", 0xFFFFFFFFu), FRAMES},
        {"form type not WAVE", RiffImage({Fmt(), Data()}, "AVI "), FRAMES},
        {"chunk before fmt", RiffImage({Other("LIST", 26), Fmt(), Data()}), FRAMES},
        {"chunk between fmt and data", RiffImage({Fmt(), Other("fact", 4), Data()}), FRAMES},
        {"odd-sized chunk, no padding", RiffImage({Fmt(), Other("junk", 3), Data()}), FRAMES},
        {"data before fmt is skipped", RiffImage({Data(10), Fmt(), Data()}), FRAMES},
        {"data smaller than what follows", RiffImage({Fmt(), dataSmaller}), 50},
        {"data size not whole frames", RiffImage({Fmt(), dataOddSize}), 50},
        {"data claiming more than the block", RiffImage({Fmt(), dataClaimingMore}), FRAMES},
        {"data claiming 4 GiB", RiffImage({Fmt(), dataClaimingAll}), FRAMES},
        {"chunk past the end", RiffImage({Fmt(), listPastEnd, Data()}), std::nullopt},
        {"chunk size wrapping the offset", RiffImage({Fmt(), listWrapping, Data()}), std::nullopt},
        {"fmt past the end", RiffImage({fmtPastEnd}), std::nullopt},
        {"missing fmt", RiffImage({Other("LIST", 4), Data()}), std::nullopt},
        {"missing data", RiffImage({Fmt(), Other("LIST", 4)}), std::nullopt},
        {"data header cut short", dataHeaderCut, std::nullopt},
        {"empty data", RiffImage({Fmt(), Data(0)}), std::nullopt},
        {"header only", Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0}, std::nullopt},
        {"fmt shorter than a format record", RiffImage({{"fmt ", Bytes(14, 1), std::nullopt}, Data()}), std::nullopt},
        {"float samples", RiffImage({{"fmt ", FormatRecord(3, 1, RATE, 32, 4), std::nullopt}, Data()}), std::nullopt},
        {"24-bit samples", RiffImage({{"fmt ", FormatRecord(1, 1, RATE, 24, 3), std::nullopt}, Data()}), std::nullopt},
        {"three channels", RiffImage({{"fmt ", FormatRecord(1, 3, RATE, 16, 6), std::nullopt}, Data()}), std::nullopt},
        {"block alignment not the frame size", RiffImage({{"fmt ", FormatRecord(1, 1, RATE, 16, 4), std::nullopt}, Data()}), std::nullopt},
        {"zero channels", RiffImage({{"fmt ", FormatRecord(1, 0, RATE, 16, 0), std::nullopt}, Data()}), std::nullopt},
        {"rate zero", RiffImage({{"fmt ", FormatRecord(1, 1, 0, 16, 2), std::nullopt}, Data()}), std::nullopt},
    };
}

TEST(WavReader, WalksChunksWithinTheBlock)
{
    const auto samples = Samples();
    for (const WavCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const auto sound = ReadWavImage(c.image);
        ASSERT_EQ(sound.has_value(), c.frames.has_value());
        if (!sound) {
            continue;
        }
        EXPECT_EQ(sound->samples.channels, 1);
        EXPECT_EQ(sound->sampleRate, RATE);
        ASSERT_EQ(sound->samples.frames, *c.frames);
        // The samples stay inside the image, after the chunk headers.
        EXPECT_GE(sound->samples.data, c.image.data() + 44);
        EXPECT_LE(sound->samples.data + 2 * *c.frames, c.image.data() + c.image.size());
        const auto written = Written(*sound);
        EXPECT_TRUE(std::equal(written.begin(), written.end(), samples.begin()));
    }
}

TEST(WavReader, ReadsStereoAndEightBitSamples)
{
    const auto stereo = SineSamples(441.0, RATE, FRAMES, 20000.0, 2, {1.0, -0.5});
    const auto sound = ReadWavImage(WavImage(stereo, 2, RATE));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->samples.channels, 2);
    EXPECT_EQ(Written(*sound), stereo);

    // Unsigned around 128, widened to the 16-bit scale.
    const Bytes eightBit{0x80, 0xFF, 0x00, 0x81};
    const auto narrow = ReadWavImage(RiffImage({{"fmt ", FormatRecord(1, 1, 8000, 8, 1), std::nullopt},
                                                {"data", eightBit, std::nullopt}}));
    ASSERT_TRUE(narrow);
    EXPECT_EQ(Written(*narrow), (std::vector<std::int16_t>{0, 32512, -32768, 256}));
}

} // namespace

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "synth/brown_noise.h"
#include "synth/brownish_noise.h"
#include "synth/generators.h"
#include "synth/random_source.h"
#include "synth/sine_tone.h"
#include "synth/wav_image.h"
#include "synth/white_noise.h"
#include "tests/synth/patterned_image.h"

namespace {

TEST(WavImage, OneSecondToneHeaderIsTheStandardPcmHeader)
{
    PatternedImage block;
    ASSERT_NE(block.image.bytes, nullptr);
    ASSERT_EQ(WriteSineTone(block.image, 440), 44100);

    const std::array<std::uint8_t, 44> expected = {
        'R', 'I', 'F', 'F', 0xAC, 0x58, 0x01, 0x00,   // 88,236 = 36 + 88,200
        'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
        0x10, 0x00, 0x00, 0x00,                        // format record: 16 bytes
        0x01, 0x00, 0x01, 0x00,                        // PCM, mono
        0x44, 0xAC, 0x00, 0x00,                        // 44,100 frames/s
        0x88, 0x58, 0x01, 0x00,                        // 88,200 bytes/s
        0x02, 0x00, 0x10, 0x00,                        // 2 bytes/frame, 16 bits
        'd', 'a', 't', 'a', 0x88, 0x58, 0x01, 0x00,   // 88,200 data bytes
    };
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(block.image.bytes[i], expected[i]) << "header byte " << i;
    EXPECT_EQ(WavImageLength(44100), 88244u);
    EXPECT_EQ(block.FirstTouchedFrom(0), 0u);
    EXPECT_EQ(block.FirstTouchedFrom(88244), WAV_BLOCK_SIZE);
}

TEST(WavImage, WhiteNoiseHeaderCarriesItsSizes)
{
    PatternedImage block;
    ASSERT_NE(block.image.bytes, nullptr);
    RandomSource random(7);
    ASSERT_EQ(WriteWhiteNoise(block.image, random), 882001);
    EXPECT_EQ(block.ReadLE32(4), 1764038u);
    EXPECT_EQ(block.ReadLE32(40), 1764002u);
    EXPECT_EQ(WavImageLength(882001), 1764046u);
}

TEST(WavImage, SamplesAreLittleEndianTwosComplementLow16Bits)
{
    struct Case {
        std::int32_t value;
        std::uint8_t low, high;
    };
    const Case cases[] = {
        {-1, 0xFF, 0xFF}, {-32768, 0x00, 0x80}, {28000, 0x60, 0x6D}, {-28000, 0xA0, 0x92},
        {0, 0x00, 0x00},  {32767, 0xFF, 0x7F},  {0x12345, 0x45, 0x23},   // only the low 16 bits count
    };
    PatternedImage block;
    ASSERT_NE(block.image.bytes, nullptr);
    std::int32_t index = 0;
    for (const Case& c : cases) {
        StoreSample(block.image, index, c.value);
        const std::uint8_t* at = block.image.bytes + 44 + 2 * index;
        EXPECT_EQ(at[0], c.low) << c.value;
        EXPECT_EQ(at[1], c.high) << c.value;
        ++index;
    }
    EXPECT_EQ(block.FirstTouchedFrom(44 + 2 * index), WAV_BLOCK_SIZE);
    EXPECT_EQ(block.FirstTouchedFrom(0), 44u) << "storing samples wrote into the header";
}

TEST(WavImage, ByteWritersComposeLeastSignificantFirstAndWriteNothingMore)
{
    std::array<std::uint8_t, 6> bytes;
    bytes.fill(0xCC);
    WriteTag(bytes.data(), "data");
    EXPECT_EQ((std::array<std::uint8_t, 6>{'d', 'a', 't', 'a', 0xCC, 0xCC}), bytes);

    bytes.fill(0xCC);
    WriteLE32(bytes.data() + 1, 0x01020304);
    EXPECT_EQ((std::array<std::uint8_t, 6>{0xCC, 0x04, 0x03, 0x02, 0x01, 0xCC}), bytes);

    bytes.fill(0xCC);
    WriteLE16(bytes.data() + 1, -2);
    EXPECT_EQ((std::array<std::uint8_t, 6>{0xCC, 0xFE, 0xFF, 0xCC, 0xCC, 0xCC}), bytes);
}

// Every writer touches exactly the first 44 + 2n bytes of the block: its
// header, its samples, nothing beyond.
TEST(WavImage, WritersLeaveTheRestOfTheBlockAlone)
{
    struct Case {
        std::string name;
        std::function<std::int32_t(WavImage)> write;
    };
    const Case cases[] = {
        {"sine", [](WavImage image) { return WriteSineTone(image, 46); }},
        {"white", [](WavImage image) { RandomSource r(1); return WriteWhiteNoise(image, r); }},
        {"brownish", [](WavImage image) { RandomSource r(2); return WriteBrownishNoise(image, r); }},
        {"brown", [](WavImage image) { RandomSource r(3); return WriteBrownNoise(image, BROWN_NOISE_BASSY, r); }},
    };
    for (const Case& c : cases) {
        PatternedImage block;
        ASSERT_NE(block.image.bytes, nullptr);
        const std::int32_t n = c.write(block.image);
        ASSERT_GT(n, 0) << c.name;
        EXPECT_EQ(block.ReadLE32(40), 2u * n) << c.name;
        EXPECT_EQ(block.FirstTouchedFrom(WavImageLength(n)), WAV_BLOCK_SIZE) << c.name;
    }
}

} // namespace

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include <gtest/gtest.h>

#include "channels/ogg_decoder.h"
#include "signal_measure.h"
#include "sound_fixtures.h"

namespace {

std::vector<float> Tone(double frequency, int rate, std::size_t frames, std::vector<double> channelAmplitudes)
{
    const std::size_t channels = channelAmplitudes.size();
    std::vector<float> out(frames * channels);
    for (std::size_t i = 0; i < frames; ++i) {
        const double value = std::sin(2.0 * std::numbers::pi * frequency * static_cast<double>(i) / rate);
        for (std::size_t c = 0; c < channels; ++c) {
            out[i * channels + c] = static_cast<float>(value * channelAmplitudes[c]);
        }
    }
    return out;
}

// A stream as the output would hold it, `toChannels` per frame (0: the
// stream's own). The memory starts out holding something else, as the
// output's storage may, so that a sample the decoder leaves unwritten shows.
struct DecodedSound {
    int channels = 0;
    int sampleRate = 0;
    std::vector<std::int16_t> samples;

    std::size_t Frames() const { return samples.size() / static_cast<std::size_t>(channels); }
};

constexpr std::int16_t EARLIER_CONTENT = 0x5A5A;

std::optional<DecodedSound> Decode(std::span<const unsigned char> stream, int toChannels = 0)
{
    auto decoder = OggVorbisDecoder::Open(stream);
    if (!decoder) {
        return std::nullopt;
    }
    const SoundFormat format = decoder->Format();
    DecodedSound sound;
    sound.channels = toChannels == 0 ? format.channels : toChannels;
    sound.sampleRate = format.sampleRate;
    sound.samples.assign(format.frames * static_cast<std::size_t>(sound.channels), EARLIER_CONTENT);
    decoder->DecodeInto(sound.samples.data(), sound.channels);
    return sound;
}

std::vector<float> ChannelOf(const DecodedSound& sound, int channel)
{
    std::vector<float> out;
    for (std::size_t i = 0; i < sound.Frames(); ++i) {
        out.push_back(sound.samples[i * static_cast<std::size_t>(sound.channels) + static_cast<std::size_t>(channel)] / 32768.0f);
    }
    return out;
}

// Built once: encoding is the slow part of these tests.
const Bytes& MonoStream()
{
    static const Bytes stream = EncodeOggVorbis(Tone(440.0, 44100, 89027, {0.5}), 1, 44100);
    return stream;
}

// A pure tone packs into a single audio page; noise spreads the same length
// over several, so that damage can hit one page and spare the others.
const Bytes& NoisyStream()
{
    static const Bytes stream = [] {
        std::vector<float> samples = Tone(440.0, 44100, 89027, {0.3});
        std::uint32_t seed = 1;
        for (float& sample : samples) {
            seed = seed * 1664525u + 1013904223u;
            sample += 0.2f * (static_cast<float>(seed >> 16) / 32768.0f - 1.0f);
        }
        return EncodeOggVorbis(samples, 1, 44100);
    }();
    return stream;
}

std::vector<std::size_t> PageOffsets(const Bytes& stream)
{
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i + 4 <= stream.size(); ++i) {
        if (std::memcmp(stream.data() + i, "OggS", 4) == 0) {
            offsets.push_back(i);
        }
    }
    return offsets;
}

TEST(OggDecoder, DecodesToExactlyChannelsTimesFramesTimesTwoBytes)
{
    const auto sound = Decode(MonoStream());
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->channels, 1);
    EXPECT_EQ(sound->sampleRate, 44100);
    EXPECT_EQ(sound->Frames(), 89027u);
    const auto samples = ChannelOf(*sound, 0);
    EXPECT_NEAR(ZeroCrossingFrequency(samples, 44100), 440.0, 0.1);
    EXPECT_NEAR(ToneAmplitude(samples, 44100, 440.0), 0.5, 0.02);
}

TEST(OggDecoder, AMonoStreamWrittenAsTwoChannelsHoldsItTwice)
{
    const auto mono = Decode(MonoStream());
    const auto twice = Decode(MonoStream(), 2);
    ASSERT_TRUE(mono);
    ASSERT_TRUE(twice);
    ASSERT_EQ(twice->Frames(), mono->Frames());
    for (std::size_t i = 0; i < mono->Frames(); ++i) {
        ASSERT_EQ(twice->samples[2 * i], mono->samples[i]) << "frame " << i;
        ASSERT_EQ(twice->samples[2 * i + 1], mono->samples[i]) << "frame " << i;
    }
}

TEST(OggDecoder, KeepsEachStereoChannelApart)
{
    const Bytes stream = EncodeOggVorbis(Tone(1000.0, 48000, 30000, {0.6, 0.15}), 2, 48000);
    const auto sound = Decode(stream);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->channels, 2);
    EXPECT_EQ(sound->sampleRate, 48000);
    EXPECT_EQ(sound->Frames(), 30000u);
    EXPECT_NEAR(ToneAmplitude(ChannelOf(*sound, 0), 48000, 1000.0), 0.6, 0.02);
    EXPECT_NEAR(ToneAmplitude(ChannelOf(*sound, 1), 48000, 1000.0), 0.15, 0.02);
}

TEST(OggDecoder, IgnoresBytesAfterTheLastPage)
{
    Bytes padded = MonoStream();
    padded.resize(padded.size() + 3000, 0);
    const auto sound = Decode(padded);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->Frames(), 89027u);
}

TEST(OggDecoder, RefusesWhatIsNotAPlayableStream)
{
    const Bytes threeChannels = EncodeOggVorbis(Tone(1000.0, 44100, 4410, {0.3, 0.3, 0.3}), 3, 44100);
    ASSERT_FALSE(threeChannels.empty());
    const Bytes cases[] = {
        Bytes{},
        Bytes(4096, 0),
        Bytes{'O', 'g', 'g', 'S'},
        Bytes(MonoStream().begin(), MonoStream().begin() + 200),  // cut inside the headers
        threeChannels,
    };
    for (const Bytes& stream : cases) {
        SCOPED_TRACE(stream.size());
        EXPECT_FALSE(Decode(stream));
    }
}

// Whatever a damaged stream yields, a decoded sound is always consistent:
// the whole stated length, with nothing read or written outside the block.
TEST(OggDecoder, DamagedStreamsFailOrYieldTheirStatedLength)
{
    const Bytes& original = NoisyStream();
    std::vector<Bytes> damaged;
    for (const double keep : {0.1, 0.5, 0.9, 0.999}) {
        damaged.emplace_back(original.begin(), original.begin() + static_cast<std::ptrdiff_t>(original.size() * keep));
    }
    for (const double at : {0.02, 0.05, 0.3, 0.6, 0.98}) {
        Bytes copy = original;
        const auto offset = static_cast<std::size_t>(copy.size() * at);
        for (std::size_t i = offset; i < offset + 16 && i < copy.size(); ++i) {
            copy[i] ^= 0x5A;
        }
        damaged.push_back(std::move(copy));
    }
    for (const Bytes& stream : damaged) {
        SCOPED_TRACE(stream.size());
        const auto sound = Decode(stream);
        if (sound) {
            EXPECT_EQ(sound->channels, 1);
            EXPECT_GT(sound->Frames(), 0u);
            EXPECT_LE(sound->Frames(), 89027u);
            EXPECT_EQ(std::count(sound->samples.begin(), sound->samples.end(), EARLIER_CONTENT), 0);
        }
    }
}

TEST(OggDecoder, APageLostInTheMiddleLeavesSilenceAtTheEnd)
{
    const Bytes& original = NoisyStream();
    const auto pages = PageOffsets(original);
    ASSERT_GE(pages.size(), 6u);
    Bytes damaged = original;
    // Inside the body of an audio page well inside the stream: its checksum
    // fails and the decoder skips it as a hole.
    const std::size_t middle = pages[pages.size() / 2];
    damaged[middle + 200] ^= 0xFF;

    for (const int toChannels : {1, 2}) {
        SCOPED_TRACE(toChannels);
        const auto whole = Decode(original, toChannels);
        const auto sound = Decode(damaged, toChannels);
        ASSERT_TRUE(whole);
        ASSERT_TRUE(sound);
        ASSERT_EQ(sound->Frames(), 89027u);
        // What came before the hole is intact...
        EXPECT_TRUE(std::equal(sound->samples.begin(), sound->samples.begin() + 4096, whole->samples.begin()));
        // ...and the frames the stream no longer yields are silence at the
        // end, whatever the memory held before.
        const auto lastSound = std::find_if(sound->samples.rbegin(), sound->samples.rend(),
                                            [](std::int16_t sample) { return sample != 0; });
        EXPECT_GE(lastSound - sound->samples.rbegin(), 1024 * toChannels);
    }
}

} // namespace

#include <gtest/gtest.h>

#include "channels/pcm_samples.h"
#include "sound_fixtures.h"

namespace {

// Marks memory the writer must leave alone.
constexpr std::int16_t UNTOUCHED = 0x5A5A;

struct WriteCase {
    const char* name;
    Bytes block;
    SampleEncoding encoding;
    int channels;
    int toChannels;
    std::vector<std::int16_t> expected;  // empty: nothing may be written
};

TEST(WriteFrames, WritesEachFrameInTheStoredLayout)
{
    // Full scale at both ends, zero, and a byte order that shows a swap.
    const Bytes sixteen{0x00, 0x80, 0xFF, 0x7F, 0x00, 0x00, 0x34, 0x12};
    const Bytes eight{0x00, 0xFF, 0x80, 0x81};
    const WriteCase cases[] = {
        {"16-bit mono as it is", sixteen, SampleEncoding::Signed16LE, 1, 1, {-32768, 32767, 0, 0x1234}},
        {"16-bit mono twice", sixteen, SampleEncoding::Signed16LE, 1, 2,
         {-32768, -32768, 32767, 32767, 0, 0, 0x1234, 0x1234}},
        {"16-bit stereo as it is", sixteen, SampleEncoding::Signed16LE, 2, 2, {-32768, 32767, 0, 0x1234}},
        {"8-bit mono twice", eight, SampleEncoding::Unsigned8, 1, 2, {-32768, -32768, 32512, 32512, 0, 0, 256, 256}},
        {"8-bit stereo as it is", eight, SampleEncoding::Unsigned8, 2, 2, {-32768, 32512, 0, 256}},
        {"stereo cannot be folded to mono", sixteen, SampleEncoding::Signed16LE, 2, 1, {}},
        {"no third channel", sixteen, SampleEncoding::Signed16LE, 1, 3, {}},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t bytesPerSample = c.encoding == SampleEncoding::Signed16LE ? 2 : 1;
        const std::size_t frames = c.block.size() / bytesPerSample / static_cast<std::size_t>(c.channels);
        // Room for the widest layout and a margin that must stay untouched.
        std::vector<std::int16_t> out(frames * 3 + 4, UNTOUCHED);
        WriteFrames(PcmSamples{c.block.data(), c.encoding, c.channels, frames}, out.data(), c.toChannels);
        const std::size_t written = c.expected.size();
        EXPECT_TRUE(std::equal(c.expected.begin(), c.expected.end(), out.begin()));
        EXPECT_TRUE(std::all_of(out.begin() + static_cast<std::ptrdiff_t>(written), out.end(),
                                [](std::int16_t sample) { return sample == UNTOUCHED; }));
    }
}

} // namespace

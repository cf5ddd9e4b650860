#include <sys/mman.h>
#include <unistd.h>

#include <cstring>

#include <gtest/gtest.h>

#include "app/numbering.h"
#include "channels/loopback_output.h"
#include "sound_fixtures.h"

namespace {

// A block laid against an inaccessible page, so that a single byte read
// beyond its end (or before its start) ends the test with a fault instead
// of passing unnoticed.
class GuardedBlock {
public:
    enum class Edge { End, Start };

    GuardedBlock(const Bytes& content, Edge edge)
    {
        const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        const std::size_t dataPages = (content.size() + page - 1) / page;
        size = (dataPages + 2) * page;
        void* mapping = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        EXPECT_NE(mapping, MAP_FAILED);
        base = static_cast<unsigned char*>(mapping);
        mprotect(base, page, PROT_NONE);
        mprotect(base + (dataPages + 1) * page, page, PROT_NONE);
        unsigned char* first = base + page;
        data = edge == Edge::Start ? first : first + dataPages * page - content.size();
        std::memcpy(data, content.data(), content.size());
        length = content.size();
    }
    ~GuardedBlock() { munmap(base, size); }
    GuardedBlock(const GuardedBlock&) = delete;
    GuardedBlock& operator=(const GuardedBlock&) = delete;

    unsigned char* data = nullptr;
    std::size_t length = 0;

private:
    unsigned char* base = nullptr;
    std::size_t size = 0;
};

struct BlockCase {
    const char* name;
    Bytes content;
    bool loads;
};

std::vector<BlockCase> Cases()
{
    const auto samples = SineSamples(441.0, 44100, 1000, 20000.0);
    Bytes claimsMore = WavImage(samples, 1, 44100);
    claimsMore[40] = 0xFF;  // "data" size low byte: far more than the block holds
    claimsMore[43] = 0x7F;
    Bytes listPastEnd = RiffImage({{"fmt ", FormatRecord(1, 1, 44100, 16, 2), std::nullopt},
                                   {"LIST", Bytes(10, 0), 1000u}});
    Bytes headerCut = RiffImage({{"fmt ", FormatRecord(1, 1, 44100, 16, 2), std::nullopt}});
    headerCut.insert(headerCut.end(), {'d', 'a', 't'});

    // Noise fills several pages, so that a stream cut short still holds some.
    std::vector<float> noise(88200);
    std::uint32_t seed = 7;
    for (float& sample : noise) {
        seed = seed * 1664525u + 1013904223u;
        sample = 0.4f * (static_cast<float>(seed >> 16) / 32768.0f - 1.0f);
    }
    const Bytes stream = EncodeOggVorbis(noise, 1, 44100);
    const Bytes truncated(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(stream.size() * 2 / 3));
    return {
        {"well-formed image", WavImage(samples, 1, 44100), true},
        {"data claiming more than the block", claimsMore, true},
        {"chunk past the end", listPastEnd, false},
        {"chunk header cut by the end", headerCut, false},
        {"Ogg stream", stream, true},
        {"Ogg stream cut short", truncated, true},
        {"Ogg headers only", Bytes(stream.begin(), stream.begin() + 60), false},
    };
}

TEST(GuardedBlock, LoadsReadNothingOutsideTheBlock)
{
    ASSERT_TRUE(InitLoopbackSoundOutput(48000, 2));
    for (const BlockCase& c : Cases()) {
        for (const auto edge : {GuardedBlock::Edge::End, GuardedBlock::Edge::Start}) {
            SCOPED_TRACE(::testing::Message() << c.name << (edge == GuardedBlock::Edge::End ? ", at the end" : ", at the start"));
            GuardedBlock block(c.content, edge);
            EXPECT_EQ(LoadSlotFromMemory(RowSlot(1), block.data, block.length), c.loads);
            ReleaseSlot(RowSlot(1));
        }
    }
    ShutdownSoundOutput();
}

} // namespace

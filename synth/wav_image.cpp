#include "synth/wav_image.h"

#include <sys/mman.h>

#include <cstdlib>

namespace {

// The size of a transparent huge page on x86-64 and arm64 Linux.
constexpr std::size_t HUGE_PAGE_SIZE = std::size_t{2} << 20;

} // namespace

void WriteTag(std::uint8_t* at, const char* text)
{
    for (; *text != '\0'; ++text, ++at)
        *at = static_cast<std::uint8_t>(static_cast<unsigned char>(*text));
}

WavImage CreateWavImage()
{
    // From the C allocator rather than new: the block is raw bytes, is not
    // cleared, and a failure must come back as null, not as an exception.
    void* block = nullptr;
    if (posix_memalign(&block, HUGE_PAGE_SIZE, WAV_BLOCK_SIZE) != 0)
        return WavImage{};
    // A fresh block's pages are mapped one by one as the samples reach
    // them; for a brown noise's 9 MB that is thousands of page faults,
    // which cost more than computing the walk. Aligned as it is, the block
    // can instead be backed by a few huge pages where the system allows
    // them. Only whole huge pages inside the block are advised; the hint
    // changes no contents and is simply ignored where unsupported.
    madvise(block, WAV_BLOCK_SIZE / HUGE_PAGE_SIZE * HUGE_PAGE_SIZE, MADV_HUGEPAGE);
    return WavImage{static_cast<std::uint8_t*>(block)};
}

void FinishWavImage(WavImage image, std::int32_t sampleCount)
{
    const std::int32_t dataBytes = 2 * sampleCount;
    std::uint8_t* h = image.bytes;
    WriteTag(h + 0, "RIFF");
    WriteLE32(h + 4, 36 + dataBytes);               // whole image less these 8 bytes
    WriteTag(h + 8, "WAVE");
    WriteTag(h + 12, "fmt ");
    WriteLE32(h + 16, 16);                          // format record size
    WriteLE16(h + 20, 1);                           // PCM
    WriteLE16(h + 22, 1);                           // mono
    WriteLE32(h + 24, SYNTH_SAMPLE_RATE);           // frames per second
    WriteLE32(h + 28, SYNTH_SAMPLE_RATE * 2);       // bytes per second
    WriteLE16(h + 32, 2);                           // bytes per frame
    WriteLE16(h + 34, 16);                          // bits per sample
    WriteTag(h + 36, "data");
    WriteLE32(h + 40, dataBytes);                   // sample bytes that follow
}

void ReleaseWavImage(WavImage image)
{
    std::free(image.bytes);
}

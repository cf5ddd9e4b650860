#include "synth/wav_image.h"

#include <cstdlib>

void WriteTag(std::uint8_t* at, const char* text)
{
    for (; *text != '\0'; ++text, ++at)
        *at = static_cast<std::uint8_t>(static_cast<unsigned char>(*text));
}

WavImage CreateWavImage()
{
    // malloc rather than new: the block is raw bytes, is not cleared, and
    // a failure must come back as null rather than as an exception.
    return WavImage{static_cast<std::uint8_t*>(std::malloc(WAV_BLOCK_SIZE))};
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

// Writes the five sounds of the side-by-side performance run as WAV files,
// made by the program's own code: the computed ones as the synthesis builds
// them for a play request, the recordings as the sound layer decodes them.
// SoX then plays exactly the samples the program plays.
//
// Usage: render_sounds FOLDER
// Writes brown_noise.wav, sine_440.wav, clock_ticking.wav, space_breeze.wav
// and neat_reminder_30_seconds.wav into FOLDER. Exit status 1 on failure.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "assets/assets.h"
#include "channels/ogg_decoder.h"
#include "synth/brown_noise.h"
#include "synth/generators.h"
#include "synth/sine_tone.h"
#include "synth/wav_image.h"

namespace {

void PutLE16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutLE32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    PutLE16(out, value & 0xFFFF);
    PutLE16(out, value >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5])
{
    out.insert(out.end(), tag, tag + 4);
}

bool WriteFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

// A canonical 16-bit PCM WAV file of interleaved samples.
bool WritePcmWav(const std::string& path, int channels, int sampleRate, const std::vector<std::int16_t>& samples)
{
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto blockAlign = static_cast<std::uint32_t>(channels * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    PutLE32(out, 36 + dataBytes);           // bytes after this field: header rest + data
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutLE32(out, 16);                       // size of the format chunk for plain PCM
    PutLE16(out, 1);                        // format tag: PCM
    PutLE16(out, static_cast<std::uint32_t>(channels));
    PutLE32(out, static_cast<std::uint32_t>(sampleRate));
    PutLE32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);  // bytes per second
    PutLE16(out, blockAlign);               // bytes per frame
    PutLE16(out, 16);                       // bits per sample
    PutTag(out, "data");
    PutLE32(out, dataBytes);
    for (const std::int16_t sample : samples)
        PutLE16(out, static_cast<std::uint16_t>(sample));
    return WriteFile(path, out);
}

// A computed sound: its WAV image is already a complete file.
template <class Write>
bool WriteComputed(const std::string& path, Write write)
{
    const WavImage image = CreateWavImage();
    if (image.bytes == nullptr)
        return false;
    const std::int32_t samples = write(image);
    const bool written = samples > 0 && WriteFile(path, {image.bytes, WavImageLength(samples)});
    ReleaseWavImage(image);
    return written;
}

bool WriteRecording(const std::string& path, Recording recording)
{
    auto decoder = OggVorbisDecoder::Open(EmbeddedRecording(recording));
    if (!decoder)
        return false;
    const SoundFormat format = decoder->Format();
    std::vector<std::int16_t> samples(format.frames * static_cast<std::size_t>(format.channels));
    decoder->DecodeInto(samples.data(), format.channels);
    return WritePcmWav(path, format.channels, format.sampleRate, samples);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 1;
    }
    const std::string folder = std::string(argv[1]) + "/";
    // The first brown noise of a run, as the program's first play request
    // makes it.
    const bool written =
        WriteComputed(folder + "brown_noise.wav",
                      [](WavImage image) { return WriteBrownNoise(image, BROWN_NOISE_PLAIN); }) &&
        WriteComputed(folder + "sine_440.wav", [](WavImage image) { return WriteSineTone(image, 440); }) &&
        WriteRecording(folder + "clock_ticking.wav", Recording::ClockTicking) &&
        WriteRecording(folder + "space_breeze.wav", Recording::SpaceBreeze) &&
        WriteRecording(folder + "neat_reminder_30_seconds.wav", Recording::NeatReminder30Seconds);
    if (!written) {
        std::fprintf(stderr, "%s: could not write the sounds into %s\n", argv[0], folder.c_str());
        return 1;
    }
    return 0;
}

#include <cmath>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>

#include "sound_fixtures.h"

// Writes the loader fuzzer's starting corpus into the folder given as the
// only argument.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: load_slot_seeds <corpus folder>\n";
        return 2;
    }
    const std::string folder = argv[1];
    const auto write = [&](const std::string& name, const Bytes& bytes) {
        std::ofstream file(folder + "/" + name, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(file);
    };

    const auto mono = SineSamples(441.0, 44100, 200, 20000.0);
    const auto stereo = SineSamples(441.0, 22050, 100, 20000.0, 2, {1.0, -0.5});
    const Bytes withExtraChunks = RiffImage({
        {"LIST", Bytes(6, 'x'), std::nullopt},
        {"fmt ", FormatRecord(1, 2, 22050, 16, 4), std::nullopt},
        {"fact", Bytes(4, 0), std::nullopt},
        {"data", PcmBytes(stereo), std::nullopt},
    });
    std::vector<float> tone(2000);
    for (std::size_t i = 0; i < tone.size(); ++i) {
        tone[i] = static_cast<float>(0.5 * std::sin(2.0 * std::numbers::pi * 440.0 * static_cast<double>(i) / 8000.0));
    }
    const Bytes stream = EncodeOggVorbis(tone, 1, 8000, 0.0f);

    const bool written = write("mono.wav", WavImage(mono, 1, 44100)) &&
                         write("stereo_extra_chunks.wav", withExtraChunks) &&
                         write("tiny.ogg", stream);
    if (!written || stream.empty()) {
        std::cerr << "load_slot_seeds: could not write the corpus into " << folder << "\n";
        return 1;
    }
    return 0;
}

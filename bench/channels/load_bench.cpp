// Loading a 100-second mono image into a slot, the load alone: the samples
// written into the output's own storage (as the layer does wherever the
// output lends it) against the way of outputs that do not (written into a
// block of ours, then copied by the output). Loads in a row reuse memory the
// process already holds; a fresh process's first load, which also maps that
// memory, is what bench/brown_noise_vs_sox.sh measures.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "channels/loopback_output.h"
#include "channels/sound_slots.h"

namespace {

constexpr SlotNumber SLOT = 40;
constexpr int RATE = 44100;
constexpr std::uint32_t FRAMES = 100 * RATE;

// "RIFF" header, "fmt " record and "data" of 16-bit mono samples, least
// significant byte first.
std::vector<unsigned char> MonoImage()
{
    std::vector<unsigned char> image;
    const auto le = [&image](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            image.push_back(static_cast<unsigned char>(value >> (8 * i)));
        }
    };
    const auto tag = [&image](const char* text) { image.insert(image.end(), text, text + 4); };
    tag("RIFF");
    le(36 + 2 * FRAMES, 4);
    tag("WAVE");
    tag("fmt ");
    le(16, 4);        // format record size
    le(1, 2);         // PCM
    le(1, 2);         // mono
    le(RATE, 4);      // frames per second
    le(2 * RATE, 4);  // bytes per second
    le(2, 2);         // bytes per frame
    le(16, 2);        // bits per sample
    tag("data");
    le(2 * FRAMES, 4);
    for (std::uint32_t i = 0; i < FRAMES; ++i) {
        le(static_cast<std::uint16_t>(static_cast<std::int16_t>(20000.0 * std::sin(i * 0.0627))), 2);
    }
    return image;
}

void Load(benchmark::State& state, LoopbackFilling filling)
{
    if (!InitLoopbackSoundOutput(48000, 2, LoopbackResampler::Best, filling)) {
        state.SkipWithError("no loopback output");
        return;
    }
    const std::vector<unsigned char> image = MonoImage();
    for (auto _ : state) {
        if (!LoadSlotFromMemory(SLOT, image.data(), image.size())) {
            state.SkipWithError("load refused");
            break;
        }
        state.PauseTiming();
        ReleaseSlot(SLOT);
        state.ResumeTiming();
    }
    ShutdownSoundOutput();
}

} // namespace

BENCHMARK_CAPTURE(Load, InPlace, LoopbackFilling::InPlace)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, CopiedIn, LoopbackFilling::CopiedIn)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

// Every generator, first alone (a fresh block filled and released, as a
// play request does it), then with the load into a loopback slot: the whole
// cost of a play request for a computed sound.
#include <benchmark/benchmark.h>

#include "app/numbering.h"
#include "channels/loopback_output.h"
#include "synth/brown_noise.h"
#include "synth/brownish_noise.h"
#include "synth/generators.h"
#include "synth/sine_tone.h"
#include "synth/wav_image.h"
#include "synth/white_noise.h"

namespace {

const SlotNumber SLOT = RowSlot(1);

template <class Write>
void GenerateOnly(benchmark::State& state, Write write)
{
    std::int64_t samples = 0;
    for (auto _ : state) {
        const WavImage image = CreateWavImage();
        if (image.bytes == nullptr) {
            state.SkipWithError("no memory for the block");
            return;
        }
        const std::int32_t n = write(image);
        benchmark::DoNotOptimize(image.bytes);
        benchmark::ClobberMemory();
        ReleaseWavImage(image);
        samples += n;
    }
    state.counters["samples"] = benchmark::Counter(static_cast<double>(samples), benchmark::Counter::kAvgIterations);
    state.SetItemsProcessed(samples);
}

template <class Generate>
void GenerateAndLoad(benchmark::State& state, Generate generate)
{
    // Stereo like a desktop device, so a mono image is widened as it would be there.
    if (!InitLoopbackSoundOutput(SYNTH_SAMPLE_RATE, 2)) {
        state.SkipWithError("no loopback device");
        return;
    }
    std::int64_t frames = 0;
    for (auto _ : state) {
        generate();
        const auto slot = InspectSlot(SLOT);
        if (!slot) {
            state.SkipWithError("the sound did not load");
            break;
        }
        frames += static_cast<std::int64_t>(slot->frames);
        state.PauseTiming();
        ReleaseSlot(SLOT);
        state.ResumeTiming();
    }
    state.counters["samples"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kAvgIterations);
    state.SetItemsProcessed(frames);
}

void BM_SineTone440(benchmark::State& s) { GenerateOnly(s, [](WavImage i) { return WriteSineTone(i, 440); }); }
void BM_WhiteNoise(benchmark::State& s) { GenerateOnly(s, [](WavImage i) { return WriteWhiteNoise(i); }); }
void BM_BrownishNoise(benchmark::State& s) { GenerateOnly(s, [](WavImage i) { return WriteBrownishNoise(i); }); }
void BM_BrownNoise(benchmark::State& s)
{
    GenerateOnly(s, [](WavImage i) { return WriteBrownNoise(i, BROWN_NOISE_PLAIN); });
}
void BM_BrownNoiseBassy(benchmark::State& s)
{
    GenerateOnly(s, [](WavImage i) { return WriteBrownNoise(i, BROWN_NOISE_BASSY); });
}

void BM_SineTone440_Load(benchmark::State& s) { GenerateAndLoad(s, [] { GenerateSineTone(440, SLOT); }); }
void BM_WhiteNoise_Load(benchmark::State& s) { GenerateAndLoad(s, [] { GenerateWhiteNoise(SLOT); }); }
void BM_BrownishNoise_Load(benchmark::State& s) { GenerateAndLoad(s, [] { GenerateBrownishNoise(SLOT); }); }
void BM_BrownNoise_Load(benchmark::State& s) { GenerateAndLoad(s, [] { GenerateBrownNoise(BROWN_NOISE_PLAIN, SLOT); }); }
void BM_BrownNoiseBassy_Load(benchmark::State& s)
{
    GenerateAndLoad(s, [] { GenerateBrownNoise(BROWN_NOISE_BASSY, SLOT); });
}

} // namespace

BENCHMARK(BM_SineTone440)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WhiteNoise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrownishNoise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrownNoise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrownNoiseBassy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SineTone440_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WhiteNoise_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrownishNoise_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrownNoise_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrownNoiseBassy_Load)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

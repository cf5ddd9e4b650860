// Press-to-sound time of every catalogue entry: what a play press costs
// between the release of the row's old sound and the start of the new one,
// that is loading the entry (decoding a recording or generating a sound) and
// starting it. "first" loads into empty slots; "shared" loads while another
// slot already holds the same recording, which then needs no decoding.
#include <benchmark/benchmark.h>

#include <string>

#include "channels/catalogue.h"
#include "channels/loopback_output.h"
#include "channels/sound_slots.h"

namespace {

constexpr SlotNumber ROW_SLOT = 40;
constexpr SlotNumber OTHER_ROW_SLOT = 41;

enum class Holder { Nobody, AnotherRow };

void PressToSound(benchmark::State& state, std::u16string_view name, Holder holder)
{
    if (holder == Holder::AnotherRow)
        LoadCatalogueSound(OTHER_ROW_SLOT, name);
    for (auto _ : state) {
        LoadCatalogueSound(ROW_SLOT, name);
        PlaySlotLooped(ROW_SLOT, 100);
        state.PauseTiming();
        ReleaseSlot(ROW_SLOT);
        state.ResumeTiming();
    }
    ReleaseSlot(OTHER_ROW_SLOT);
}

std::string Utf8(std::u16string_view text)
{
    // Catalogue names are ASCII.
    return std::string(text.begin(), text.end());
}

}  // namespace

int main(int argc, char** argv)
{
    if (!InitLoopbackSoundOutput(48000, 2))
        return 1;
    for (const std::u16string_view name : SoundCatalogue) {
        benchmark::RegisterBenchmark(("first/" + Utf8(name)).c_str(), PressToSound, name, Holder::Nobody)
            ->Unit(benchmark::kMillisecond);
        // A generated sound is computed afresh on every press, so sharing
        // cannot apply to it.
        if (name.substr(0, 9) != u"Generate ")
            benchmark::RegisterBenchmark(("shared/" + Utf8(name)).c_str(), PressToSound, name, Holder::AnotherRow)
                ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ShutdownSoundOutput();
    return 0;
}

#include <cstddef>
#include <cstdint>

#include "app/numbering.h"
#include "channels/loopback_output.h"

namespace {

constexpr std::size_t RENDER_FRAMES = 256;

// One loopback layer for the whole run, shut down when the fuzzer exits so
// that the leak check sees every buffer returned.
struct FuzzOutput {
    FuzzOutput() : ready(InitLoopbackSoundOutput(48000, 2)) {}
    ~FuzzOutput() { ShutdownSoundOutput(); }
    bool ready;
};

} // namespace

// Every input goes to the loader exactly as given: libFuzzer's buffer ends
// where the input ends, so AddressSanitizer catches a read past the block.
// Whatever loads is played, re-rated and rendered, and a second slot loads
// the same block to take the shared-recording path.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzOutput output;
    if (!output.ready) {
        __builtin_trap();
    }
    const SlotNumber first = RowSlot(1);
    const SlotNumber second = RowSlot(2);
    if (LoadSlotFromMemory(first, data, size)) {
        PlaySlotLooped(first, 100);
        SetSlotFrequency(first, 100000);
        LoadSlotFromMemory(second, data, size);
        PlaySlotLooped(second, 50);
        float out[RENDER_FRAMES * 2];
        RenderLoopback(out, RENDER_FRAMES);
    }
    ReleaseSlot(first);
    ReleaseSlot(second);
    return 0;
}

// One brown noise play request and nothing else: open the sound layer on a
// stereo loopback device, generate the plain brown noise into a row's slot,
// close, exit. Meant to be timed from outside as a whole process, start-up
// included, beside other programs that make the same sound; it also prints
// the milliseconds of the request alone (generation plus load). Exit code 0
// only when the slot holds at least a hundred seconds of the noise.
#include <chrono>
#include <cstdio>

#include "app/numbering.h"
#include "channels/loopback_output.h"
#include "synth/brown_noise.h"
#include "synth/generators.h"

int main()
{
    if (!InitLoopbackSoundOutput(SYNTH_SAMPLE_RATE, 2))
        return 2;
    const SlotNumber slot = RowSlot(1);
    const auto start = std::chrono::steady_clock::now();
    GenerateBrownNoise(BROWN_NOISE_PLAIN, slot);
    const auto end = std::chrono::steady_clock::now();
    const auto held = InspectSlot(slot);
    const bool ok = held && held->frames > static_cast<std::size_t>(BROWN_NOISE_MIN_SAMPLES);
    ShutdownSoundOutput();
    std::printf("%.1f\n", std::chrono::duration<double, std::milli>(end - start).count());
    return ok ? 0 : 1;
}

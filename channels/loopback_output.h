#pragma once

#include <cstddef>
#include <optional>

#include "channels/sound_slots.h"

// For tests and benchmarks: the same sound layer on OpenAL Soft's loopback
// device, rendered on demand instead of reaching a sound card, so that what
// a slot plays can be measured sample by sample.

// Which resampler the slots use. The layer always takes the output's best;
// the output's default (linear) is there so that a measurement can show
// what the choice is worth.
enum class LoopbackResampler { Best, OutputDefault };

// How loaded sounds reach the output. The layer writes them in place, into
// the output's own storage, wherever the output lends it; CopiedIn takes the
// way of outputs that do not (a block of ours, copied by the output), so
// that a test can show both play the same.
enum class LoopbackFilling { InPlace, CopiedIn };

// Opens the layer on a loopback device producing interleaved 32-bit float
// frames at `sampleRate` with `channels` channels (1 or 2). True also when
// the layer already runs on a loopback device of that format; false when
// the loopback device is unavailable or the layer runs on another output.
// Shut down with ShutdownSoundOutput.
bool InitLoopbackSoundOutput(int sampleRate, int channels,
                             LoopbackResampler resampler = LoopbackResampler::Best,
                             LoopbackFilling filling = LoopbackFilling::InPlace);

// True when loads write their samples into the output's own storage.
bool SoundsWrittenInPlace();

// Renders `frames` frames of the mix into `out` (frames x channels floats).
// The mix is rendered even while the layer has paused its device for idling.
void RenderLoopback(float* out, std::size_t frames);

// What a slot holds, for inspection.
struct SlotInfo {
    int channels;           // of the decoded sound
    int sampleRate;         // the sound's own rate
    std::size_t frames;     // decoded length in frames
    std::size_t bytes;      // channels x frames x 2
    int frequency;          // current playback frequency
    int volume;             // last volume applied, 0..100
    float gain;             // linear gain applied to the output
    bool playing;
};
std::optional<SlotInfo> InspectSlot(SlotNumber slot);

// Number of distinct decoded sounds the layer holds (sounds loaded from the
// same embedded block are held once).
std::size_t DecodedSoundCount();

// True while the layer has paused the output device because nothing plays.
bool OutputIsPaused();

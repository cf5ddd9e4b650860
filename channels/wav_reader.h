#pragma once

#include <optional>
#include <span>

#include "channels/pcm_samples.h"
#include "channels/sound_format.h"

// A playable RIFF/WAVE image: its format and where its samples lie inside
// the block it was read from. Valid as long as that block is.
struct WavSound {
    int sampleRate = 0;
    PcmSamples samples;

    SoundFormat Format() const { return {samples.channels, sampleRate, samples.frames}; }
};

// True when the block begins with the four bytes "RIFF".
bool IsRiffImage(std::span<const unsigned char> block);

// Reads a RIFF/WAVE image that fills at most `block`. The chunk walk starts
// at byte 12 and finds "fmt ", then the first "data" after it; other chunks
// are skipped, and the RIFF size and form type are not looked at. Every
// chunk must lie inside the block, except that a "data" chunk claiming more
// bytes than the block holds yields the whole frames that are present.
// Plays 8- and 16-bit PCM with one or two channels; anything else, a chunk
// running past the end, or a missing "fmt " or "data" gives nothing.
// Copies nothing: the samples stay where they are, bounded so that they
// never reach outside `block`.
std::optional<WavSound> ReadWavImage(std::span<const unsigned char> block);

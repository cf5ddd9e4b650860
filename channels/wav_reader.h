#pragma once

#include <optional>
#include <span>

#include "channels/decoded_sound.h"

// True when the block begins with the four bytes "RIFF".
bool IsRiffImage(std::span<const unsigned char> block);

// Reads a RIFF/WAVE image that fills at most `block`. The chunk walk starts
// at byte 12 and finds "fmt ", then the first "data" after it; other chunks
// are skipped, and the RIFF size and form type are not looked at. Every
// chunk must lie inside the block, except that a "data" chunk claiming more
// bytes than the block holds yields the whole frames that are present.
// Plays 8- and 16-bit PCM with one or two channels; anything else, a chunk
// running past the end, or a missing "fmt " or "data" gives nothing.
// Never reads outside `block`.
std::optional<DecodedSound> ReadWavImage(std::span<const unsigned char> block);

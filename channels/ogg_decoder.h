#pragma once

#include <optional>
#include <span>

#include "channels/decoded_sound.h"

// Decodes one Ogg Vorbis stream that fills `stream` exactly, from memory
// only, into channels x frames 16-bit samples, where frames is the stream's
// own stated total. Stretches the decoder reports as holes are skipped; a
// stream that yields fewer frames than its total is padded with silence.
// Gives nothing when the stream cannot be opened, has other than one or two
// channels, changes format between chained sections, or states a total no
// stream of this many bytes could hold. Never reads outside `stream`.
// Memory for the samples that cannot be had throws std::bad_alloc.
std::optional<DecodedSound> DecodeOggVorbis(std::span<const unsigned char> stream);

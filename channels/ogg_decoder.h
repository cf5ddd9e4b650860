#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "channels/sound_format.h"

// One Ogg Vorbis stream that fills a block of memory exactly, decoded from
// that block only. Opening reads the headers and states the format, so that
// the output can provide room for the whole sound before a single frame is
// decoded; the frames then go straight there. The block must outlive the
// decoder. Nothing is ever read outside it.
class OggVorbisDecoder {
public:
    // Gives nothing when the stream cannot be opened, has other than one or
    // two channels, changes format between chained sections, or states a
    // total no stream of this many bytes could hold.
    static std::optional<OggVorbisDecoder> Open(std::span<const unsigned char> stream);

    OggVorbisDecoder(OggVorbisDecoder&&) noexcept;
    OggVorbisDecoder& operator=(OggVorbisDecoder&&) noexcept;
    ~OggVorbisDecoder();

    // Frames is the stream's own stated total.
    const SoundFormat& Format() const { return format; }

    // Writes Format().frames frames into `to` as 16-bit samples in host
    // order, `toChannels` per frame: the stream's own channel count, or 2
    // for a mono stream, whose one sample is then written twice. Stretches
    // the decoder reports as holes are skipped, and whatever the stream
    // does not deliver of its stated total is written as silence, so every
    // sample `to` has room for is written whatever it held before. Decodes
    // the stream once; a second call writes silence only.
    void DecodeInto(std::int16_t* to, int toChannels);

private:
    struct Stream;
    OggVorbisDecoder(std::unique_ptr<Stream> stream, const SoundFormat& format);

    std::unique_ptr<Stream> stream;
    SoundFormat format;
};

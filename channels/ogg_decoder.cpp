#include "channels/ogg_decoder.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

#include <vorbis/vorbisfile.h>

namespace {

// The largest Vorbis block is 8192 samples, so one audio packet yields at
// most 4096 frames, and every packet costs at least one body byte and one
// lacing byte in its page. A stated total beyond that is a damaged granule
// position; believing it would reserve gigabytes for a few bytes of input.
constexpr std::size_t MAX_FRAMES_PER_STREAM_BYTE = 4096 / 2;

// libvorbisfile's view of the caller's block. Reads and seeks stay inside
// [0, length]; nothing beyond it is ever touched.
struct MemoryStream {
    const unsigned char* data;
    std::size_t length;
    std::size_t position;
};

std::size_t ReadFromMemory(void* destination, std::size_t size, std::size_t count, void* source)
{
    auto* stream = static_cast<MemoryStream*>(source);
    if (size == 0 || count == 0) {
        return 0;
    }
    const std::size_t left = stream->length - stream->position;
    const std::size_t wholeItems = std::min(count, left / size);
    const std::size_t bytes = wholeItems * size;
    std::memcpy(destination, stream->data + stream->position, bytes);
    stream->position += bytes;
    return wholeItems;
}

int SeekInMemory(void* source, ogg_int64_t offset, int whence)
{
    auto* stream = static_cast<MemoryStream*>(source);
    const auto length = static_cast<ogg_int64_t>(stream->length);
    ogg_int64_t origin = 0;
    switch (whence) {
    case SEEK_SET: origin = 0; break;
    case SEEK_CUR: origin = static_cast<ogg_int64_t>(stream->position); break;
    case SEEK_END: origin = length; break;
    default: return -1;
    }
    // Compare against the room on each side so that the sum cannot overflow.
    if (offset < -origin || offset > length - origin) {
        return -1;
    }
    stream->position = static_cast<std::size_t>(origin + offset);
    return 0;
}

int CloseMemory(void*)
{
    // The block belongs to the caller.
    return 0;
}

long TellInMemory(void* source)
{
    return static_cast<long>(static_cast<MemoryStream*>(source)->position);
}

// Closes the decoder however the decode ends. A failed open has already
// been cleared by libvorbisfile itself and must not be cleared again.
struct OpenStream {
    OggVorbis_File file{};
    bool opened = false;
    ~OpenStream()
    {
        if (opened) {
            ov_clear(&file);
        }
    }
};

bool SectionsShareFormat(OggVorbis_File& file, const vorbis_info& first)
{
    const long sections = ov_streams(&file);
    for (long i = 1; i < sections; ++i) {
        const vorbis_info* info = ov_info(&file, static_cast<int>(i));
        if (info == nullptr || info->channels != first.channels || info->rate != first.rate) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<DecodedSound> DecodeOggVorbis(std::span<const unsigned char> stream)
{
    if (stream.empty() || stream.size() > static_cast<std::size_t>(LONG_MAX)) {
        return std::nullopt;
    }
    MemoryStream source{stream.data(), stream.size(), 0};
    const ov_callbacks callbacks{ReadFromMemory, SeekInMemory, CloseMemory, TellInMemory};

    OpenStream open;
    open.opened = ov_open_callbacks(&source, &open.file, nullptr, 0, callbacks) == 0;
    if (!open.opened) {
        return std::nullopt;
    }

    const vorbis_info* info = ov_info(&open.file, -1);
    if (info == nullptr || info->channels < 1 || info->channels > SOUND_CHANNELS_MAX ||
        info->rate < SOUND_RATE_MIN || info->rate > SOUND_RATE_MAX ||
        !SectionsShareFormat(open.file, *info)) {
        return std::nullopt;
    }
    const ogg_int64_t total = ov_pcm_total(&open.file, -1);
    if (total <= 0 || static_cast<std::uint64_t>(total) > SOUND_FRAMES_MAX ||
        static_cast<std::uint64_t>(total) / MAX_FRAMES_PER_STREAM_BYTE > stream.size()) {
        return std::nullopt;
    }

    DecodedSound sound;
    sound.channels = info->channels;
    sound.sampleRate = static_cast<int>(info->rate);
    // Zeroed, so that whatever the stream does not deliver stays silent.
    sound.samples.assign(static_cast<std::size_t>(total) * static_cast<std::size_t>(sound.channels), 0);

    auto* out = reinterpret_cast<char*>(sound.samples.data());
    const std::size_t capacity = sound.Bytes();
    std::size_t filled = 0;
    // Samples in host order, as the output takes them.
    const int bigEndian = std::endian::native == std::endian::big ? 1 : 0;
    while (filled < capacity) {
        const int request = static_cast<int>(std::min<std::size_t>(capacity - filled, INT_MAX));
        int section = 0;
        const long got = ov_read(&open.file, out + filled, request, bigEndian, 2, 1, &section);
        if (got == OV_HOLE) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    return sound;
}

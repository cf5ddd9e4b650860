#include "channels/ogg_decoder.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include <vorbis/vorbisfile.h>

#include "channels/pcm_samples.h"

namespace {

// The largest Vorbis block is 8192 samples, so one audio packet yields at
// most 4096 frames, and every packet costs at least one body byte and one
// lacing byte in its page. A stated total beyond that is a damaged granule
// position; believing it would reserve gigabytes for a few bytes of input.
constexpr std::size_t MAX_FRAMES_PER_STREAM_BYTE = 4096 / 2;

// Frames decoded per step: one packet's worth at most, so the step block
// stays in the cache while its frames are written out to their place.
constexpr std::size_t STEP_FRAMES = 4096;

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

// The decoder's state stays at one address for its whole life: libvorbisfile
// keeps a pointer to the memory view it reads through.
struct OggVorbisDecoder::Stream {
    MemoryStream source{};
    OggVorbis_File file{};
    bool opened = false;

    Stream() = default;
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;
    // A failed open has already been cleared by libvorbisfile itself and
    // must not be cleared again.
    ~Stream()
    {
        if (opened) {
            ov_clear(&file);
        }
    }
};

OggVorbisDecoder::OggVorbisDecoder(std::unique_ptr<Stream> opened, const SoundFormat& stated)
    : stream(std::move(opened)), format(stated)
{
}

OggVorbisDecoder::OggVorbisDecoder(OggVorbisDecoder&&) noexcept = default;
OggVorbisDecoder& OggVorbisDecoder::operator=(OggVorbisDecoder&&) noexcept = default;
OggVorbisDecoder::~OggVorbisDecoder() = default;

std::optional<OggVorbisDecoder> OggVorbisDecoder::Open(std::span<const unsigned char> block)
{
    if (block.empty() || block.size() > static_cast<std::size_t>(LONG_MAX)) {
        return std::nullopt;
    }
    auto stream = std::make_unique<Stream>();
    stream->source = MemoryStream{block.data(), block.size(), 0};
    const ov_callbacks callbacks{ReadFromMemory, SeekInMemory, CloseMemory, TellInMemory};
    stream->opened = ov_open_callbacks(&stream->source, &stream->file, nullptr, 0, callbacks) == 0;
    if (!stream->opened) {
        return std::nullopt;
    }

    const vorbis_info* info = ov_info(&stream->file, -1);
    if (info == nullptr || info->channels < 1 || info->channels > SOUND_CHANNELS_MAX ||
        info->rate < SOUND_RATE_MIN || info->rate > SOUND_RATE_MAX ||
        !SectionsShareFormat(stream->file, *info)) {
        return std::nullopt;
    }
    const ogg_int64_t total = ov_pcm_total(&stream->file, -1);
    if (total <= 0 || static_cast<std::uint64_t>(total) > SOUND_FRAMES_MAX ||
        static_cast<std::uint64_t>(total) / MAX_FRAMES_PER_STREAM_BYTE > block.size()) {
        return std::nullopt;
    }
    const SoundFormat format{info->channels, static_cast<int>(info->rate), static_cast<std::size_t>(total)};
    return OggVorbisDecoder(std::move(stream), format);
}

void OggVorbisDecoder::DecodeInto(std::int16_t* to, int toChannels)
{
    const bool asItIs = toChannels == format.channels;
    const bool monoTwice = format.channels == 1 && toChannels == 2;
    if (stream == nullptr || (!asItIs && !monoTwice)) {
        return;
    }
    const auto channels = static_cast<std::size_t>(format.channels);
    const auto written = static_cast<std::size_t>(toChannels);
    const std::size_t frameBytes = channels * sizeof(std::int16_t);
    unsigned char step[STEP_FRAMES * SOUND_CHANNELS_MAX * sizeof(std::int16_t)];

    std::size_t filled = 0;
    while (filled < format.frames) {
        const std::size_t request = std::min(format.frames - filled, STEP_FRAMES) * frameBytes;
        int section = 0;
        // Little-endian, signed, 16 bits: what WriteFrames reads.
        const long got = ov_read(&stream->file, reinterpret_cast<char*>(step), static_cast<int>(request), 0, 2, 1, &section);
        if (got == OV_HOLE) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        const std::size_t frames = static_cast<std::size_t>(got) / frameBytes;
        WriteFrames(PcmSamples{step, SampleEncoding::Signed16LE, format.channels, frames}, to + filled * written, toChannels);
        filled += frames;
    }
    // The output's memory may hold an earlier sound's samples.
    std::fill(to + filled * written, to + format.frames * written, std::int16_t{0});
}

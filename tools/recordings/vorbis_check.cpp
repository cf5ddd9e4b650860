#include "vorbis_check.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vorbis/vorbisfile.h>

namespace {

struct MemoryReader {
    const std::vector<unsigned char>* bytes;
    std::size_t position;
};

std::size_t Read(void* destination, std::size_t size, std::size_t count, void* source)
{
    auto* reader = static_cast<MemoryReader*>(source);
    if (size == 0)
        return 0;
    const std::size_t left = reader->bytes->size() - reader->position;
    const std::size_t items = std::min(count, left / size);
    std::memcpy(destination, reader->bytes->data() + reader->position, items * size);
    reader->position += items * size;
    return items;
}

int Seek(void* source, ogg_int64_t offset, int whence)
{
    auto* reader = static_cast<MemoryReader*>(source);
    const auto size = static_cast<ogg_int64_t>(reader->bytes->size());
    ogg_int64_t target = offset;
    if (whence == SEEK_CUR)
        target += static_cast<ogg_int64_t>(reader->position);
    else if (whence == SEEK_END)
        target += size;
    if (target < 0 || target > size)
        return -1;
    reader->position = static_cast<std::size_t>(target);
    return 0;
}

long Tell(void* source) { return static_cast<long>(static_cast<MemoryReader*>(source)->position); }

}  // namespace

std::optional<DecodedRecording> DecodeOggVorbis(const std::vector<unsigned char>& bytes)
{
    MemoryReader reader{&bytes, 0};
    OggVorbis_File file;
    const ov_callbacks callbacks{Read, Seek, nullptr, Tell};
    if (ov_open_callbacks(&reader, &file, nullptr, 0, callbacks) != 0)
        return std::nullopt;

    DecodedRecording decoded;
    const vorbis_info* info = ov_info(&file, -1);
    decoded.channels = info->channels;
    decoded.sampleRate = info->rate;
    const ogg_int64_t total = ov_pcm_total(&file, -1);
    decoded.samples.reserve(total > 0 ? static_cast<std::size_t>(total) * info->channels : 0);

    char buffer[8192];
    int section = 0;
    bool failed = false;
    for (;;) {
        const long got = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &section);
        if (got == 0)
            break;
        if (got < 0) {
            failed = true;
            break;
        }
        const std::size_t first = decoded.samples.size();
        decoded.samples.resize(first + static_cast<std::size_t>(got) / 2);
        std::memcpy(decoded.samples.data() + first, buffer, static_cast<std::size_t>(got));
    }
    ov_clear(&file);
    if (failed || decoded.channels < 1)
        return std::nullopt;
    decoded.frames = decoded.samples.size() / decoded.channels;
    return decoded;
}

DecodedLevels MeasureDecoded(const DecodedRecording& r)
{
    DecodedLevels levels{-std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(), 0, 0};
    if (r.frames == 0)
        return levels;
    int peak = 0;
    double sum = 0;
    for (short s : r.samples) {
        peak = std::max(peak, std::abs(static_cast<int>(s)));
        sum += static_cast<double>(s) * s;
    }
    const auto at = [&r](std::size_t frame, int c) { return static_cast<int>(r.samples[frame * r.channels + c]); };
    for (int c = 0; c < r.channels; ++c) {
        levels.seamStep = std::max(levels.seamStep, std::abs(at(0, c) - at(r.frames - 1, c)));
        for (std::size_t i = 1; i < r.frames; ++i)
            levels.largestStep = std::max(levels.largestStep, std::abs(at(i, c) - at(i - 1, c)));
    }
    if (peak > 0)
        levels.peakDb = 20.0 * std::log10(peak / 32768.0);
    if (sum > 0)
        levels.rmsDb = 10.0 * std::log10(sum / static_cast<double>(r.samples.size()) / (32768.0 * 32768.0));
    return levels;
}

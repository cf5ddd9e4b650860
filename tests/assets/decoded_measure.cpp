#include "decoded_measure.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <vorbis/vorbisfile.h>

namespace {

struct Reader {
    EmbeddedBlock block;
    std::size_t position = 0;
};

std::size_t Read(void* out, std::size_t size, std::size_t count, void* source)
{
    auto* r = static_cast<Reader*>(source);
    if (size == 0)
        return 0;
    const std::size_t items = std::min(count, (r->block.size() - r->position) / size);
    std::memcpy(out, r->block.data() + r->position, items * size);
    r->position += items * size;
    return items;
}

int Seek(void* source, ogg_int64_t offset, int whence)
{
    auto* r = static_cast<Reader*>(source);
    ogg_int64_t target = offset;
    if (whence == SEEK_CUR)
        target += static_cast<ogg_int64_t>(r->position);
    else if (whence == SEEK_END)
        target += static_cast<ogg_int64_t>(r->block.size());
    if (target < 0 || target > static_cast<ogg_int64_t>(r->block.size()))
        return -1;
    r->position = static_cast<std::size_t>(target);
    return 0;
}

long Tell(void* source) { return static_cast<long>(static_cast<Reader*>(source)->position); }

}  // namespace

std::optional<DecodedMeasure> DecodeAndMeasure(EmbeddedBlock block)
{
    Reader reader{block};
    OggVorbis_File file;
    if (ov_open_callbacks(&reader, &file, nullptr, 0, ov_callbacks{Read, Seek, nullptr, Tell}) != 0)
        return std::nullopt;
    DecodedMeasure m;
    const vorbis_info* info = ov_info(&file, -1);
    m.channels = info->channels;
    m.sampleRate = info->rate;
    if (m.channels < 1 || m.channels > 2) {
        ov_clear(&file);
        return std::nullopt;
    }

    std::vector<int> first(m.channels), previous(m.channels);
    std::vector<short> pending;  // samples of a frame split across reads
    char buffer[16384];
    int section = 0;
    bool failed = false;
    for (;;) {
        const long got = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &section);
        if (got <= 0) {
            failed = got < 0;
            break;
        }
        const std::size_t start = pending.size();
        pending.resize(start + static_cast<std::size_t>(got) / 2);
        std::memcpy(pending.data() + start, buffer, static_cast<std::size_t>(got));
        const std::size_t whole = pending.size() / m.channels;
        for (std::size_t f = 0; f < whole; ++f) {
            bool sounding = false;
            for (int c = 0; c < m.channels; ++c) {
                const int v = pending[f * m.channels + c];
                m.peak = std::max(m.peak, std::abs(v));
                sounding = sounding || v != 0;
                if (m.frames == 0)
                    first[c] = v;
                else
                    m.largestStep = std::max(m.largestStep, std::abs(v - previous[c]));
                previous[c] = v;
            }
            ++m.frames;
            if (sounding)
                m.soundingFrames = m.frames;
        }
        pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(whole * m.channels));
    }
    ov_clear(&file);
    if (failed || !pending.empty())
        return std::nullopt;
    for (int c = 0; c < m.channels; ++c)
        m.seamStep = std::max(m.seamStep, std::abs(first[c] - previous[c]));
    return m;
}

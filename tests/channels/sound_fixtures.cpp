#include "sound_fixtures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <vorbis/vorbisenc.h>

namespace {

void AppendLE16(Bytes& out, unsigned value)
{
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void AppendLE32(Bytes& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<unsigned char>((value >> shift) & 0xFF));
    }
}

void AppendTag(Bytes& out, const std::string& tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

void AppendPage(Bytes& out, const ogg_page& page)
{
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

} // namespace

std::vector<std::int16_t> SineSamples(double frequency, int sampleRate, std::size_t frames,
                                      double amplitude, int channels, std::vector<double> channelGains)
{
    channelGains.resize(static_cast<std::size_t>(channels), 1.0);
    std::vector<std::int16_t> samples(frames * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < frames; ++i) {
        const double value = amplitude * std::sin(2.0 * std::numbers::pi * frequency * static_cast<double>(i) / sampleRate);
        for (int c = 0; c < channels; ++c) {
            samples[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)] =
                static_cast<std::int16_t>(std::lrint(value * channelGains[static_cast<std::size_t>(c)]));
        }
    }
    return samples;
}

Bytes FormatRecord(int formatTag, int channels, int sampleRate, int bitsPerSample, int blockAlign)
{
    Bytes record;
    AppendLE16(record, static_cast<unsigned>(formatTag));            // format tag
    AppendLE16(record, static_cast<unsigned>(channels));             // channels
    AppendLE32(record, static_cast<std::uint32_t>(sampleRate));      // frames per second
    AppendLE32(record, static_cast<std::uint32_t>(sampleRate * blockAlign)); // bytes per second
    AppendLE16(record, static_cast<unsigned>(blockAlign));           // bytes per frame
    AppendLE16(record, static_cast<unsigned>(bitsPerSample));        // bits per sample
    return record;
}

Bytes PcmBytes(std::span<const std::int16_t> samples)
{
    Bytes bytes;
    bytes.reserve(samples.size() * 2);
    for (const std::int16_t sample : samples) {
        AppendLE16(bytes, static_cast<std::uint16_t>(sample));
    }
    return bytes;
}

Bytes RiffImage(const std::vector<RiffChunk>& chunks, const std::string& formType,
                std::optional<std::uint32_t> riffSize)
{
    Bytes body;
    AppendTag(body, formType);
    for (const RiffChunk& chunk : chunks) {
        AppendTag(body, chunk.id);
        AppendLE32(body, chunk.declaredSize.value_or(static_cast<std::uint32_t>(chunk.body.size())));
        body.insert(body.end(), chunk.body.begin(), chunk.body.end());
    }
    Bytes image;
    AppendTag(image, "RIFF");
    AppendLE32(image, riffSize.value_or(static_cast<std::uint32_t>(body.size())));
    image.insert(image.end(), body.begin(), body.end());
    return image;
}

Bytes WavImage(std::span<const std::int16_t> samples, int channels, int sampleRate)
{
    return RiffImage({
        {"fmt ", FormatRecord(1, channels, sampleRate, 16, channels * 2), std::nullopt},
        {"data", PcmBytes(samples), std::nullopt},
    });
}

Bytes EncodeOggVorbis(std::span<const float> interleaved, int channels, int sampleRate, float quality)
{
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, sampleRate, quality) != 0) {
        vorbis_info_clear(&info);
        return {};
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    // A fixed serial number keeps the fixture the same from run to run.
    ogg_stream_init(&stream, 0x48534D52);

    Bytes out;
    ogg_page page;
    {
        ogg_packet identification, comments, codebooks;
        vorbis_analysis_headerout(&dsp, &comment, &identification, &comments, &codebooks);
        ogg_stream_packetin(&stream, &identification);
        ogg_stream_packetin(&stream, &comments);
        ogg_stream_packetin(&stream, &codebooks);
        // Audio starts on a fresh page, as decoders expect.
        while (ogg_stream_flush(&stream, &page) != 0) {
            AppendPage(out, page);
        }
    }

    const std::size_t frames = interleaved.size() / static_cast<std::size_t>(channels);
    constexpr std::size_t CHUNK = 4096;
    std::size_t done = 0;
    bool ended = false;
    while (!ended) {
        const std::size_t count = std::min(CHUNK, frames - done);
        if (count == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            for (std::size_t i = 0; i < count; ++i) {
                for (int c = 0; c < channels; ++c) {
                    buffer[c][i] = interleaved[(done + i) * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)];
                }
            }
            vorbis_analysis_wrote(&dsp, static_cast<int>(count));
            done += count;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    AppendPage(out, page);
                    ended = ogg_page_eos(&page) != 0;
                }
            }
        }
        if (count == 0 && !ended) {
            while (ogg_stream_flush(&stream, &page) != 0) {
                AppendPage(out, page);
                ended = ogg_page_eos(&page) != 0;
            }
            ended = true;
        }
    }

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

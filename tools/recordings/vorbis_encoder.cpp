#include "vorbis_encoder.h"

#include <algorithm>
#include <vorbis/vorbisenc.h>

namespace {

void AppendPage(std::vector<unsigned char>& out, const ogg_page& page)
{
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

// Owns the libvorbis and libogg state for one encoding and frees it in
// reverse order of creation, on every path out.
struct EncoderState {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    bool dspReady = false, blockReady = false, streamReady = false;

    EncoderState()
    {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~EncoderState()
    {
        if (streamReady)
            ogg_stream_clear(&stream);
        if (blockReady)
            vorbis_block_clear(&block);
        if (dspReady)
            vorbis_dsp_clear(&dsp);
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    EncoderState(const EncoderState&) = delete;
    EncoderState& operator=(const EncoderState&) = delete;
};

// Moves every packet the encoder has ready into the stream and every full
// page into `out`. Returns true once the end-of-stream page is written.
bool Drain(EncoderState& s, std::vector<unsigned char>& out)
{
    bool ended = false;
    while (vorbis_analysis_blockout(&s.dsp, &s.block) == 1) {
        vorbis_analysis(&s.block, nullptr);
        vorbis_bitrate_addblock(&s.block);
        ogg_packet packet;
        while (vorbis_bitrate_flushpacket(&s.dsp, &packet) == 1) {
            ogg_stream_packetin(&s.stream, &packet);
            ogg_page page;
            while (ogg_stream_pageout(&s.stream, &page) != 0) {
                AppendPage(out, page);
                if (ogg_page_eos(&page))
                    ended = true;
            }
        }
    }
    return ended;
}

}  // namespace

std::optional<std::vector<unsigned char>> EncodeOggVorbis(const Signal& signal, const EncoderSettings& settings)
{
    const int channels = signal.ChannelCount();
    if (channels < 1 || channels > 2 || signal.Frames() == 0)
        return std::nullopt;

    EncoderState s;
    if (vorbis_encode_setup_vbr(&s.info, channels, SAMPLE_RATE, settings.quality) != 0)
        return std::nullopt;
    if (settings.lowpassKhz > 0) {
        double lowpass = settings.lowpassKhz;
        if (vorbis_encode_ctl(&s.info, OV_ECTL_LOWPASS_SET, &lowpass) != 0)
            return std::nullopt;
    }
    if (vorbis_encode_setup_init(&s.info) != 0)
        return std::nullopt;
    vorbis_comment_add_tag(&s.comment, "TITLE", settings.title.c_str());
    vorbis_comment_add_tag(&s.comment, "ARTIST", "Hushmere");

    if (vorbis_analysis_init(&s.dsp, &s.info) != 0)
        return std::nullopt;
    s.dspReady = true;
    vorbis_block_init(&s.dsp, &s.block);
    s.blockReady = true;
    ogg_stream_init(&s.stream, static_cast<int>(settings.serial));
    s.streamReady = true;

    std::vector<unsigned char> out;
    ogg_packet identification, comments, codebooks;
    vorbis_analysis_headerout(&s.dsp, &s.comment, &identification, &comments, &codebooks);
    ogg_stream_packetin(&s.stream, &identification);
    ogg_stream_packetin(&s.stream, &comments);
    ogg_stream_packetin(&s.stream, &codebooks);
    // Flushing here puts the headers on pages of their own, so that audio
    // starts on a fresh page as the Vorbis mapping of Ogg requires.
    ogg_page page;
    while (ogg_stream_flush(&s.stream, &page) != 0)
        AppendPage(out, page);

    constexpr std::size_t CHUNK = 4096;
    const std::size_t frames = signal.Frames();
    for (std::size_t start = 0; start < frames; start += CHUNK) {
        const std::size_t count = std::min(CHUNK, frames - start);
        float** buffer = vorbis_analysis_buffer(&s.dsp, static_cast<int>(count));
        for (int c = 0; c < channels; ++c)
            for (std::size_t i = 0; i < count; ++i)
                buffer[c][i] = static_cast<float>(std::clamp(signal.channels[c][start + i], -1.0, 1.0));
        vorbis_analysis_wrote(&s.dsp, static_cast<int>(count));
        Drain(s, out);
    }
    vorbis_analysis_wrote(&s.dsp, 0);
    if (!Drain(s, out))
        return std::nullopt;
    return out;
}

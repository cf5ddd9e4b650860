// Makes every recording the program carries: synthesises it, levels it,
// encodes it as one Ogg Vorbis stream, decodes it again to check what a
// listener will hear, and writes it into the given folder (only when its
// bytes changed, so an unchanged recording keeps its timestamp).
//
//   make_recordings <output folder> [file name ...]

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "levels.h"
#include "periodic.h"
#include "recipes.h"
#include "vorbis_check.h"
#include "vorbis_encoder.h"

namespace {

enum class Levelling {
    Loudness,  // steady sounds: matched by loudness so rows balance
    Peak,      // ticks and beeps: set by their strongest sample
};

struct Plan {
    const char* file;
    const char* title;
    int channels;
    std::function<Signal()> make;
    Levelling levelling;
    double target;       // LUFS or dBFS
    float quality;       // Vorbis VBR quality
    double lowpassKhz;   // 0: the encoder's own choice
};

// The steady sounds sit at one loudness so that five rows at equal volume
// balance; "Gentle Static" is meant to be quieter and the masking noise
// louder, enough to cover nearby talk. Their sum stays clear of clipping in
// the mix. The low qualities keep all seventeen files small; noise hides
// the encoder's artefacts well.
constexpr double STEADY_LUFS = -24.0;

std::vector<Plan> Plans()
{
    return {
        {"clock_ticking.ogg", "Clock Ticking", 1, ClockTicking, Levelling::Peak, -6.0, 0.3f, 0},
        {"clock_ticking_fast.ogg", "Clock Ticking Fast", 1, ClockTickingFast, Levelling::Peak, -6.0, 0.3f, 0},
        {"crt_tv_static.ogg", "CRT TV Static", 1, CrtTvStatic, Levelling::Loudness, STEADY_LUFS, 0.3f, 17.0},
        {"low_static.ogg", "Low Static", 1, LowStatic, Levelling::Loudness, STEADY_LUFS, 0.3f, 0},
        {"static.ogg", "Static", 1, PlainStatic, Levelling::Loudness, STEADY_LUFS, 0.3f, 0},
        {"gentle_static.ogg", "Gentle Static", 1, GentleStatic, Levelling::Loudness, STEADY_LUFS - 4.0, 0.3f, 0},
        {"industrial_fan.ogg", "Industrial Fan", 1, IndustrialFan, Levelling::Loudness, STEADY_LUFS, 0.3f, 0},
        {"fast_steel_fan.ogg", "Fast Steel Fan", 2, FastSteelFan, Levelling::Loudness, STEADY_LUFS, 0.3f, 0},
        {"waterfallish_static.ogg", "Waterfallish Static", 1, WaterfallishStatic, Levelling::Loudness, STEADY_LUFS,
         0.3f, 0},
        {"space_noise.ogg", "Space Noise", 1, SpaceNoise, Levelling::Loudness, STEADY_LUFS, 0.3f, 0},
        {"everyone_shut_up.ogg", "Everyone Shut Up", 1, EveryoneShutUp, Levelling::Loudness, STEADY_LUFS + 5.0, 0.1f,
         0},
        {"space_breeze.ogg", "Space Breeze", 2, SpaceBreeze, Levelling::Loudness, STEADY_LUFS, 0.2f, 0},
        {"neat_reminder_30s.ogg", "NEAT Reminder (30 seconds)", 2, [] { return NeatReminder(1'323'000); },
         Levelling::Peak, -8.0, 0.2f, 0},
        {"neat_reminder_1m.ogg", "NEAT Reminder (1 minute)", 2, [] { return NeatReminder(2'646'000); },
         Levelling::Peak, -8.0, 0.2f, 0},
        {"neat_reminder_2m.ogg", "NEAT Reminder (2 minutes)", 2, [] { return NeatReminder(5'292'000); },
         Levelling::Peak, -8.0, 0.2f, 0},
        {"neat_reminder_5m.ogg", "NEAT Reminder (5 minutes)", 2, [] { return NeatReminder(13'230'000); },
         Levelling::Peak, -8.0, 0.2f, 0},
        {"alarm.ogg", "Alarm", 1, AlarmBeeps, Levelling::Peak, -3.0, 0.3f, 0},
    };
}

// Decoded samples may reach no higher than this.
constexpr double CEILING_DBFS = -1.0;
// What the synthesised signal may reach before encoding; the encoder's
// ringing adds a little on top.
constexpr double PRE_ENCODE_CEILING_DBFS = -2.0;
// How near a steady sound's decoded loudness must come to its target, in LU.
constexpr double LOUDNESS_TOLERANCE = 0.1;
constexpr int ATTEMPTS = 6;
// All recordings together, in bytes.
constexpr std::size_t TOTAL_BUDGET = 4'000'000;

Signal ToSignal(const DecodedRecording& decoded)
{
    Signal s = Signal::Silent(decoded.channels, decoded.frames);
    for (std::size_t i = 0; i < decoded.frames; ++i)
        for (int c = 0; c < decoded.channels; ++c)
            s.channels[c][i] = decoded.samples[i * decoded.channels + c] / 32768.0;
    return s;
}

bool WriteIfChanged(const std::filesystem::path& path, const std::vector<unsigned char>& bytes)
{
    {
        std::ifstream existing(path, std::ios::binary);
        if (existing) {
            const std::vector<unsigned char> old((std::istreambuf_iterator<char>(existing)),
                                                 std::istreambuf_iterator<char>());
            if (old == bytes)
                return true;
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// Makes one recording; prints its figures. False when any check fails.
bool Make(const Plan& plan, std::uint32_t serial, const std::filesystem::path& folder, std::size_t& totalBytes)
{
    Signal signal = plan.make();
    if (signal.ChannelCount() != plan.channels) {
        std::fprintf(stderr, "%s: made %d channels, expected %d\n", plan.file, signal.ChannelCount(), plan.channels);
        return false;
    }
    if (plan.levelling == Levelling::Loudness)
        RotateToQuietStart(signal.channels);
    double gainDb = plan.levelling == Levelling::Loudness ? plan.target - Loudness(signal)
                                                          : plan.target - ToDecibels(PeakLevel(signal));
    const double peakAfterDb = ToDecibels(PeakLevel(signal)) + gainDb;
    if (peakAfterDb > PRE_ENCODE_CEILING_DBFS) {
        std::fprintf(stderr, "%s: lowered %.2f dB to keep its peaks clear\n", plan.file,
                     peakAfterDb - PRE_ENCODE_CEILING_DBFS);
        gainDb -= peakAfterDb - PRE_ENCODE_CEILING_DBFS;
    }

    // Encode, decode, and lower the level slightly if the encoder's ringing
    // pushed a peak over the ceiling.
    for (int attempt = 0; attempt < ATTEMPTS; ++attempt) {
        Signal levelled = signal;
        Scale(levelled, FromDecibels(gainDb));
        const auto bytes = EncodeOggVorbis(levelled, {plan.quality, plan.lowpassKhz, serial, plan.title});
        if (!bytes) {
            std::fprintf(stderr, "%s: the encoder failed\n", plan.file);
            return false;
        }
        const auto decoded = DecodeOggVorbis(*bytes);
        if (!decoded || decoded->channels != plan.channels || decoded->sampleRate != SAMPLE_RATE ||
            decoded->frames != signal.Frames()) {
            std::fprintf(stderr, "%s: does not decode to %zu frames of %d channels at %d Hz\n", plan.file,
                         signal.Frames(), plan.channels, SAMPLE_RATE);
            return false;
        }
        const DecodedLevels levels = MeasureDecoded(*decoded);
        if (levels.peakDb > CEILING_DBFS - 0.05) {
            gainDb -= levels.peakDb - (CEILING_DBFS - 0.2);
            continue;
        }
        // The encoder's noise filling shifts a noise's loudness a little;
        // level what is heard, not what went in.
        const double loudness = Loudness(ToSignal(*decoded));
        if (plan.levelling == Levelling::Loudness && std::abs(loudness - plan.target) > LOUDNESS_TOLERANCE &&
            attempt + 1 < ATTEMPTS) {
            gainDb += plan.target - loudness;
            continue;
        }
        if (levels.seamStep > levels.largestStep) {
            std::fprintf(stderr, "%s: the loop's seam steps %d, more than any step inside (%d)\n", plan.file,
                         levels.seamStep, levels.largestStep);
            return false;
        }
        if (!WriteIfChanged(folder / plan.file, *bytes)) {
            std::fprintf(stderr, "%s: cannot write it\n", plan.file);
            return false;
        }
        totalBytes += bytes->size();
        std::printf("%-26s %9zu %8.3f %2d %8zu %7.2f %7.2f %7.2f %6d %6d\n", plan.file, decoded->frames,
                    static_cast<double>(decoded->frames) / SAMPLE_RATE, decoded->channels, bytes->size(),
                    levels.peakDb, levels.rmsDb, loudness, levels.seamStep, levels.largestStep);
        return true;
    }
    std::fprintf(stderr, "%s: its peak stays above %.1f dBFS\n", plan.file, CEILING_DBFS);
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_recordings <output folder> [file name ...]\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::vector<std::string> only(argv + 2, argv + argc);

    std::printf("%-26s %9s %8s %2s %8s %7s %7s %7s %6s %6s\n", "file", "frames", "seconds", "ch", "bytes",
                "peak", "rms", "LUFS", "seam", "step");
    const auto plans = Plans();
    std::size_t totalBytes = 0;
    bool ok = true;
    for (std::size_t i = 0; i < plans.size(); ++i) {
        if (!only.empty() && std::find(only.begin(), only.end(), plans[i].file) == only.end())
            continue;
        // Serial numbers spell "HM" and the recording's place in the list.
        ok = Make(plans[i], 0x484D0000u + static_cast<std::uint32_t>(i), folder, totalBytes) && ok;
    }
    std::printf("total %zu bytes\n", totalBytes);
    if (only.empty() && totalBytes >= TOTAL_BUDGET) {
        std::fprintf(stderr, "the recordings take %zu bytes, over the budget of %zu\n", totalBytes, TOTAL_BUDGET);
        ok = false;
    }
    return ok ? 0 : 1;
}

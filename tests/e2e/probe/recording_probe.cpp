// Measures the end-to-end tests' recording (see raw_recording.h) from the
// shell. Positions are seconds from the recording's start; END stands for
// wherever the recording has got to. Prints its answer on stdout; exits 1
// when there is no answer (no takeover found), 2 on a usage or read error.
//
//   recording_probe seconds FILE
//       seconds recorded so far
//   recording_probe origin FILE
//       the wall-clock time (seconds since the epoch) at which position 0 was
//       written: a moment T lies at position T - origin
//   recording_probe onsets FILE FROM TO [HIGHPASS_HZ [THRESHOLD_DB [HOLD]]]
//       positions where the sound (high-passed when HIGHPASS_HZ > 0) rises
//       to THRESHOLD_DB (-30) after HOLD seconds (0.1) below it
//   recording_probe quiet-from FILE FROM TO [THRESHOLD_DB]
//       the position from which everything stays below THRESHOLD_DB (-50)
//   recording_probe band FILE FROM TO LOW HIGH [side]
//       RMS in dB of the band LOW..HIGH Hz (0 leaves a side open), of what
//       both channels carry or, with "side", of what differs between them
//   recording_probe tone FILE FROM TO HZ
//       the tone's level in dB and its prominence over the spectrum beside it
//   recording_probe takeover FILE FROM TO OLD_HZ NEW_HZ
//       the position where the tone at NEW_HZ takes over from OLD_HZ
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "raw_recording.h"
#include "signal_measures.h"

namespace {

int Usage()
{
    std::fprintf(stderr,
                 "usage: recording_probe seconds|origin FILE\n"
                 "       recording_probe onsets FILE FROM TO [HIGHPASS_HZ [THRESHOLD_DB [HOLD]]]\n"
                 "       recording_probe quiet-from FILE FROM TO [THRESHOLD_DB]\n"
                 "       recording_probe band FILE FROM TO LOW HIGH [side]\n"
                 "       recording_probe tone FILE FROM TO HZ\n"
                 "       recording_probe takeover FILE FROM TO OLD_HZ NEW_HZ\n");
    return 2;
}

std::optional<double> Number(const char* text)
{
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0')
        return std::nullopt;
    return value;
}

// Optional argument `index`, or `fallback` when it is not given.
std::optional<double> NumberOr(int argc, char** argv, int index, double fallback)
{
    return index < argc ? Number(argv[index]) : std::optional<double>(fallback);
}

double WallClockNow()
{
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

// The sink writes in blocks of a few milliseconds, each as soon as its time
// has come, so (moment of looking - seconds recorded) is smallest, and equal
// to the time of position 0, just after a block has landed. Sampling for a
// while catches several blocks.
std::optional<double> Origin(const std::string& path)
{
    std::optional<double> best;
    const double until = WallClockNow() + 0.4;
    while (WallClockNow() < until) {
        const double before = WallClockNow();
        const auto seconds = RecordedSeconds(path);
        const double after = WallClockNow();
        if (!seconds)
            return std::nullopt;
        const double origin = (before + after) / 2.0 - *seconds;
        if (!best || origin < *best)
            best = origin;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return best;
}

struct Span {
    double from = 0;
    std::vector<double> sound;
};

// Reads FROM and TO (a number or END) and the sound between them.
std::optional<Span> ReadSpan(const std::string& path, const char* fromText, const char* toText, Mix mix)
{
    const auto from = Number(fromText);
    const auto recorded = RecordedSeconds(path);
    if (!from || !recorded)
        return std::nullopt;
    const auto to = std::string(toText) == "END" ? recorded : Number(toText);
    if (!to)
        return std::nullopt;
    auto sound = ReadMixed(path, *from, *to, mix);
    if (!sound)
        return std::nullopt;
    return Span{*from, std::move(*sound)};
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return Usage();
    const std::string command = argv[1], path = argv[2];

    if (command == "seconds" || command == "origin") {
        const auto value = command == "seconds" ? RecordedSeconds(path) : Origin(path);
        if (!value)
            return Usage();
        std::printf("%.6f\n", *value);
        return 0;
    }
    if (argc < 5)
        return Usage();
    const Mix mix = command == "band" && argc == 8 && std::string(argv[7]) == "side" ? Mix::Side : Mix::Mid;
    const auto span = ReadSpan(path, argv[3], argv[4], mix);
    if (!span) {
        std::fprintf(stderr, "recording_probe: nothing to read in %s from %s to %s\n", path.c_str(), argv[3], argv[4]);
        return 2;
    }

    if (command == "onsets") {
        const auto highPass = NumberOr(argc, argv, 5, 0), threshold = NumberOr(argc, argv, 6, -30),
                   hold = NumberOr(argc, argv, 7, 0.1);
        if (!highPass || !threshold || !hold)
            return Usage();
        const auto sound = *highPass > 0 ? BandPassed(span->sound, RECORDING_RATE, *highPass, 0) : span->sound;
        for (const double at : Onsets(sound, RECORDING_RATE, *threshold, *hold))
            std::printf("%.4f\n", span->from + at);
        return 0;
    }
    if (command == "quiet-from") {
        const auto threshold = NumberOr(argc, argv, 5, -50);
        if (!threshold)
            return Usage();
        std::printf("%.4f\n", span->from + QuietFrom(span->sound, RECORDING_RATE, *threshold));
        return 0;
    }
    if (command == "band" && (argc == 7 || (argc == 8 && mix == Mix::Side))) {
        const auto low = Number(argv[5]), high = Number(argv[6]);
        if (!low || !high)
            return Usage();
        std::printf("%.2f\n", RmsDb(BandPassed(span->sound, RECORDING_RATE, *low, *high)));
        return 0;
    }
    if (command == "tone" && argc == 6) {
        const auto hz = Number(argv[5]);
        if (!hz || *hz <= 0)
            return Usage();
        std::printf("%.2f %.2f\n", ToneLevelDb(span->sound, RECORDING_RATE, *hz),
                    ToneProminenceDb(span->sound, RECORDING_RATE, *hz));
        return 0;
    }
    if (command == "takeover" && argc == 7) {
        const auto oldHz = Number(argv[5]), newHz = Number(argv[6]);
        if (!oldHz || !newHz || *oldHz <= 0 || *newHz <= 0)
            return Usage();
        const auto at = ToneTakeover(span->sound, RECORDING_RATE, *oldHz, *newHz);
        if (!at) {
            std::printf("none\n");
            return 1;
        }
        std::printf("%.4f\n", span->from + *at);
        return 0;
    }
    return Usage();
}

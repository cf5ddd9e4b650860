#include "signal_measures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Far below anything the recording can hold (one step of 16 bits is -90 dB),
// so that the log of silence stays a number.
constexpr double FLOOR_DB = -200.0;

double ToDb(double amplitude) { return amplitude > 0 ? std::max(FLOOR_DB, 20.0 * std::log10(amplitude)) : FLOOR_DB; }

// One second-order section, direct form I, with the coefficients of the
// well-known audio-filter cookbook.
class Biquad {
public:
    enum class Kind { LowPass, HighPass };

    Biquad(Kind kind, double hz, double q, int rate)
    {
        const double w0 = 2.0 * std::numbers::pi * hz / rate;
        const double cosw = std::cos(w0), alpha = std::sin(w0) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        if (kind == Kind::LowPass) {
            b0 = b2 = (1.0 - cosw) / 2.0 / a0;
            b1 = (1.0 - cosw) / a0;
        } else {
            b0 = b2 = (1.0 + cosw) / 2.0 / a0;
            b1 = -(1.0 + cosw) / a0;
        }
        a1 = -2.0 * cosw / a0;
        a2 = (1.0 - alpha) / a0;
    }

    void Run(std::vector<double>& sound)
    {
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (double& v : sound) {
            const double y = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = v;
            y2 = y1;
            y1 = y;
            v = y;
        }
    }

private:
    double b0 = 0, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
};

// Two sections with these Qs make a fourth-order Butterworth response.
constexpr double BUTTERWORTH4_Q[] = {0.5411961, 1.3065630};

std::vector<double> Hann(int length)
{
    std::vector<double> w(static_cast<std::size_t>(length));
    for (int n = 0; n < length; ++n)
        w[static_cast<std::size_t>(n)] = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * n / length);
    return w;
}

// Power at `hz` of one windowed piece (Goertzel; its magnitude holds for any
// frequency, not only whole bins).
double PiecePower(const double* piece, const std::vector<double>& window, int rate, double hz)
{
    const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * hz / rate);
    double s1 = 0, s2 = 0;
    for (std::size_t n = 0; n < window.size(); ++n) {
        const double s = piece[n] * window[n] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return s1 * s1 + s2 * s2 - coefficient * s1 * s2;
}

// The amplitude of a sine whose windowed power is `power`.
double PowerToAmplitude(double power, const std::vector<double>& window)
{
    double sum = 0;
    for (const double w : window)
        sum += w;
    return 2.0 * std::sqrt(std::max(0.0, power)) / sum;
}

double MeanPower(const std::vector<double>& sound, const std::vector<double>& window, int rate, double hz)
{
    const std::size_t length = window.size(), hop = std::max<std::size_t>(1, length / 2);
    if (sound.size() < length)
        return 0.0;
    double sum = 0;
    int pieces = 0;
    for (std::size_t at = 0; at + length <= sound.size(); at += hop, ++pieces)
        sum += PiecePower(sound.data() + at, window, rate, hz);
    return sum / pieces;
}

// Peak magnitude of each 2.5 ms piece, in dB.
constexpr double PIECE_SECONDS = 0.0025;

std::vector<double> PiecePeaksDb(const std::vector<double>& sound, int rate, std::size_t& pieceLength)
{
    pieceLength = std::max<std::size_t>(1, static_cast<std::size_t>(std::lround(PIECE_SECONDS * rate)));
    std::vector<double> peaks;
    for (std::size_t at = 0; at < sound.size(); at += pieceLength) {
        double peak = 0;
        for (std::size_t i = at; i < std::min(sound.size(), at + pieceLength); ++i)
            peak = std::max(peak, std::abs(sound[i]));
        peaks.push_back(ToDb(peak));
    }
    return peaks;
}

}  // namespace

std::vector<double> BandPassed(const std::vector<double>& sound, int rate, double low, double high)
{
    std::vector<double> out = sound;
    for (const double q : BUTTERWORTH4_Q) {
        if (low > 0)
            Biquad(Biquad::Kind::HighPass, low, q, rate).Run(out);
        if (high > 0)
            Biquad(Biquad::Kind::LowPass, high, q, rate).Run(out);
    }
    return out;
}

double RmsDb(const std::vector<double>& sound)
{
    if (sound.empty())
        return FLOOR_DB;
    double sum = 0;
    for (const double v : sound)
        sum += v * v;
    return ToDb(std::sqrt(sum / static_cast<double>(sound.size())));
}

double ToneLevelDb(const std::vector<double>& sound, int rate, double hz, int window)
{
    const auto w = Hann(window);
    return ToDb(PowerToAmplitude(MeanPower(sound, w, rate, hz), w));
}

double ToneProminenceDb(const std::vector<double>& sound, int rate, double hz, int window)
{
    const auto w = Hann(window);
    std::vector<double> beside;
    for (const double offset : {50.0, 70.0, 90.0, 110.0, 130.0})
        for (const double side : {-1.0, 1.0})
            beside.push_back(MeanPower(sound, w, rate, hz + side * offset));
    std::nth_element(beside.begin(), beside.begin() + beside.size() / 2, beside.end());
    const double median = beside[beside.size() / 2];
    return ToDb(PowerToAmplitude(MeanPower(sound, w, rate, hz), w)) - ToDb(PowerToAmplitude(median, w));
}

std::vector<double> Onsets(const std::vector<double>& sound, int rate, double thresholdDb, double holdSeconds)
{
    std::size_t pieceLength = 0;
    const auto peaks = PiecePeaksDb(sound, rate, pieceLength);
    const double pieceSeconds = static_cast<double>(pieceLength) / rate;
    std::vector<double> onsets;
    double quietFor = 0;  // the start of the span counts as not yet quiet
    for (std::size_t i = 0; i < peaks.size(); ++i) {
        if (peaks[i] < thresholdDb) {
            quietFor += pieceSeconds;
            continue;
        }
        if (quietFor >= holdSeconds)
            onsets.push_back(static_cast<double>(i) * pieceSeconds);
        quietFor = 0;
    }
    return onsets;
}

double QuietFrom(const std::vector<double>& sound, int rate, double thresholdDb)
{
    std::size_t pieceLength = 0;
    const auto peaks = PiecePeaksDb(sound, rate, pieceLength);
    for (std::size_t i = peaks.size(); i-- > 0;)
        if (peaks[i] >= thresholdDb)
            return std::min(static_cast<double>(sound.size()), static_cast<double>((i + 1) * pieceLength)) / rate;
    return 0.0;
}

std::optional<double> ToneTakeover(const std::vector<double>& sound, int rate, double oldHz, double newHz)
{
    // 1024 frames at 48 kHz tell 880 Hz from 1 kHz (2.5 bins apart, where
    // the Hann window's leakage is down by 31 dB) and place the change to
    // within a few milliseconds.
    const int length = std::max(64, static_cast<int>(std::lround(rate * 1024.0 / 48000.0)));
    const auto w = Hann(length);
    const std::size_t hop = std::max<std::size_t>(1, static_cast<std::size_t>(rate / 400));  // 2.5 ms
    const std::size_t keep = static_cast<std::size_t>(std::lround(0.020 * rate)) / hop;
    const double margin = std::pow(10.0, 6.0 / 10.0);  // 6 dB in power
    std::size_t run = 0;
    for (std::size_t at = 0; at + static_cast<std::size_t>(length) <= sound.size(); at += hop) {
        const bool newer = PiecePower(sound.data() + at, w, rate, newHz) > margin * PiecePower(sound.data() + at, w, rate, oldHz);
        run = newer ? run + 1 : 0;
        if (run > keep) {
            const std::size_t first = at - keep * hop;
            return (static_cast<double>(first) + length / 2.0) / rate;
        }
    }
    return std::nullopt;
}

#pragma once

#include <cstddef>
#include <vector>

// Filters for shaping noise. A recording must loop without a seam, so they
// are applied circularly: RunCircular passes the filter over the whole loop
// once to settle its state, then again to produce the output. For a stable
// filter whose memory is far shorter than the loop, the second pass starts
// in the state the loop's end leaves it in, so the output is periodic: the
// same as filtering an endless repetition of the input.

// Second-order section in transposed direct form II, with the usual
// audio-cookbook designs (frequencies in hertz at SAMPLE_RATE).
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double z1 = 0, z2 = 0;

    double Process(double x)
    {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }

    static Biquad LowPass(double hz, double q);
    static Biquad HighPass(double hz, double q);
    static Biquad BandPass(double hz, double q);  // 0 dB at the centre
    static Biquad Peak(double hz, double q, double gainDb);
    static Biquad LowShelf(double hz, double gainDb);
    static Biquad HighShelf(double hz, double gainDb);
};

// Trapezoidal state-variable filter: stays stable and free of zipper noise
// while its cutoff moves every sample, which the sweeping sounds need.
struct StateVariable {
    double ic1 = 0, ic2 = 0;
    struct Outputs {
        double low, band, high;
    };
    Outputs Process(double x, double hz, double q);
};

// Runs step(index, input) -> output over the loop twice and keeps the second
// pass. `step` carries the filter state; it may vary with the index as long
// as that variation is itself periodic over the loop.
template <class Step>
void RunCircular(std::vector<double>& samples, Step&& step)
{
    for (std::size_t i = 0; i < samples.size(); ++i)
        static_cast<void>(step(i, samples[i]));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = step(i, samples[i]);
}

// Applies a chain of fixed sections circularly, one after another.
void FilterCircular(std::vector<double>& samples, std::vector<Biquad> chain);

// Pink (-3 dB per octave) noise shaped from white noise by a sum of leaky
// one-pole stages, applied circularly.
void PinkenCircular(std::vector<double>& samples);

// Brown (-6 dB per octave) noise above `cornerHz`: a leaky integrator.
void BrownenCircular(std::vector<double>& samples, double cornerHz);

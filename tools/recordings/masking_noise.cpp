#include "filters.h"
#include "recipes.h"
#include "seeded_random.h"

Signal EveryoneShutUp()
{
    // A minute of fresh noise: nothing in it repeats until the loop does.
    SeededRandom random(0x5B07);
    Signal s{{WhiteNoise(Seconds(60.0), random)}};
    auto& noise = s.channels[0];
    // Shaped like the long-term spectrum of speech: most energy from 200 Hz
    // to 1 kHz, falling above, with a lift where consonants carry
    // intelligibility, so it covers voices with the least total loudness.
    PinkenCircular(noise);
    FilterCircular(noise, {Biquad::HighPass(130, 0.707), Biquad::HighPass(130, 0.707), Biquad::Peak(500, 0.7, 4.0),
                           Biquad::Peak(2500, 1.0, 2.0), Biquad::LowPass(5000, 0.707)});
    return s;
}

#pragma once

#include <cstddef>

#include "signal.h"

// How each recording is made. Every recipe is deterministic (its own fixed
// seed) and returns a loop whose last frame leads smoothly into its first;
// levels are set afterwards by the maker, so a recipe only fixes the balance
// of its own parts.

Signal ClockTicking();          // tick and tock, one a second, 2 s
Signal ClockTickingFast();      // twice that rate, 1 s

Signal CrtTvStatic();           // bright hiss and a faint line whine
Signal PlainStatic();           // neutral broadband hiss
Signal LowStatic();             // dark, low-passed hiss
Signal GentleStatic();          // soft hiss with rolled-off highs
Signal WaterfallishStatic();    // noise with slow random swells

Signal IndustrialFan();         // air, motor hum and blade flutter
Signal FastSteelFan();          // faster blades, metallic ring, stereo

Signal SpaceNoise();            // deep rumble with drifting resonances
Signal SpaceBreeze();           // airy sweeping noise moving across stereo

Signal EveryoneShutUp();        // speech-band masking noise, a minute

// A friendly three-note chime at the start, then digital silence up to
// `frames`, in stereo: looped, it sounds once per `frames`.
Signal NeatReminder(std::size_t frames);

Signal AlarmBeeps();            // four quick beeps and a pause, seven times

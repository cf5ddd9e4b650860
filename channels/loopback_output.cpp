#include "channels/loopback_output.h"

#include "channels/openal_output.h"
#include "channels/sound_layer.h"

bool InitLoopbackSoundOutput(int sampleRate, int channels, LoopbackResampler resampler)
{
    if (SoundLayerReady()) {
        return OutputIsLoopback() && LoopbackSampleRate() == sampleRate && LoopbackChannels() == channels;
    }
    const OutputResampler choice =
        resampler == LoopbackResampler::Best ? OutputResampler::Best : OutputResampler::OutputDefault;
    try {
        return StartSoundLayer([&] { return OpenLoopbackOutput(sampleRate, channels, choice); });
    } catch (...) {
        return false;
    }
}

void RenderLoopback(float* out, std::size_t frames)
{
    RenderOutput(out, frames);
}

bool OutputIsPaused()
{
    return OutputDevicePaused();
}

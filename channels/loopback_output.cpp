#include "channels/loopback_output.h"

#include "channels/openal_output.h"
#include "channels/sound_layer.h"

bool InitLoopbackSoundOutput(int sampleRate, int channels, LoopbackResampler resampler, LoopbackFilling filling)
{
    if (SoundLayerReady()) {
        return OutputIsLoopback() && LoopbackSampleRate() == sampleRate && LoopbackChannels() == channels;
    }
    const OutputResampler choice =
        resampler == LoopbackResampler::Best ? OutputResampler::Best : OutputResampler::OutputDefault;
    const BufferFilling fill = filling == LoopbackFilling::InPlace ? BufferFilling::InPlace : BufferFilling::CopiedIn;
    try {
        return StartSoundLayer([&] { return OpenLoopbackOutput(sampleRate, channels, choice, fill); });
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

bool SoundsWrittenInPlace()
{
    return OutputWritesInPlace();
}

#include "channels/loaded_sound.h"

namespace {

std::size_t liveSounds = 0;

} // namespace

LoadedSound::LoadedSound()
{
    ++liveSounds;
}

LoadedSound::~LoadedSound()
{
    DeleteOutputBuffer(buffer);
    --liveSounds;
}

std::size_t LiveLoadedSounds()
{
    return liveSounds;
}

std::shared_ptr<const LoadedSound> UploadSound(const SoundFormat& format, const SampleWriter& write)
{
    auto loaded = std::make_shared<LoadedSound>();
    loaded->buffer = CreateOutputBuffer(format, write);
    if (loaded->buffer == 0) {
        return nullptr;
    }
    loaded->channels = format.channels;
    loaded->sampleRate = format.sampleRate;
    loaded->frames = format.frames;
    return loaded;
}

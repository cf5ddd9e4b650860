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

std::shared_ptr<const LoadedSound> UploadSound(const DecodedSound& sound)
{
    auto loaded = std::make_shared<LoadedSound>();
    loaded->buffer = CreateOutputBuffer(sound);
    if (loaded->buffer == 0) {
        return nullptr;
    }
    loaded->channels = sound.channels;
    loaded->sampleRate = sound.sampleRate;
    loaded->frames = sound.Frames();
    return loaded;
}

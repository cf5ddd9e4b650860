#pragma once

#include <cstddef>
#include <memory>

#include "channels/openal_output.h"
#include "channels/sound_format.h"

// A sound as the output holds it: its buffer and the format the
// slots report. Owned jointly by every slot playing it; the buffer is freed
// with the last owner, after every voice using it has been deleted.
struct LoadedSound {
    OutputBufferId buffer = 0;
    int channels = 0;
    int sampleRate = 0;
    std::size_t frames = 0;

    LoadedSound();
    LoadedSound(const LoadedSound&) = delete;
    LoadedSound& operator=(const LoadedSound&) = delete;
    ~LoadedSound();
};

// How many loaded sounds exist, whoever holds them: a copy kept alive by
// anything but a slot would show here.
std::size_t LiveLoadedSounds();

// Gives the output a sound of `format`, whose samples `write` puts straight
// where the output keeps them. Null when the output refuses it.
std::shared_ptr<const LoadedSound> UploadSound(const SoundFormat& format, const SampleWriter& write);

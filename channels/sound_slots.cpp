#include "channels/sound_slots.h"

#include <algorithm>
#include <map>
#include <memory>
#include <span>

#include "channels/loaded_sound.h"
#include "channels/loopback_output.h"
#include "channels/ogg_decoder.h"
#include "channels/openal_output.h"
#include "channels/pcm_samples.h"
#include "channels/shared_recordings.h"
#include "channels/sound_layer.h"
#include "channels/volume_table.h"
#include "channels/wav_reader.h"

namespace {

// A slot owns one voice of the output, playing its sound. The sound itself
// may be shared with other slots loaded from the same recording; each slot
// keeps its own voice, and with it its own position, rate and level.
struct Slot {
    std::shared_ptr<const LoadedSound> sound;
    OutputVoiceId voice = 0;
    int frequency = 0;
    int volume = SLOT_VOLUME_MAX;
    float gain = 1.0f;
    bool playing = false;
};

struct SoundLayer {
    bool ready = false;
    VolumeTable volumes{};
    std::map<SlotNumber, Slot> slots;
    SharedRecordings recordings;
};

SoundLayer layer;

Slot* FindSlot(SlotNumber slot)
{
    if (!layer.ready) {
        return nullptr;
    }
    const auto it = layer.slots.find(slot);
    return it == layer.slots.end() ? nullptr : &it->second;
}

// Nothing playing means nothing to mix: let the device rest.
void PauseIfIdle()
{
    const bool anyPlaying = std::any_of(layer.slots.begin(), layer.slots.end(),
                                        [](const auto& entry) { return entry.second.playing; });
    if (!anyPlaying) {
        PauseOutput();
    }
}

void ApplyVolume(Slot& slot, int volume)
{
    slot.volume = std::clamp(volume, SLOT_VOLUME_MIN, SLOT_VOLUME_MAX);
    slot.gain = GainForAttenuation(AttenuationFor(layer.volumes, slot.volume));
    SetVoiceGain(slot.voice, slot.gain);
}

// The sound a block holds, uploaded to the output. A recording already held
// by another slot is shared rather than decoded again; a RIFF image is a
// sound generated for one play and is always loaded anew. Either way the
// samples go from the block straight to where the output keeps them.
std::shared_ptr<const LoadedSound> ObtainSound(std::span<const unsigned char> block)
{
    if (IsRiffImage(block)) {
        const auto image = ReadWavImage(block);
        if (!image) {
            return nullptr;
        }
        return UploadSound(image->Format(), [&](std::int16_t* samples, int storedChannels) {
            WriteFrames(image->samples, samples, storedChannels);
        });
    }
    const RecordingKey key = KeyOfRecording(block);
    if (auto shared = layer.recordings.Find(key)) {
        return shared;
    }
    auto decoder = OggVorbisDecoder::Open(block);
    if (!decoder) {
        return nullptr;
    }
    auto sound = UploadSound(decoder->Format(), [&](std::int16_t* samples, int storedChannels) {
        decoder->DecodeInto(samples, storedChannels);
    });
    if (sound) {
        layer.recordings.Remember(key, sound);
    }
    return sound;
}

bool LoadSlot(SlotNumber slot, std::span<const unsigned char> block)
{
    const auto sound = ObtainSound(block);
    if (!sound) {
        return false;
    }
    // A voice of its own for the new sound, so that until here the slot is
    // untouched and its old sound goes on playing if anything fails.
    const OutputVoiceId voice = CreateVoice(sound->buffer);
    if (voice == 0) {
        return false;
    }
    Slot replacement;
    replacement.sound = sound;
    replacement.voice = voice;
    replacement.frequency = sound->sampleRate;

    const auto it = layer.slots.find(slot);
    if (it == layer.slots.end()) {
        try {
            layer.slots.emplace(slot, std::move(replacement));
        } catch (...) {
            DeleteVoice(voice);
            return false;
        }
    } else {
        DeleteVoice(it->second.voice);
        it->second = std::move(replacement);
    }
    PauseIfIdle();
    return true;
}

} // namespace

bool StartSoundLayer(const std::function<bool()>& openOutput)
{
    if (layer.ready) {
        return false;
    }
    layer.volumes = BuildVolumeTable();
    if (!openOutput()) {
        return false;
    }
    layer.ready = true;
    PauseOutput();
    return true;
}

bool SoundLayerReady()
{
    return layer.ready;
}

bool InitSoundOutput()
{
    if (layer.ready) {
        return true;
    }
    try {
        return StartSoundLayer(OpenDefaultOutput);
    } catch (...) {
        return false;
    }
}

bool LoadSlotFromMemory(SlotNumber slot, const void* address, std::size_t length)
{
    if (!layer.ready || address == nullptr || length == 0) {
        return false;
    }
    try {
        return LoadSlot(slot, std::span(static_cast<const unsigned char*>(address), length));
    } catch (...) {
        // Memory for decoding that cannot be had fails the load.
        return false;
    }
}

bool PlaySlotLooped(SlotNumber slot, int volume)
{
    Slot* target = FindSlot(slot);
    if (target == nullptr) {
        return false;
    }
    ResumeOutput();
    StopVoice(target->voice);
    ApplyVolume(*target, volume);
    target->playing = StartVoiceLooped(target->voice);
    if (!target->playing) {
        PauseIfIdle();
    }
    return target->playing;
}

bool SlotIsLoaded(SlotNumber slot)
{
    return FindSlot(slot) != nullptr;
}

void SetSlotFrequency(SlotNumber slot, int hz)
{
    Slot* target = FindSlot(slot);
    // A rate of zero or less consumes no frames; the slot keeps its rate.
    if (target == nullptr || hz <= 0) {
        return;
    }
    target->frequency = hz;
    SetVoicePitch(target->voice, static_cast<double>(hz) / target->sound->sampleRate);
}

void SetSlotVolume(SlotNumber slot, int volume)
{
    if (Slot* target = FindSlot(slot)) {
        ApplyVolume(*target, volume);
    }
}

void ReleaseSlot(SlotNumber slot)
{
    Slot* target = FindSlot(slot);
    if (target == nullptr) {
        return;
    }
    DeleteVoice(target->voice);
    layer.slots.erase(slot);
    PauseIfIdle();
}

void ShutdownSoundOutput()
{
    if (!layer.ready) {
        return;
    }
    for (auto& [number, slot] : layer.slots) {
        DeleteVoice(slot.voice);
    }
    // Voices first, then the buffers they held, then the device.
    layer.slots.clear();
    layer.recordings.Clear();
    CloseOutput();
    layer.ready = false;
}

std::optional<SlotInfo> InspectSlot(SlotNumber slot)
{
    const Slot* target = FindSlot(slot);
    if (target == nullptr) {
        return std::nullopt;
    }
    const LoadedSound& sound = *target->sound;
    return SlotInfo{
        sound.channels,
        sound.sampleRate,
        sound.frames,
        sound.frames * static_cast<std::size_t>(sound.channels) * sizeof(std::int16_t),
        target->frequency,
        target->volume,
        target->gain,
        target->playing,
    };
}

std::size_t DecodedSoundCount()
{
    return LiveLoadedSounds();
}

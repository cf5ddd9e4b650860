#include "channels/openal_output.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include "channels/huge_pages.h"

namespace {

// OpenAL Soft's map-buffer extension, experimental in 1.19, where it is
// advertised as "AL_SOFTX_map_buffer" and its header declares none of it.
// A mapped buffer hands out the storage the mixer reads, so a sound is
// written there once instead of being built in a block of ours and copied.
constexpr ALuint MAP_WRITE_ACCESS = 0x00000002;
using BufferStorageFunction = void(AL_APIENTRY*)(ALuint buffer, ALenum format, const ALvoid* data,
                                                 ALsizei size, ALsizei frequency, ALuint flags);
using MapBufferFunction = void*(AL_APIENTRY*)(ALuint buffer, ALsizei offset, ALsizei length, ALuint access);
using UnmapBufferFunction = void(AL_APIENTRY*)(ALuint buffer);

// The rate of every sound the program plays.
constexpr ALCint NATURAL_MIX_RATE = 44100;
// The device OpenAL Soft opens when it has fallen back to its null backend,
// which accepts everything and plays nothing.
constexpr const char* NULL_OUTPUT_NAME = "No Output";

struct Output {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    bool loopback = false;
    int loopbackRate = 0;
    int loopbackChannels = 0;
    // Two-channel buffers played straight to the left and right outputs.
    bool directStereo = false;
    // Index into the output's resamplers; -1 leaves its default.
    ALint resampler = -1;
    bool paused = false;
    LPALCDEVICEPAUSESOFT pauseDevice = nullptr;
    LPALCDEVICERESUMESOFT resumeDevice = nullptr;
    LPALCRENDERSAMPLESSOFT renderSamples = nullptr;
    // Set when buffers are filled in place; null when they are copied in.
    BufferStorageFunction bufferStorage = nullptr;
    MapBufferFunction mapBuffer = nullptr;
    UnmapBufferFunction unmapBuffer = nullptr;
};

Output output;

void ReleaseDevice()
{
    alcMakeContextCurrent(nullptr);
    if (output.context != nullptr) {
        alcDestroyContext(output.context);
    }
    if (output.device != nullptr) {
        alcCloseDevice(output.device);
    }
    output = Output{};
}

// The map-buffer functions, when the context offers them.
void FindBufferMapping()
{
    if (alIsExtensionPresent("AL_SOFTX_map_buffer") != AL_TRUE &&
        alIsExtensionPresent("AL_SOFT_map_buffer") != AL_TRUE) {
        return;
    }
    const auto storage = reinterpret_cast<BufferStorageFunction>(alGetProcAddress("alBufferStorageSOFT"));
    const auto map = reinterpret_cast<MapBufferFunction>(alGetProcAddress("alMapBufferSOFT"));
    const auto unmap = reinterpret_cast<UnmapBufferFunction>(alGetProcAddress("alUnmapBufferSOFT"));
    if (storage != nullptr && map != nullptr && unmap != nullptr) {
        output.bufferStorage = storage;
        output.mapBuffer = map;
        output.unmapBuffer = unmap;
    }
}

// Makes a context current on the opened device and sets what every voice
// shares: no distance attenuation (all sounds sit at the listener), the
// chosen resampler, and the direct two-channel layout where it exists.
bool CreateContext(const ALCint* attributes, bool stereoOutput, OutputResampler resampler, BufferFilling filling)
{
    output.context = alcCreateContext(output.device, attributes);
    if (output.context == nullptr || alcMakeContextCurrent(output.context) != ALC_TRUE) {
        return false;
    }
    alDistanceModel(AL_NONE);
    // A mono source is panned to about 0.6 of full level per channel, so
    // mono sounds are held as two channels; direct channels then send left
    // and right straight to the outputs, past the virtual-speaker and HRTF
    // processing OpenAL Soft may apply to a surround or headphone output. A
    // mono output has nowhere to send a direct left and right, so there a
    // mono sound plays as itself.
    output.directStereo = stereoOutput && alIsExtensionPresent("AL_SOFT_direct_channels") == AL_TRUE;
    if (resampler == OutputResampler::Best && alIsExtensionPresent("AL_SOFT_source_resampler") == AL_TRUE) {
        // OpenAL Soft lists its resamplers from cheapest to best; in 1.19 the
        // last is the 23rd-order sinc, the only one that keeps what a high
        // playback frequency folds back below the output's Nyquist limit
        // inaudible.
        const ALint count = alGetInteger(AL_NUM_RESAMPLERS_SOFT);
        output.resampler = count > 0 ? count - 1 : -1;
    }
    if (alcIsExtensionPresent(output.device, "ALC_SOFT_pause_device") == ALC_TRUE) {
        output.pauseDevice = reinterpret_cast<LPALCDEVICEPAUSESOFT>(
            alcGetProcAddress(output.device, "alcDevicePauseSOFT"));
        output.resumeDevice = reinterpret_cast<LPALCDEVICERESUMESOFT>(
            alcGetProcAddress(output.device, "alcDeviceResumeSOFT"));
    }
    if (filling == BufferFilling::InPlace) {
        FindBufferMapping();
    }
    return alGetError() == AL_NO_ERROR;
}

// OpenAL Soft mixes every slot into one output stream; on a PulseAudio or
// PipeWire desktop that stream is listed in the volume settings under the
// client's application name, which libpulse takes from these variables when
// they are set. A name the user has set already is kept.
void NameTheOutputStream()
{
    setenv("PULSE_PROP_OVERRIDE_application.name", "Hushmere", 0);
    setenv("PULSE_PROP_application.icon_name", HUSHMERE_ICON_NAME, 0);
}

} // namespace

bool OpenDefaultOutput()
{
    if (output.device != nullptr) {
        return false;
    }
    NameTheOutputStream();
    output.device = alcOpenDevice(nullptr);
    if (output.device == nullptr) {
        return false;
    }
    // OpenAL Soft 1.19 answers the plain device specifier with its library
    // name; the full name of the opened device comes from the enumeration
    // extension.
    const ALCenum nameQuery = alcIsExtensionPresent(nullptr, "ALC_ENUMERATE_ALL_EXT") == ALC_TRUE
                                  ? ALC_ALL_DEVICES_SPECIFIER
                                  : ALC_DEVICE_SPECIFIER;
    const ALCchar* name = alcGetString(output.device, nameQuery);
    if (name == nullptr || std::strcmp(name, NULL_OUTPUT_NAME) == 0) {
        ReleaseDevice();
        return false;
    }
    // Every sound the program plays is recorded or computed at 44100 Hz, so
    // mixing at that rate plays a row at its natural speed without
    // resampling it; the sound server converts the one mixed stream to its
    // own rate when that differs, which costs less than resampling every
    // row.
    const ALCint attributes[] = {ALC_FREQUENCY, NATURAL_MIX_RATE, 0};
    // OpenAL Soft gives no way to ask a playback device for its channel
    // layout; desktop outputs are stereo or wider, and direct channels reach
    // the front left and right of any of them.
    if (!CreateContext(attributes, true, OutputResampler::Best, BufferFilling::InPlace)) {
        ReleaseDevice();
        return false;
    }
    return true;
}

bool OpenLoopbackOutput(int sampleRate, int channels, OutputResampler resampler, BufferFilling filling)
{
    if (output.device != nullptr || sampleRate <= 0 || (channels != 1 && channels != 2)) {
        return false;
    }
    if (alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback") != ALC_TRUE) {
        return false;
    }
    const auto openLoopback = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    const auto formatSupported = reinterpret_cast<LPALCISRENDERFORMATSUPPORTEDSOFT>(
        alcGetProcAddress(nullptr, "alcIsRenderFormatSupportedSOFT"));
    output.renderSamples = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
        alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (openLoopback == nullptr || formatSupported == nullptr || output.renderSamples == nullptr) {
        output = Output{};
        return false;
    }
    const ALCint layout = channels == 2 ? ALC_STEREO_SOFT : ALC_MONO_SOFT;
    output.device = openLoopback(nullptr);
    if (output.device == nullptr ||
        formatSupported(output.device, sampleRate, layout, ALC_FLOAT_SOFT) != ALC_TRUE) {
        ReleaseDevice();
        return false;
    }
    const ALCint attributes[] = {
        ALC_FORMAT_CHANNELS_SOFT, layout,
        ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
        ALC_FREQUENCY, sampleRate,
        0,
    };
    if (!CreateContext(attributes, channels == 2, resampler, filling)) {
        ReleaseDevice();
        return false;
    }
    output.loopback = true;
    output.loopbackRate = sampleRate;
    output.loopbackChannels = channels;
    return true;
}

void CloseOutput()
{
    ReleaseDevice();
}

bool OutputWritesInPlace()
{
    return output.mapBuffer != nullptr;
}

bool OutputIsLoopback()
{
    return output.loopback;
}

int LoopbackSampleRate()
{
    return output.loopbackRate;
}

int LoopbackChannels()
{
    return output.loopbackChannels;
}

namespace {

// A buffer name being set up, deleted unless handed out.
class PendingBuffer {
public:
    PendingBuffer() { alGenBuffers(1, &name); }
    ~PendingBuffer()
    {
        if (name != 0) {
            alDeleteBuffers(1, &name);
        }
    }
    PendingBuffer(const PendingBuffer&) = delete;
    PendingBuffer& operator=(const PendingBuffer&) = delete;

    ALuint Name() const { return name; }
    ALuint Release() { return std::exchange(name, 0); }

private:
    ALuint name = 0;
};

// A mapped buffer is given back however its filling ends.
class MappedStorage {
public:
    MappedStorage(ALuint buffer, ALsizei bytes)
        : buffer(buffer), samples(static_cast<std::int16_t*>(output.mapBuffer(buffer, 0, bytes, MAP_WRITE_ACCESS)))
    {
    }
    ~MappedStorage()
    {
        if (samples != nullptr) {
            output.unmapBuffer(buffer);
        }
    }
    MappedStorage(const MappedStorage&) = delete;
    MappedStorage& operator=(const MappedStorage&) = delete;

    ALuint buffer;
    std::int16_t* samples;
};

// Lets `write` fill the output's own storage for the buffer. False, before
// anything is written, when the output does not lend it.
bool FillInPlace(ALuint buffer, ALenum layout, ALsizei bytes, ALsizei rate, int stored, const SampleWriter& write)
{
    output.bufferStorage(buffer, layout, nullptr, bytes, rate, MAP_WRITE_ACCESS);
    if (alGetError() != AL_NO_ERROR) {
        return false;
    }
    const MappedStorage storage(buffer, bytes);
    if (storage.samples == nullptr) {
        alGetError();
        return false;
    }
    // OpenAL Soft 1.19 allocates storage set up without data and leaves it
    // untouched, so it can still be backed by huge pages and mapped in one
    // go. Where a version clears it first, it is mapped by then already,
    // which is only slower.
    PrepareForWriting(storage.samples, static_cast<std::size_t>(bytes));
    write(storage.samples, stored);
    return true;
}

// Lets `write` fill a block of ours, which the output then copies.
bool FillCopiedIn(ALuint buffer, ALenum layout, ALsizei bytes, ALsizei rate, int stored, const SampleWriter& write)
{
    const HugePageBlock block(static_cast<std::size_t>(bytes));
    if (!block) {
        return false;
    }
    write(block.Samples(), stored);
    alBufferData(buffer, layout, block.Samples(), bytes, rate);
    return alGetError() == AL_NO_ERROR;
}

} // namespace

OutputBufferId CreateOutputBuffer(const SoundFormat& format, const SampleWriter& write)
{
    if (output.context == nullptr || format.frames == 0 || format.frames > SOUND_FRAMES_MAX ||
        format.channels < 1 || format.channels > SOUND_CHANNELS_MAX || format.sampleRate <= 0) {
        return 0;
    }
    const int stored = output.directStereo && format.channels == 1 ? 2 : format.channels;
    // Within ALsizei: SOUND_FRAMES_MAX keeps two channels of 16 bits below 2^31.
    const auto bytes = static_cast<ALsizei>(format.frames * static_cast<std::size_t>(stored) * sizeof(std::int16_t));
    const ALenum layout = stored == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;

    alGetError();
    PendingBuffer buffer;
    if (alGetError() != AL_NO_ERROR || buffer.Name() == 0) {
        return 0;
    }
    const bool inPlace = output.mapBuffer != nullptr &&
                         FillInPlace(buffer.Name(), layout, bytes, format.sampleRate, stored, write);
    if (!inPlace && !FillCopiedIn(buffer.Name(), layout, bytes, format.sampleRate, stored, write)) {
        return 0;
    }
    return buffer.Release();
}

void DeleteOutputBuffer(OutputBufferId buffer)
{
    if (output.context != nullptr && buffer != 0) {
        const ALuint name = buffer;
        alDeleteBuffers(1, &name);
    }
}

OutputVoiceId CreateVoice(OutputBufferId buffer)
{
    if (output.context == nullptr || buffer == 0) {
        return 0;
    }
    alGetError();
    ALuint voice = 0;
    alGenSources(1, &voice);
    if (alGetError() != AL_NO_ERROR) {
        return 0;
    }
    alSourcei(voice, AL_BUFFER, static_cast<ALint>(buffer));
    alSourcei(voice, AL_LOOPING, AL_TRUE);
    alSourcei(voice, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(voice, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourcef(voice, AL_PITCH, 1.0f);
    alSourcef(voice, AL_GAIN, 1.0f);
    if (output.directStereo) {
        alSourcei(voice, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
    }
    if (output.resampler >= 0) {
        alSourcei(voice, AL_SOURCE_RESAMPLER_SOFT, output.resampler);
    }
    if (alGetError() != AL_NO_ERROR) {
        alDeleteSources(1, &voice);
        return 0;
    }
    return voice;
}

void DeleteVoice(OutputVoiceId voice)
{
    if (output.context == nullptr || voice == 0) {
        return;
    }
    const ALuint name = voice;
    alSourceStop(name);
    // Detach first: a buffer still attached to a source cannot be deleted.
    alSourcei(name, AL_BUFFER, 0);
    alDeleteSources(1, &name);
}

void StopVoice(OutputVoiceId voice)
{
    if (output.context != nullptr && voice != 0) {
        alSourceRewind(voice);
    }
}

bool StartVoiceLooped(OutputVoiceId voice)
{
    if (output.context == nullptr || voice == 0) {
        return false;
    }
    alGetError();
    alSourcePlay(voice);
    return alGetError() == AL_NO_ERROR;
}

void SetVoicePitch(OutputVoiceId voice, double pitch)
{
    if (output.context != nullptr && voice != 0 && pitch > 0.0) {
        alSourcef(voice, AL_PITCH, static_cast<ALfloat>(pitch));
    }
}

void SetVoiceGain(OutputVoiceId voice, float gain)
{
    if (output.context != nullptr && voice != 0) {
        alSourcef(voice, AL_GAIN, gain);
    }
}

void PauseOutput()
{
    if (output.device == nullptr || output.paused) {
        return;
    }
    // OpenAL Soft refuses to pause a loopback device; it mixes only when
    // rendered anyway.
    if (!output.loopback && output.pauseDevice != nullptr) {
        output.pauseDevice(output.device);
    }
    output.paused = true;
}

void ResumeOutput()
{
    if (output.device == nullptr || !output.paused) {
        return;
    }
    if (!output.loopback && output.resumeDevice != nullptr) {
        output.resumeDevice(output.device);
    }
    output.paused = false;
}

bool OutputDevicePaused()
{
    return output.paused;
}

void RenderOutput(float* out, std::size_t frames)
{
    if (!output.loopback || output.renderSamples == nullptr || out == nullptr) {
        return;
    }
    const auto channels = static_cast<std::size_t>(output.loopbackChannels);
    while (frames > 0) {
        const std::size_t chunk = std::min<std::size_t>(frames, INT_MAX / 2);
        output.renderSamples(output.device, out, static_cast<ALCsizei>(chunk));
        out += chunk * channels;
        frames -= chunk;
    }
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "channels/sound_format.h"

// The sound layer's binding to OpenAL Soft: one output device with one
// context, buffers holding decoded sounds and voices playing them. Either
// the system's default device or a loopback device that renders on demand,
// so that tests hear exactly what a user hears.
//
// Every sound reaches its own output channels at its own level: on a
// stereo output each voice plays a two-channel buffer straight to the left
// and right channels (a mono sound is held as two identical channels),
// because OpenAL Soft would otherwise pan a mono sound to about 0.6 of full
// level per channel. Every voice uses the output's best resampler.
//
// Called from the program's one thread only; the output mixes on its own.

// OpenAL names; 0 stands for none.
using OutputBufferId = std::uint32_t;
using OutputVoiceId = std::uint32_t;

// Which of the output's resamplers voices use. The layer always takes the
// best one; the output's default is there for measuring the difference.
enum class OutputResampler { Best, OutputDefault };

// How a new buffer gets its samples. In place, they are written straight
// into the output's own storage where OpenAL Soft lends it (its map-buffer
// extension); else, and always with CopiedIn, they are written into a block
// of ours that the output then copies.
enum class BufferFilling { InPlace, CopiedIn };

// Opens the default device. False when no sound server or card answers,
// and also when OpenAL would fall back to its silent null output.
bool OpenDefaultOutput();

// Opens a loopback device producing interleaved 32-bit float frames of
// `channels` (1 or 2) channels at `sampleRate`.
bool OpenLoopbackOutput(int sampleRate, int channels, OutputResampler resampler,
                        BufferFilling filling = BufferFilling::InPlace);

// Closes whichever device is open. Voices and buffers must be gone first.
void CloseOutput();

// True when new buffers are filled in the output's own storage.
bool OutputWritesInPlace();
bool OutputIsLoopback();
int LoopbackSampleRate();
int LoopbackChannels();

// Writes a new buffer's samples where they are to stay: `samples` has room
// for frames x storedChannels 16-bit samples in host order, and every one of
// them must be written, since the memory may hold anything before. Stored
// channels are the sound's own, or 2 for a mono sound held as two channels.
using SampleWriter = std::function<void(std::int16_t* samples, int storedChannels)>;

// A new buffer holding a sound of `format`, whose samples `write` puts in
// place. 0 when the output refuses the format or has no memory for it;
// `write` is then not called, or its work is dropped. When `write` throws,
// the buffer is deleted and the exception passes on.
OutputBufferId CreateOutputBuffer(const SoundFormat& format, const SampleWriter& write);
void DeleteOutputBuffer(OutputBufferId buffer);

// A stopped voice holding `buffer`, at pitch 1 and full level, looping once
// started. 0 when the output has no voice to give.
OutputVoiceId CreateVoice(OutputBufferId buffer);
// Stops the voice at once and frees it.
void DeleteVoice(OutputVoiceId voice);

// Stops the voice at once and moves it back to its first frame.
void StopVoice(OutputVoiceId voice);
// Starts the voice from its first frame, looping without a gap; a playing
// voice restarts. False when the output refuses.
bool StartVoiceLooped(OutputVoiceId voice);
// Rate at which frames are consumed relative to the buffer's own rate.
void SetVoicePitch(OutputVoiceId voice, double pitch);
// Linear amplitude factor, 0 silent, 1 full level.
void SetVoiceGain(OutputVoiceId voice, float gain);

// Stops and restarts the device's mixing while nothing plays, so that an
// idle program costs no mixer time. A loopback device mixes only when
// rendered, so there the state is only recorded.
void PauseOutput();
void ResumeOutput();
bool OutputDevicePaused();

// Renders `frames` frames of a loopback device into `out`.
void RenderOutput(float* out, std::size_t frames);

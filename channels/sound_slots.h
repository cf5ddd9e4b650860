#pragma once

#include <cstddef>
#include <cstdint>

// The sound layer: numbered slots, each empty or holding one sound decoded
// completely to 16-bit PCM, with its own playback frequency and volume.
// Every call comes from the program's one thread; the output mixes the
// playing slots on its own thread. No call throws.

using SlotNumber = std::uint32_t;

// Opens the system's default sound output. True when ready (also when it was
// ready already). Also makes Ogg Vorbis decoding available to loads.
bool InitSoundOutput();

// Loads a sound from `length` bytes at `address` into `slot`: a RIFF/WAVE
// image when the block begins with "RIFF", otherwise one Ogg Vorbis stream of
// exactly `length` bytes. Nothing is read outside the block and the caller's
// memory is not kept. On success the slot's previous sound is stopped and
// replaced, and the new one stays stopped at its own sample rate and full
// level; on failure the slot is left exactly as it was.
bool LoadSlotFromMemory(SlotNumber slot, const void* address, std::size_t length);

// Plays the slot's sound from its first frame, looping without a gap, at
// `volume` (0..100, clamped). False on an empty slot.
bool PlaySlotLooped(SlotNumber slot, int volume);

// True while the slot holds a sound, playing or stopped.
bool SlotIsLoaded(SlotNumber slot);

// Frames per second at which the sound is consumed; pitch and speed scale
// with hz / the sound's own rate. Nothing happens on an empty slot, nor for
// hz <= 0, which would consume no frames. The output steps through a sound
// in 1/4096ths of an output frame, so a rate is met to within about 6 Hz on
// a 48 kHz output: 100 Hz plays at 105.5 Hz there.
void SetSlotFrequency(SlotNumber slot, int hz);

// Volume 0..100 (clamped) through the attenuation table. Nothing happens on
// an empty slot.
void SetSlotVolume(SlotNumber slot, int volume);

// Stops the sound at once and empties the slot. Nothing happens on an empty
// slot.
void ReleaseSlot(SlotNumber slot);

// Releases every slot and closes the output. Nothing happens when the output
// was never opened.
void ShutdownSoundOutput();

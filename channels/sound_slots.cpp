// Placeholder until the OpenAL sound layer lands.
#include "channels/sound_slots.h"
bool InitSoundOutput() { return false; }
bool LoadSlotFromMemory(SlotNumber, const void*, std::size_t) { return false; }
bool PlaySlotLooped(SlotNumber, int) { return false; }
void SetSlotFrequency(SlotNumber, int) {}
void SetSlotVolume(SlotNumber, int) {}
void ReleaseSlot(SlotNumber) {}
void ShutdownSoundOutput() {}
bool SlotIsLoaded(SlotNumber) { return false; }

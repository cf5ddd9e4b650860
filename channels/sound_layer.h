#pragma once

#include <functional>

// Starting the slot table on an output, shared by InitSoundOutput (the
// default device) and the loopback hooks of tests and benchmarks. Builds
// the volume table, opens the output with `openOutput`, and leaves the
// output paused until the first play. False, with the layer still
// uninitialised, when the output does not open.
bool StartSoundLayer(const std::function<bool()>& openOutput);

// True once StartSoundLayer has succeeded and until ShutdownSoundOutput.
bool SoundLayerReady();

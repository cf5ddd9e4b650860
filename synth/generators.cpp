// Placeholder until the generators land.
#include "synth/generators.h"
void GenerateSineTone(int, SlotNumber) {}
void GenerateWhiteNoise(SlotNumber) {}
void GenerateBrownishNoise(SlotNumber) {}
void GenerateBrownNoise(double, SlotNumber) {}

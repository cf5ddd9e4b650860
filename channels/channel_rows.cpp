// Placeholder until the channel rows land.
#include "channels/channel_rows.h"
std::array<unsigned char, ROW_COUNT + 1> RowPlaying{};
void SelectorChanged(int) {}
void PlayPressed(int) {}
void StopPressed(int) {}
void RateMoved(int) {}
void VolumeMoved(int) {}

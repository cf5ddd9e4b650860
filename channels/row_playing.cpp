#include "channels/channel_rows.h"

std::array<unsigned char, ROW_COUNT + 1> RowPlaying{};

#pragma once

#include <array>
#include <string_view>

#include "channels/sound_slots.h"

// The 23 sounds a channel row can play, in menu order.
inline constexpr int CATALOGUE_SIZE = 23;
extern const std::array<std::u16string_view, CATALOGUE_SIZE> SoundCatalogue;

// Loads the sound whose display name equals `text` exactly (whole text, case
// and blanks included) into `slot`. A text that names no sound loads nothing.
void LoadCatalogueSound(SlotNumber slot, std::u16string_view text);

#pragma once

#include <array>
#include <string_view>

#include "channels/sound_slots.h"

// The 23 sounds a channel row can play, in menu order. The display names are
// the keys by which a selector's text is turned into a sound.
inline constexpr int CATALOGUE_SIZE = 23;
extern const std::array<std::u16string_view, CATALOGUE_SIZE> SoundCatalogue;

// Loads the sound whose display name equals `text` (the whole text, case and
// blanks included) into `slot`: a recording is decoded, a computed sound is
// generated afresh. A text that names no sound loads nothing and leaves the
// slot as it was.
void LoadCatalogueSound(SlotNumber slot, std::u16string_view text);

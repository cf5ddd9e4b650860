// Placeholder until the catalogue lands.
#include "channels/catalogue.h"
const std::array<std::u16string_view, CATALOGUE_SIZE> SoundCatalogue = {
    u"Generate Brown Noise", u"Generate Brown Noise (Bassy)", u"Generate Brownish/White Noise",
    u"Generate Absolute Random White Noise", u"Generate 440Hz Sine Wave", u"Generate 432Hz Sine Wave",
    u"Generate 46Hz Sine Wave", u"Clock Ticking", u"Clock Ticking Fast", u"CRT TV Static",
    u"Low Static", u"Static", u"Gentle Static", u"Industrial Fan", u"Fast Steel Fan",
    u"Waterfallish Static", u"Space Noise", u"Everyone Shut Up", u"Space Breeze",
    u"NEAT Reminder (30 seconds)", u"NEAT Reminder (1 minute)", u"NEAT Reminder (2 minutes)",
    u"NEAT Reminder (5 minutes)",
};
void LoadCatalogueSound(SlotNumber, std::u16string_view) {}

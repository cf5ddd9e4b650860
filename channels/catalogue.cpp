#include "channels/catalogue.h"

#include "assets/assets.h"
#include "synth/generators.h"

const std::array<std::u16string_view, CATALOGUE_SIZE> SoundCatalogue = {
    u"Generate Brown Noise",
    u"Generate Brown Noise (Bassy)",
    u"Generate Brownish/White Noise",
    u"Generate Absolute Random White Noise",
    u"Generate 440Hz Sine Wave",
    u"Generate 432Hz Sine Wave",
    u"Generate 46Hz Sine Wave",
    u"Clock Ticking",
    u"Clock Ticking Fast",
    u"CRT TV Static",
    u"Low Static",
    u"Static",
    u"Gentle Static",
    u"Industrial Fan",
    u"Fast Steel Fan",
    u"Waterfallish Static",
    u"Space Noise",
    u"Everyone Shut Up",
    u"Space Breeze",
    u"NEAT Reminder (30 seconds)",
    u"NEAT Reminder (1 minute)",
    u"NEAT Reminder (2 minutes)",
    u"NEAT Reminder (5 minutes)",
};

namespace {

using Generator = void (*)(SlotNumber);

// A catalogue sound is either an embedded recording or a generator.
struct CatalogueSound {
    std::u16string_view name;
    Recording recording;
    Generator generate;  // nullptr for a recording
};

constexpr CatalogueSound Recorded(std::u16string_view name, Recording recording)
{
    return {name, recording, nullptr};
}

constexpr CatalogueSound Generated(std::u16string_view name, Generator generate)
{
    return {name, Recording::Alarm, generate};
}

// The order in which a text is compared with the names; the first equal name
// wins. Whole-text equality makes the order matter only for speed.
constexpr CatalogueSound LOOKUP_ORDER[] = {
    Recorded(u"Clock Ticking", Recording::ClockTicking),
    Recorded(u"Clock Ticking Fast", Recording::ClockTickingFast),
    Recorded(u"Low Static", Recording::LowStatic),
    Recorded(u"Industrial Fan", Recording::IndustrialFan),
    Recorded(u"CRT TV Static", Recording::CrtTvStatic),
    Recorded(u"Waterfallish Static", Recording::WaterfallishStatic),
    Recorded(u"Space Noise", Recording::SpaceNoise),
    Recorded(u"Everyone Shut Up", Recording::EveryoneShutUp),
    Recorded(u"Fast Steel Fan", Recording::FastSteelFan),
    Recorded(u"Space Breeze", Recording::SpaceBreeze),
    Recorded(u"Static", Recording::Static),
    Recorded(u"Gentle Static", Recording::GentleStatic),
    Recorded(u"NEAT Reminder (30 seconds)", Recording::NeatReminder30Seconds),
    Recorded(u"NEAT Reminder (1 minute)", Recording::NeatReminder1Minute),
    Recorded(u"NEAT Reminder (2 minutes)", Recording::NeatReminder2Minutes),
    Recorded(u"NEAT Reminder (5 minutes)", Recording::NeatReminder5Minutes),
    Generated(u"Generate 46Hz Sine Wave", [](SlotNumber slot) { GenerateSineTone(46, slot); }),
    Generated(u"Generate 440Hz Sine Wave", [](SlotNumber slot) { GenerateSineTone(440, slot); }),
    Generated(u"Generate 432Hz Sine Wave", [](SlotNumber slot) { GenerateSineTone(432, slot); }),
    Generated(u"Generate Absolute Random White Noise", GenerateWhiteNoise),
    Generated(u"Generate Brownish/White Noise", GenerateBrownishNoise),
    Generated(u"Generate Brown Noise (Bassy)", [](SlotNumber slot) { GenerateBrownNoise(BROWN_NOISE_BASSY, slot); }),
    Generated(u"Generate Brown Noise", [](SlotNumber slot) { GenerateBrownNoise(BROWN_NOISE_PLAIN, slot); }),
};

static_assert(std::size(LOOKUP_ORDER) == CATALOGUE_SIZE);

}  // namespace

void LoadCatalogueSound(SlotNumber slot, std::u16string_view text)
{
    for (const CatalogueSound& sound : LOOKUP_ORDER) {
        if (text != sound.name)
            continue;
        if (sound.generate) {
            sound.generate(slot);
        } else {
            const EmbeddedBlock block = EmbeddedRecording(sound.recording);
            LoadSlotFromMemory(slot, block.data(), block.size());
        }
        return;
    }
}

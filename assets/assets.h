#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// Everything the program carries in its own data: recordings, pictures and
// texts, compiled in at build time, read-only, each with its exact length.

using EmbeddedBlock = std::span<const unsigned char>;

// Each recording is one complete Ogg Vorbis stream at 44100 Hz.
enum class Recording {
    ClockTicking,
    ClockTickingFast,
    CrtTvStatic,
    LowStatic,
    Static,
    GentleStatic,
    IndustrialFan,
    FastSteelFan,
    WaterfallishStatic,
    SpaceNoise,
    EveryoneShutUp,
    SpaceBreeze,
    NeatReminder30Seconds,
    NeatReminder1Minute,
    NeatReminder2Minutes,
    NeatReminder5Minutes,
    Alarm,
};
inline constexpr int RECORDING_COUNT = 17;

EmbeddedBlock EmbeddedRecording(Recording recording);

// ICO images.
enum class Picture {
    Playing,      // 82 x 23, loudspeaker and PLAYING
    Stop,         // 82 x 23, red square and STOP
    Play,         // 82 x 23, green triangle and PLAY
    Logo,         // 210 x 226, 256 colours
    ProgramIcon,  // 16, 32 and 48 pixels
};

EmbeddedBlock EmbeddedPicture(Picture picture);

// ASCII texts.
std::string_view HelpText();      // usage notes and terms, with the name placeholder
std::string_view OggNotice();     // libogg's licence notice
std::string_view ThirdPartyNotices();  // libvorbis, OpenAL Soft and Qt notices
std::string_view CreditLine();    // program name, version and rights notice
std::string_view HomePageAddress();
std::string_view ProgramVersion();
std::string_view ApplicationId();  // reverse-DNS name of the desktop entry

#include "assets/assets.h"

#include "assets/build_info.h"

// The symbols that embedded_assets.S places around each file.
#define HM_DECLARE_ASSET(name)                          \
    extern "C" const unsigned char hm_asset_##name[];   \
    extern "C" const unsigned char hm_asset_##name##_end[];

#define HM_ASSET(name) \
    EmbeddedBlock(hm_asset_##name, static_cast<std::size_t>(hm_asset_##name##_end - hm_asset_##name))

HM_DECLARE_ASSET(clock_ticking)
HM_DECLARE_ASSET(clock_ticking_fast)
HM_DECLARE_ASSET(crt_tv_static)
HM_DECLARE_ASSET(low_static)
HM_DECLARE_ASSET(static)
HM_DECLARE_ASSET(gentle_static)
HM_DECLARE_ASSET(industrial_fan)
HM_DECLARE_ASSET(fast_steel_fan)
HM_DECLARE_ASSET(waterfallish_static)
HM_DECLARE_ASSET(space_noise)
HM_DECLARE_ASSET(everyone_shut_up)
HM_DECLARE_ASSET(space_breeze)
HM_DECLARE_ASSET(neat_reminder_30s)
HM_DECLARE_ASSET(neat_reminder_1m)
HM_DECLARE_ASSET(neat_reminder_2m)
HM_DECLARE_ASSET(neat_reminder_5m)
HM_DECLARE_ASSET(alarm)
HM_DECLARE_ASSET(picture_playing)
HM_DECLARE_ASSET(picture_stop)
HM_DECLARE_ASSET(picture_play)
HM_DECLARE_ASSET(picture_logo)
HM_DECLARE_ASSET(program_icon)
HM_DECLARE_ASSET(help_text)
HM_DECLARE_ASSET(ogg_notice)
HM_DECLARE_ASSET(third_party_notices)

EmbeddedBlock EmbeddedRecording(Recording recording)
{
    switch (recording) {
    case Recording::ClockTicking: return HM_ASSET(clock_ticking);
    case Recording::ClockTickingFast: return HM_ASSET(clock_ticking_fast);
    case Recording::CrtTvStatic: return HM_ASSET(crt_tv_static);
    case Recording::LowStatic: return HM_ASSET(low_static);
    case Recording::Static: return HM_ASSET(static);
    case Recording::GentleStatic: return HM_ASSET(gentle_static);
    case Recording::IndustrialFan: return HM_ASSET(industrial_fan);
    case Recording::FastSteelFan: return HM_ASSET(fast_steel_fan);
    case Recording::WaterfallishStatic: return HM_ASSET(waterfallish_static);
    case Recording::SpaceNoise: return HM_ASSET(space_noise);
    case Recording::EveryoneShutUp: return HM_ASSET(everyone_shut_up);
    case Recording::SpaceBreeze: return HM_ASSET(space_breeze);
    case Recording::NeatReminder30Seconds: return HM_ASSET(neat_reminder_30s);
    case Recording::NeatReminder1Minute: return HM_ASSET(neat_reminder_1m);
    case Recording::NeatReminder2Minutes: return HM_ASSET(neat_reminder_2m);
    case Recording::NeatReminder5Minutes: return HM_ASSET(neat_reminder_5m);
    case Recording::Alarm: return HM_ASSET(alarm);
    }
    return {};
}

EmbeddedBlock EmbeddedPicture(Picture picture)
{
    switch (picture) {
    case Picture::Playing: return HM_ASSET(picture_playing);
    case Picture::Stop: return HM_ASSET(picture_stop);
    case Picture::Play: return HM_ASSET(picture_play);
    case Picture::Logo: return HM_ASSET(picture_logo);
    case Picture::ProgramIcon: return HM_ASSET(program_icon);
    }
    return {};
}

static std::string_view AsText(EmbeddedBlock block)
{
    return {reinterpret_cast<const char*>(block.data()), block.size()};
}

std::string_view HelpText() { return AsText(HM_ASSET(help_text)); }
std::string_view OggNotice() { return AsText(HM_ASSET(ogg_notice)); }
std::string_view ThirdPartyNotices() { return AsText(HM_ASSET(third_party_notices)); }

std::string_view CreditLine()
{
    return "Hushmere " HUSHMERE_VERSION
           " - Copyright (C) 2026 the Hushmere developers. The program and its sounds are free to "
           "use under the licence agreement below.";
}

std::string_view HomePageAddress() { return HUSHMERE_HOME_PAGE; }
std::string_view ProgramVersion() { return HUSHMERE_VERSION; }
std::string_view ApplicationId() { return HUSHMERE_APP_ID; }

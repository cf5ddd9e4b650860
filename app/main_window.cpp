#include "app/main_window.h"

#include <string>

#include "app/numbering.h"
#include "channels/catalogue.h"
#include "clock/time_text.h"
#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/timer.h"
#include "toolkit/windows.h"

// Columns of a channel row, left to right. The one-pixel gap before the rate
// column is part of the look.
static constexpr int SELECTOR_X = 0;
static constexpr int SELECTOR_WIDTH = 230;
static constexpr int PLAY_X = 230;
static constexpr int STOP_X = 330;
static constexpr int BUTTON_WIDTH = 100;
static constexpr int RATE_X = 431;
static constexpr int VOLUME_X = 511;
static constexpr int TRACK_WIDTH = 80;

// The alarm block under the rows.
static constexpr int FIELD_WIDTH = 107;
static constexpr int HOUR_X = 0;
static constexpr int MINUTE_X = FIELD_WIDTH;
static constexpr int CLOCK_X = 215;
static constexpr int CLOCK_WIDTH = 215;
static constexpr int CLOCK_HEIGHT = 2 * ROW_HEIGHT;
static constexpr int ALARM_HOUR_MAX = 23;
static constexpr int ALARM_MINUTE_MAX = 59;
static constexpr int ALARM_HOUR_DEFAULT = 6;
static constexpr int ALARM_MINUTE_DEFAULT = 30;

// The notice line starts 19 pixels above the bottom edge; its box reaches
// past the client area, which simply cuts it.
static constexpr int NOTICE_RISE = 19;
static constexpr int NOTICE_HEIGHT = 25;

static constexpr int ALARM_BAND_Y = ROW_HEIGHT * ROW_COUNT;
static constexpr int LABEL_BAND_Y = ROW_HEIGHT * (ROW_COUNT + 1);
static constexpr int BUTTON_BAND_Y = ROW_HEIGHT * (ROW_COUNT + 2);
static constexpr int HALF_WIDTH = MAIN_CLIENT_WIDTH / 2;

// "Play, row 3": the control's role, then its row.
static std::u16string RowControlName(std::u16string_view role, int r)
{
    const std::string digits = std::to_string(r);
    return std::u16string(role) + u", row " + std::u16string(digits.begin(), digits.end());
}

static void CreateChannelRow(int r)
{
    const int y = ROW_HEIGHT * (r - 1);
    CreateDropDown(MAIN_WINDOW, RowSelector(r), Box{SELECTOR_X, y, SELECTOR_WIDTH, ROW_HEIGHT});
    CreatePictureButton(MAIN_WINDOW, RowPlayButton(r), Box{PLAY_X, y, BUTTON_WIDTH, ROW_HEIGHT}, PICTURE_PLAY);
    CreatePictureButton(MAIN_WINDOW, RowStopButton(r), Box{STOP_X, y, BUTTON_WIDTH, ROW_HEIGHT}, PICTURE_STOP);
    CreateTrackBar(MAIN_WINDOW, RowRate(r), Box{RATE_X, y, TRACK_WIDTH, ROW_HEIGHT}, RATE_MIN, RATE_MAX);
    SetControlState(RowRate(r), RATE_DEFAULT);
    CreateTrackBar(MAIN_WINDOW, RowVolume(r), Box{VOLUME_X, y, TRACK_WIDTH, ROW_HEIGHT}, VOLUME_MIN, VOLUME_MAX);
    SetControlState(RowVolume(r), VOLUME_DEFAULT);

    // The pictures and track bars carry no words of their own, and five of
    // each would sound alike: a screen reader says what and which row.
    SetAccessibleName(RowSelector(r), RowControlName(u"Sound", r));
    SetAccessibleName(RowPlayButton(r), RowControlName(u"Play", r));
    SetAccessibleName(RowStopButton(r), RowControlName(u"Stop", r));
    SetAccessibleName(RowRate(r), RowControlName(u"Rate", r));
    SetAccessibleName(RowVolume(r), RowControlName(u"Volume", r));
}

static void FillSelectors()
{
    for (int r = 1; r <= ROW_COUNT; ++r) {
        for (const std::u16string_view name : SoundCatalogue)
            AddListEntry(RowSelector(r), std::u16string(name));
        SetControlText(RowSelector(r), std::u16string(SoundCatalogue.front()));
    }
}

bool BuildMainWindow()
{
    if (!OpenWindow(MAIN_WINDOW, u"Hushmere", MAIN_CLIENT_WIDTH, MAIN_CLIENT_HEIGHT, WindowFrame::Main))
        return false;

    for (int r = 1; r <= ROW_COUNT; ++r)
        CreateChannelRow(r);
    CreateLabel(MAIN_WINDOW, RATE_LABEL, Box{RATE_X, ALARM_BAND_Y, TRACK_WIDTH, ROW_HEIGHT}, u"RATE");
    CreateLabel(MAIN_WINDOW, VOLUME_LABEL, Box{VOLUME_X, ALARM_BAND_Y, TRACK_WIDTH, ROW_HEIGHT}, u"VOLUME");
    FillSelectors();

    CreateTextButton(MAIN_WINDOW, HELP_BUTTON, Box{HALF_WIDTH, BUTTON_BAND_Y, HALF_WIDTH, ROW_HEIGHT}, u"Help/About ");
    CreateTextButton(MAIN_WINDOW, ALARM_BUTTON, Box{0, BUTTON_BAND_Y, HALF_WIDTH, ROW_HEIGHT}, u"Enable Alarm");
    CreateLabel(MAIN_WINDOW, CLOCK_LABEL, Box{CLOCK_X, ALARM_BAND_Y, CLOCK_WIDTH, CLOCK_HEIGHT}, CurrentTimeText());
    // Started here, between the clock and the alarm fields; its first tick
    // is handled once the loop runs.
    StartTimer(MAIN_WINDOW, CLOCK_TIMER, TIMER_PERIOD_MS);

    CreateSpinField(MAIN_WINDOW, ALARM_HOUR_FIELD, Box{HOUR_X, ALARM_BAND_Y, FIELD_WIDTH, ROW_HEIGHT}, 0, ALARM_HOUR_MAX);
    CreateSpinField(MAIN_WINDOW, ALARM_MINUTE_FIELD, Box{MINUTE_X, ALARM_BAND_Y, FIELD_WIDTH, ROW_HEIGHT}, 0,
                    ALARM_MINUTE_MAX);
    CreateLabel(MAIN_WINDOW, HOUR_LABEL, Box{HOUR_X, LABEL_BAND_Y, FIELD_WIDTH, ROW_HEIGHT}, u"HOUR");
    CreateLabel(MAIN_WINDOW, MINUTE_LABEL, Box{MINUTE_X, LABEL_BAND_Y, FIELD_WIDTH, ROW_HEIGHT}, u"MINUTE");
    SetControlState(ALARM_HOUR_FIELD, ALARM_HOUR_DEFAULT);
    SetControlState(ALARM_MINUTE_FIELD, ALARM_MINUTE_DEFAULT);
    SetAccessibleName(ALARM_HOUR_FIELD, u"Alarm hour");
    SetAccessibleName(ALARM_MINUTE_FIELD, u"Alarm minute");

    CreateLabel(MAIN_WINDOW, NOTICE_LABEL,
                Box{0, MAIN_CLIENT_HEIGHT - NOTICE_RISE, MAIN_CLIENT_WIDTH, NOTICE_HEIGHT},
                u"BY USING, YOU AGREE TO ANY/ALL TERMS IN HELP DIALOG");

    if (FontExists(NOTICE_FONT))
        SetControlFont(NOTICE_LABEL, NOTICE_FONT);
    SetControlFont(CLOCK_LABEL, CLOCK_FONT);
    return true;
}

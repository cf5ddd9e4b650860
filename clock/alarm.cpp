#include "clock/alarm.h"

#include "app/numbering.h"
#include "assets/assets.h"
#include "channels/sound_slots.h"
#include "clock/time_text.h"
#include "clock/time_value.h"
#include "toolkit/controls.h"

AlarmState alarmState;

static constexpr std::u16string_view CAPTION_OFF = u"Enable Alarm";
static constexpr std::u16string_view CAPTION_ON = u"Disable Alarm";
static constexpr std::u16string_view CAPTION_RINGING = u"ALARM";
static constexpr int ALARM_VOLUME = 100;

// The text of an hour or minute field, a single character padded with "0".
// A field the user has emptied and not left yet takes back its last value
// first, as it would on losing the focus: an empty hour must not turn the
// alarm into one at half past midnight.
static std::u16string FieldText(int field)
{
    std::u16string text = ControlText(field);
    if (text.empty()) {
        SetControlState(field, ControlState(field));
        text = ControlText(field);
    }
    if (text.size() == 1)
        text.insert(text.begin(), u'0');
    return text;
}

static void SwitchOn()
{
    SetControlText(ALARM_BUTTON, std::u16string(CAPTION_ON));
    alarmState.enabled = true;

    alarmState.alarmText = FieldText(ALARM_HOUR_FIELD) + FieldText(ALARM_MINUTE_FIELD) + u"00";

    // Equal counts as ahead: switched on at the alarm's own second, it still
    // rings this time round.
    const std::int64_t now = TimeValue(CurrentTimeText());
    const std::int64_t alarm = TimeValue(alarmState.alarmText);
    alarmState.armed = now <= alarm;

    SetControlEnabled(ALARM_HOUR_FIELD, Enabled::No);
    SetControlEnabled(ALARM_MINUTE_FIELD, Enabled::No);
}

static void SwitchOff()
{
    if (alarmState.ringing) {
        ReleaseSlot(ALARM_SLOT);
        alarmState.ringing = false;
    }
    SetControlText(ALARM_BUTTON, std::u16string(CAPTION_OFF));
    alarmState.enabled = false;
    SetControlEnabled(ALARM_HOUR_FIELD, Enabled::Yes);
    SetControlEnabled(ALARM_MINUTE_FIELD, Enabled::Yes);
}

void AlarmButtonPressed()
{
    if (ControlText(ALARM_BUTTON) == CAPTION_OFF)
        SwitchOn();
    else
        SwitchOff();
}

static void Ring()
{
    alarmState.enabled = false;
    SetControlText(ALARM_BUTTON, std::u16string(CAPTION_RINGING));
    const EmbeddedBlock sound = EmbeddedRecording(Recording::Alarm);
    LoadSlotFromMemory(ALARM_SLOT, sound.data(), sound.size());
    PlaySlotLooped(ALARM_SLOT, ALARM_VOLUME);
    alarmState.ringing = true;
}

void AlarmTick(std::u16string_view newText, std::u16string_view previousText)
{
    if (!alarmState.enabled)
        return;

    const std::int64_t now = TimeValue(newText);
    if (alarmState.armed && now > ReadNumber(alarmState.alarmText))
        Ring();

    // A time smaller than the one shown before starts a new day (or the clock
    // was set back): the alarm time lies ahead again.
    if (TimeValue(previousText) > now)
        alarmState.armed = true;
}

#include "clock/clock_tick.h"

#include "app/numbering.h"
#include "clock/alarm.h"
#include "clock/time_text.h"
#include "toolkit/controls.h"

void ClockTick()
{
    const std::u16string now = CurrentTimeText();
    const std::u16string shown = ControlText(CLOCK_LABEL);
    if (now == shown)
        return;
    AlarmTick(now, shown);
    SetControlText(CLOCK_LABEL, now);
}

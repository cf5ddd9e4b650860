#include "clock/clock_tick.h"

#include "channels/loopback_output.h"
#include "clock_fixture.h"

using ClockTickTest = ClockFixture;

struct TimeCase {
    LocalTime time;
    std::u16string text;
};

TEST_F(ClockTickTest, ShowsTwoDigitFields)
{
    const TimeCase cases[] = {
        {{9, 0, 5}, u"09:00:05"},
        {{0, 0, 0}, u"00:00:00"},
        {{23, 59, 59}, u"23:59:59"},
        {{7, 5, 9}, u"07:05:09"},
        {{12, 34, 56}, u"12:34:56"},
    };
    for (const TimeCase& c : cases) {
        now = c.time;
        ClockTick();
        EXPECT_EQ(ControlText(CLOCK_LABEL), c.text);
    }
}

TEST_F(ClockTickTest, UnchangedTextTouchesNothing)
{
    // An alarm that would ring on any changed tick.
    SetControlText(ALARM_BUTTON, u"Disable Alarm");
    alarmState = {true, true, false, u"000000"};

    SetTime(u"10:00:00");
    SetControlText(CLOCK_LABEL, u"10:00:00");
    ClockTick();
    EXPECT_FALSE(alarmState.ringing);
    EXPECT_EQ(ControlText(ALARM_BUTTON), u"Disable Alarm");
    EXPECT_FALSE(InspectSlot(ALARM_SLOT).has_value());

    SetTime(u"10:00:01");
    ClockTick();
    EXPECT_TRUE(alarmState.ringing);
    EXPECT_EQ(ControlText(CLOCK_LABEL), u"10:00:01");
}

TEST_F(ClockTickTest, HeldUpLoopShowsTheThenCurrentTime)
{
    SetTime(u"10:00:00");
    ClockTick();
    // The loop was busy for seven seconds: the next tick jumps straight there.
    SetTime(u"10:00:07");
    ClockTick();
    EXPECT_EQ(ControlText(CLOCK_LABEL), u"10:00:07");
}

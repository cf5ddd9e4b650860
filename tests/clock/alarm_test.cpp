#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

#include "assets/assets.h"
#include "channels/loopback_output.h"
#include "clock/clock_tick.h"
#include "clock_fixture.h"
#include "toolkit/controls.h"
#include "toolkit/widget_access.h"

namespace {

enum class Action { Press, Tick };

// One step of a scenario: set the wall clock, press the alarm button or let
// the clock tick, then check what the user sees and hears.
struct Step {
    Action action;
    std::u16string time;
    std::u16string caption;
    bool ringing;
};

struct Scenario {
    const char* name;
    int hour;
    int minute;
    std::u16string startTime;  // the clock label's text before the first step
    std::vector<Step> steps;
};

constexpr auto Press = Action::Press;
constexpr auto Tick = Action::Tick;
const std::u16string Off = u"Enable Alarm";
const std::u16string On = u"Disable Alarm";
const std::u16string Ringing = u"ALARM";

class AlarmScenarioTest : public ClockFixture, public testing::WithParamInterface<Scenario> {};

TEST_P(AlarmScenarioTest, FollowsTheStateTable)
{
    const Scenario& s = GetParam();
    SetControlState(ALARM_HOUR_FIELD, s.hour);
    SetControlState(ALARM_MINUTE_FIELD, s.minute);
    SetControlText(CLOCK_LABEL, s.startTime);

    for (const Step& step : s.steps) {
        SCOPED_TRACE(testing::Message() << (step.action == Press ? "press" : "tick") << " at "
                                        << std::string(step.time.begin(), step.time.end()));
        SetTime(step.time);
        if (step.action == Press)
            AlarmButtonPressed();
        else
            ClockTick();

        EXPECT_EQ(ControlText(ALARM_BUTTON), step.caption);
        EXPECT_EQ(alarmState.ringing, step.ringing);
        const auto slot = InspectSlot(ALARM_SLOT);
        EXPECT_EQ(slot.has_value() && slot->playing, step.ringing);
        // The fields stay disabled from switching on until the next press.
        const bool fieldsEnabled = step.caption == Off;
        EXPECT_EQ(ControlIsEnabled(ALARM_HOUR_FIELD), fieldsEnabled);
        EXPECT_EQ(ControlIsEnabled(ALARM_MINUTE_FIELD), fieldsEnabled);
    }
}

INSTANTIATE_TEST_SUITE_P(Alarm, AlarmScenarioTest, testing::Values(
    Scenario{"OnJustBeforeTheAlarm", 6, 30, u"06:29:58", {
        {Press, u"06:29:59", On, false},
        {Tick, u"06:30:00", On, false},
        {Tick, u"06:30:01", Ringing, true},
        {Tick, u"06:30:02", Ringing, true},
        {Press, u"06:30:03", Off, false},
    }},
    Scenario{"OnAtTheAlarmSecondCountsAsAhead", 6, 30, u"06:29:59", {
        {Press, u"06:30:00", On, false},
        {Tick, u"06:30:01", Ringing, true},
    }},
    Scenario{"OnAfterTheAlarmWaitsForTomorrow", 6, 30, u"06:30:00", {
        {Press, u"06:30:01", On, false},
        {Tick, u"06:30:02", On, false},
        {Tick, u"23:59:59", On, false},
        {Tick, u"00:00:00", On, false},
        {Tick, u"06:30:00", On, false},
        {Tick, u"06:30:01", Ringing, true},
    }},
    Scenario{"MidnightAlarmArmsAtMidnightAndRingsASecondLater", 0, 0, u"11:59:59", {
        {Press, u"12:00:00", On, false},
        {Tick, u"23:59:59", On, false},
        {Tick, u"00:00:00", On, false},
        {Tick, u"00:00:01", Ringing, true},
    }},
    Scenario{"JumpForwardPastTheAlarmRingsLate", 6, 30, u"05:59:59", {
        {Press, u"06:00:00", On, false},
        {Tick, u"06:00:01", On, false},
        {Tick, u"09:15:00", Ringing, true},
    }},
    Scenario{"ClockSetBackCountsAsMidnight", 1, 0, u"02:59:57", {
        {Press, u"02:59:58", On, false},
        {Tick, u"02:59:59", On, false},
        {Tick, u"02:00:00", On, false},
        {Tick, u"02:00:01", Ringing, true},
    }},
    Scenario{"SilencedAndOnAgainWithinTheMinuteWaitsForTomorrow", 6, 30, u"06:29:58", {
        {Press, u"06:29:59", On, false},
        {Tick, u"06:30:01", Ringing, true},
        {Press, u"06:30:05", Off, false},
        {Press, u"06:30:10", On, false},
        {Tick, u"06:30:11", On, false},
        {Tick, u"06:31:00", On, false},
    }},
    Scenario{"SwitchedOffBeforeRinging", 6, 30, u"06:29:57", {
        {Press, u"06:29:58", On, false},
        {Press, u"06:29:59", Off, false},
        {Tick, u"06:30:01", Off, false},
    }}),
    [](const testing::TestParamInfo<Scenario>& info) { return info.param.name; });

using AlarmSlotTest = ClockFixture;

TEST_F(AlarmSlotTest, DisableLeavesTheSlotAloneAndAlarmReleasesIt)
{
    // Something else in the alarm's slot survives switching the alarm off.
    const EmbeddedBlock other = EmbeddedRecording(Recording::ClockTicking);
    ASSERT_TRUE(LoadSlotFromMemory(ALARM_SLOT, other.data(), other.size()));
    SetTime(u"06:00:00");
    AlarmButtonPressed();
    AlarmButtonPressed();
    EXPECT_EQ(ControlText(ALARM_BUTTON), u"Enable Alarm");
    EXPECT_TRUE(InspectSlot(ALARM_SLOT).has_value());

    // Ringing, the press releases the slot.
    AlarmButtonPressed();
    SetControlText(CLOCK_LABEL, u"06:30:00");
    SetTime(u"06:30:01");
    ClockTick();
    ASSERT_EQ(ControlText(ALARM_BUTTON), u"ALARM");
    const auto ringing = InspectSlot(ALARM_SLOT);
    ASSERT_TRUE(ringing.has_value());
    EXPECT_TRUE(ringing->playing);
    EXPECT_EQ(ringing->volume, 100);
    EXPECT_EQ(ringing->channels, 1);
    AlarmButtonPressed();
    EXPECT_FALSE(InspectSlot(ALARM_SLOT).has_value());
}

TEST_F(AlarmSlotTest, AlarmTextIsFormedFromTheFields)
{
    struct FieldCase {
        int hour;
        int minute;
        std::u16string alarmText;
    };
    const FieldCase cases[] = {
        {6, 30, u"063000"},
        {0, 0, u"000000"},
        {23, 59, u"235900"},
        {9, 5, u"090500"},
    };
    SetTime(u"12:00:00");
    for (const FieldCase& c : cases) {
        SetControlState(ALARM_HOUR_FIELD, c.hour);
        SetControlState(ALARM_MINUTE_FIELD, c.minute);
        AlarmButtonPressed();
        EXPECT_EQ(alarmState.alarmText, c.alarmText);
        AlarmButtonPressed();
    }
}

}  // namespace

namespace {

// The hour and minute fields take only whole numbers in their ranges: what
// the user types is what the alarm reads, and nothing else gets in.
using AlarmFieldTest = ClockFixture;

TEST_F(AlarmFieldTest, EmptiedFieldTakesBackItsValueWhenTheAlarmIsSwitchedOn)
{
    QWidget* hour = ControlWidget(ALARM_HOUR_FIELD);
    QTest::keyClick(hour, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(hour, Qt::Key_Backspace);
    ASSERT_EQ(ControlText(ALARM_HOUR_FIELD), u"");

    SetTime(u"12:00:00");
    AlarmButtonPressed();
    EXPECT_EQ(alarmState.alarmText, u"063000");
    EXPECT_EQ(ControlText(ALARM_HOUR_FIELD), u"6");
}

TEST_F(AlarmFieldTest, TypedTextOutsideTheRangeIsRefused)
{
    struct Typing {
        int field;
        const char* keys;
        std::u16string shown;
    };
    const Typing cases[] = {
        {ALARM_HOUR_FIELD, "123", u"12"},
        {ALARM_HOUR_FIELD, "7:", u"7"},
        {ALARM_HOUR_FIELD, "-5", u"5"},
        {ALARM_HOUR_FIELD, "2x4", u"2"},
        {ALARM_MINUTE_FIELD, "60", u"6"},
        {ALARM_MINUTE_FIELD, "59", u"59"},
    };
    for (const Typing& c : cases) {
        QWidget* field = ControlWidget(c.field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, c.keys);
        EXPECT_EQ(ControlText(c.field), c.shown) << "typed " << c.keys;
    }

    // What was typed is what the alarm is set to.
    SetTime(u"01:00:00");
    AlarmButtonPressed();
    EXPECT_EQ(alarmState.alarmText, u"025900");
    EXPECT_TRUE(alarmState.armed);
}

}  // namespace

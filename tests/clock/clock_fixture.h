#pragma once

#include <string>

#include <gtest/gtest.h>

#include "app/numbering.h"
#include "channels/sound_slots.h"
#include "clock/alarm.h"
#include "clock/time_text.h"
#include "toolkit/controls.h"
#include "toolkit/windows.h"

// The controls the clock and the alarm work on, in a main window of their
// own, and a wall clock that the test sets.
class ClockFixture : public testing::Test {
protected:
    static inline LocalTime now{};

    static LocalTime TestClock() { return now; }

    // Sets the wall clock from "HH:MM:SS".
    static void SetTime(std::u16string_view text)
    {
        auto field = [&](std::size_t at) { return (text[at] - u'0') * 10 + (text[at + 1] - u'0'); };
        now = {field(0), field(3), field(6)};
    }

    void SetUp() override
    {
        SetWallClock(TestClock);
        SetTime(u"12:00:00");
        alarmState = AlarmState{};
        ASSERT_TRUE(OpenWindow(MAIN_WINDOW, u"Hushmere", MAIN_CLIENT_WIDTH, MAIN_CLIENT_HEIGHT, WindowFrame::Main));
        ASSERT_TRUE(CreateTextButton(MAIN_WINDOW, ALARM_BUTTON, {0, 252, 295, 36}, u"Enable Alarm"));
        ASSERT_TRUE(CreateLabel(MAIN_WINDOW, CLOCK_LABEL, {215, 180, 215, 72}, CurrentTimeText()));
        ASSERT_TRUE(CreateSpinField(MAIN_WINDOW, ALARM_HOUR_FIELD, {0, 180, 107, 36}, 0, 23));
        ASSERT_TRUE(CreateSpinField(MAIN_WINDOW, ALARM_MINUTE_FIELD, {107, 180, 107, 36}, 0, 59));
        SetControlState(ALARM_HOUR_FIELD, 6);
        SetControlState(ALARM_MINUTE_FIELD, 30);
    }

    void TearDown() override
    {
        ReleaseSlot(ALARM_SLOT);
        CloseWindow(MAIN_WINDOW);
        SetWallClock(nullptr);
    }
};

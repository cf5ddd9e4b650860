#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "app/main_window.h"
#include "app/numbering.h"
#include "app/start_up.h"
#include "clock/time_text.h"
#include "toolkit/events.h"
#include "../toolkit/drain_events.h"
#include "toolkit/session.h"
#include "toolkit/windows.h"

// The main window as start-up builds it, with the wall clock held at
// 07:05:09 so that the clock label's first text is known.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(InitToolkit());
        SetWallClock([] { return LocalTime{7, 5, 9}; });
        ResetProgramState();
        LoadEmbeddedPictures();
        CreateProgramFonts();
        ASSERT_TRUE(BuildMainWindow());
    }

    void TearDown() override
    {
        CloseWindow(HELP_WINDOW);
        CloseWindow(MAIN_WINDOW);
        SetWallClock(nullptr);
        DrainEvents();
    }
};

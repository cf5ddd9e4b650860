#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "toolkit/events.h"
#include "drain_events.h"
#include "toolkit/windows.h"

// A test window, number 0, opened fresh for each test; the events left over
// from making it are drained so that a test sees only its own.
class ToolkitTest : public testing::Test {
protected:
    static constexpr int WINDOW = 0;

    void SetUp() override
    {
        ASSERT_TRUE(OpenWindow(WINDOW, u"Test", 400, 300, WindowFrame::Main));
        DrainEvents();
    }

    void TearDown() override
    {
        CloseWindow(WINDOW);
        CloseWindow(1);
        DrainEvents();
    }


    static std::vector<int> ControlEventNumbers()
    {
        std::vector<int> numbers;
        for (const Event& e : DrainEvents()) {
            if (e.kind == EventKind::ControlEvent)
                numbers.push_back(e.number);
        }
        return numbers;
    }
};

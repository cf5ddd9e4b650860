#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <thread>

#include "toolkit/timer.h"
#include "toolkit/widget_access.h"
#include "toolkit_fixture.h"

using WaitEventTest = ToolkitTest;

TEST_F(WaitEventTest, BlocksUntilTheTimerTicks)
{
    StartTimer(WINDOW, 12, 50);
    const auto start = std::chrono::steady_clock::now();
    const Event event = WaitEvent();
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(event.kind, EventKind::TimerTick);
    EXPECT_EQ(event.number, 12);
    EXPECT_GE(waited, std::chrono::milliseconds(40));
}

TEST_F(WaitEventTest, TicksThatPileUpArriveAsOne)
{
    StartTimer(WINDOW, 12, 10);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));  // a handler holding up the loop
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    int ticks = 0;
    for (const Event& e : DrainEvents())
        ticks += e.kind == EventKind::TimerTick ? 1 : 0;
    EXPECT_EQ(ticks, 1);
}

TEST_F(WaitEventTest, UserEventsKeepTheirOrder)
{
    QTimer::singleShot(0, [] {
        WindowWidget(WINDOW)->close();
    });
    QTimer::singleShot(5, [] {
        WindowWidget(WINDOW)->close();
    });
    const Event first = WaitEvent();
    const Event second = WaitEvent();
    EXPECT_EQ(first.kind, EventKind::CloseRequest);
    EXPECT_EQ(second.kind, EventKind::CloseRequest);
}

TEST_F(WaitEventTest, ClosingTheWindowStopsItsTimer)
{
    StartTimer(WINDOW, 12, 10);
    CloseWindow(WINDOW);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_TRUE(DrainEvents().empty());
}

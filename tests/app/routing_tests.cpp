#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <string>

#include "app/event_loop.h"
#include "app_fixture.h"
#include "toolkit/widget_access.h"

namespace {
std::vector<std::string> calls;

void Record(const std::string& name, int r) { calls.push_back(name + " " + std::to_string(r)); }

// Every handler writes down its name and row; the clock is left out unless
// a test asks for it, since its timer runs all the time.
bool recordClock = false;
const LoopHandlers RECORDING = {
    [](int r) { Record("SelectorChanged", r); },
    [](int r) { Record("PlayPressed", r); },
    [](int r) { Record("StopPressed", r); },
    [](int r) { Record("RateMoved", r); },
    [](int r) { Record("VolumeMoved", r); },
    [] { calls.push_back("ToggleHelpWindow"); },
    [] { calls.push_back("AlarmButtonPressed"); },
    [] {
        if (recordClock)
            calls.push_back("ClockTick");
    },
};

struct Route {
    Event event;
    std::string call;  // empty: nothing runs
    LoopStep step;
};

std::vector<Route> RoutingTable()
{
    std::vector<Route> routes;
    for (int r = 1; r <= ROW_COUNT; ++r) {
        const std::string row = " " + std::to_string(r);
        routes.push_back({{EventKind::ControlEvent, RowSelector(r)}, "SelectorChanged" + row, LoopStep::Continue});
        routes.push_back({{EventKind::ControlEvent, RowPlayButton(r)}, "PlayPressed" + row, LoopStep::Continue});
        routes.push_back({{EventKind::ControlEvent, RowStopButton(r)}, "StopPressed" + row, LoopStep::Continue});
        routes.push_back({{EventKind::ControlEvent, RowRate(r)}, "RateMoved" + row, LoopStep::Continue});
        routes.push_back({{EventKind::ControlEvent, RowVolume(r)}, "VolumeMoved" + row, LoopStep::Continue});
        // The slot column holds no controls.
        routes.push_back({{EventKind::ControlEvent, static_cast<int>(RowSlot(r))}, "", LoopStep::Continue});
    }
    routes.push_back({{EventKind::ControlEvent, HELP_BUTTON}, "ToggleHelpWindow", LoopStep::Continue});
    routes.push_back({{EventKind::ControlEvent, ALARM_BUTTON}, "AlarmButtonPressed", LoopStep::Continue});
    for (const int ignored : {ALARM_HOUR_FIELD, ALARM_MINUTE_FIELD, HOUR_LABEL, MINUTE_LABEL, HELP_TEXT, CLOCK_LABEL,
                              NOTICE_LABEL, LOGO_CONTROL, RATE_LABEL, VOLUME_LABEL, RowSelector(0),
                              RowVolume(ROW_COUNT) + 1, 0, 1, -1})
        routes.push_back({{EventKind::ControlEvent, ignored}, "", LoopStep::Continue});
    routes.push_back({{EventKind::CloseRequest, HELP_WINDOW}, "ToggleHelpWindow", LoopStep::Continue});
    routes.push_back({{EventKind::CloseRequest, MAIN_WINDOW}, "", LoopStep::Quit});
    routes.push_back({{EventKind::CloseRequest, 2}, "", LoopStep::Continue});
    routes.push_back({{EventKind::TimerTick, CLOCK_TIMER}, "ClockTick", LoopStep::Continue});
    routes.push_back({{EventKind::TimerTick, 13}, "", LoopStep::Continue});
    routes.push_back({{EventKind::Other, 0}, "", LoopStep::Continue});
    return routes;
}
}  // namespace

TEST(RoutingTest, EachEventReachesItsHandlerWithTheRow)
{
    recordClock = true;
    for (const Route& route : RoutingTable()) {
        calls.clear();
        const LoopStep step = RouteEvent(route.event, RECORDING);
        const std::vector<std::string> expected =
            route.call.empty() ? std::vector<std::string>{} : std::vector<std::string>{route.call};
        EXPECT_EQ(calls, expected) << "event of kind " << static_cast<int>(route.event.kind) << " number "
                                   << route.event.number;
        EXPECT_EQ(step, route.step);
    }
    recordClock = false;
}

TEST_F(MainWindowTest, UserActionsOnTheWindowReachTheirHandlers)
{
    QApplication::setActiveWindow(WindowWidget(MAIN_WINDOW));
    DrainEvents();
    calls.clear();
    QTest::mouseClick(ControlWidget(RowPlayButton(3)), Qt::LeftButton);
    QTest::mouseClick(ControlWidget(RowStopButton(5)), Qt::LeftButton);
    QTest::keyClick(ControlWidget(RowRate(2)), Qt::Key_Right);
    QTest::keyClick(ControlWidget(RowVolume(4)), Qt::Key_Left);
    QTest::keyClick(ControlWidget(RowSelector(1)), Qt::Key_Down);
    QTest::mouseClick(ControlWidget(HELP_BUTTON), Qt::LeftButton);
    QTest::mouseClick(ControlWidget(ALARM_BUTTON), Qt::LeftButton);
    QTest::keyClick(ControlWidget(ALARM_HOUR_FIELD)->findChild<QLineEdit*>(), Qt::Key_Up);
    for (const Event& e : DrainEvents())
        RouteEvent(e, RECORDING);
    const std::vector<std::string> expected = {"PlayPressed 3", "StopPressed 5",     "RateMoved 2",
                                               "VolumeMoved 4", "SelectorChanged 1", "ToggleHelpWindow",
                                               "AlarmButtonPressed"};
    EXPECT_EQ(calls, expected);
}

TEST_F(MainWindowTest, CloseRequestOfTheMainWindowEndsTheLoopAfterThatEvent)
{
    calls.clear();
    QTimer::singleShot(0, [] {
        QTest::mouseClick(ControlWidget(RowPlayButton(1)), Qt::LeftButton);
        WindowWidget(MAIN_WINDOW)->close();  // the close box
        QTest::mouseClick(ControlWidget(RowStopButton(1)), Qt::LeftButton);
    });
    RunEventLoop(RECORDING);
    EXPECT_EQ(calls, std::vector<std::string>{"PlayPressed 1"});
    // The loop only asked; closing is the program's part.
    EXPECT_TRUE(WindowIsOpen(MAIN_WINDOW));
}

TEST_F(MainWindowTest, HelpWindowCloseRequestGoesToTheToggleAndTheLoopGoesOn)
{
    calls.clear();
    QTimer::singleShot(0, [] {
        OpenWindow(HELP_WINDOW, u"Help", 800, 400, WindowFrame::Dialog);
        WindowWidget(HELP_WINDOW)->close();
        WindowWidget(MAIN_WINDOW)->close();
    });
    RunEventLoop(RECORDING);
    EXPECT_EQ(calls, std::vector<std::string>{"ToggleHelpWindow"});
}

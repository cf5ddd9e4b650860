#include "app/event_loop.h"

#include "app/numbering.h"
#include "channels/channel_rows.h"
#include "clock/clock_tick.h"
#include "clock/alarm.h"
#include "help/help_window.h"

LoopHandlers ProgramHandlers()
{
    return LoopHandlers{SelectorChanged, PlayPressed,        StopPressed, RateMoved,
                        VolumeMoved,     ToggleHelpWindow,   AlarmButtonPressed, ClockTick};
}

// The type of a control's event is never looked at: each control reports one
// kind of thing.
static void RouteControlEvent(int control, const LoopHandlers& handlers)
{
    if (const int r = RowOf(RowColumn::Selector, control))
        handlers.selectorChanged(r);
    else if (const int r = RowOf(RowColumn::PlayButton, control))
        handlers.playPressed(r);
    else if (const int r = RowOf(RowColumn::StopButton, control))
        handlers.stopPressed(r);
    else if (const int r = RowOf(RowColumn::Rate, control))
        handlers.rateMoved(r);
    else if (const int r = RowOf(RowColumn::Volume, control))
        handlers.volumeMoved(r);
    else if (control == HELP_BUTTON)
        handlers.toggleHelpWindow();
    else if (control == ALARM_BUTTON)
        handlers.alarmButtonPressed();
}

LoopStep RouteEvent(const Event& event, const LoopHandlers& handlers)
{
    switch (event.kind) {
    case EventKind::ControlEvent:
        RouteControlEvent(event.number, handlers);
        break;
    case EventKind::CloseRequest:
        if (event.number == MAIN_WINDOW)
            return LoopStep::Quit;
        // The help window's close box closes it through the same toggle as
        // its button, since a close request only comes from an open window.
        if (event.number == HELP_WINDOW)
            handlers.toggleHelpWindow();
        break;
    case EventKind::TimerTick:
        if (event.number == CLOCK_TIMER)
            handlers.clockTick();
        break;
    case EventKind::Other:
        break;
    }
    return LoopStep::Continue;
}

void RunEventLoop(const LoopHandlers& handlers)
{
    bool quitRequested = false;
    while (!quitRequested)
        quitRequested = RouteEvent(WaitEvent(), handlers) == LoopStep::Quit;
}

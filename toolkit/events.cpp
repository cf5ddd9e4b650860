#include "toolkit/events.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "toolkit/event_queue.h"

Event WaitEvent()
{
    Event event{EventKind::Other, 0};
    if (QCoreApplication::instance() == nullptr)
        return event;  // no session: there is nothing to wait for
    // Each pass sleeps in the window system's wait until something arrives
    // (input, a timer, a posted event) and lets the widgets handle it; only
    // the user-action signals and the timers put events into the queue.
    while (!TakeQueuedEvent(event))
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return event;
}

bool PollEvent(Event& event)
{
    if (TakeQueuedEvent(event))
        return true;
    if (QCoreApplication::instance() == nullptr)
        return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return TakeQueuedEvent(event);
}

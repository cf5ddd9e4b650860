#include "toolkit/event_queue.h"

#include <algorithm>
#include <deque>

static std::deque<Event> queuedEvents;

void QueueEvent(EventKind kind, int number) noexcept
{
    try {
        if (kind == EventKind::TimerTick) {
            const bool waiting = std::any_of(queuedEvents.begin(), queuedEvents.end(), [&](const Event& e) {
                return e.kind == EventKind::TimerTick && e.number == number;
            });
            if (waiting)
                return;
        }
        queuedEvents.push_back(Event{kind, number});
    } catch (...) {
        // Out of memory: the user's action is lost, the program goes on.
    }
}

bool TakeQueuedEvent(Event& event) noexcept
{
    if (queuedEvents.empty())
        return false;
    event = queuedEvents.front();
    queuedEvents.pop_front();
    return true;
}

void ClearEventQueue() noexcept { queuedEvents.clear(); }

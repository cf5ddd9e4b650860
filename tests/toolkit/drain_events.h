#pragma once

#include <vector>

#include "toolkit/events.h"

// Every event that is ready now, in order, taken off the queue.
inline std::vector<Event> DrainEvents()
{
    std::vector<Event> events;
    Event event{};
    while (PollEvent(event))
        events.push_back(event);
    return events;
}

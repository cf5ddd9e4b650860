#include "toolkit/timer.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <map>

#include "toolkit/event_queue.h"
#include "toolkit/window_registry.h"

// Each timer is a child of its window, so it stops when the window closes.
static std::map<int, QPointer<QTimer>> timers;

void StartTimer(int window, int timer, int periodMs)
{
    QWidget* owner = FindWindow(window);
    if (owner == nullptr || periodMs <= 0)
        return;
    if (QTimer* old = timers[timer].data())
        delete old;
    auto* made = new QTimer(owner);
    // A coarse timer lets the system bundle wake-ups; a clock that shows
    // seconds does not need better than a few milliseconds.
    made->setTimerType(Qt::CoarseTimer);
    made->setInterval(periodMs);
    QObject::connect(made, &QTimer::timeout, made, [timer] { QueueEvent(EventKind::TimerTick, timer); });
    made->start();
    timers[timer] = made;
}

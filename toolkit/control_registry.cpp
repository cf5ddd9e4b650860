#include "toolkit/control_registry.h"

#include <QPointer>
#include <QWidget>
#include <map>

#include "toolkit/event_queue.h"

namespace {
struct ControlEntry {
    QPointer<QWidget> widget;
    int window;
    ClickHandler clickHandler;
};
}

static std::map<int, ControlEntry> controls;

void RegisterControl(int control, int window, QWidget* widget)
{
    controls[control] = ControlEntry{widget, window, nullptr};
}

QWidget* FindControl(int control)
{
    const auto found = controls.find(control);
    return found == controls.end() ? nullptr : found->second.widget.data();
}

std::vector<int> ForgetControlsOfWindow(int window)
{
    std::vector<int> forgotten;
    for (auto it = controls.begin(); it != controls.end();) {
        if (it->second.window == window) {
            forgotten.push_back(it->first);
            it = controls.erase(it);
        } else {
            ++it;
        }
    }
    return forgotten;
}

void SetClickHandler(int control, ClickHandler handler)
{
    const auto found = controls.find(control);
    if (found != controls.end())
        found->second.clickHandler = handler;
}

void ReportClick(int control) noexcept
{
    const auto found = controls.find(control);
    if (found == controls.end())
        return;
    if (const ClickHandler handler = found->second.clickHandler) {
        try {
            handler();
        } catch (...) {
            // A handler's failure must not unwind through Qt's signal code.
        }
    }
    // The handler may have closed the control's window; the click is still
    // the user's and reaches the loop, which decides what it means.
    QueueEvent(EventKind::ControlEvent, control);
}

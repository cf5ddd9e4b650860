#include "toolkit/window_registry.h"

#include <QPointer>
#include <QWidget>
#include <map>

static std::map<int, QPointer<QWidget>> windows;

void RegisterWindow(int window, QWidget* widget) { windows[window] = widget; }

QWidget* FindWindow(int window)
{
    const auto found = windows.find(window);
    return found == windows.end() ? nullptr : found->second.data();
}

void ForgetWindow(int window) { windows.erase(window); }

std::vector<int> OpenWindowNumbers()
{
    std::vector<int> numbers;
    for (const auto& [number, widget] : windows)
        numbers.push_back(number);
    return numbers;
}

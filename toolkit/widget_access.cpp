#include "toolkit/widget_access.h"

#include "toolkit/control_registry.h"
#include "toolkit/window_registry.h"

QWidget* WindowWidget(int window) { return FindWindow(window); }

QWidget* ControlWidget(int control) { return FindControl(control); }

#pragma once

#include <vector>

#include "toolkit/controls.h"

class QWidget;

// The table from control numbers to widgets. Every control belongs to one
// window and lives as a child of that window's widget.

void RegisterControl(int control, int window, QWidget* widget);
QWidget* FindControl(int control);

// Drops every control of the window from the table (the widgets themselves
// go with their window) and returns their numbers.
std::vector<int> ForgetControlsOfWindow(int window);

void SetClickHandler(int control, ClickHandler handler);

// A click by the user: the bound handler runs first, at once, then the
// click's ControlEvent is queued.
void ReportClick(int control) noexcept;

#pragma once

// For tests only: the Qt widgets behind numbers, so that a test can drive
// them as a user would (QTest clicks and keys) and inspect what they show.

class QWidget;

// The top-level widget of an open window, or nullptr.
QWidget* WindowWidget(int window);
// The widget of a control, or nullptr.
QWidget* ControlWidget(int control);

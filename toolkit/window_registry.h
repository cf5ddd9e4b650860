#pragma once

#include <vector>

class QWidget;

// The table from window numbers to the open windows' widgets.
void RegisterWindow(int window, QWidget* widget);
QWidget* FindWindow(int window);
void ForgetWindow(int window);
std::vector<int> OpenWindowNumbers();

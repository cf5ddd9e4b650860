#pragma once

#include <QWidget>

#include "toolkit/windows.h"

// A top-level window whose close box, system menu or close shortcut only asks
// to close: the request is queued for the program and the window stays open
// until CloseWindow destroys it.
class NumberedWindow : public QWidget {
public:
    NumberedWindow(int number, WindowFrame frame);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    int number;
};

#pragma once

#include <QMargins>
#include <QWidget>

#include "toolkit/windows.h"

// A top-level window whose close box, system menu or close shortcut only asks
// to close: the request is queued for the program and the window stays open
// until CloseWindow destroys it.
class NumberedWindow : public QWidget {
public:
    NumberedWindow(int number, WindowFrame frame);

    // Places the window, frame included, in the middle of the primary
    // screen. The frame's size is known only once a window manager has
    // framed the window; until then the window is placed by its client area,
    // and placed again, once, as soon as the frame shows up.
    void CentreOnPrimaryScreen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    QMargins CurrentFrame() const;

    int number;
    bool awaitingFrame = true;
};

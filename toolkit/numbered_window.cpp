#include "toolkit/numbered_window.h"

#include <QCloseEvent>
#include <QShortcut>

#include "toolkit/event_queue.h"

static Qt::WindowFlags FlagsOf(WindowFrame frame)
{
    // CustomizeWindowHint switches the window manager's defaults off, so that
    // only the boxes named here appear (no maximise box on either frame).
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (frame == WindowFrame::Main)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

NumberedWindow::NumberedWindow(int number, WindowFrame frame)
    : QWidget(nullptr, FlagsOf(frame)), number(number)
{
    if (frame == WindowFrame::Dialog) {
        // Escape closes a dialog frame wherever the focus is in it, the same
        // way as its close box: by asking.
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        escape->setContext(Qt::WindowShortcut);
        connect(escape, &QShortcut::activated, this,
                [number] { QueueEvent(EventKind::CloseRequest, number); });
    }
}

void NumberedWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    QueueEvent(EventKind::CloseRequest, number);
}

#include "toolkit/numbered_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QShortcut>

#include "toolkit/centring.h"
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

QMargins NumberedWindow::CurrentFrame() const
{
    const QWindow* handle = windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

void NumberedWindow::CentreOnPrimaryScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QMargins frame = CurrentFrame();
    if (!frame.isNull())
        awaitingFrame = false;
    const int outerWidth = width() + frame.left() + frame.right();
    const int outerHeight = height() + frame.top() + frame.bottom();
    const QRect area = screen->geometry();
    // For a top-level window, move() places the frame's top-left corner.
    move(area.x() + CentredOrigin(area.width(), outerWidth), area.y() + CentredOrigin(area.height(), outerHeight));
}

void NumberedWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // The window manager moves the window when it puts its frame around it.
    if (awaitingFrame && isVisible() && !CurrentFrame().isNull())
        CentreOnPrimaryScreen();
}

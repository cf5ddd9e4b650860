#include "toolkit/windows.h"

#include <QApplication>
#include <QPalette>

#include "toolkit/control_registry.h"
#include "toolkit/numbered_window.h"
#include "toolkit/picture_store.h"
#include "toolkit/text_conversion.h"
#include "toolkit/window_registry.h"

bool OpenWindow(int window, const std::u16string& title, int width, int height, WindowFrame frame)
{
    if (QApplication::instance() == nullptr || FindWindow(window) != nullptr || width <= 0 || height <= 0)
        return false;
    auto* widget = new NumberedWindow(window, frame);
    widget->setWindowTitle(ToQString(title));
    widget->setFixedSize(width, height);
    widget->winId();  // makes the native window, so that its frame can be asked for
    widget->CentreOnPrimaryScreen();
    RegisterWindow(window, widget);
    widget->show();
    widget->raise();
    widget->activateWindow();
    return true;
}

void CloseWindow(int window)
{
    QWidget* widget = FindWindow(window);
    if (widget == nullptr)
        return;
    ForgetControlsOfWindow(window);
    ForgetWindow(window);
    // Destroying, not close(): close() would only ask, as the user does.
    delete widget;
}

bool WindowIsOpen(int window) { return FindWindow(window) != nullptr; }

void SetWindowBackground(int window, std::uint32_t rgb)
{
    QWidget* widget = FindWindow(window);
    if (widget == nullptr)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(static_cast<QRgb>(rgb & 0xFFFFFFu)));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

bool SetProgramIcon(std::span<const unsigned char> ico)
{
    if (QApplication::instance() == nullptr)
        return false;
    const QIcon icon = DecodeIcon(ico);
    if (icon.isNull())
        return false;
    // The application's icon is the default of every window, open or not.
    QApplication::setWindowIcon(icon);
    return true;
}

#include "toolkit/message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "toolkit/text_conversion.h"
#include "toolkit/window_registry.h"

static MessageBoxHook messageBoxHook = nullptr;

void SetMessageBoxHook(MessageBoxHook hook) { messageBoxHook = hook; }

void ShowMessageBox(int ownerWindow, const std::u16string& title, const std::u16string& text,
                    MessageIcon icon)
{
    if (messageBoxHook != nullptr) {
        messageBoxHook(MessageBoxRequest{ownerWindow, title, text, icon});
        return;
    }
    if (QApplication::instance() == nullptr)
        return;
    QString shown = ToQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    ToQString(title), shown, QMessageBox::Ok, FindWindow(ownerWindow));
    box.setTextFormat(Qt::PlainText);
    // Modal to the whole program, as the owner window is not the only one.
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

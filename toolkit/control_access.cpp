#include "toolkit/controls.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "toolkit/control_registry.h"
#include "toolkit/font_store.h"
#include "toolkit/picture_button.h"
#include "toolkit/picture_control.h"
#include "toolkit/spin_field.h"
#include "toolkit/text_conversion.h"

// Every call here is the program's doing: signals are blocked while a value
// changes, so that only the user's actions reach the event queue.

bool ControlExists(int control) { return FindControl(control) != nullptr; }

std::u16string ControlText(int control)
{
    QWidget* widget = FindControl(control);
    if (auto* field = dynamic_cast<SpinField*>(widget))
        return FromQString(field->ShownText());
    if (dynamic_cast<PictureButton*>(widget) != nullptr)
        return {};
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return FromQString(ButtonText(button->text()));
    if (auto* label = qobject_cast<QLabel*>(widget))
        return FromQString(label->text());
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return FromQString(list->currentText());
    if (auto* field = qobject_cast<QPlainTextEdit*>(widget))
        return FromQString(field->toPlainText());
    return {};
}

void SetControlText(int control, const std::u16string& text)
{
    QWidget* widget = FindControl(control);
    if (widget == nullptr)
        return;
    const QSignalBlocker blocker(widget);
    QString shown = ToQString(text);
    if (auto* field = dynamic_cast<SpinField*>(widget)) {
        field->SetShownText(shown);
    } else if (dynamic_cast<PictureButton*>(widget) != nullptr || dynamic_cast<PictureControl*>(widget) != nullptr) {
        // A picture shows no text.
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(ButtonCaption(shown));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(shown);
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        // The user can only pick entries, so the program can only choose one.
        const int index = list->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            list->setCurrentIndex(index);
    } else if (auto* field = qobject_cast<QPlainTextEdit*>(widget)) {
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        field->setPlainText(shown);
    }
}

int ControlState(int control)
{
    QWidget* widget = FindControl(control);
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return list->currentIndex();
    if (auto* bar = qobject_cast<QSlider*>(widget))
        return bar->value();
    if (auto* field = qobject_cast<QSpinBox*>(widget))
        return field->value();
    return 0;
}

void SetControlState(int control, int state)
{
    QWidget* widget = FindControl(control);
    if (widget == nullptr)
        return;
    const QSignalBlocker blocker(widget);
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        if (state >= -1 && state < list->count())
            list->setCurrentIndex(state);
    } else if (auto* bar = qobject_cast<QSlider*>(widget)) {
        bar->setValue(state);  // clamped to the range by the slider
    } else if (auto* field = qobject_cast<QSpinBox*>(widget)) {
        field->setValue(state);  // clamped, and written as plain decimal
    }
}

void SetControlPicture(int control, int picture)
{
    QWidget* widget = FindControl(control);
    if (auto* button = dynamic_cast<PictureButton*>(widget))
        button->SetPicture(picture);
    else if (auto* shown = dynamic_cast<PictureControl*>(widget))
        shown->SetPicture(picture);
}

int ControlPicture(int control)
{
    QWidget* widget = FindControl(control);
    if (auto* button = dynamic_cast<PictureButton*>(widget))
        return button->Picture();
    if (auto* shown = dynamic_cast<PictureControl*>(widget))
        return shown->Picture();
    return 0;
}

void SetControlFont(int control, int font)
{
    QWidget* widget = FindControl(control);
    const QFont* made = FindFont(font);
    if (widget != nullptr && made != nullptr)
        widget->setFont(*made);
}

void SetControlEnabled(int control, Enabled enabled)
{
    if (QWidget* widget = FindControl(control))
        widget->setEnabled(enabled == Enabled::Yes);
}

bool ControlIsEnabled(int control)
{
    QWidget* widget = FindControl(control);
    return widget != nullptr && widget->isEnabled();
}

void FocusControl(int control)
{
    if (QWidget* widget = FindControl(control))
        widget->setFocus(Qt::OtherFocusReason);
}

void SetAccessibleName(int control, const std::u16string& name)
{
    if (QWidget* widget = FindControl(control))
        widget->setAccessibleName(ToQString(name));
}

void SetAccessibleDescription(int control, const std::u16string& description)
{
    if (QWidget* widget = FindControl(control))
        widget->setAccessibleDescription(ToQString(description));
}

void BindClickHandler(int control, ClickHandler handler) { SetClickHandler(control, handler); }

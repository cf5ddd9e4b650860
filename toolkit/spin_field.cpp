#include "toolkit/spin_field.h"

#include <QLineEdit>
#include <QLocale>

#include "toolkit/spin_field_style.h"

SpinField::SpinField(int minimum, int maximum, QWidget* parent) : QSpinBox(parent)
{
    // Plain ASCII digits without separators, whatever the user's locale.
    setLocale(QLocale::c());
    setRange(minimum, maximum);
    setSingleStep(1);
    setWrapping(false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setStyle(SharedSpinFieldStyle());
}

QString SpinField::ShownText() const { return lineEdit()->text(); }

void SpinField::SetShownText(const QString& text)
{
    lineEdit()->setText(text);
    // Take the value over when it is one; otherwise the field keeps its
    // value and shows the text until editing ends, as typed text does.
    int position = 0;
    QString copy = text;
    if (validate(copy, position) == QValidator::Acceptable)
        setValue(text.toInt());
}

QValidator::State SpinField::validate(QString& input, int&) const
{
    if (input.isEmpty())
        return QValidator::Intermediate;
    const QString longest = QString::number(std::max(std::abs(minimum()), std::abs(maximum())));
    if (input.size() > longest.size())
        return QValidator::Invalid;
    for (const QChar c : input) {
        if (c < u'0' || c > u'9')
            return QValidator::Invalid;
    }
    const int value = input.toInt();
    if (value > maximum())
        return QValidator::Invalid;
    // Below the minimum more digits may still make a number in range.
    return value < minimum() ? QValidator::Intermediate : QValidator::Acceptable;
}

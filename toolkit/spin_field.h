#pragma once

#include <QSpinBox>

// A numeric field that holds a whole number within its range, or nothing
// while the user is retyping it. Any keystroke that would make anything else
// is refused; an emptied field takes back its last value when editing ends.
class SpinField : public QSpinBox {
public:
    SpinField(int minimum, int maximum, QWidget* parent);

    // The text as shown, for reading back what the user typed.
    QString ShownText() const;
    void SetShownText(const QString& text);

protected:
    QValidator::State validate(QString& input, int& position) const override;
};

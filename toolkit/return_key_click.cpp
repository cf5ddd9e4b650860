#include "toolkit/return_key_click.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

class ReturnKeyClick : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plainKey = key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
        if (key->isAutoRepeat() || !plainKey)
            return false;
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button == nullptr || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

}  // namespace

void LetReturnKeyClick(QPushButton* button)
{
    button->installEventFilter(new ReturnKeyClick(button));
}

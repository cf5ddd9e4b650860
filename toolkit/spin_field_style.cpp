#include "toolkit/spin_field_style.h"

#include <QApplication>
#include <QPointer>
#include <QStyleOptionComplex>
#include <algorithm>

static constexpr int MINIMUM_ARROW_WIDTH = 18;

int SpinFieldStyle::ArrowWidth(int fieldHeight) { return std::max(MINIMUM_ARROW_WIDTH, fieldHeight / 2); }

QRect SpinFieldStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                     const QWidget* widget) const
{
    if (control != CC_SpinBox || option == nullptr)
        return QProxyStyle::subControlRect(control, option, part, widget);
    const QRect field = option->rect;
    const int arrows = std::min(ArrowWidth(field.height()), field.width());
    const int upHeight = field.height() / 2;
    const int frame = pixelMetric(PM_SpinBoxFrameWidth, option, widget);
    QRect rect;
    switch (part) {
    case SC_SpinBoxUp:
        rect = QRect(field.right() - arrows + 1, field.top(), arrows, upHeight);
        break;
    case SC_SpinBoxDown:
        rect = QRect(field.right() - arrows + 1, field.top() + upHeight, arrows, field.height() - upHeight);
        break;
    case SC_SpinBoxEditField:
        rect = QRect(field.left() + frame, field.top() + frame, field.width() - arrows - frame,
                     field.height() - 2 * frame);
        break;
    case SC_SpinBoxFrame:
        rect = field;
        break;
    default:
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
    // Arrows sit at the end where the text ends, also right to left.
    return visualRect(option->direction, field, rect);
}

SpinFieldStyle* SharedSpinFieldStyle()
{
    static QPointer<SpinFieldStyle> style;
    if (style.isNull()) {
        style = new SpinFieldStyle;
        // Deleted with the application, after the widgets that use it.
        style->setParent(QApplication::instance());
    }
    return style.data();
}
